#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/MainFormFixture.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::MsgKind;
using testsupport::MainFormTest;

namespace {

const QString kStrike = QStringLiteral("  - - - - -");

class TextAreasTest : public MainFormTest {
 protected:
  testsupport::LoggingMainForm& Form() {
    auto& form = ShownForm();
    TPupilRecord& r = Pupils[static_cast<std::size_t>(CurrentPupil)];
    r.FirstName.set("Lea");
    r.Klassenstufe = 9;
    r.Abschlussart = 2;
    return form;
  }
  template <class T>
  T* Find(testsupport::LoggingMainForm& form, const char* name) {
    return qobject_cast<T*>(form.Sheet->ByName.value(QString::fromLatin1(name)));
  }
  static void Select(QPlainTextEdit* memo, int from, int to) {
    QTextCursor c = memo->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    memo->setTextCursor(c);
  }
};

TEST_F(TextAreasTest, ChoosingAPhraseTwiceWritesItTwice) {
  auto& form = Form();
  auto* combo = Find<QComboBox>(form, "ComboBox39");
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->count(), 16);
  form.Sheet->Memo3->setPlainText(kStrike);
  combo->setCurrentIndex(2);
  emit combo->activated(2);
  emit combo->activated(2);
  EXPECT_EQ(form.Sheet->Memo3->toPlainText(), QStringLiteral("versetzt in Klasse 10\nversetzt in Klasse 10"));

  testsupport::ScriptedMessages messages;
  messages.expectPrefix(QString::fromUtf8("Prüfen Sie die Einhaltung"), platform::MsgKind::Warning);
  emit combo->activated(10);
  EXPECT_TRUE(messages.allAnswered());
  EXPECT_TRUE(form.Sheet->Memo3->toPlainText().endsWith(
      QString::fromUtf8("\nLea hat einen der Mittleren Reife gleichwertigen Abschluss erreicht.")));
}

TEST_F(TextAreasTest, DeleteButtonsPutTheStrikeOutTextOrEmpty) {
  auto& form = Form();
  for (QPlainTextEdit* memo : {form.Sheet->Memo2, form.Sheet->Memo3, form.Sheet->Memo4})
    memo->setPlainText(QStringLiteral("Text"));
  Find<QPushButton>(form, "BitBtn16")->click();
  EXPECT_EQ(form.Sheet->Memo2->toPlainText(), kStrike);
  EXPECT_EQ(form.Sheet->Memo4->toPlainText(), QString());
  EXPECT_EQ(form.Sheet->Memo3->toPlainText(), QStringLiteral("Text"));
  Find<QPushButton>(form, "BitBtn14")->click();
  EXPECT_EQ(form.Sheet->Memo3->toPlainText(), kStrike);
}

TEST_F(TextAreasTest, ClipboardButtons) {
  auto& form = Form();
  QClipboard* clipboard = QApplication::clipboard();
  QPlainTextEdit* memo2 = form.Sheet->Memo2;
  memo2->setPlainText(QStringLiteral("Anna liest\ngern"));

  // Copy without a selection copies everything and leaves it selected.
  clipboard->setText(QStringLiteral("alt"));
  Find<QPushButton>(form, "BitBtn12")->click();
  EXPECT_EQ(clipboard->text(), QStringLiteral("Anna liest\ngern"));
  EXPECT_EQ(memo2->textCursor().selectedText().size(), memo2->toPlainText().size());

  // Cut without a selection does nothing.
  QTextCursor c = memo2->textCursor();
  c.clearSelection();
  memo2->setTextCursor(c);
  clipboard->setText(QStringLiteral("alt"));
  Find<QPushButton>(form, "BitBtn25")->click();
  EXPECT_EQ(clipboard->text(), QStringLiteral("alt"));
  EXPECT_EQ(memo2->toPlainText(), QStringLiteral("Anna liest\ngern"));

  // Cut a word, paste it over another one in the remarks.
  Select(memo2, 0, 4);
  Find<QPushButton>(form, "BitBtn25")->click();
  EXPECT_EQ(clipboard->text(), QStringLiteral("Anna"));
  EXPECT_EQ(memo2->toPlainText(), QStringLiteral(" liest\ngern"));
  form.Sheet->Memo3->setPlainText(QStringLiteral("Lea malt"));
  Select(form.Sheet->Memo3, 0, 3);
  Find<QPushButton>(form, "BitBtn26")->click();
  EXPECT_EQ(form.Sheet->Memo3->toPlainText(), QStringLiteral("Anna malt"));
}

// A paste that would not fit is refused with a message; a line end counts as
// the two characters the record stores, a CR LF pair as one line end.
TEST_F(TextAreasTest, APasteThatDoesNotFitIsRefused) {
  auto& form = Form();
  const struct {
    QPlainTextEdit* memo;
    int capacity;
    const char* button;  // none: the keyboard
  } cases[] = {{form.Sheet->Memo2, 2000, "BitBtn10"}, {form.Sheet->Memo3, 500, "BitBtn26"}, {form.Sheet->Memo4, 2000, nullptr}};
  for (const auto& c : cases) {
    auto paste = [&] {
      c.button ? Find<QPushButton>(form, c.button)->click() : QTest::keyClick(c.memo, Qt::Key_V, Qt::ControlModifier);
    };
    const QString text(c.capacity - 10, u'a');
    c.memo->setPlainText(text);
    QApplication::clipboard()->setText(QStringLiteral("123456789\n"));
    testsupport::ScriptedMessages msgs;
    msgs.expect(QString::fromUtf8("Das Feld fasst höchstens %1 Zeichen (ein Zeilenende zählt als zwei);\r"
                                  "der eingefügte Text passt nicht mehr hinein.").arg(c.capacity), MsgKind::Information);
    paste();
    EXPECT_EQ(c.memo->toPlainText(), text);
    QApplication::clipboard()->setText(QStringLiteral("12345678\r\n"));
    paste();
    EXPECT_EQ(c.memo->toPlainText(), "12345678\n" + text);
  }
}

// Typing stops at the capacity, and the status line says so; a phrase that
// would not fit is not written, and not left chosen. A longer text shown
// from an older record (bare line ends count two each) stays whole and takes
// no longer text.
TEST_F(TextAreasTest, TypingAndPhrasesStopAtTheCapacity) {
  auto& form = Form();
  QPlainTextEdit* memo = form.Sheet->Memo3;
  memo->setPlainText(QString(497, u'a'));
  memo->moveCursor(QTextCursor::End);
  QTest::keyClicks(memo, "bcde");
  EXPECT_EQ(form.StatusPanelText(0), QString::fromUtf8("Das Feld ist voll: Es fasst höchstens 500 Zeichen."));
  QTest::keyClick(memo, Qt::Key_Backspace);
  QTest::keyClick(memo, Qt::Key_Return);  // two characters
  EXPECT_EQ(memo->toPlainText(), QString(497, u'a') + "bc");

  auto* phrases = Find<QComboBox>(form, "ComboBox39");
  // A line end and "nicht versetzt" take 16 more; 170 lines of "a" hold 510.
  for (const QString& text : {QString(485, u'a'), QStringLiteral("a\n").repeated(170)}) {
    memo->setPlainText(text);
    testsupport::ScriptedMessages msgs;
    msgs.expect(QString::fromUtf8("Das Feld fasst höchstens 500 Zeichen (ein Zeilenende zählt als zwei);\r"
                                  "der Vermerk passt nicht mehr hinein."), MsgKind::Information);
    phrases->setCurrentIndex(3);
    emit phrases->activated(3);
    EXPECT_EQ(memo->toPlainText(), text);
    EXPECT_EQ(phrases->currentText(), QString());
  }

  const QString older = QString(499, u'x') + "\n";
  memo->setPlainText(older);
  memo->moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  QTest::keyClicks(memo, "yz");
  EXPECT_EQ(memo->toPlainText(), "y" + older.mid(1));
}

}  // namespace
