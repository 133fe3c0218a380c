#include "layouts/ReceiptLayouts.h"

#include <array>

#include "layouts/LayoutHelpers.h"
#include "layouts/PrintJob.h"
#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "platform/PrinterDocument.h"
#include "printengine/FormFiles.h"
#include "printengine/Primitives.h"
#include "records/TextWrap.h"
#include "settings/DrkEinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

using platform::Canvas;

const QString kUnknownSchoolType = QStringLiteral(" - ? ? ? -");

// School types 1..7.
constexpr int kWordedSchoolTypes = 7;
constexpr int kWordedReportKinds = 7;

const std::array<const char*, kWordedSchoolTypes> kSchoolTypePhrases = {
    "der Grundschule",   "der Regionalen Schule", "der Integrierten Gesamtschule", "des Gymnasiums",
    "der Hauptschule",   "der Realschule",        "der Förderschule",
};

// Rows: school types 1..7; columns: report kinds 1..7; nullptr: the school-type phrase.
const char* const kReportNames[kWordedSchoolTypes][kWordedReportKinds] = {
    {"Zeugnis der Grundschule", "Übergangszeugnis der Grundschule", nullptr, nullptr, nullptr, nullptr, nullptr},
    {"Zeugnis der Regionalen Schule", "Übergangszeugnis der Regionalen Schule", "Abgangszeugnis der Regionalen Schule",
     "Abschlusszeugnis", "Abschlusszeugnis", nullptr, "Zwischenzeugnis der Regionalen Schule"},
    {"Zeugnis der Integrierten Gesamtschule", "Übergangszeugnis der Integrierten Gesamtschule",
     "Abgangszeugnis der Integrierten Gesamtschule", "Abschlusszeugnis der Integrierten Gesamtschule",
     "Abschlusszeugnis der Integrierten Gesamtschule", "Prüfungszeugnis der Integrierten Gesamtschule",
     "Zwischenzeugnis der Integrierten Gesamtschule"},
    {"Zeugnis des Gymnasiums", "Übergangszeugnis des Gymnasiums", "Abgangszeugnis des Gymnasiums", nullptr, nullptr,
     "Prüfungszeugnis des Gymnasiums", "Zwischenzeugnis des Gymnasiums"},
    {"Zeugnis der Hauptschule", "Übergangszeugnis der Hauptschule", "Abgangszeugnis der Hauptschule",
     "Abschlusszeugnis (Hauptschulabschluss)", "Abschlusszeugnis (qualifizierter Hauptschulabschluss)", nullptr,
     "Zwischenzeugnis der Hauptschule"},
    {"Zeugnis der Realschule", "Übergangszeugnis der Realschule", "Abgangszeugnis der Realschule",
     "Abschlusszeugnis (Realschulabschluss)", "Abschlusszeugnis (qualifizierter Realschulabschluss)", nullptr,
     "Zwischenzeugnis der Realschule"},
    // The Förderschule's interim report is named like those of the other school types.
    {"Zeugnis der Förderschule", "Übergangszeugnis der Förderschule", "Abgangszeugnis der Förderschule",
     "Abschlusszeugnis der Förderschule", nullptr, nullptr, "Zwischenzeugnis der Förderschule"},
};

bool IsWordedSchoolType(int schoolType) { return schoolType >= 1 && schoolType <= kWordedSchoolTypes; }

// A class name that names a class.
bool IsClassNameGiven(const QString& className) {
  return !className.isEmpty() && className != QLatin1String(kNoContent) && className != QLatin1String(kUnfilled);
}

// Labels move below their box line: receipt 3 mm, learning-development report 4 mm.
constexpr int kReceiptLabelDrop = 30;
constexpr int kLearningReportLabelDrop = 40;
constexpr int kLabelIndent = 30;

constexpr int kLongSchoolName = 70;
constexpr int kReceiptImprintAngle = 270;

// Puts the form file the wrapper loaded for the job into FormFields; false
// when there is nothing to draw.
bool UseJobForm(const QString& fileName) {
  const ResolvedFormFile* form = JobFormFile(fileName);
  if (form == nullptr) return false;
  QString title;
  return UseResolvedFormFile(*form, FormFields, title);
}

// The working values of a one-page form drawn at (LeftMargin, TopMargin).
class TSheetPage {
 public:
  explicit TSheetPage(Canvas& canvas) : canvas_(canvas) {
    const TOriginPoint origin{PrintOptions.LeftMargin, PrintOptions.TopMargin};
    origins_ = PageOrigins{origin, origin};
    PageOrigin(ox_, oy_, origin);
    width_ = Field(lfFrameBottomRight).X - Field(lfFrameTopLeft).X;
    margin_ = PrintOptions.InnerMargin;
  }

  Canvas& canvas() { return canvas_; }
  const PageOrigins& origins() const { return origins_; }
  int width() const { return width_; }
  TFormField& Field(int n) { return FormFields[static_cast<std::size_t>(n)]; }
  bool ActiveOnPage1(int n) { return Field(n).Active == 1 && Field(n).Page == 1; }

  void Print(const QString& text, int n) { PrintField(canvas_, text, Field(n), 1, origins_); }
  void Line(int x1, int x2, int y, int style) { DrawLine(canvas_, x1, x2, y, ox_, oy_, style); }
  void Frame(int x1, int y1, int x2, int y2, int style) { DrawFrame(canvas_, x1, y1, x2, y2, ox_, oy_, style); }

  // The header box around field n: its line, then the label dropped below it
  // (at x1 + 3 mm unless keepX).
  THeaderBox Box(int n, int drop, bool keepX, const QString& label) {
    TFormField& f = Field(n);
    const THeaderBox box = HeaderBox(f.X, width_, margin_);
    Line(box.X1, box.X2, f.Y, 2);
    f.Y = static_cast<std::uint16_t>(f.Y + drop);
    if (!keepX) f.X = static_cast<std::uint16_t>(box.X1 + kLabelIndent);
    Print(label, n);
    return box;
  }

  // A separator of the receipt: its FontNumber is the line style, 0 none.
  void Separator(int n) {
    const TFormField& f = Field(n);
    if (f.FontNumber != 0) Line(f.X, width_ - f.X - 1, f.Y, f.FontNumber);
  }

  // A record text in the block at field n with the parameters of field n + 1;
  // the block ends where the header boxes end on the right.
  void TextBlock(const TPupilRecord& pupil, TRecordText text, int n) {
    PrintRecordText(canvas_, pupil, text, Field(n), Field(n + 1), 1, origins_, margin_, width_ - margin_);
  }

 private:
  Canvas& canvas_;
  PageOrigins origins_{};
  std::int32_t ox_ = 0;
  std::int32_t oy_ = 0;
  int width_ = 0;
  int margin_ = 0;
};

}  // namespace

// ---- texts ------------------------------------------------------------------------

QString ReceiptFormFile() { return PrintOptions.ReceiptA5 == 1 ? kReceiptA5FormFile : kReceiptA4FormFile; }

QString ReceiptFormTitle() { return PrintOptions.ReceiptA5 == 1 ? kReceiptA5FormTitle : kReceiptA4FormTitle; }

THeaderBox HeaderBox(int centre, int formWidth, int innerMargin) {
  if (2 * centre <= formWidth) return THeaderBox{innerMargin, 2 * centre - innerMargin};
  const int x2 = formWidth - innerMargin;
  return THeaderBox{2 * centre - x2, x2};
}

QString SchoolTypePhrase(int schoolType) {
  if (!IsWordedSchoolType(schoolType)) return kUnknownSchoolType;
  return QString::fromUtf8(kSchoolTypePhrases[static_cast<std::size_t>(schoolType - 1)]);
}

QString ReportNameWording(int schoolType, int reportKind) {
  if (IsWordedSchoolType(schoolType) && reportKind >= 1 && reportKind <= kWordedReportKinds) {
    if (const char* name = kReportNames[schoolType - 1][reportKind - 1])
      return QLatin1Char('"') + QString::fromUtf8(name) + QLatin1Char('"');
  }
  return SchoolTypePhrase(schoolType);
}

QString ReceiptWordingText(const TPupilRecord& pupil, int receiptWording, int schoolType) {
  switch (receiptWording) {
    case 1:
      return ReportNameWording(schoolType, pupil.ReportKind);
    case 2:
      return SchoolTypePhrase(schoolType);
    default: {
      QString text = QStringLiteral("für ") + PupilDisplayName(pupil);
      const QString className = pupil.ClassName.text();
      if (IsClassNameGiven(className)) text += QStringLiteral(" (Klasse: ") + className + QLatin1Char(')');
      return text;
    }
  }
}

// ---- page routines -----------------------------------------------------------------

void PrintReceipt(Canvas& canvas, const TPupilRecord& pupil) {
  if (!UseJobForm(ReceiptFormFile())) return;
  TSheetPage page(canvas);

  const TFormField& topLeft = page.Field(rfFrameTopLeft);
  if (topLeft.Page == 1 || topLeft.Page == 3) {
    const TFormField& bottomRight = page.Field(rfFrameBottomRight);
    page.Frame(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y, topLeft.FontNumber);
  }
  const QString school = SchoolSettings.SchoolNameAddress.text();
  page.Print(school, rfSchoolName);
  const THeaderBox schoolBox =
      page.Box(rfSchoolBox, kReceiptLabelDrop, true, QStringLiteral("Name der Schule/Schulart/Schulort"));
  page.Separator(rfSeparator1);
  page.Print(QStringLiteral("Empfangsbekenntnis (zweifach):"), rfHeading);

  page.Print(QStringLiteral("Anliegend übersende/übergebe ich Ihnen das Zeugnis"), rfSendSentence);
  page.Print(ReceiptWordingText(pupil, PrintOptions.ReceiptWording, SchoolSettings.SchoolType), rfWording);
  page.Line(schoolBox.X1, schoolBox.X2, page.Field(rfWording).Y, 1);
  page.Print(QStringLiteral("vom"), rfDateLabel);
  page.Print(pupil.IssueDate.text(), rfIssueDate);
  page.Line(page.Field(rfDateRule).X, page.Field(rfSchoolBox).X, page.Field(rfDateRule).Y, 1);
  page.Print(QStringLiteral("Ein Exemplar des Empfangsbekenntnisses bitte ich unterschrieben zurückzugeben."),
             rfReturnSentence);
  page.Separator(rfSeparator2);

  page.Print(QStringLiteral("Das vorgenannte Zeugnis habe ich erhalten."), rfReceivedSentence);
  page.Box(rfPlaceDateBox, kReceiptLabelDrop, false, QStringLiteral("Ort, Datum"));
  page.Box(rfSignatureBox, kReceiptLabelDrop, false,
           QStringLiteral("Unterschrift der Erziehungsberechtigten bzw. des volljährigen Schülers"));
  page.Separator(rfSeparator3);

  page.Print(QStringLiteral("Rechtsbehelfsbelehrung:"), rfRemedyHeading);
  TTextLines remedy{};
  WrapText(platform::EncodeCp1252(kRemedyText), kRemedyLines, remedy, kRemedyLineLength);
  PrintTextBlock(canvas, kRemedyLines, kRemedyLineSpacing, remedy, page.Field(rfRemedyText), 1, page.origins());
  if (school.size() > kLongSchoolName) canvas.SetTextCharacterExtra(-2);
  page.Print(school, rfRemedySchool);
  canvas.SetTextCharacterExtra(0);
  const TFormField& remedySchool = page.Field(rfRemedySchool);
  page.Line(remedySchool.X, page.width() - remedySchool.X, remedySchool.Y, 2);
  page.Print(QStringLiteral("(Name und Anschrift der Schule)"), rfRemedySchoolLabel);
  page.Print(QStringLiteral("einzulegen."), rfRemedyEnd);

  PrintFieldRotated(canvas, kProductVersion, page.Field(rfMarginImprint), kReceiptImprintAngle, 1, page.origins());
}

void PrintLearningReports(Canvas& canvas, const TPupilRecord& pupil) {
  if (!UseJobForm(kLearningReportFormFile)) return;
  const TFormField& nameBox = FormFields[lfNameBox];
  if (nameBox.Active != 1 || nameBox.Page != 1) return;
  TSheetPage page(canvas);

  const THeaderBox box = page.Box(lfNameBox, kLearningReportLabelDrop, false, QStringLiteral("Vorname und Name"));
  const QString name = PupilDisplayName(pupil);
  const TFormField second = page.Field(lfSecondLine);
  const int boxFont = page.Field(lfNameBox).FontNumber;
  const bool oneLine = second.X == 0 && second.Y == 0 && second.FontNumber == 0;
  if (oneLine) {
    if (const int squeeze = NameSqueeze(static_cast<int>(name.size()), box.X2 - box.X1); squeeze != 0)
      canvas.SetTextCharacterExtra(squeeze);
  }
  page.Print(name, lfName);
  canvas.SetTextCharacterExtra(0);
  page.Print(pupil.BirthDate.text(), lfBirthDate);
  page.Print(pupil.ClassName.text(), lfClassName);
  TFormField& birthLabel = page.Field(lfBirthDate);
  birthLabel.FontNumber = static_cast<std::uint16_t>(oneLine ? boxFont : second.FontNumber);
  birthLabel.Align = kAlignRight;
  page.Print(QStringLiteral("geb. am: "), lfBirthDate);
  TFormField& classLabel = page.Field(lfClassName);
  classLabel.FontNumber = static_cast<std::uint16_t>(boxFont);
  classLabel.Align = kAlignRight;
  page.Print(QStringLiteral("Klasse: "), lfClassName);
  if (!oneLine) page.Line(box.X1, box.X2, second.Y, 2);

  page.Print(QStringLiteral("Lernentwicklungsbericht"), lfHeading);
  if (page.ActiveOnPage1(lfText)) page.TextBlock(pupil, TRecordText::Development, lfText);
  if (PrintOptions.ConferencePrint == 1) {
    page.Print(QStringLiteral("Vermerke:"), lfRemarksLabel);
    if (page.ActiveOnPage1(lfRemarks)) page.TextBlock(pupil, TRecordText::Remarks, lfRemarks);
  }
}

// ---- output wrappers ------------------------------------------------------------------

namespace {

bool KnownTarget() {
  const int target = ReportJob.OutputTarget;
  if (target == otPreview || target == otPrinterPage) return true;
  platform::ShowMessage(kWrongTargetMessage, platform::MsgKind::Information);
  return false;
}

Canvas& LoMetricCanvas() {
  Canvas& canvas = ReportDocumentCanvas();
  canvas.SetMapMode(platform::MapMode::LoMetric);
  return canvas;
}

}  // namespace

void PrintReceiptJob() {
  if (!KnownTarget()) return;
  // The form file, with its messages, before any output.
  LoadJobFormFile(ReceiptFormFile(), ReceiptFormTitle());
  if (ReportJob.OutputTarget == otPreview) {
    ShowPreview();
    return;
  }
  // The second half goes into the document the first half began; without
  // one (the printer refused it) it begins its own.
  const bool intoOpenDocument = PrintBatchState == pbsSecondHalf && platform::Printer().Printing();
  if (!intoOpenDocument &&
      !BeginReportDocument(QStringLiteral("Empfangsbekenntnis: ") + PupilDisplayName(ReportJob.Pupil)))
    return;
  PrintReceipt(LoMetricCanvas(), ReportJob.Pupil);
  if (PrintBatchState != pbsFirstHalf) EndReportDocument();
}

QString LearningReportsTitle(const TPupilRecord& pupil, std::uint16_t batchState) {
  const QString what = QStringLiteral("Lernentwicklungsberichte");
  if (batchState == pbsSingle) return what + QStringLiteral(": ") + PupilDisplayName(pupil);
  return ClassPrintTitle(&pupil, what);
}

void PrintLearningReportsJob() {
  if (!KnownTarget()) return;
  platform::PrinterDocument& printer = platform::Printer();
  if (ReportJob.OutputTarget == otPrinterPage && PrintBatchState >= pbsEnd) {
    if (printer.Printing()) EndReportDocument();
    return;
  }
  LoadJobFormFile(kLearningReportFormFile, kLearningReportFormTitle);
  if (ReportJob.OutputTarget == otPreview) {
    ShowPreview();
    return;
  }
  const QString title = LearningReportsTitle(ReportJob.Pupil, PrintBatchState);
  switch (PrintBatchState) {
    case pbsFirstHalf:
      if (printer.Printing())
        printer.NewPage();
      else if (!BeginReportDocument(title))
        return;
      break;
    case pbsSecondHalf:
      // Onto the sheet of the first half; a new document when there is none.
      if (!printer.Printing() && !BeginReportDocument(title)) return;
      break;
    default:
      if (!BeginReportDocument(title)) return;
      break;
  }
  PrintLearningReports(LoMetricCanvas(), ReportJob.Pupil);
  if (PrintBatchState == pbsSingle) EndReportDocument();
}

}  // namespace quorv
