#include "layouts/LayoutTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/OutputWrappers.h"
#include "layouts/ReceiptLayouts.h"
#include "layouts/RegionalLayouts.h"
#include "platform/PrinterDocument.h"
#include "printengine/PrinterFonts.h"
#include "records/TextWrap.h"
#include "support/ScriptedMessages.h"

namespace testsupport {

const QString kPdfNotice =
    QStringLiteral("Es ist kein Drucker eingerichtet.\rDer Ausdruck wurde als PDF-Datei gespeichert:\r");
const QString kUnknownForm = QStringLiteral(
    "Die bisherigen Einstellungen lassen keine eindeutige\rAuswahl eines Zeugnisformulars zu!\r\r"
    "Bitte überprüfen Sie die Einstellungen der Schule,\rzum Druck und die gewählte Zeugnisart!");
const QString kMissingFormFileQuestion = QStringLiteral("Es konnte die benötigte Formular-Datei:\r");

LayoutEnvironment::LayoutEnvironment()
    : printOptions_(quorv::PrintOptions),
      programOptions_(quorv::ProgramOptions),
      schoolSettings_(quorv::SchoolSettings),
      catalog_(quorv::SubjectCatalog),
      formFields_(quorv::FormFields),
      job_(quorv::ReportJob),
      batchState_(quorv::PrintBatchState),
      previousPreview_(quorv::SetPreviewService({})) {
  quorv::PrintOptions = quorv::DefaultPrintOptions();
  quorv::ProgramOptions = quorv::DefaultProgramOptions();
  quorv::SetSchoolSettingDefaults();
  quorv::SchoolSettings.SchoolNameAddress.setText(QStringLiteral("Regionale Schule am See, 12345 Seestadt"));
  quorv::BuildDefaultSubjectCatalog();
  quorv::ClearReportJob();
  quorv::PrintBatchState = 0;
  platform::Printer().SetDestination(platform::PrintDestination::PdfFile);
}

LayoutEnvironment::~LayoutEnvironment() {
  platform::Printer().SetDestination(platform::PrintDestination::Auto);
  quorv::SetPreviewService(previousPreview_);
  quorv::PrintOptions = printOptions_;
  quorv::ProgramOptions = programOptions_;
  quorv::SchoolSettings = schoolSettings_;
  quorv::SubjectCatalog = catalog_;
  quorv::FormFields = formFields_;
  quorv::ReportJob = job_;
  quorv::PrintBatchState = batchState_;
  quorv::StartNewJob();
}

void LayoutEnvironment::writeFormFile(const QString& name, const QString& title,
                                      const quorv::TFormFieldTable& fields) const {
  dir_.writeFile(dir_.programDir() + name, quorv::FormFileText(title, fields));
}

void LayoutEnvironment::writeAllReportFormFiles(const quorv::TFormFieldTable& fields) const {
  for (const quorv::TDispatchEntry& e : quorv::kDispatchTable) {
    const quorv::FormFileChoice choice = quorv::LookupFormFile(e.Form, 0, 0, 1);
    if (!choice.FileName.isEmpty()) writeFormFile(choice.FileName, choice.Description, fields);
  }
  // The files the receipt and the learning-development report load themselves.
  writeFormFile(quorv::kReceiptA4FormFile, quorv::kReceiptA4FormTitle, fields);
  writeFormFile(quorv::kReceiptA5FormFile, quorv::kReceiptA5FormTitle, fields);
  writeFormFile(quorv::kLearningReportFormFile, quorv::kLearningReportFormTitle, fields);
}

void LayoutEnvironment::recordPreview(std::function<void()> onShow) {
  quorv::SetPreviewService([this, onShow] {
    const quorv::TReportJob& job = quorv::ReportJob;
    previews_.push_back({job.FormNumber, job.CurrentPage, job.OutputTarget, job.Caption});
    if (onShow) onShow();
  });
}

quorv::TPupilRecord TestPupil() {
  quorv::TPupilRecord p = quorv::ZeroPupilRecord();
  quorv::InitPupilRecord(p);
  p.Active = 1;
  p.FirstName.setText(QStringLiteral("Anna"));
  p.Surname.setText(QStringLiteral("Muster"));
  p.BirthDate.setText(QStringLiteral("05.03.1998"));
  p.ClassName.setText(QStringLiteral("7a"));
  p.Sex = 1;
  p.HalfYear = 0;
  p.SchoolYear.setText(QStringLiteral("2006"));
  p.NextSchool.setText(QStringLiteral("Gymnasium Seestadt"));
  p.Jahrgangsstufe.setText(QStringLiteral("8"));
  p.AbsenceDays.setText(QStringLiteral("3"));
  p.AbsenceDaysExcused.setText(QStringLiteral("2"));
  p.IssuePlace.setText(QStringLiteral("Seestadt"));
  p.IssueDate.setText(QStringLiteral("05.07.2007"));
  return p;
}

quorv::TFormField Field(int x, int y, int align, int font, int page, int active) {
  return quorv::TFormField{static_cast<std::uint16_t>(x),    static_cast<std::uint16_t>(y),
                           static_cast<std::uint16_t>(align), static_cast<std::uint16_t>(font),
                           static_cast<std::uint16_t>(page),  static_cast<std::uint16_t>(active)};
}

quorv::TFormFieldTable EveryFieldTable() {
  quorv::TFormFieldTable t{};
  for (int n = 0; n < quorv::kFormFieldCount; ++n)
    t[static_cast<std::size_t>(n)] = Field(300 + 5 * n, 200 + 15 * n, n % 3, 1 + n % 50, 1, 1);
  auto set = [&t](int n, quorv::TFormField f) { t[static_cast<std::size_t>(n)] = f; };
  set(1, Field(0, 0, 0, 12, 3, 1));        // frame: style 12, every page
  set(2, Field(1800, 2600, 0, 12, 3, 1));  // W = 1800
  set(20, Field(0, 0, 0, 0, 1, 0));        // no second name rule
  set(33, Field(0, 0, 0, 17, 1, 1));       // language label below the name; font 17
  set(34, Field(700, 0, 1, 22, 1, 1));     // left grade box centre
  set(35, Field(900, 0, 0, 21, 1, 1));     // left addition
  set(36, Field(1000, 0, 0, 0, 1, 1));     // right names
  set(37, Field(0, 0, 0, 15, 1, 1));       // label font
  set(38, Field(1600, 0, 1, 22, 1, 1));    // right grade box centre
  set(39, Field(1750, 0, 0, 21, 1, 1));    // right addition
  set(40, Field(0, 60, 0, 0, 1, 1));       // row pitch 6 mm
  set(49, Field(700, 0, 1, 22, 1, 1));     // elective left grade
  set(50, Field(900, 0, 0, 21, 1, 1));
  set(51, Field(1000, 0, 0, 0, 1, 1));
  set(52, Field(1600, 0, 1, 22, 1, 1));
  set(53, Field(1750, 0, 0, 21, 1, 1));
  set(54, Field(0, 60, 0, 0, 1, 1));       // elective pitch
  set(67, Field(4, 50, 0, 40, 1, 1));      // 4 lines, 5 mm apart, 40 characters
  set(70, Field(2, 50, 0, 40, 1, 1));      // 2 lines
  set(122, Field(300, 400, 0, 0, 1, 1));   // coat of arms 30 x 40 mm
  return t;
}

QString ProseOfSize(const QString& prose, int size) {
  QString text;
  while (text.size() < size) text += prose;
  text.truncate(size);
  return text.left(text.lastIndexOf(QLatin1Char(' ')));
}

// ---- a fully filled pupil ------------------------------------------------------------------

namespace {

// German prose for the long texts.
const char* const kReportProse =
    "Marie-Christin arbeitet im Unterricht aufmerksam und zuverlässig mit. Sie beteiligt sich regelmäßig am "
    "Unterrichtsgespräch, bringt eigene Ideen ein und hilft ihren Mitschülerinnen und Mitschülern bei "
    "Schwierigkeiten. Ihre Hausaufgaben erledigt sie sorgfältig und vollständig; schriftliche Arbeiten gestaltet "
    "sie übersichtlich. Im Umgang mit anderen ist sie freundlich, hilfsbereit und höflich. ";

QString Prose(int length) { return ProseOfSize(QString::fromUtf8(kReportProse), length) + QLatin1Char('.'); }

template <int N>
void SetText(platform::CharArray<N>& a, const QString& text) {
  quorv::WideStringToBuffer(text, a);
}

void SetSlot(quorv::TPupilRecord& p, int slot, const QString& name, const char* grade, const char* level) {
  quorv::TSubjectEntry& e = p.Subjects[static_cast<std::size_t>(slot - 1)];
  e.Name.setText(name.left(30));
  e.Grade.setText(QString::fromLatin1(grade));
  e.Addition.setText(QStringLiteral("12"));
  e.CourseLevel.setText(QString::fromLatin1(level));
}

const char* const kLongDevelopmentProse =
    "Er arbeitet im Unterricht aufmerksam, ausdauernd und zuverlässig mit. Seine Konzentrationsfähigkeit hat "
    "sich im Laufe des Schuljahres deutlich verbessert; auch bei umfangreichen Aufgabenstellungen bleibt er bis "
    "zum Ende bei der Sache. Im Deutschunterricht liest er flüssig und betont, gibt den Inhalt längerer "
    "Sachtexte mit eigenen Worten wieder und beteiligt sich lebhaft an Unterrichtsgesprächen. Seine "
    "Rechtschreibschwierigkeiten bei zusammengesetzten Wörtern hat er durch regelmäßiges Üben mit der "
    "Lernsoftware weitgehend überwunden. In Mathematik löst er Sachaufgaben sicher, beim Bruchrechnen und bei "
    "Wahrscheinlichkeitsberechnungen braucht er gelegentlich noch Unterstützung. Am Mathematikwettbewerb der "
    "Schule nahm er erfolgreich teil. In den naturwissenschaftlichen Fächern zeigt er großes Interesse, plant "
    "Versuche selbstständig und dokumentiert seine Beobachtungen übersichtlich im Versuchsprotokoll. In der "
    "Arbeitsgemeinschaft Schulgarten übernimmt er Verantwortung für die Bewässerungsanlage. Sein "
    "Sozialverhalten ist vorbildlich: Er begegnet Mitschülerinnen, Mitschülern und Erwachsenen freundlich, "
    "hilfsbereit und respektvoll, hält sich an Gesprächsregeln und Klassenvereinbarungen und trägt in "
    "Konfliktsituationen zu einer einvernehmlichen Lösung bei. Als Klassensprecher vertritt er die Interessen "
    "der Klasse mit Verantwortungsbewusstsein und Durchsetzungsvermögen. In Gruppenarbeiten strukturiert er die "
    "Zusammenarbeit, verteilt Aufgaben gerecht und präsentiert die Ergebnisse anschaulich. Seine Hausaufgaben "
    "erledigt er vollständig und sorgfältig; Arbeitsmaterialien hat er stets dabei. Für das kommende Schuljahr "
    "wünschen wir ihm, dass er seine Präsentationsfähigkeiten weiter ausbaut und sein Selbstvertrauen bei "
    "mündlichen Leistungsüberprüfungen stärkt. In der Projektwoche „Umweltschutz und Nachhaltigkeit“ gestaltete "
    "er mit seiner Arbeitsgruppe eine informative Ausstellung über Energiesparmaßnahmen im Schulgebäude. Seine "
    "Leistungsbereitschaft verdient Anerkennung; wir freuen uns auf die weitere Zusammenarbeit. ";

const char* const kLongRemarksProse =
    "Die Klassenkonferenz empfiehlt die Teilnahme an der Förderstunde Rechtschreibung. Das "
    "Lernentwicklungsgespräch mit den Erziehungsberechtigten fand am Elternsprechtag statt; ein gemeinsamer "
    "Förderplan für das nächste Schulhalbjahr wurde vereinbart. Er nahm erfolgreich an der "
    "Arbeitsgemeinschaft Schülerzeitung und am Vorlesewettbewerb teil, hat die Schulsanitätsausbildung "
    "abgeschlossen und unterstützt den Schulsanitätsdienst zuverlässig in den Hofpausen. Beim "
    "Kreisausscheid im Schwimmen vertrat er die Schule. ";

// A teacher's texts in paragraphs, 2000 and 500 characters with their line
// ends (CR LF), paragraphs that end in a short line.
const char* const kDevelopmentParagraphs =
    "Er arbeitet im Unterricht aufmerksam, ausdauernd und zuverlässig mit. Seine Konzentrationsfähigkeit hat "
    "sich im Laufe des Schuljahres deutlich verbessert; auch bei umfangreichen Aufgabenstellungen bleibt er "
    "bis zum Ende bei der Sache. Seine Hausaufgaben erledigt er vollständig und sorgfältig, "
    "Arbeitsmaterialien hat er stets dabei. Im Sportunterricht zeigt er Einsatzbereitschaft und "
    "Fairness.\r\nIm Deutschunterricht liest er flüssig und betont, gibt den Inhalt längerer Sachtexte mit "
    "eigenen Worten wieder und beteiligt sich lebhaft an Unterrichtsgesprächen. Seine "
    "Rechtschreibschwierigkeiten bei zusammengesetzten Wörtern hat er durch regelmäßiges Üben mit der "
    "Lernsoftware weitgehend überwunden. Gedichte trägt er ausdrucksstark vor.\r\nIn Mathematik löst er "
    "Sachaufgaben sicher, beim Bruchrechnen und bei Wahrscheinlichkeitsberechnungen braucht er gelegentlich "
    "noch Unterstützung. Am Mathematikwettbewerb der Schule nahm er erfolgreich teil. In den "
    "naturwissenschaftlichen Fächern zeigt er großes Interesse, plant Versuche selbstständig und "
    "dokumentiert seine Beobachtungen übersichtlich im Versuchsprotokoll. Geometrische Konstruktionen führt "
    "er genau aus.\r\nSein Sozialverhalten ist vorbildlich: Er begegnet Mitschülerinnen, Mitschülern und "
    "Erwachsenen freundlich, hilfsbereit und respektvoll, hält sich an Gesprächsregeln und "
    "Klassenvereinbarungen und trägt in Konfliktsituationen zu einer einvernehmlichen Lösung bei. Als "
    "Klassensprecher vertritt er die Interessen der Klasse mit Verantwortungsbewusstsein und "
    "Durchsetzungsvermögen. Alle achten ihn.\r\nIn der Projektwoche „Umweltschutz und Nachhaltigkeit“ "
    "gestaltete er mit seiner Arbeitsgruppe eine informative Ausstellung über Energiesparmaßnahmen im "
    "Schulgebäude. Für das kommende Schuljahr wünschen wir ihm, dass er seine Präsentationsfähigkeiten "
    "weiter ausbaut und sein Selbstvertrauen bei mündlichen Leistungsüberprüfungen stärkt. Seine "
    "Leistungsbereitschaft verdient Anerkennung; wir freuen uns auf die weitere Zusammenarbeit.\r\nAlles "
    "Gute!";

const char* const kRemarksParagraphs =
    "Die Klassenkonferenz empfiehlt die Teilnahme an den Förderstunden Rechtschreibung sowie an der "
    "Arbeitsgemeinschaft Lesen im Schulhalbjahr.\r\nDas Lernentwicklungsgespräch mit den "
    "Erziehungsberechtigten fand am Elternsprechtag statt; ein gemeinsamer Förderplan für das nächste "
    "Schulhalbjahr wurde vereinbart. Er nahm an der Arbeitsgemeinschaft Schülerzeitung teil und hat die "
    "Schulsanitätsausbildung abgeschlossen.\r\nBeim Kreisausscheid im Schwimmen vertrat er die Schule. Im "
    "Schulchor singt er gern mit.";

}  // namespace

QString FullDevelopmentText() {
  return ProseOfSize(QString::fromUtf8(kLongDevelopmentProse), quorv::kDevelopmentTextSize - 1);
}

QString FullRemarksText() { return ProseOfSize(QString::fromUtf8(kLongRemarksProse), quorv::kRemarksTextSize - 1); }

QString DevelopmentTextInParagraphs() { return QString::fromUtf8(kDevelopmentParagraphs); }

QString RemarksInParagraphs() { return QString::fromUtf8(kRemarksParagraphs); }

int ReligionSlotOfForm(int form) {
  // The Gymnasium's leaving report: the first row of the right column.
  if (form == 23) return 10;
  if (form == 26) return 6;  // six rows
  // The Grundschule's religion row is row 4 of its one column.
  if (form == 3 || form == 4) return 4;
  // Forms whose grade block has eight rows: the Hauptschule group and form 18.
  for (int eightRows : {5, 6, 7, 8, 9, 105, 18})
    if (form == eightRows) return 8;
  return 9;
}

int LanguageSlotOfForm(int form) { return form == 3 || form == 4 ? 9 : 2; }

QString LongSchoolName() {
  return QStringLiteral("Regionale Schule mit Grundschule Am Schlosspark, Lindenallee 124, 12345 Seestadt");
}

quorv::TPupilRecord FullyFilledPupil(int form, int sex, int halfYear, const QString& schoolYear) {
  quorv::TPupilRecord p = quorv::ZeroPupilRecord();
  quorv::InitPupilRecord(p);
  p.Active = 1;
  p.FormNumber = form;
  p.FirstName.setText(QStringLiteral("Marie-Christin Annabell Sophie"));
  p.Surname.setText(QStringLiteral("von Württemberg-Hohenlohe-Orth"));
  p.BirthDate.setText(QStringLiteral("28.02.1998"));
  p.ClassName.setText(QStringLiteral("10R/b"));
  p.Sex = sex;
  p.HalfYear = static_cast<std::uint16_t>(halfYear);
  p.SchoolYear.setText(schoolYear);
  p.NextSchool.setText(QStringLiteral("Berufliche Schule Seestadt-Süd"));
  p.Jahrgangsstufe.setText(QStringLiteral("10"));
  p.AbsenceDays.setText(QStringLiteral("105,5"));
  p.AbsenceDaysExcused.setText(QStringLiteral("100,5"));
  p.Gesamtpraedikat = 1;  // "sehr gut - mit Auszeichnung", the longest word
  p.AnspruchsebeneAll = 1;  // "Hauptschule", the longest level word
  p.IssuePlace.setText(QStringLiteral("Seestadt-Lindenhagen am Haffen"));
  p.IssueDate.setText(QStringLiteral("15.07.2007"));

  // Slots 1..18: the catalogue's subjects of the form, languages in slots 2
  // and 3, a religion, and free rows with names of 30 characters.
  // An interim report (105 and above) lays out its subjects like its form.
  const int canonForm = form >= 105 ? form - 100 : form;
  const QString freeNames[] = {QStringLiteral("Wirtschaft und Verwaltung (PC)"),
                               QStringLiteral("Gesundheit und Soziales (Kurs)"),
                               QStringLiteral("Medien und Kommunikation (AG)")};
  int freeIndex = 0;
  const int religionSlot = ReligionSlotOfForm(form);
  for (int slot = 1; slot <= 18; ++slot) {
    const int entry = quorv::SubjectForSlot(canonForm, slot);
    QString name;
    if (entry >= 0)
      name = quorv::SubjectCatalog[static_cast<std::size_t>(entry)].Name.text();
    else if (slot == LanguageSlotOfForm(form))
      name = QStringLiteral("Französisch");
    else if (slot == 3)
      name = QStringLiteral("Portugisisch");
    else if (slot == religionSlot)
      name = QStringLiteral("evangelische Religion");
    else
      name = freeNames[freeIndex++ % 3];
    SetSlot(p, slot, name, "N", "M");
  }
  // Electives of 21, 30 and 25 characters, the overall grade.
  const QString electives[] = {QStringLiteral("Informatik im Alltag!"),
                               QStringLiteral("Darstellendes Spiel und Theate"),
                               QStringLiteral("Hauswirtschaft und Ernähr")};
  for (int i = 0; i < 6; ++i) SetSlot(p, 19 + i, electives[i % 3], "N", "-");
  SetSlot(p, 25, QStringLiteral("???"), "N", "-");

  SetText(p.DevelopmentText, Prose(quorv::kDevelopmentTextSize - 1));
  SetText(p.RemarksText, Prose(quorv::kRemarksTextSize - 1));
  return p;
}

quorv::TPupilRecord LongValuesPupil(int form, int sex, int halfYear, const QString& schoolYear) {
  quorv::TPupilRecord p = FullyFilledPupil(form, sex, halfYear, schoolYear);
  p.FirstName.setText(sex == 0 ? QStringLiteral("Friedrich-Wilhelm Jörg-Günther")
                               : QStringLiteral("Marie-Luise Annegret Käthe Ute"));
  p.Surname.setText(QStringLiteral("Wüstenhöfer-Schönfeld-Lüdemann"));
  p.IssuePlace.setText(QStringLiteral("Königswusterhausen-Niederlehme"));
  p.NextSchool.setText(QStringLiteral("Regionale Schule Bad Düben-Süd"));
  // The subjects of FullyFilledPupil with a long first language, real electives.
  p.Subjects[static_cast<std::size_t>(LanguageSlotOfForm(form) - 1)].Name.setText(
      QStringLiteral("Englisch (bilingualer Zweig)"));
  const QString electives[] = {QStringLiteral("Naturwissenschaftliche Übungen"),
                               QStringLiteral("Darstellendes Spiel/Theater"),
                               QStringLiteral("Informationstechnische Bildung"),
                               QStringLiteral("Hauswirtschaft und Ernährung"),
                               QStringLiteral("Wirtschaft-Arbeit-Technik"),
                               QStringLiteral("Französisch als Wahlpflicht")};
  for (int i = 0; i < 6; ++i) p.Subjects[static_cast<std::size_t>(18 + i)].Name.setText(electives[i]);
  const char* const grades[] = {"3", "4", "N", "5", "2", "0", "6", "1", "E"};
  for (int slot = 1; slot <= quorv::kSubjectSlots; ++slot) {
    quorv::TSubjectEntry& e = p.Subjects[static_cast<std::size_t>(slot - 1)];
    e.Grade.set(grades[slot % 9]);
    e.Addition.set(slot % 2 == 1 ? "WM" : "MW");
    e.CourseLevel.set(slot % 2 == 1 ? "M" : "B");
  }
  SetText(p.DevelopmentText, DevelopmentTextInParagraphs());
  SetText(p.RemarksText, RemarksInParagraphs());
  return p;
}

void DrawJobPage(platform::Canvas& canvas, int form, int page, const quorv::TPupilRecord& pupil) {
  quorv::ClearReportJob();
  quorv::ReportJob.Pupil = pupil;
  quorv::ReportJob.FormNumber = static_cast<std::uint16_t>(form);
  quorv::ReportJob.CurrentPage = static_cast<std::uint16_t>(page);
  quorv::ReportJob.OutputTarget = quorv::otPrinterReport;
  quorv::LoadJobReportFormFile();
  const quorv::TPageRoutine routine = quorv::PageRoutineOfForm(form);
  ASSERT_NE(routine, nullptr) << form;
  routine(canvas, quorv::ReportJob.Pupil);
}

void StrikesOnTheirLines(quorv::TFormFieldTable& fields) {
  for (auto [strike, base] : {std::pair{9, 7}, {23, 22}, {96, 95}, {113, 112}}) {
    fields[static_cast<std::size_t>(strike)].Y = fields[static_cast<std::size_t>(base)].Y;
    fields[static_cast<std::size_t>(strike)].FontNumber = fields[static_cast<std::size_t>(base)].FontNumber;
  }
  fields[8].Y = static_cast<std::uint16_t>(fields[8].Y + 100);
}

QStringList DrawnReportTexts(int form, const quorv::TPupilRecord& pupil, int pages) {
  QStringList drawn;
  for (int page = 1; page <= pages; ++page) {
    platform::RecordingCanvas canvas;
    DrawJobPage(canvas, form, page, pupil);
    for (const platform::RecordedOp& op : canvas.opsOf(platform::CanvasOp::Text)) drawn << op.Text;
    for (const StruckText& t : StruckTexts(canvas, QLatin1Char('#'))) drawn << QStringLiteral("struck: ") + t.Part;
  }
  return drawn;
}

QStringList FullyFilledFrameTexts(bool absences) {
  QStringList texts = {LongSchoolName(), QStringLiteral("Vorname und Name"),
                       QStringLiteral("Marie-Christin Annabell Sophie von Württemberg-Hohenlohe-Orth"),
                       QStringLiteral("geb. am: "), QStringLiteral("28.02.1998"), QStringLiteral("Klasse: "),
                       QStringLiteral("10R/b"), QStringLiteral("Vermerke:"), QStringLiteral("Ort, Datum"),
                       QStringLiteral("Seestadt-Lindenhagen am Haffen, 15.7.2007"), QStringLiteral("Schulleiter(in)"),
                       QStringLiteral("Klassenlehrer(in)"), QStringLiteral("Empfangsbestätigung:"),
                       QStringLiteral("Erziehungsberechtigte"), QStringLiteral("Quorv V.3.x. / ") + LongSchoolName().left(49)};
  if (absences) texts << QString::fromUtf8(quorv::kAbsenceSentence) << QStringLiteral("105,5") << QStringLiteral("100,5");
  return texts;
}

void ExpectAllDrawn(const QStringList& drawn, const QStringList& texts, int form) {
  for (const QString& text : texts) EXPECT_TRUE(drawn.contains(text)) << form << ": " << text.toStdString();
}

// ---- a report page with every field -----------------------------------------------------

FormPageTest::FormPageTest() : printer_(platform::DeviceCaps{}), fields_(EveryFieldTable()), pupil_(TestPupil()) {}

void FormPageTest::SetSlot(int slot, const QString& name, const char* grade, const char* level) {
  quorv::TSubjectEntry& e = pupil_.Subjects[static_cast<std::size_t>(slot - 1)];
  e.Name.setText(name);
  e.Grade.set(grade);
  e.CourseLevel.set(level);
}

void FormPageTest::Draw(int form) {
  const quorv::FormFileChoice choice = quorv::LookupFormFile(form, 0, 0, 1);
  env_.writeFormFile(choice.FileName, choice.Description, fields_);
  canvas_.clear();
  DrawJobPage(canvas_, form, 1, pupil_);
}

QStringList FormPageTest::TextsAt(QPoint p) const {
  QStringList out;
  for (const platform::RecordedOp& op : canvas_.opsOf(platform::CanvasOp::Text))
    if (op.P1 == p) out << op.Text;
  return out;
}

const platform::RecordedOp* FormPageTest::TextAt(QPoint p, const QString& text) const {
  for (const platform::RecordedOp& op : canvas_.ops())
    if (op.Op == platform::CanvasOp::Text && op.P1 == p && op.Text == text) return &op;
  return nullptr;
}

int FormPageTest::Count(const QString& text) const {
  int n = 0;
  for (const platform::RecordedOp& op : canvas_.opsOf(platform::CanvasOp::Text)) n += op.Text == text ? 1 : 0;
  return n;
}

std::size_t FormPageTest::GradeBoxes() const {
  std::size_t boxes = 0;
  for (const platform::RecordedOp& op : canvas_.opsOf(platform::CanvasOp::Rectangle))
    boxes += op.State.Brush.Style == platform::BrushStyle::Solid ? 1 : 0;
  return boxes;
}

QStringList AnnouncedPdfFiles(const std::vector<ShownMessage>& shown) {
  QStringList files;
  for (const ShownMessage& m : shown)
    if (m.text.startsWith(kPdfNotice))
      files << QDir::fromNativeSeparators(m.text.mid(kPdfNotice.size()).section(QLatin1Char('\r'), 0, 0));
  return files;
}

bool HavePdfInfo() { return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(); }

PdfInfo ReadPdfInfo(const QString& file) {
  PdfInfo info;
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {file});
  if (!p.waitForFinished(20000)) return info;
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("Pages:"))) info.Pages = line.mid(6).trimmed().toInt();
    if (line.startsWith(QLatin1String("Title:"))) info.Title = line.mid(6).trimmed();
  }
  return info;
}

}  // namespace testsupport
