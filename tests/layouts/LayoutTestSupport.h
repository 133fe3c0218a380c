#pragma once
// What the layout tests share: a temporary program folder with form files,
// the settings and the print job restored after each test, documents written
// as PDF files, a scripted preview window and a test pupil.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "layouts/PrintJob.h"
#include "platform/Canvas.h"
#include "printengine/FormFiles.h"
#include "records/QuorvDat.h"
#include "settings/DrkEinst.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
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

// The slot of the religion row in the left column of the grade block: 4 on
// the Grundschule forms 3 and 4, 6 on form 26, 8 on the forms with eight rows,
// else 9.
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

// The paths announced by the PDF notices among the shown messages.
QStringList AnnouncedPdfFiles(const std::vector<ShownMessage>& shown);

struct PdfInfo {
  int Pages = -1;
  QString Title;
};
PdfInfo ReadPdfInfo(const QString& file);
bool HavePdfInfo();

}  // namespace testsupport
