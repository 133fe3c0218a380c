#include <gtest/gtest.h>

#include <QCheckBox>
#include <optional>

#include "mainwindow/FaNoExp.h"
#include "mainwindow/MainFormFixture.h"
#include "platform/Files.h"
#include "records/GradeList.h"
#include "support/ClassInMemory.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedFolderChooser.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::MsgKind;
using testsupport::Calls;

namespace {

const Calls kAfterImport = {"Store", "Show", "FillPupilList", "Select", "Update"};

class ImportCommandsTest : public testsupport::MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    BuildDefaultSubjectCatalog();
  }
  void TearDown() override {
    ExportKind = ekAllSubjects;
    ExportSubjectSelection.fill(0);
    MainFormTest::TearDown();
  }
  // A class of Abel, Berg, Cron with Berg current.
  testsupport::LoggingMainForm& FormWithClass() {
    auto& form = ShownForm();
    TDB2 pupils;
    for (const char* name : {"Abel", "Berg", "Cron"}) {
      pupils.push_back(testsupport::NewPupil(name, "Vor"));
      pupils.back().Subjects[0].Name.set("Mathematik");
    }
    testsupport::SetClassInMemory(pupils, 1);
    return form;
  }
  testsupport::ScriptedFileDialogs files;
  testsupport::ScriptedMessages msgs;
};

}  // namespace

TEST_F(ImportCommandsTest, PupilImportStoresFirstAndShowsTheStartPupilAgain) {
  auto& form = FormWithClass();
  dir.writeFile(dir.dataDir() + "neu.CSV", "Neu1;A\r\nNeu2;B\r\n");
  files.expectOpen(std::nullopt).expectOpen(dir.dataDir() + "neu.CSV");
  form.MenuItem("importierenvonSchlerdatenimTXTFormat1")->trigger();
  EXPECT_EQ(form.calls, kAfterImport);  // cancelled: shown again and marked changed all the same
  EXPECT_TRUE(Modified);
  EXPECT_EQ(PupilCount, 3);
  const auto& request = files.shown().at(0).request;
  EXPECT_EQ(request.title + request.startFolder, QString::fromUtf8("Schülerdaten importieren ...") + dir.dataDir());
  EXPECT_EQ(request.filter, "Textdateien, semikolongetrennt  (*.TXT;*.CSV)|*.TXT;*.CSV;*.txt;*.csv");
  EXPECT_EQ(request.defaultSuffix, "TXT");

  form.calls.clear();
  form.importierenvonSchlerdatenimTXTFormat1Click();
  EXPECT_EQ(form.calls, kAfterImport);
  EXPECT_EQ(CurrentPupil, 1);
  EXPECT_EQ(PupilCount, 5);
  EXPECT_EQ(testsupport::Surnames(), "Abel Berg Neu1 Neu2 Cron ");
}

TEST_F(ImportCommandsTest, GradeImportWarnsOfWhatItCouldNotPlace) {
  auto& form = FormWithClass();
  dir.writeFile(dir.dataDir() + "noten.txt", "Cron;Vor;Ma;2;Xy;1;Ph;3\n");
  files.expectOpen(dir.dataDir() + "noten.txt");
  msgs.expect(QString::fromUtf8("Zählerstand der nicht zugeordneten Fächer: 2"), MsgKind::Information);
  msgs.expect(QString::fromUtf8("Beim Importieren der Fächer-Bewertungen\rkonnten 2 Bewertungen nicht zugeordnet\r"
                                "oder interpretiert werden!\r\rPrüfen Sie unbedingt Ihre Daten!"),
              MsgKind::Warning);
  form.MenuItem("importierenvonBewertungenimTXTFormat1")->trigger();
  EXPECT_EQ(files.shown().at(0).request.title, QString::fromUtf8("Bewertungsdaten importieren ..."));
  EXPECT_EQ(files.shown().at(0).request.defaultSuffix, "TXT");
  EXPECT_EQ(form.calls, kAfterImport);
  EXPECT_EQ(Pupils[2].Subjects[0].Grade.str(), "2");
  EXPECT_EQ(CurrentPupil, 1);
}

TEST_F(ImportCommandsTest, ExportTakesTheDialogsChoice) {
  auto& form = FormWithClass();
  TFaNoExpForm dialog(&form);
  form.FaNoExpForm = &dialog;
  ClassFileName = "7b.QVR";
  Pupils[1].LayoutFormNumber = 5;
  SubjectCatalog[20].SlotByForm[5] = -1;  // Mathematik: no slot on the current pupil's form
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("FaNoExpForm", 2);
  dialogs.expect("FaNoExpForm", [](QDialog& d) {
    auto& f = static_cast<TFaNoExpForm&>(d);
    f.FormShow();
    EXPECT_EQ(f.CheckBox(36)->text(), "Te/AL");
    EXPECT_TRUE(f.CheckBox(36)->isChecked());
    EXPECT_FALSE(f.CheckBox(19)->isEnabled() || f.CheckBox(19)->isChecked());  // Mathematik
    f.CheckBox(8)->setChecked(false);  // Deutsch
    f.CheckBox(42)->setChecked(true);
    f.Button1Click();
    return d.result();
  });
  form.Fachzensurenlistevorbereiten1Click();
  EXPECT_EQ(form.calls, (Calls{"Store", "Update"}));
  form.calls.clear();
  testsupport::ScriptedFolderChooser chooser(dir.dataDir());
  form.MenuItem("Fachzensurenlistevorbereiten1")->trigger();
  EXPECT_EQ(form.calls, (Calls{"Store", "Update"}));
  EXPECT_EQ(chooser.prompt_, QString::fromUtf8("Wählen Sie Laufwerk und Ordner aus!"));
  EXPECT_EQ(ExportKind, ekSelectedSubjects);
  EXPECT_TRUE(DeleteOldList);
  EXPECT_EQ(ExportSubjectSelection[9], 0);
  EXPECT_EQ(ExportSubjectSelection[10], 1);
  // Mathematik could not be chosen, Deutsch was not; entry 42 has no box.
  for (const char* name : {"Te_AL", "Eng", "Ma", "Deu", "JArb"})
    EXPECT_EQ(platform::FileExists(dir.dataDir() + "7b_" + name + ".FDB"), name[0] == 'T' || name[0] == 'E') << name;
}

// Characters the class file cannot hold still become "?", and one message
// afterwards says in how many lines, so that those names can be corrected.
TEST_F(ImportCommandsTest, ImportsSayInHowManyLinesCharactersWereReplaced) {
  const struct {
    const char* item;
    const char* file;
    const char* lineMessage;  // shown for a line before
    const char* where;
  } cases[] = {{"importierenvonSchlerdatenimTXTFormat1", "Yılmaz;Ali\r\nNowak;Łukasz Ștefan\r\nMeier;Eva\r\n", nullptr,
                "In 2 Zeilen"},
               {"importierenvonBewertungenimTXTFormat1", "Łada;Vor;Ma;3\n", "Einen Datensatz für: Vor ?ada\r", "In 1 Zeile"}};
  for (const auto& c : cases) {
    auto& form = FormWithClass();
    dir.writeFile(dir.dataDir() + "import.txt", c.file);
    files.expectOpen(dir.dataDir() + "import.txt");
    if (c.lineMessage) msgs.expectPrefix(QString::fromUtf8(c.lineMessage), MsgKind::Information);
    msgs.expect(QString::fromUtf8(c.where) + QString::fromUtf8(" der Datei wurden Zeichen, die nicht gespeichert werden "
                                                              "können, durch „?“ ersetzt.\rBitte prüfen und berichtigen "
                                                              "Sie diese Namen."), MsgKind::Warning);
    form.MenuItem(c.item)->trigger();
    EXPECT_TRUE(msgs.allAnswered()) << c.item;
  }
}
