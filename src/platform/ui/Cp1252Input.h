#pragma once
// Text controls whose text goes into a record or a settings file take only
// characters that Windows-1252 holds: typed or pasted text with another
// character is refused whole, and the character is named.
#include <QString>
#include <functional>

class QDialog;
class QLineEdit;
class QWidget;

namespace platform {

// Where a refusal is said: the control that refused and the text.
using RefusalSink = std::function<void(QWidget* control, const QString& text)>;

// „ı“ kann nicht gespeichert werden; bitte „i“ eingeben.
QString UnstorableCharacterText(char32_t ch);

// Text as typed or pasted, with decomposed accents put together again
// ("u" + combining diaeresis -> "ü") when that makes it fit the code page.
QString ComposedForCp1252(const QString& text);

// Das Feld ist voll: Es fasst höchstens 5 Zeichen.
QString FieldFullText(int capacity);

// Guards one line edit (an existing validator is asked after the guard); a
// key or paste that does not fit its capacity (maxLength) is said as well.
void GuardCp1252Input(QLineEdit* edit, const RefusalSink& sink);

// Guards every line edit below root that has no input mask (those of
// editable combo boxes included), and the cell editors of the item views
// below it as they are opened.
void GuardCp1252Inputs(QWidget* root, const RefusalSink& sink);

// For a dialog without a status line: the refusals are said in a line of
// text at the foot of the dialog ("RefusalNote"), hidden again whenever the
// dialog is shown.
void GuardDialogCp1252Inputs(QDialog* dialog);

}  // namespace platform
