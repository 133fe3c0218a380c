#pragma once
// A memo for a record text of limited capacity.
#include <QPlainTextEdit>

namespace platform {

// The characters a memo's text takes in a record: a line end counts as the
// two (CR LF) that the record stores.
int RecordTextLength(const QString& text);

// Typing stops at the capacity; a paste or a drop that would not fit, and
// text with a character that Windows-1252 lacks or a control character other
// than a line end, are refused whole. A text the program sets is never cut,
// and while it is longer than the capacity an edit that does not lengthen it
// is still taken.
class LimitedMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  enum class Refusal {
    Full,        // typed at the capacity
    TooLong,     // pasted or dropped text that does not fit
    Unstorable,  // a character the record cannot keep
  };

  explicit LimitedMemo(int capacity, QWidget* parent = nullptr);
  int capacity() const { return capacity_; }
  // True when the whole text may replace the memo's text.
  bool Holds(const QString& text) const;

 signals:
  void refused(const QString& text, platform::LimitedMemo::Refusal kind);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // True when text may take the place of the selection; else says why not,
  // overflow telling how a text that does not fit is refused.
  bool Takes(const QString& text, Refusal overflow);

  int capacity_;
};

}  // namespace platform
