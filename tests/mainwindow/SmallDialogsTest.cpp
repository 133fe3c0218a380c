#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "mainwindow/BewHilf.h"
#include "mainwindow/DatSich.h"
#include "mainwindow/FachEing.h"
#include "mainwindow/InfoDialog.h"
#include "mainwindow/NeuDS.h"
#include "mainwindow/SheetStubFixture.h"
#include "mainwindow/about.h"
#include "records/RecordOperations.h"
#include "mainwindow/BewUebers.h"
#include "mainwindow/FaNoExp.h"
#include "settings/DrkEinstForm.h"
#include "settings/EinstExpForm.h"
#include "settings/EinstImpForm.h"
#include "settings/ProgEinstForm.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/SchulEinstForm.h"
#include "settings/WpflEinstForm.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using testsupport::ClassOf;
using testsupport::Pupil;
using testsupport::SheetStubForm;
using testsupport::SheetStubTest;

namespace {

// Shows the dialog as the modal run would, presses the named button and answers its result.
testsupport::ScriptedDialogs::Answer Press(const char* button, std::function<void(QDialog&)> fill = {}) {
  return [button, fill](QDialog& d) {
    d.show();
    if (fill) fill(d);
    d.findChild<QPushButton*>(button)->click();
    return d.result();
  };
}

TEST_F(SheetStubTest, CodeListFollowsSchoolTypeAndAdditionsOption) {
  const struct {
    int schoolType, showAdditions;
    const char* grades;
    int lineCount;
    const char* last;
  } cases[] = {{3, 1, "     Noten: 1 bis 8", 33, "     beliebiges Zeichen (z.B.: # oder *)"},
               {3, 0, "     Noten: 1 bis 8", 28, "     entsprechend vorgegebenen Zeugnisniveau: Z"},
               {1, 1, "     Noten: 1 bis 6", 20, "     beliebiges Zeichen (z.B.: # oder *)"},
               {5, 0, "     Noten: 1 bis 6", 15, "     nicht beurteilbar: 0, u oder k"}};
  SheetStubForm& form = ShownForm();
  TBewHilfForm codeList(&form);
  form.BewHilfForm = &codeList;
  for (const auto& c : cases) {
    SchoolSettings.SchoolType = static_cast<std::uint16_t>(c.schoolType);
    ProgramOptions.ShowAdditions = static_cast<std::uint16_t>(c.showAdditions);
    form.findChild<QPushButton*>(c.showAdditions ? "BitBtn1" : "BitBtn21")->click();  // each show fills anew
    EXPECT_TRUE(codeList.isVisible());
    EXPECT_FALSE(codeList.isModal());
    const QStringList lines = codeList.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split('\n');
    EXPECT_EQ(lines.size(), c.lineCount) << c.schoolType;
    EXPECT_EQ(lines.mid(0, 3), QStringList({"Bewertungen / Noten:", QString(31, '='), c.grades}));
    EXPECT_EQ(lines.value(10), QString::fromUtf8("     teilgenommen: t   {! nur für Grundsch.}"));
    EXPECT_EQ(lines.contains("Niveaustufen:"), c.schoolType == 3);
    EXPECT_EQ(lines.contains(QString::fromUtf8("Zusätze:")), c.showAdditions == 1);
    EXPECT_EQ(lines.last(), QString::fromUtf8(c.last));
    codeList.findChild<QPushButton*>("Button1")->click();
    EXPECT_FALSE(codeList.isVisible());
  }
  form.BewHilfForm = nullptr;
}

TEST_F(SheetStubTest, PlusOnTheTablePageTakesTheNamesOfTheNewPupilDialog) {
  const struct {
    const char* button;
    const char* surname;
    const char* firstName;
    const char* list;
  } cases[] = {{"Button1", "Neumann", "Nora", "Abel, Anna|Neumann, Nora|Berg, Ben"},
               {"Button1", "", "", "Abel, Anna|???, |Berg, Ben"},
               {"Button1", "Schmidt-Langenbeck-Oberhausener", "Nora",
                "Abel, Anna|Schmidt-Langenbeck-Oberhausene, Nora|Berg, Ben"},
               {"Button2", "Neumann", "Nora", "Abel, Anna|Berg, Ben"}};
  for (const auto& c : cases) {
    SheetStubForm& form = ShownForm();
    TNeuDSForm dialog(&form);
    form.NeuDSForm = &dialog;
    SetClass(ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben")}), 0);
    form.PageControl1->setCurrentIndex(1);
    form.calls.clear();
    Modified = false;
    testsupport::ScriptedDialogs dialogs;
    dialogs.expect("NeuDSForm", Press(c.button, [&c](QDialog& d) {
                     EXPECT_TRUE(d.findChild<QLineEdit*>("Edit1")->text().isEmpty());  // emptied on show
                     d.findChild<QLineEdit*>("Edit1")->setText(c.surname);
                     d.findChild<QLineEdit*>("Edit2")->setText(c.firstName);
                   }));
    form.Button6->click();
    EXPECT_EQ(ListTexts().join('|').toStdString(), c.list);
    EXPECT_EQ(CurrentPupil, std::string(c.button) == "Button1" ? 1 : 0);
    EXPECT_EQ(Modified, std::string(c.button) == "Button1");  // closing asks to save the new pupil
    EXPECT_EQ(std::find(form.calls.begin(), form.calls.end(), "Store 0"), form.calls.end());
    dialog.show();
    dialog.reject();  // the close box cancels
    EXPECT_EQ(dialog.result(), 2);
  }
}

TEST_F(SheetStubTest, BackupSaysNoBackupWasMadeForEitherAnswer) {
  for (const char* button : {"BitBtn1", "BitBtn2"}) {
    SheetStubForm& form = ShownForm();
    TDatSichForm dialog(&form);
    form.DatSichForm = &dialog;
    const QStringList before = QDir(DataDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    testsupport::ScriptedDialogs dialogs;
    dialogs.expect("DatSichForm", Press(button));
    testsupport::ScriptedMessages messages;
    messages.expect(QString::fromUtf8("Es wurde KEINE Datensicherung durchgeführt!"), platform::MsgKind::Warning);
    form.MenuItem("vollstndigeDatensicherung1")->trigger();
    EXPECT_EQ(dialog.result(), std::string(button) == "BitBtn1" ? 1 : 2);
    EXPECT_EQ(QDir(DataDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before) << button;
  }
}

TEST_F(SheetStubTest, AboutBoxClosesWithOk) {
  SheetStubForm& form = ShownForm();
  TAboutForm about(&form);
  form.AboutForm = &about;
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("AboutForm", Press("Button1"));
  form.MenuItem("HelpAboutItem")->trigger();
  EXPECT_EQ(about.result(), 1);
}

// The dialogs whose texts go into a record or a settings file refuse a
// character Windows-1252 lacks and say so at their foot.
TEST_F(SheetStubTest, DialogsRefuseCharactersTheFilesCannotHold) {
  SheetStubForm& form = ShownForm();
  const struct {
    QDialog* dialog;
    const char* typed;
    const char* said;
  } cases[] = {{new TNeuDSForm(&form), "ı", "; bitte „i“ eingeben."},
               {new TSchulEinstForm(&form), "ő", "; bitte „o“ eingeben."},
               {new TWpflEinstForm(&form), "Ș", "; bitte „S“ eingeben."},
               {new TDrkEinstForm(&form), "Ω", "."},
               {new TFachEingForm(&form), "−", "; bitte „-“ eingeben."}};
  for (const auto& c : cases) {
    c.dialog->show();
    auto* field = c.dialog->findChild<QLineEdit*>("Edit1");
    if (auto* grid = c.dialog->findChild<QTableWidget*>("StringGrid1")) {  // a grade cell
      grid->setRowCount(2);
      grid->setItem(1, 4, new QTableWidgetItem);
      grid->editItem(grid->item(1, 4));
      field = grid->viewport()->findChild<QLineEdit*>();
    }
    field->clear();  // a full field says that it is full
    const QString before = field->text();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(c.typed));
    QApplication::sendEvent(field, &press);
    EXPECT_EQ(field->text(), before) << c.typed;
    const auto* note = c.dialog->findChild<QLabel*>("RefusalNote");
    ASSERT_NE(note, nullptr) << c.typed;
    EXPECT_EQ(note->text(),
              QString::fromUtf8("„%1“ kann nicht gespeichert werden%2").arg(QString::fromUtf8(c.typed), QString::fromUtf8(c.said)));
    c.dialog->hide();
  }
}

// A dialog's note keeps its room while it is empty: saying the longest
// refusal moves no button, and the note shows it whole.
TEST_F(SheetStubTest, ARefusalNoteMovesNoButton) {
  SheetStubForm& form = ShownForm();
  const struct {
    QDialog* dialog;
    const char* field;
  } cases[] = {{new TNeuDSForm(&form), "Edit1"},        {new TSchulEinstForm(&form), "Edit1"},
               {new TWpflEinstForm(&form), "Edit1"},    {new TDrkEinstForm(&form), "Edit1"},
               {new TFachEingForm(&form), "ComboBox1"}};
  const auto buttonPlaces = [](const QDialog& d) {
    QStringList places;
    for (const QPushButton* b : d.findChildren<QPushButton*>()) {
      const QPoint at = b->mapTo(&d, QPoint());
      places << QStringLiteral("%1 at %2,%3 %4x%5").arg(b->text()).arg(at.x()).arg(at.y()).arg(b->width()).arg(b->height());
    }
    return places.join(u'\n').toStdString();
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dialog->objectName().toStdString());
    c.dialog->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto before = buttonPlaces(*c.dialog);
    auto* field = c.dialog->findChild<QWidget*>(c.field);
    auto* combo = qobject_cast<QComboBox*>(field);
    QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(field);
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("\tSpalte"));
    edit->paste();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto* note = c.dialog->findChild<QLabel*>("RefusalNote");
    EXPECT_EQ(note->text().toStdString(), "Das Steuerzeichen U+0009 (Tabulator) kann nicht gespeichert werden.");
    EXPECT_LE(note->heightForWidth(note->width()), note->height());
    EXPECT_EQ(buttonPlaces(*c.dialog), before);
    c.dialog->hide();
  }
}


// Every field whose text goes into a record or a settings file holds what that
// field holds: one character more, typed or pasted, is refused and said, on
// the data sheet in the status line, in a dialog at its foot until the next
// input taken or until it is shown again.
TEST_F(SheetStubTest, EveryTextFieldHoldsWhatItsFileFieldHolds) {
  SheetStubForm& form = ShownForm();
  QString names[31];  // by capacity
  names[30] = "Edit5 Edit6 Edit67 Edit69 ComboBoxF2 ComboBoxF3 ComboBoxF4 ComboBoxF6 ComboBoxF8 ComboBoxF9 ComboBoxF10 "
              "ComboBoxF14 ComboBoxF15 ComboBoxF16 ComboBoxF17 ComboBoxF18 ComboBoxW1 ComboBoxW2 ComboBoxW3 ComboBoxw4 "
              "ComboBoxW5 ComboBoxW6";
  names[5] = "Edit65 Edit66 Edit72 Edit74 ComboBox38";
  names[4] = "Edit63";
  names[2] = "Edit68";
  for (int s = 1; s <= 25; ++s) {  // the subject rows' grades, additions and levels
    const QString row = s <= 18 ? QStringLiteral("EditF%1").arg(s) : s < 25 ? QStringLiteral("EditW%1").arg(s - 18) : "EditW";
    names[1] += " " + row + (s < 25 ? QStringLiteral(" ComboBox%1").arg(s) : QString());
    names[2] += " " + row + "Z";
  }
  std::vector<std::pair<QLineEdit*, int>> fields;
  for (int capacity = 1; capacity <= 30; ++capacity) {
    for (const QString& name : names[capacity].split(' ', Qt::SkipEmptyParts)) {
      auto* w = form.findChild<QWidget*>(name);
      auto* combo = qobject_cast<QComboBox*>(w);
      fields.push_back({combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(w), capacity});
    }
  }
  for (QLineEdit* e : form.findChildren<QLineEdit*>())  // none left out
    EXPECT_TRUE(e->isReadOnly() || !e->inputMask().isEmpty() || std::count(fields.begin(), fields.end(), std::pair{e, e->maxLength()}))
        << e->objectName().toStdString();
  const std::size_t onSheet = fields.size();
  QDialog* dialogs[] = {new TNeuDSForm(&form), new TSchulEinstForm(&form), new TWpflEinstForm(&form),
                        new TDrkEinstForm(&form), new TFachEingForm(&form)};
  for (QDialog* d : dialogs) d->show();
  for (const auto& [d, name, capacity] : {std::tuple{0, "Edit1", 30}, {0, "Edit2", 30}, {1, "Edit1", 80}, {2, "Edit1", 30}, {3, "Edit1", 1}})
    fields.push_back({dialogs[d]->findChild<QLineEdit*>(name), capacity});
  auto* grid = dialogs[4]->findChild<QTableWidget*>("StringGrid1");
  grid->setRowCount(2);
  for (const auto& [column, capacity] : {std::pair{3, 1}, {4, 1}, {5, 2}}) {  // level, grade, addition
    grid->setItem(1, column, new QTableWidgetItem);
    grid->setCurrentCell(1, column);
    grid->editItem(grid->item(1, column));
    fields.push_back({grid->viewport()->findChildren<QLineEdit*>().constLast(), capacity});
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto [edit, capacity] = fields[i];
    ASSERT_NE(edit, nullptr) << i;
    const auto* note = i < onSheet ? nullptr : edit->window()->findChild<QLabel*>("RefusalNote");
    const auto said = [&] { return note ? note->text() : form.StatusPanelText(0); };
    for (bool paste : {false, true}) {
      SCOPED_TRACE(edit->objectName().toStdString() + " " + std::to_string(i) + (paste ? " pasted" : " typed"));
      edit->clear();
      form.SetStatusPanelText(0, QString());
      QApplication::clipboard()->setText(QString(capacity + 1, u'x'));
      paste ? edit->paste() : QTest::keyClicks(edit, QString(capacity + 1, u'x'));
      EXPECT_EQ(edit->text(), QString(capacity, u'x'));
      EXPECT_EQ(said(), QString::fromUtf8("Das Feld ist voll: Es fasst höchstens %1 Zeichen.").arg(capacity));
      QTest::keyClick(edit, Qt::Key_Backspace);
      EXPECT_EQ(said().isEmpty(), note != nullptr);  // a dialog's line goes at the next input taken
    }
    if (!note) continue;
    QTest::keyClicks(edit, "xx");
    edit->window()->hide();
    edit->window()->show();
    EXPECT_EQ(said(), QString());
  }
}

// A dialog made at the program's start makes its widgets when first shown:
// then it has every widget, under the same names, as one made at once.
TEST_F(SheetStubTest, DialogsMadeAtStartHaveAllTheirWidgetsWhenFirstShown) {
  SheetStubForm& form = ShownForm();
  using platform::DialogWidgets;
  const std::function<QDialog*(DialogWidgets)> makers[] = {
      [&](DialogWidgets w) { return new TBewHilfForm(&form, w); },
      [&](DialogWidgets w) { return new TNeuDSForm(&form, w); },
      [&](DialogWidgets w) { return new TProgEinstForm(&form, w); },
      [&](DialogWidgets w) { return new TSchulEinstForm(&form, w); },
      [&](DialogWidgets w) { return new TDrkEinstForm(&form, w); },
      [&](DialogWidgets w) { return new TFaNoExpForm(&form, w); },
      [&](DialogWidgets w) { return new TBewUebersForm(&form, w); },
      [&](DialogWidgets w) { return new TFachEingForm(&form, w); },
      [&](DialogWidgets w) { return new TEinstExpForm(&form, w); },
      [&](DialogWidgets w) { return new TEinstImpForm(&form, w); },
      [&](DialogWidgets w) { return new TDatSichForm(&form, w); },
      [&](DialogWidgets w) { return new TWpflEinstForm(&form, w); },
      [&](DialogWidgets w) { return new TAboutForm(&form, w); },
      [&](DialogWidgets w) { return new TInfoDlg(&form, w); },
  };
  const auto names = [](const QDialog& d) {
    QStringList list;
    for (const QWidget* w : d.findChildren<QWidget*>()) list << w->objectName();
    list.sort();
    return list;
  };
  for (const auto& make : makers) {
    std::unique_ptr<QDialog> now(make(DialogWidgets::Now));
    std::unique_ptr<QDialog> later(make(DialogWidgets::OnFirstShow));
    EXPECT_TRUE(later->findChildren<QWidget*>().isEmpty()) << now->objectName().toStdString();
    later->show();
    EXPECT_EQ(names(*later), names(*now)) << now->objectName().toStdString();
    EXPECT_GT(names(*later).size(), 3) << now->objectName().toStdString();
    later->hide();
  }
}

}  // namespace
