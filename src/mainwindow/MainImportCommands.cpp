// "&Kommunikation": the text imports of pupils and grades and the grade-list export.
#include <QString>
#include <optional>

#include "mainwindow/MainUSB.h"
#include "platform/FileDialogs.h"
#include "platform/FolderChooser.h"
#include "platform/Messages.h"
#include "records/GradeList.h"
#include "records/QuorvDat.h"
#include "records/TextImport.h"
#include "records/TextWrap.h"

namespace quorv {

namespace {

// The program's own filter names upper-case patterns; the lower-case ones
// find the same files where names are case-sensitive.
const QString kImportFilter =
    QStringLiteral("Textdateien, semikolongetrennt  (*.TXT;*.CSV)|*.TXT;*.CSV;*.txt;*.csv");

std::optional<QString> ChooseImportFile(const QString& title) {
  return platform::ChooseOpenFile({title, DataDir, kImportFilter, QString(), QStringLiteral("TXT")});
}

// So that the names can be corrected on the data sheet.
void ReportReplacedLines(int lines) {
  if (lines <= 0) return;
  const QString where = lines == 1 ? QStringLiteral("In 1 Zeile") : QStringLiteral("In %1 Zeilen").arg(lines);
  platform::ShowMessage(where + QString::fromUtf8(" der Datei wurden Zeichen, die nicht gespeichert werden können, "
                                                  "durch „?“ ersetzt.\rBitte prüfen und berichtigen Sie diese Namen."),
                        platform::MsgKind::Warning);
}

}  // namespace

void TMainForm::importierenvonSchlerdatenimTXTFormat1Click() {
  // Edits typed just before would be lost when the pupil is shown again.
  StoreCurrentPupil();
  const int remembered = CurrentPupil;
  PupilImportResult result;
  if (const auto path = ChooseImportFile(QString::fromUtf8("Schülerdaten importieren ...")))
    result = ImportPupilFile(*path);
  CurrentPupil = remembered;
  ShowCurrentPupil();
  FillPupilList();
  SelectCurrentPupilInList();
  SetModified();
  ReportReplacedLines(result.replacedLines);
}

void TMainForm::importierenvonBewertungenimTXTFormat1Click() {
  StoreCurrentPupil();
  const int remembered = CurrentPupil;
  int unassigned = 0;
  int replacedLines = 0;
  if (const auto path = ChooseImportFile(QString::fromUtf8("Bewertungsdaten importieren ...")))
    unassigned = ImportGradeFile(*path, &replacedLines);
  CurrentPupil = remembered;
  ShowCurrentPupil();
  FillPupilList();
  SelectCurrentPupilInList();
  SetModified();
  if (unassigned > 0)
    platform::ShowMessage(QString::fromUtf8("Beim Importieren der Fächer-Bewertungen\rkonnten %1 Bewertungen nicht "
                                            "zugeordnet\roder interpretiert werden!\r\rPrüfen Sie unbedingt Ihre Daten!")
                              .arg(unassigned),
                          platform::MsgKind::Warning);
  ReportReplacedLines(replacedLines);
}

void TMainForm::Fachzensurenlistevorbereiten1Click() {
  StoreCurrentPupil();
  if (RunDialog(FaNoExpForm) != 1) {
    UpdatePupilPosition();
    return;
  }
  QString folder;
  BrowseForFolder(platform::FolderDrives, QString::fromUtf8("Wählen Sie Laufwerk und Ordner aus!"), folder);
  GradeListFolder = folder.isEmpty() ? ProgramDir : folder;
  if (ExportGradeLists()) UpdatePupilPosition();
}

}  // namespace quorv
