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

void PasteIntoMemo(QPlainTextEdit* memo) { memo->insertPlainText(QApplication::clipboard()->text()); }

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
  if (!phrase.Warning.isEmpty()) platform::ShowMessage(phrase.Warning, platform::MsgKind::Warning);
  Sheet->Memo3->setPlainText(WritePhrase(Sheet->Memo3->toPlainText(), phrase.Text));
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
