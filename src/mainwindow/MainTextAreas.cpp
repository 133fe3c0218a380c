// The commands around the three free texts: the remark phrases, the delete
// buttons and the clipboard buttons. They act on the memos only; the record
// takes the texts at the next store.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/MainUSB.h"
#include "platform/Messages.h"
#include "platform/ui/LimitedMemo.h"
#include "records/QuorvDat.h"
#include "records/RemarkPhrases.h"

namespace quorv {

namespace {

void CopyFromMemo(QPlainTextEdit* memo) {
  QTextCursor cursor = memo->textCursor();
  if (!cursor.hasSelection()) {
    memo->selectAll();
    cursor = memo->textCursor();
  }
  QApplication::clipboard()->setText(cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void CutFromMemo(QPlainTextEdit* memo) {
  QTextCursor cursor = memo->textCursor();
  if (!cursor.hasSelection()) return;
  QApplication::clipboard()->setText(cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
  cursor.removeSelectedText();
  memo->setTextCursor(cursor);
}

// As the keyboard's paste: a text that does not fit is refused.
void PasteIntoMemo(QPlainTextEdit* memo) { memo->paste(); }

}  // namespace

void TMainForm::ConnectTextAreas() {
  struct ButtonSlot {
    const char* name;
    void (TMainForm::*slot)();
  };
  const ButtonSlot buttons[] = {
      {"BitBtn10", &TMainForm::BitBtn10Click}, {"BitBtn12", &TMainForm::BitBtn12Click},
      {"BitBtn13", &TMainForm::BitBtn13Click}, {"BitBtn14", &TMainForm::BitBtn14Click},
      {"BitBtn15", &TMainForm::BitBtn15Click}, {"BitBtn16", &TMainForm::BitBtn16Click},
      {"BitBtn25", &TMainForm::BitBtn25Click}, {"BitBtn26", &TMainForm::BitBtn26Click},
      {"BitBtn27", &TMainForm::BitBtn27Click},
  };
  for (const ButtonSlot& b : buttons)
    if (auto* button = qobject_cast<QPushButton*>(Sheet->ByName.value(QString::fromLatin1(b.name))))
      connect(button, &QPushButton::clicked, this, b.slot);
  // Typed text that does not fit is said in the status line, a paste in a message.
  for (platform::LimitedMemo* memo : {Sheet->Memo2, Sheet->Memo3, Sheet->Memo4})
    connect(memo, &platform::LimitedMemo::refused, this,
            [this](const QString& text, platform::LimitedMemo::Refusal kind) {
              if (kind == platform::LimitedMemo::Refusal::TooLong)
                platform::ShowMessage(text, platform::MsgKind::Information);
              else
                SayInStatusLine(text);
            });
  if (auto* phrases = qobject_cast<QComboBox*>(Sheet->ByName.value(QStringLiteral("ComboBox39")))) {
    phrases->clear();
    phrases->addItems(RemarkPhraseItems());
    // Choosing the same item again writes its phrase again.
    connect(phrases, &QComboBox::activated, this, &TMainForm::ComboBox39Select);
  }
}

void TMainForm::ComboBox39Select(int index) {
  // The phrase is made from the record as last stored.
  PhraseInputs in;
  if (CurrentPupil >= 0 && static_cast<std::size_t>(CurrentPupil) < Pupils.size()) {
    const TPupilRecord& r = Pupils[static_cast<std::size_t>(CurrentPupil)];
    in = {r.FirstName.text(), r.Klassenstufe, r.Abschlussart};
  }
  const RemarkPhrase phrase = PhraseForIndex(index, in);
  if (phrase.Text.isEmpty()) return;
  const QString text = WritePhrase(Sheet->Memo3->toPlainText(), phrase.Text);
  if (!Sheet->Memo3->Holds(text)) {
    // The phrase that was not written is not left shown as chosen.
    if (auto* phrases = qobject_cast<QComboBox*>(Sheet->ByName.value(QStringLiteral("ComboBox39"))))
      phrases->setCurrentIndex(-1);
    platform::ShowMessage(QString::fromUtf8("Das Feld fasst höchstens %1 Zeichen (ein Zeilenende zählt als zwei);\r"
                                            "der Vermerk passt nicht mehr hinein.")
                              .arg(Sheet->Memo3->capacity()),
                          platform::MsgKind::Information);
    return;
  }
  if (!phrase.Warning.isEmpty()) platform::ShowMessage(phrase.Warning, platform::MsgKind::Warning);
  Sheet->Memo3->setPlainText(text);
}

void TMainForm::BitBtn13Click() { Sheet->Memo2->setPlainText(QString::fromLatin1(kLongTextDefault)); }
void TMainForm::BitBtn14Click() { Sheet->Memo3->setPlainText(QString::fromLatin1(kLongTextDefault)); }
void TMainForm::BitBtn15Click() { Sheet->Memo4->clear(); }
void TMainForm::BitBtn16Click() {
  BitBtn13Click();
  BitBtn15Click();
}

void TMainForm::BitBtn12Click() { CopyFromMemo(Sheet->Memo2); }
void TMainForm::BitBtn27Click() { CopyFromMemo(Sheet->Memo3); }
void TMainForm::BitBtn25Click() { CutFromMemo(Sheet->Memo2); }
void TMainForm::BitBtn10Click() { PasteIntoMemo(Sheet->Memo2); }
void TMainForm::BitBtn26Click() { PasteIntoMemo(Sheet->Memo3); }

}  // namespace quorv
