#pragma once
// Form files (*.FST): 141 positioned fields per report form, the table they
// are loaded into, and the choice of the file for a form number.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace quorv {

struct TFormField {
  std::uint16_t X;           // 0.1 mm right of the page origin
  std::uint16_t Y;           // 0.1 mm below the page origin
  std::uint16_t Align;       // 0 left, 1 centre, 2 right
  std::uint16_t FontNumber;  // printer font 1..50
  std::uint16_t Page;        // 1, 2; 3 = every page (frame corners)
  std::uint16_t Active;      // 1 = printed
};
static_assert(sizeof(TFormField) == 12);

inline constexpr int kFormFieldCount = 141;
using TFormFieldTable = std::array<TFormField, kFormFieldCount>;

// The form file loaded last; page routines may patch it in memory.
extern TFormFieldTable FormFields;

// The title of a form file that is not to be printed.
inline const QString kNoFormTitle = QStringLiteral(":::");
inline constexpr int kFormFileLineCount = 1130;
inline constexpr int kMaxTextBlockLines = 25;

// Every entry X 0, Y 0, Align 0, FontNumber 1, Page 0, Active 0.
void PresetFormFields(TFormFieldTable& fields);
// The fields of a new, almost empty form file: FormFields, or the table given.
void NewFormFileDefaults();
void NewFormFileDefaults(TFormFieldTable& fields);

// The line count of a text block from its parameter field (X), bounded to
// 0..25 so that a form file cannot make a block read beyond its lines.
int TextBlockLineCount(const TFormField& parameterField);

// A form file that could not be read, held a number line without a number,
// or could not be written.
enum class FormFileErrorKind { None, CannotRead, NoNumber, CannotWrite };
struct FormFileError {
  FormFileErrorKind Kind = FormFileErrorKind::None;
  QString Path;
  int Line = 0;  // NoNumber: the line of the file (1-based)
  bool failed() const { return Kind != FormFileErrorKind::None; }
};
// The German message for an error, e.g. to show in an error box.
QString FormFileErrorMessage(const FormFileError& error);
// Shows the message of a failed error as an error box.
void ReportFormFileError(const FormFileError& error);

// The text format. ParseFormFile reads title and fields from the bytes
// (fields preset by the caller); InStep is false when a field number differs
// from its position. Fields keep what was read before an error.
struct FormFileParse {
  bool InStep = true;
  FormFileErrorKind Error = FormFileErrorKind::None;
  int ErrorLine = 0;
};
FormFileParse ParseFormFile(const QByteArray& bytes, TFormFieldTable& fields, QString& title);
// The normalised text: title, "=============", numbers 0..140, "- - - - -".
QByteArray FormFileText(const QString& title, const TFormFieldTable& fields);
// Writes that text to path, replacing the file as a whole.
FormFileError WriteFormFile(const QString& path, const QString& title, const TFormFieldTable& fields);

// Loads FileName from DataDir/ProgramDir into Fields (order and working copy
// by useFormFileCopies), with the warning for out-of-step numbers and the
// question to create a missing file. Title comes in as the description and
// goes out as the file's first line, the description (new file) or ":::".
// Returns the error of a file that could not be read or written. quiet (when
// given) tells whether the file was read from the first folder, in step,
// without a message: loading it again would do the same.
[[nodiscard]] FormFileError LoadFormFile(TFormFieldTable& Fields, const QString& FileName, QString& Title,
                                         int useFormFileCopies, bool* quiet = nullptr);

// The choice of a form file, without messages.
enum class FormFileProblem { None, UnknownForm, ArmsPosition, ArmsSize };
struct FormFileChoice {
  QString FileName;
  QString Description;
  FormFileProblem Problem = FormFileProblem::None;
};
FormFileChoice LookupFormFile(int formNumber, int paperPublisher, int armsPosition, int armsSize);
QString FormFileProblemMessage(FormFileProblem problem);

// The file name and description of a form, showing the message of a problem.
void SelectFormFile(int FormNumber, QString& FileName, QString& Description, int paperPublisher,
                    int armsPosition, int armsSize);

// A form file resolved once for a print job, with all its messages, so that
// pages (and every repaint of the preview) draw from it without any message.
struct ResolvedFormFile {
  QString FileName;
  QString Description;
  QString Title;
  TFormFieldTable Fields{};
  FormFileError Error;
  bool Quiet = false;  // as LoadFormFile's quiet
  bool printable() const { return !Error.failed() && Title != kNoFormTitle; }
};
ResolvedFormFile ResolveFormFile(int formNumber, int paperPublisher, int armsPosition, int armsSize,
                                 int useFormFileCopies);
// The same for a file name of the caller's own (receipts, development reports).
ResolvedFormFile ResolveNamedFormFile(const QString& fileName, const QString& description,
                                      int useFormFileCopies);
// Puts a resolved form into fields and title for one page; false when the
// page is not to be drawn.
bool UseResolvedFormFile(const ResolvedFormFile& form, TFormFieldTable& fields, QString& title);

}  // namespace quorv
