#include "mainwindow/MainUSB.h"

#include <QFileInfo>

#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "records/QuorvDat.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {
struct SchoolTypeCaption {
  int schoolType;
  const char* text;
};
constexpr SchoolTypeCaption kCaptions[] = {
    {1, "-- Grundschule --"},      {2, "-- Regionale Schule --"}, {3, "-- Integrierte Gesamtschule --"},
    {4, "-- Gymnasium --"},        {5, "-- Hauptschule --"},      {6, "-- Realschule --"},
    {7, "-- Förderschule --"},     {9, "-- Schule zur individuellen Lebensbewältigung --"},
};
}  // namespace

QString MainFormCaption(int schoolType) {
  const char* ending = "-- ?? Schultyp ?? --";
  for (const auto& c : kCaptions)
    if (c.schoolType == schoolType) ending = c.text;
  return QString::fromUtf8("Zeugnisse für Velsland  V.3.1.       ") + QString::fromUtf8(ending);
}

TMainForm::TMainForm(const QString& programPath, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QString::fromUtf8(kDesignedCaption));
  resize(768, 581);
  FormCreate(programPath);
}

void TMainForm::FormCreate(const QString& programPath) {
  move(5, 5);
  platform::SeedRandomFromClock();
  ProgramDir = QFileInfo(programPath).absolutePath();
  if (!ProgramDir.endsWith('/')) ProgramDir += '/';
  DataDir = ProgramDir + QStringLiteral("Daten/");
  if (!platform::DirExists(DataDir) && !platform::MakeDir(DataDir)) {
    platform::ShowMessage(QStringLiteral("Problem beim Erstellen des Datenverzeichnis:\r") + DataDir + "\r",
                          platform::MsgKind::Information);
    DataDir = ProgramDir;
  }
  ClassFileName = kDefaultClassFileName;
}

void TMainForm::FormShow() {
  InitPupilRecord(TemplatePupil);
  InitPupilRecord(ClipboardPupil);
  SetSingleRecordClass(ZeroPupilRecord());
  InitCurrentPupil();
  Modified = false;
  ApplySchoolTypeToMainForm();
}

void TMainForm::ApplySchoolTypeToMainForm() { setWindowTitle(MainFormCaption(SchoolSettings.SchoolType)); }

void TMainForm::showEvent(QShowEvent* event) {
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
  QMainWindow::showEvent(event);
}

}  // namespace quorv
