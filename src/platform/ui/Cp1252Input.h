#pragma once
// Text controls whose text goes into a record or a settings file take only
// characters that Windows-1252 holds, and no control character: typed or
// pasted text with another character is refused whole, and the character is
// named. Each holds at most the characters its field holds.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QAbstractItemView;
class QDialog;
class QLineEdit;
class QWidget;

namespace platform {

// Where a refusal is said: the control that refused and the text.
using RefusalSink = std::function<void(QWidget* control, const QString& text)>;
// Called when a guarded control takes an input after its last refusal.
using TakenSink = std::function<void()>;

// The first character of text that a record field cannot keep: one that
// Windows-1252 lacks, or a control character (line ends excepted where the
// field keeps them); none when every one can be kept.
std::optional<char32_t> FirstUnstorableChar(const QString& text, bool keepsLineEnds);

// „ı“ kann nicht gespeichert werden; bitte „i“ eingeben.
// Das Steuerzeichen U+0009 (Tabulator) kann nicht gespeichert werden.
QString UnstorableCharacterText(char32_t ch);

// Text as typed or pasted, with decomposed accents put together again
// ("u" + combining diaeresis -> "ü") when that makes it fit the code page.
QString ComposedForCp1252(const QString& text);

// Das Feld ist voll: Es fasst höchstens 5 Zeichen.
QString FieldFullText(int capacity);

// Guards one line edit (an existing validator is asked after the guard); a
// key or paste that does not fit its capacity (maxLength) is said as well.
// A masked edit takes only the digits 0..9 and the mask's own characters.
void GuardCp1252Input(QLineEdit* edit, const RefusalSink& sink, const TakenSink& taken = {});

// Guards every line edit below root (those of editable combo boxes
// included), and the cell editors of the item views below it as they are
// opened. An item chosen in an editable combo box that its edit must cut is
// said as a key beyond the capacity is.
void GuardCp1252Inputs(QWidget* root, const RefusalSink& sink, const TakenSink& taken = {});

// The capacity of a column's cell editors (0: no limit); where the stored
// text skips leading blanks, they are free.
struct CellCapacity {
  int Chars = 0;
  bool LeadingBlanksFree = false;
};
void SetCellCapacities(QAbstractItemView* view, std::vector<CellCapacity> capacityByColumn);

// For a dialog without a status line: the refusals are said in a note at the
// foot of the dialog ("RefusalNote"), emptied again at the next input taken
// and whenever the dialog is shown. The note's room is kept while it is empty.
void GuardDialogCp1252Inputs(QDialog* dialog);

}  // namespace platform
