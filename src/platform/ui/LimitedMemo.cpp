#include "platform/ui/LimitedMemo.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "platform/ui/Cp1252Input.h"

namespace platform {
namespace {

// The text a key puts into a plain-text edit, as the edit itself decides it.
QString TypedText(const QKeyEvent* event, bool tabInserts) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return QStringLiteral("\n");
  const QString text = event->text();
  if (text.isEmpty()) return {};
  const QChar c = text.at(0);
  if (c.category() == QChar::Other_Format) return text;
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (mods == Qt::ControlModifier || mods == (Qt::ShiftModifier | Qt::ControlModifier)) return {};
  const bool pair = c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate();
  if (c.isPrint() || c.category() == QChar::Other_PrivateUse || pair || (c == u'\t' && tabInserts)) return text;
  return {};
}

}  // namespace

int RecordTextLength(const QString& text) {
  int length = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    const bool lineEnd = c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    length += lineEnd ? 2 : 1;
  }
  return length;
}

LimitedMemo::LimitedMemo(int capacity, QWidget* parent) : QPlainTextEdit(parent), capacity_(capacity) {}

bool LimitedMemo::Holds(const QString& text) const {
  const int length = RecordTextLength(text);
  return length <= capacity_ || length <= RecordTextLength(toPlainText());
}

bool LimitedMemo::Takes(const QString& text, Refusal overflow) {
  if (const std::optional<char32_t> ch = FirstUnstorableChar(text, true)) {
    emit refused(UnstorableCharacterText(*ch), Refusal::Unstorable);
    return false;
  }
  const int now = RecordTextLength(toPlainText());
  const int after = now - RecordTextLength(textCursor().selectedText()) + RecordTextLength(text);
  if (after <= capacity_ || after <= now) return true;
  if (overflow == Refusal::Full)
    emit refused(FieldFullText(capacity_), Refusal::Full);
  else
    emit refused(QString::fromUtf8("Das Feld fasst höchstens %1 Zeichen (ein Zeilenende zählt als zwei);\r"
                                   "der eingefügte Text passt nicht mehr hinein.")
                     .arg(capacity_),
                 Refusal::TooLong);
  return false;
}

void LimitedMemo::keyPressEvent(QKeyEvent* event) {
  const QString typed = TypedText(event, !tabChangesFocus());
  if (!typed.isEmpty() && !Takes(typed, Refusal::Full)) {
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void LimitedMemo::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty() && !Takes(event->commitString(), Refusal::Full)) {
    // Nothing is committed, and the pre-edit text ("^" of a dead key) goes too.
    QInputMethodEvent nothing;
    QPlainTextEdit::inputMethodEvent(&nothing);
    event->accept();
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

void LimitedMemo::insertFromMimeData(const QMimeData* source) {
  if (!source || !source->hasText()) return;
  const QString text = ComposedForCp1252(source->text());
  if (Takes(text, Refusal::TooLong)) insertPlainText(text);
}

}  // namespace platform
