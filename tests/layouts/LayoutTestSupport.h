#pragma once
// What the layout tests share: a temporary program folder with form files,
// the settings and the print job restored after each test, documents written
// as PDF files, a scripted preview window and a test pupil.
#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/PrintJob.h"
#include "platform/Canvas.h"
#include "platform/RecordingCanvas.h"
#include "printengine/FormFiles.h"
#include "printengine/PrinterFonts.h"
#include "records/QuorvDat.h"
#include "settings/DrkEinst.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "support/FixedPrinter.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace testsupport {

// The message that announces a document written as a PDF file.
extern const QString kPdfNotice;
// The message when the settings fit no report form.
extern const QString kUnknownForm;
// The start of the question about a missing form file.
extern const QString kMissingFormFileQuestion;

// What the preview window saw when it was shown.
struct PreviewShown {
  int FormNumber;
  int CurrentPage;
  int OutputTarget;
  QString Caption;
};

// Saves the settings, the catalogue, the job and the batch state, and puts
// them back on destruction. Documents become PDF files in the data folder.
class LayoutEnvironment {
 public:
  LayoutEnvironment();
  ~LayoutEnvironment();
  LayoutEnvironment(const LayoutEnvironment&) = delete;
  LayoutEnvironment& operator=(const LayoutEnvironment&) = delete;

  const TempProgramDir& dir() const { return dir_; }
  // Writes a form file into the program folder.
  void writeFormFile(const QString& name, const QString& title, const quorv::TFormFieldTable& fields) const;
  // Writes the form file of every form of the dispatch table, and those of
  // the receipt and the learning-development report.
  void writeAllReportFormFiles(const quorv::TFormFieldTable& fields) const;

  // Records every showing of the preview window; onShow runs inside it.
  void recordPreview(std::function<void()> onShow = {});
  const std::vector<PreviewShown>& previews() const { return previews_; }

 private:
  TempProgramDir dir_;
  quorv::TPrintOptions printOptions_;
  quorv::TProgramOptions programOptions_;
  quorv::TSchoolSettings schoolSettings_;
  quorv::TSubjectCatalog catalog_;
  quorv::TFormFieldTable formFields_;
  quorv::TReportJob job_;
  std::uint16_t batchState_;
  quorv::TPreviewService previousPreview_;
  std::vector<PreviewShown> previews_;
};

// A pupil "Anna Muster" with header data and subjects filled in.
quorv::TPupilRecord TestPupil();

// A pupil with every field the reports print filled to its length: names of
// 30 characters, every subject slot of the form (the catalogue's subjects,
// two languages, a religion, free rows and electives of the longest names),
// grades with the longest grade word, additions, long texts.
quorv::TPupilRecord FullyFilledPupil(int form, int sex, int halfYear, const QString& schoolYear);

// FullyFilledPupil with long real values: double names of 30 characters with
// umlauts (a boy's or a girl's by sex), a place of issue and a next school of
// 30, the additions "WM" and "MW", grades and course levels in every slot,
// real electives, and the full development text and remarks in paragraphs.
quorv::TPupilRecord LongValuesPupil(int form, int sex, int halfYear, const QString& schoolYear);
// German prose with long words filling the development text (2000
// characters) and the remarks (500).
QString FullDevelopmentText();
QString FullRemarksText();
// The same in 6 and 3 paragraphs, the last ones short.
QString DevelopmentTextInParagraphs();
QString RemarksInParagraphs();

// The slot of the religion row of the grade block: 4 on the Grundschule forms
// 3 and 4, 6 on form 26, 8 on the forms with eight rows in the left column,
// 10 (the first right row) on form 23, else 9.
int ReligionSlotOfForm(int form);
// The slot of the first (Grundschule: the only) foreign language.
int LanguageSlotOfForm(int form);

// A school name and address of the settings' full 80 characters.
QString LongSchoolName();

// The prose repeated up to size characters and cut after its last whole word.
QString ProseOfSize(const QString& prose, int size);

// A field from its six words.
quorv::TFormField Field(int x, int y, int align, int font, int page, int active);

// Every field active at its own position (X = 300 + 5n, Y = 200 + 15n), with
// font 1 + n % 50, alignment n % 3 and page 1, except: the frame corners
// (fields 1 and 2), the parameter fields 67, 70 and 122, the offsets of the
// grade and elective blocks (33 to 40, 49 to 54) and field 20 (all 0), which
// carry the values their role needs.
quorv::TFormFieldTable EveryFieldTable();

// Loads the form file of the job as the output wrapper does and draws the
// page of the form for the pupil with the form's page routine.
void DrawJobPage(platform::Canvas& canvas, int form, int page, const quorv::TPupilRecord& pupil);

// Puts the strike-out fields on the lines of the texts they strike (the
// period 9 on 7, the leaving statement 23 on 22, the transfer sentence 96 on
// 95, the seal 113 on 112) in their fonts, and the school year (8) 10 mm
// lower, clear of the period's line.
void StrikesOnTheirLines(quorv::TFormFieldTable& fields);

// The texts of pages 1 to pages of the form drawn for the pupil from the form
// file in the program folder, and "struck: <part>" for every strike-out.
QStringList DrawnReportTexts(int form, const quorv::TPupilRecord& pupil, int pages);
// The texts of the frame every report prints for FullyFilledPupil with
// LongSchoolName: school, names, dates, signatures, receipt and footer line;
// with absences the absence sentence and its day counts.
QStringList FullyFilledFrameTexts(bool absences);
// Expects each of the texts among the drawn ones.
void ExpectAllDrawn(const QStringList& drawn, const QStringList& texts, int form);

// The text as the list TextsAt gives: empty for nullptr or an empty text.
inline QStringList One(const char* text) { return text == nullptr ? QStringList{} : QStringList{QString::fromUtf8(text)}; }
inline QStringList One(const QString& text) { return text.isEmpty() ? QStringList{} : QStringList{text}; }

// A report page with every field at a place of its own (EveryFieldTable) on
// page 1, drawn for a test pupil on a printer without an unprintable margin.
class FormPageTest : public ::testing::Test {
 protected:
  FormPageTest();

  // A point of the page in the recording (the default 15 mm margins).
  static QPoint Pt(int x, int y) { return QPoint(150 + x, -(150 + y)); }
  static int FontHeight(int font) { return quorv::PrinterFontHeight(quorv::PrinterFont(font), 0); }
  quorv::TFormField& F(int n) { return fields_[static_cast<std::size_t>(n)]; }
  const quorv::TFormField& F(int n) const { return fields_[static_cast<std::size_t>(n)]; }
  // The baseline of row r of the grade block.
  int RowY(int r) const { return F(32).Y + (r - 1) * F(40).Y; }
  void SetSlot(int slot, const QString& name, const char* grade = "2", const char* level = "-");

  // Writes the form's file from the fields and draws page 1 of the form.
  void Draw(int form);

  // The texts drawn at a point, or at a field's place, in the order drawn.
  QStringList TextsAt(QPoint p) const;
  QStringList TextsAt(int n) const { return TextsAt(Pt(F(n).X, F(n).Y)); }
  const platform::RecordedOp* TextAt(QPoint p, const QString& text) const;
  int Count(const QString& text) const;
  bool Drawn(const QString& text) const { return canvas_.findText(text) != nullptr; }
  // The grade boxes (solid rectangles).
  std::size_t GradeBoxes() const;
  QString Struck(const QString& text) const { return StruckPart(canvas_, text); }

  LayoutEnvironment env_;
  FixedPrinter printer_;
  quorv::TFormFieldTable fields_;
  quorv::TPupilRecord pupil_;
  platform::RecordingCanvas canvas_;
};

// The paths announced by the PDF notices among the shown messages.
QStringList AnnouncedPdfFiles(const std::vector<ShownMessage>& shown);

struct PdfInfo {
  int Pages = -1;
  QString Title;
};
PdfInfo ReadPdfInfo(const QString& file);
bool HavePdfInfo();

}  // namespace testsupport
