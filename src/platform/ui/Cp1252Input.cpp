#include "platform/ui/Cp1252Input.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QChildEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QValidator>
#include <QVariant>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "platform/Cp1252.h"

namespace platform {
namespace {

bool IsControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F); }

class Cp1252Validator : public QValidator {
 public:
  Cp1252Validator(QLineEdit* edit, RefusalSink sink, QValidator* inner)
      : QValidator(edit), edit_(edit), sink_(std::move(sink)), inner_(inner) {}

  State validate(QString& input, int& pos) const override {
    refused_ = false;
    // A text the program sets came from its record; typed and pasted text is checked.
    if (edit_->isModified() && Refused(input)) {
      const QString composed = ComposedForCp1252(input);
      if (const std::optional<char32_t> ch = Refused(composed)) {
        if (sink_) sink_(edit_, UnstorableCharacterText(*ch));
        refused_ = true;
        return Invalid;
      }
      pos = static_cast<int>(std::min(composed.size(), input.left(pos).normalized(QString::NormalizationForm_C).size()));
      input = composed;
    }
    return inner_ ? inner_->validate(input, pos) : Acceptable;
  }

  void fixup(QString& input) const override {
    if (inner_) inner_->fixup(input);
  }

  // True once after this guard refused an input (the edit reports it as rejected too).
  bool TakeRefusal() { return std::exchange(refused_, false); }

 private:
  std::optional<char32_t> Refused(const QString& text) const {
    if (const std::optional<char32_t> ch = FirstUnstorableChar(text, false)) return ch;
    // A mask's "9" takes the digits of every script.
    if (!edit_->inputMask().isEmpty())
      for (char32_t ch : text.toUcs4())
        if (ch > 0x7E) return ch;
    return std::nullopt;
  }

  QLineEdit* edit_;
  RefusalSink sink_;
  QPointer<QValidator> inner_;
  mutable bool refused_ = false;
};

// The property that names a field's capacity where the edit's maxLength is
// not it (a cell whose leading blanks are not stored).
constexpr const char* kFieldCapacity = "quorvFieldCapacity";

int LeadingBlanks(const QString& text) {
  int n = 0;
  while (n < text.size() && text[n] == u' ') ++n;
  return n;
}

// Cell editors that hold what the column's field holds; a longer text the
// program put into the cell is shown whole. Where the stored text skips
// leading blanks, they do not count.
class CapacityDelegate : public QStyledItemDelegate {
 public:
  CapacityDelegate(QObject* parent, std::vector<CellCapacity> capacities)
      : QStyledItemDelegate(parent), capacities_(std::move(capacities)) {}

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    const auto column = static_cast<std::size_t>(index.column());
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (edit && column < capacities_.size() && capacities_[column].Chars > 0) {
      const CellCapacity capacity = capacities_[column];
      const int shown = static_cast<int>(index.data(Qt::EditRole).toString().size());
      const bool first = !edit->property(kFieldCapacity).isValid();
      edit->setProperty(kFieldCapacity, capacity.Chars);
      auto fit = [edit, capacity, shown](const QString& text) {
        const int free = capacity.LeadingBlanksFree ? LeadingBlanks(text) : 0;
        edit->setMaxLength(std::max(shown, capacity.Chars + free));
      };
      fit(index.data(Qt::EditRole).toString());
      if (first && capacity.LeadingBlanksFree) QObject::connect(edit, &QLineEdit::textChanged, edit, fit);
    }
    QStyledItemDelegate::setEditorData(editor, index);
  }

 private:
  std::vector<CellCapacity> capacities_;
};

// Runs a function on the events of the object it filters.
class EventHook : public QObject {
 public:
  EventHook(QObject* watched, std::function<void(QEvent*)> onEvent) : QObject(watched), onEvent_(std::move(onEvent)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    onEvent_(event);
    return false;
  }

 private:
  std::function<void(QEvent*)> onEvent_;
};

// An item of an editable combo box may be longer than its field (a list file
// travels with the class files): chosen from the list, or completed from
// typed letters, it is cut by the edit, and that is said.
void GuardChoices(QComboBox* combo, const RefusalSink& sink, const TakenSink& taken) {
  QLineEdit* edit = combo->lineEdit();
  if (edit == nullptr) return;
  auto cut = [edit, sink](const QString& item) {
    if (item.size() <= edit->maxLength()) return false;
    if (sink) sink(edit, FieldFullText(edit->maxLength()));
    return true;
  };
  QObject::connect(combo, &QComboBox::activated, edit, [combo, cut, taken](int index) {
    if (!cut(combo->itemText(index)) && taken) taken();
  });
  // The edit's completer may be made only when it first takes the focus or a
  // key, which mostly come through the combo box.
  auto hooked = std::make_shared<QPointer<QCompleter>>();
  auto hookCompleter = [combo, edit = QPointer<QLineEdit>(edit), cut, hooked](QEvent* event) {
    if (edit.isNull() || (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress)) return;
    // Not the shared stand-in, which watches no edit.
    QCompleter* completer = edit->completer();
    if (completer == nullptr || *hooked == completer) return;
    if (completer->widget() != combo && completer->widget() != edit) return;
    *hooked = completer;
    QObject::connect(completer, qOverload<const QString&>(&QCompleter::highlighted), edit,
                     [cut](const QString& completion) { cut(completion); });
  };
  new EventHook(combo, hookCompleter);
  new EventHook(edit, hookCompleter);
}

}  // namespace

std::optional<char32_t> FirstUnstorableChar(const QString& text, bool keepsLineEnds) {
  for (char32_t ch : text.toUcs4()) {
    if (keepsLineEnds && (ch == u'\n' || ch == u'\r')) continue;
    if (IsControl(ch) || UnicodeToCp1252(ch) < 0) return ch;
  }
  return std::nullopt;
}

QString UnstorableCharacterText(char32_t ch) {
  // Also half of a pair that the capacity cut off.
  if (ch == QChar::ReplacementCharacter) return QString::fromUtf8("Dieses Zeichen kann nicht gespeichert werden.");
  if (IsControl(ch)) {
    const char* name = ch == u'\t' ? " (Tabulator)" : ch == u'\n' || ch == u'\r' ? " (Zeilenende)" : "";
    return QStringLiteral("Das Steuerzeichen U+%1%2 kann nicht gespeichert werden.")
        .arg(QString::number(ch, 16).toUpper().rightJustified(4, u'0'), QLatin1String(name));
  }
  const QString text = QString::fromUtf8("„") + QString::fromUcs4(&ch, 1) + QString::fromUtf8("“ kann nicht gespeichert werden");
  const QString standIn = Cp1252StandIn(ch);
  if (standIn.isEmpty()) return text + u'.';
  return text + QString::fromUtf8("; bitte „") + standIn + QString::fromUtf8("“ eingeben.");
}

QString ComposedForCp1252(const QString& text) {
  if (FirstCharWithoutCp1252(text) == 0) return text;
  const QString composed = text.normalized(QString::NormalizationForm_C);
  return FirstCharWithoutCp1252(composed) == 0 ? composed : text;
}

QString FieldFullText(int capacity) {
  return QString::fromUtf8("Das Feld ist voll: Es fasst höchstens %1 Zeichen.").arg(capacity);
}

void GuardCp1252Input(QLineEdit* edit, const RefusalSink& sink, const TakenSink& taken) {
  QValidator* inner = const_cast<QValidator*>(edit->validator());
  if (dynamic_cast<Cp1252Validator*>(inner)) return;
  auto* guard = new Cp1252Validator(edit, sink, inner);
  edit->setValidator(guard);
  // The edit stops typing at its capacity and cuts a longer paste: said too.
  auto refusedText = std::make_shared<std::optional<QString>>();
  QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit, sink, guard, refusedText] {
    if (guard->TakeRefusal() || edit->text().size() < edit->maxLength()) return;
    *refusedText = edit->text();
    const QVariant capacity = edit->property(kFieldCapacity);
    if (sink) sink(edit, FieldFullText(capacity.isValid() ? capacity.toInt() : edit->maxLength()));
  });
  if (!taken) return;
  // The text a cut paste leaves is no input taken after its refusal.
  QObject::connect(edit, &QLineEdit::textEdited, edit, [taken, refusedText](const QString& text) {
    if (text != *refusedText) taken();
    refusedText->reset();
  });
}

void GuardCp1252Inputs(QWidget* root, const RefusalSink& sink, const TakenSink& taken) {
  for (QLineEdit* edit : root->findChildren<QLineEdit*>()) GuardCp1252Input(edit, sink, taken);
  for (QComboBox* combo : root->findChildren<QComboBox*>()) GuardChoices(combo, sink, taken);
  for (QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
    new EventHook(view->viewport(), [sink, taken](QEvent* event) {
      if (event->type() != QEvent::ChildPolished) return;
      if (auto* editor = qobject_cast<QLineEdit*>(static_cast<QChildEvent*>(event)->child()))
        GuardCp1252Input(editor, sink, taken);
    });
  }
}

void SetCellCapacities(QAbstractItemView* view, std::vector<CellCapacity> capacityByColumn) {
  view->setItemDelegate(new CapacityDelegate(view, std::move(capacityByColumn)));
}

void GuardDialogCp1252Inputs(QDialog* dialog) {
  auto* note = new QLabel(dialog);
  note->setObjectName(QStringLiteral("RefusalNote"));
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("QLabel { color: #c00000; }"));
  // Two lines of room, kept whether the note speaks or not: no button moves.
  note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  note->setFixedHeight(2 * note->fontMetrics().lineSpacing());
  if (auto* box = qobject_cast<QBoxLayout*>(dialog->layout()))
    box->addWidget(note);
  else if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
    grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
  new EventHook(dialog, [note](QEvent* event) {
    if (event->type() == QEvent::Show) note->clear();
  });
  GuardCp1252Inputs(
      dialog, [note](QWidget*, const QString& text) { note->setText(text); }, [note] { note->clear(); });
}

}  // namespace platform
