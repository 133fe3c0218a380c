#include "platform/ui/Cp1252Input.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QChildEvent>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>
#include <algorithm>
#include <utility>

#include "platform/Cp1252.h"

namespace platform {
namespace {

class Cp1252Validator : public QValidator {
 public:
  Cp1252Validator(QLineEdit* edit, RefusalSink sink, QValidator* inner)
      : QValidator(edit), edit_(edit), sink_(std::move(sink)), inner_(inner) {}

  State validate(QString& input, int& pos) const override {
    if (FirstCharWithoutCp1252(input) != 0) {
      const QString composed = ComposedForCp1252(input);
      if (const char32_t ch = FirstCharWithoutCp1252(composed)) {
        if (sink_) sink_(edit_, UnstorableCharacterText(ch));
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

 private:
  QLineEdit* edit_;
  RefusalSink sink_;
  QPointer<QValidator> inner_;
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

}  // namespace

QString UnstorableCharacterText(char32_t ch) {
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

void GuardCp1252Input(QLineEdit* edit, const RefusalSink& sink) {
  QValidator* inner = const_cast<QValidator*>(edit->validator());
  if (dynamic_cast<Cp1252Validator*>(inner)) return;
  edit->setValidator(new Cp1252Validator(edit, sink, inner));
  // The edit stops typing at its capacity and cuts a longer paste: said too.
  QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit, sink] {
    if (sink && edit->text().size() >= edit->maxLength()) sink(edit, FieldFullText(edit->maxLength()));
  });
}

void GuardCp1252Inputs(QWidget* root, const RefusalSink& sink) {
  // A masked edit takes only what its mask allows.
  for (QLineEdit* edit : root->findChildren<QLineEdit*>())
    if (edit->inputMask().isEmpty()) GuardCp1252Input(edit, sink);
  for (QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
    new EventHook(view->viewport(), [sink](QEvent* event) {
      if (event->type() != QEvent::ChildPolished) return;
      if (auto* editor = qobject_cast<QLineEdit*>(static_cast<QChildEvent*>(event)->child()))
        GuardCp1252Input(editor, sink);
    });
  }
}

void GuardDialogCp1252Inputs(QDialog* dialog) {
  auto* note = new QLabel(dialog);
  note->setObjectName(QStringLiteral("RefusalNote"));
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("QLabel { color: #c00000; }"));
  note->hide();
  if (auto* box = qobject_cast<QBoxLayout*>(dialog->layout()))
    box->addWidget(note);
  else if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
    grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
  new EventHook(dialog, [note](QEvent* event) {
    if (event->type() == QEvent::Show) note->hide();
  });
  GuardCp1252Inputs(dialog, [note](QWidget*, const QString& text) {
    note->setText(text);
    note->show();
  });
}

}  // namespace platform
