#include "printengine/FormFiles.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "records/QuorvDat.h"

namespace quorv {

TFormFieldTable FormFields = {};

namespace {

// ---- defaults -------------------------------------------------------------

struct DefaultField {
  int Index;
  TFormField Field;
};
constexpr DefaultField kNewFileFields[] = {
    {1, {0, 0, 0, 12, 3, 1}},         {2, {1800, 2600, 0, 12, 3, 1}}, {3, {900, 200, 0, 10, 1, 1}},
    {4, {900, 200, 1, 13, 1, 1}},     {5, {900, 300, 1, 20, 1, 1}},   {6, {1800, 2650, 0, 29, 1, 0}},
    {105, {1800, 2650, 0, 29, 1, 0}},
};

// ---- the text format ----------------------------------------------------------

constexpr std::string_view kSeparatorLine = "=============";
constexpr std::string_view kCommentLine = "- - - - -";

// Reads a form file as the text-file routines do: a line ends at CR, LF or
// CR LF; a number skips every character of code 32 or less before it (line
// ends included) and ends at the next such character; at the end of the data
// a number is 0 and a line empty.
class FstCursor {
 public:
  explicit FstCursor(const QByteArray& data) : data_(data) {}

  std::string_view readLine() {
    const qsizetype start = pos_;
    while (pos_ < data_.size() && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
    const std::string_view text(data_.constData() + start, static_cast<std::size_t>(pos_ - start));
    skipLineEnd();
    return text;
  }

  // Passes the rest of the current line and its line end.
  void skipLine() {
    while (pos_ < data_.size() && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
    skipLineEnd();
  }

  // False when a token stands there that is not a number.
  bool readNumber(std::int32_t& value) {
    while (pos_ < data_.size() && static_cast<unsigned char>(data_[pos_]) <= 32) ++pos_;
    value = 0;
    if (pos_ >= data_.size()) return true;
    tokenStart_ = pos_;
    while (pos_ < data_.size() && static_cast<unsigned char>(data_[pos_]) > 32) ++pos_;
    std::string_view token(data_.constData() + tokenStart_, static_cast<std::size_t>(pos_ - tokenStart_));
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);
    if (token.empty()) return false;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    return ec == std::errc() && end == token.data() + token.size();
  }

  // The 1-based line of the last number token.
  int tokenLine() const {
    int line = 1;
    for (qsizetype i = 0; i < tokenStart_; ++i) {
      if (data_[i] == '\n') ++line;
      if (data_[i] == '\r' && (i + 1 >= data_.size() || data_[i + 1] != '\n')) ++line;
    }
    return line;
  }

 private:
  void skipLineEnd() {
    if (pos_ < data_.size() && data_[pos_] == '\r') ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
  }

  const QByteArray& data_;
  qsizetype pos_ = 0;
  qsizetype tokenStart_ = 0;
};

struct FileRead {
  bool InStep = true;
  FormFileError Error;
};

FileRead ReadFormFile(const QString& path, TFormFieldTable& fields, QString& title) {
  FileRead result;
  QByteArray bytes;
  if (!platform::ReadFileBytes(path, bytes)) {
    result.Error = {FormFileErrorKind::CannotRead, path, 0};
    return result;
  }
  const FormFileParse parse = ParseFormFile(bytes, fields, title);
  result.InStep = parse.InStep;
  if (parse.Error != FormFileErrorKind::None) result.Error = {parse.Error, path, parse.ErrorLine};
  return result;
}

void ShowOutOfStepWarning() {
  platform::ShowMessage(QString::fromUtf8("Es können Fehler in der Steuerdatei enthalten sein!"),
                        platform::MsgKind::Error);
}

bool AskCreateFormFile(const QString& fileName) {
  const QString text = QString::fromUtf8("Es konnte die benötigte Formular-Datei:\r") + fileName +
                       QString::fromUtf8("  nicht gefunden werden!") + "\r" + "\r" +
                       QString::fromUtf8("Soll jetzt eine neue (fast leere) Formular-Datei") + "\r" +
                       QString::fromUtf8("erzeugt werden?");
  return platform::ShowMessage(text, platform::MsgKind::Confirmation, platform::MsgButtons::YesNo) ==
         platform::MsgResult::Yes;
}

// ---- the form table -----------------------------------------------------------

enum class PaperVariants {
  None,       // one file for every paper
  Publisher,  // variants per publisher and coat of arms
  NoBsnFile,  // as Publisher, but the bsn paper uses the plain file unchecked
};

constexpr const char* kBsnSuffix = " (bsn 510 960 00 12/04)";

struct FormFileEntry {
  int Form;
  const char* FileName;
  const char* Description;
  PaperVariants Variants = PaperVariants::None;
  const char* BsnSuffix = kBsnSuffix;
};

const FormFileEntry kFormFileTable[] = {
    {1, "Anl001.FST", "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 1"},
    {2, "Anl002.FST", "Übergangs-Zeugnis der Grundschule Klassenstufe 1"},
    {3, "Anl003.FST", "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 2-4"},
    {4, "Anl004.FST", "Übergangs-Zeugnis der Grundschule Klassenstufe 2-3(4)"},
    {5, "Anl005.FST", "(Halb-)/Jahres-Zeugnis der Hauptschule"},
    {6, "Anl006.FST", "Übergangs-Zeugnis der Hauptschule"},
    {7, "Anl007.FST", "Abgangs-Zeugnis der Hauptschule", PaperVariants::NoBsnFile, " (bsn ?\?\?)"},
    {8, "Anl008.FST", "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge",
     PaperVariants::Publisher},
    {9, "Anl009.FST", "Abschluss-Zeugnis (qual. Hauptschulabschluss) nichtgymnasiale Bildungsgänge",
     PaperVariants::Publisher},
    {10, "Anl010.FST", "(Halb-)/Jahres-Zeugnis der Realschule"},
    {11, "Anl011.FST", "Übergangs-Zeugnis der Realschule"},
    {12, "Anl012.FST", "Abgangs-Zeugnis der Realschule", PaperVariants::Publisher},
    {13, "Anl013.FST", "Abschluss-Zeugnis (Realschulabschluss) nichtgymnasiale Bildungsgänge",
     PaperVariants::Publisher},
    {14, "Anl014.FST", "Abschluss-Zeugnis (qual. Realschulabschluss) nichtgymnasiale Bildungsgänge",
     PaperVariants::Publisher},
    {15, "Anl015.FST", "(Halb-)/Jahres-Zeugnis der Regionalen Schule"},
    {16, "Anl016.FST", "Übergangs-Zeugnis der Regionalen Schule"},
    {17, "Anl017.FST", "Abgangs-Zeugnis der Regionalen Schule", PaperVariants::Publisher},
    {18, "Anl018.FST", "Abschluss-Zeugnis (Berufsreife) nichtgymnasiale Bildungsgänge", PaperVariants::Publisher},
    {19, "Anl019.FST",
     "Abschluss-Zeugnis (Berufsreife mit Leistungsfeststellung) nichtgymnasiale Bildungsgänge",
     PaperVariants::Publisher},
    {20, "Anl020.FST", "Abschluss-Zeugnis (Mittlere Reife) nichtgymnasiale Bildungsgänge",
     PaperVariants::Publisher},
    {21, "Anl021.FST", "(Halb-)/Jahres-Zeugnis des Gymnasiums"},
    {22, "Anl022.FST", "Übergangs-Zeugnis des Gymnasiums"},
    {23, "Anl023.FST", "Abgangs-Zeugnis des Gymnasiums", PaperVariants::Publisher,
     " (bsn 510 951 (od. 954) 00 12/04)"},
    {24, "Anl024.FST", "Prüfungs-Zeugnis des Gymnasiums"},
    {25, "Anl024.FST", "Prüfungs-Zeugnis (NICHT bestanden) des Gymnasiums"},
    {26, "Anl026.FST", "Jahreszeugnis Kl. 5+6 der Integrierten Gesamtschule"},
    {27, "Anl027.FST", "Jahreszeugnis Kl. 7-10 der Integrierten Gesamtschule"},
    {28, "Anl028.FST", "Abgangszeugnis der Integrierten Gesamtschule", PaperVariants::Publisher},
    {29, "Anl029.FST", "Übergangszeugnis der Integrierten Gesamtschule"},
    {41, "Anl041.FST", "Empfangsbekenntnis"},
    {104, "Anl04a.FST", "(Halb-)/Jahres-Zeugnis der Orientierungsstufe"},
    {105, "Anl105.FST", "Zwischen-Zeugnis der Hauptschule"},
    {110, "Anl110.FST", "Zwischen-Zeugnis der Realschule"},
    {115, "Anl115.FST", "Zwischen-Zeugnis der Regionalen Schule"},
    {121, "Anl121.FST", "Zwischen-Zeugnis des Gymnasiums"},
    {127, "Anl127.FST", "Zwischen-Zeugnis der Integrierten Gesamtschule"},
    {141, "Anl041.FST", "Empfangsbekenntnis"},
};

constexpr int kLastFormNumber = 141;
constexpr int kBsnPublisher = 1;
constexpr int kRequiredArmsPosition = 3;  // right, pre-printed

// The variant files of the publishers' papers; a null description suffix
// takes the form's bsn suffix.
struct PaperVariant {
  int Publisher;
  int ArmsSize;
  const char* FileSuffix;
  const char* DescriptionSuffix;
};
constexpr PaperVariant kPaperVariants[] = {
    {1, 1, "_1031", nullptr},
    {2, 0, "_2030", " (Kohlhammer 282.20/16-0)"},
    {2, 1, "_2031", " (Kohlhammer 282.20/15-0)"},
};

bool PublisherHasVariants(int publisher) {
  return std::any_of(std::begin(kPaperVariants), std::end(kPaperVariants),
                     [&](const PaperVariant& v) { return v.Publisher == publisher; });
}

QString WithSuffixBeforeExtension(const QString& fileName, const char* suffix) {
  const qsizetype dot = fileName.lastIndexOf('.');
  const qsizetype at = dot < 0 ? fileName.size() : dot;
  return fileName.left(at) + QString::fromLatin1(suffix) + fileName.mid(at);
}

}  // namespace

FormFileError WriteFormFile(const QString& path, const QString& title, const TFormFieldTable& fields) {
  if (!platform::WriteFileReplacing(path, FormFileText(title, fields)))
    return {FormFileErrorKind::CannotWrite, path, 0};
  return {};
}

// ---- field table -----------------------------------------------------------------

void PresetFormFields(TFormFieldTable& fields) { fields.fill(TFormField{0, 0, 0, 1, 0, 0}); }

void NewFormFileDefaults() { NewFormFileDefaults(FormFields); }

void NewFormFileDefaults(TFormFieldTable& fields) {
  fields.fill(TFormField{0, 0, 0, 0, 0, 0});
  for (const DefaultField& d : kNewFileFields) fields[static_cast<std::size_t>(d.Index)] = d.Field;
}

int TextBlockLineCount(const TFormField& parameterField) {
  return std::min<int>(parameterField.X, kMaxTextBlockLines);
}

// ---- errors ------------------------------------------------------------------------

QString FormFileErrorMessage(const FormFileError& error) {
  switch (error.Kind) {
    case FormFileErrorKind::None:
      return {};
    case FormFileErrorKind::CannotRead:
      return QStringLiteral("Die Formular-Datei:\r") + error.Path + QStringLiteral("\rkonnte nicht gelesen werden!");
    case FormFileErrorKind::NoNumber:
      return QStringLiteral("In der Formular-Datei:\r") + error.Path + QStringLiteral("\rsteht in Zeile ") +
             QString::number(error.Line) + QStringLiteral(" keine Zahl!");
    case FormFileErrorKind::CannotWrite:
      return QStringLiteral("Die Formular-Datei:\r") + error.Path +
             QStringLiteral("\rkonnte nicht geschrieben werden!");
  }
  return {};
}

void ReportFormFileError(const FormFileError& error) {
  if (error.failed()) platform::ShowMessage(FormFileErrorMessage(error), platform::MsgKind::Error);
}

// ---- text format ----------------------------------------------------------------

FormFileParse ParseFormFile(const QByteArray& bytes, TFormFieldTable& fields, QString& title) {
  FormFileParse result;
  FstCursor in(bytes);
  title = platform::DecodeCp1252(in.readLine());
  in.skipLine();
  auto number = [&](std::int32_t& value) {
    if (in.readNumber(value)) {
      in.skipLine();
      return true;
    }
    result.Error = FormFileErrorKind::NoNumber;
    result.ErrorLine = in.tokenLine();
    return false;
  };
  for (int k = 0; k < kFormFieldCount; ++k) {
    std::int32_t fieldNumber = 0;
    if (!number(fieldNumber)) return result;
    if (fieldNumber != k) result.InStep = false;
    TFormField& f = fields[static_cast<std::size_t>(k)];
    for (std::uint16_t TFormField::*member : {&TFormField::X, &TFormField::Y, &TFormField::Align,
                                              &TFormField::FontNumber, &TFormField::Page, &TFormField::Active}) {
      std::int32_t value = 0;
      if (!number(value)) return result;
      f.*member = static_cast<std::uint16_t>(static_cast<std::uint32_t>(value));  // low 16 bits
    }
    in.skipLine();  // comment
  }
  return result;
}

QByteArray FormFileText(const QString& title, const TFormFieldTable& fields) {
  QByteArray out;
  out.reserve(16 * kFormFileLineCount);
  auto line = [&out](const QByteArray& text) {
    out += text;
    out += "\r\n";
  };
  const std::string encodedTitle = platform::EncodeCp1252(title);
  line(QByteArray(encodedTitle.data(), static_cast<qsizetype>(encodedTitle.size())));
  line(QByteArray(kSeparatorLine.data(), static_cast<qsizetype>(kSeparatorLine.size())));
  for (int k = 0; k < kFormFieldCount; ++k) {
    const TFormField& f = fields[static_cast<std::size_t>(k)];
    line(QByteArray::number(k));
    for (std::uint16_t v : {f.X, f.Y, f.Align, f.FontNumber, f.Page, f.Active}) line(QByteArray::number(v));
    line(QByteArray(kCommentLine.data(), static_cast<qsizetype>(kCommentLine.size())));
  }
  return out;
}

// ---- loading -------------------------------------------------------------------

FormFileError LoadFormFile(TFormFieldTable& Fields, const QString& FileName, QString& Title,
                           int useFormFileCopies, bool* quiet) {
  if (quiet) *quiet = false;
  PresetFormFields(Fields);
  const bool copies = useFormFileCopies == 1;
  const QString& first = copies ? DataDir : ProgramDir;
  const QString& second = copies ? ProgramDir : DataDir;

  if (platform::FileExists(first + FileName)) {
    const FileRead read = ReadFormFile(first + FileName, Fields, Title);
    if (read.Error.failed()) return read.Error;
    if (!read.InStep) ShowOutOfStepWarning();
    if (quiet) *quiet = read.InStep;
    return {};
  }
  if (platform::FileExists(second + FileName)) {
    const FileRead read = ReadFormFile(second + FileName, Fields, Title);
    if (read.Error.failed()) return read.Error;
    if (copies) {
      const FormFileError written = WriteFormFile(DataDir + FileName, Title, Fields);
      if (written.failed()) return written;
      if (!read.InStep) ShowOutOfStepWarning();
    }
    return {};
  }
  if (!AskCreateFormFile(FileName)) {
    Title = kNoFormTitle;
    return {};
  }
  NewFormFileDefaults(Fields);
  return WriteFormFile(DataDir + FileName, Title, Fields);
}

// ---- choice of the file -------------------------------------------------------

FormFileChoice LookupFormFile(int formNumber, int paperPublisher, int armsPosition, int armsSize) {
  FormFileChoice choice;
  const FormFileEntry* entry = nullptr;
  if (formNumber >= 0 && formNumber <= kLastFormNumber)
    for (const FormFileEntry& e : kFormFileTable)
      if (e.Form == formNumber) entry = &e;
  if (entry == nullptr) {
    choice.Problem = FormFileProblem::UnknownForm;
    return choice;
  }
  choice.FileName = QString::fromUtf8(entry->FileName);
  choice.Description = QString::fromUtf8(entry->Description);
  if (entry->Variants == PaperVariants::None || !PublisherHasVariants(paperPublisher)) return choice;

  if (entry->Variants == PaperVariants::NoBsnFile && paperPublisher == kBsnPublisher) {
    choice.Description += QString::fromUtf8(entry->BsnSuffix);
    return choice;
  }
  if (armsPosition != kRequiredArmsPosition) {
    choice.Problem = FormFileProblem::ArmsPosition;
    return choice;
  }
  for (const PaperVariant& v : kPaperVariants) {
    if (v.Publisher != paperPublisher || v.ArmsSize != armsSize) continue;
    choice.FileName = WithSuffixBeforeExtension(choice.FileName, v.FileSuffix);
    choice.Description += QString::fromUtf8(v.DescriptionSuffix != nullptr ? v.DescriptionSuffix : entry->BsnSuffix);
    return choice;
  }
  choice.Problem = FormFileProblem::ArmsSize;
  return choice;
}

QString FormFileProblemMessage(FormFileProblem problem) {
  switch (problem) {
    case FormFileProblem::None:
      return {};
    case FormFileProblem::UnknownForm:
      return QString::fromUtf8(
          "Die bisherigen Einstellungen lassen keine eindeutige\rAuswahl eines Zeugnisformulars zu!\r\r"
          "Bitte überprüfen Sie die Einstellungen der Schule,\rzum Druck und die gewählte Zeugnisart!");
    case FormFileProblem::ArmsPosition:
      return QString::fromUtf8(
          "Die gewählte Wappenposition ist derzeit nicht verfügbar!\r\rBitte korrigieren Sie die Druck-Optionen!");
    case FormFileProblem::ArmsSize:
      return QString::fromUtf8(
          "Die gewählte Wappengröße ist derzeit nicht verfügbar!\r\rBitte korrigieren Sie die Druck-Optionen!");
  }
  return {};
}

void SelectFormFile(int FormNumber, QString& FileName, QString& Description, int paperPublisher,
                    int armsPosition, int armsSize) {
  const FormFileChoice choice = LookupFormFile(FormNumber, paperPublisher, armsPosition, armsSize);
  FileName = choice.FileName;
  Description = choice.Description;
  if (choice.Problem != FormFileProblem::None)
    platform::ShowMessage(FormFileProblemMessage(choice.Problem), platform::MsgKind::Error);
}

// ---- once per job --------------------------------------------------------------

ResolvedFormFile ResolveNamedFormFile(const QString& fileName, const QString& description,
                                      int useFormFileCopies) {
  ResolvedFormFile form;
  form.FileName = fileName;
  form.Description = description;
  form.Title = description;
  form.Error = LoadFormFile(form.Fields, fileName, form.Title, useFormFileCopies, &form.Quiet);
  ReportFormFileError(form.Error);
  return form;
}

ResolvedFormFile ResolveFormFile(int formNumber, int paperPublisher, int armsPosition, int armsSize,
                                 int useFormFileCopies) {
  QString fileName;
  QString description;
  SelectFormFile(formNumber, fileName, description, paperPublisher, armsPosition, armsSize);
  return ResolveNamedFormFile(fileName, description, useFormFileCopies);
}

bool UseResolvedFormFile(const ResolvedFormFile& form, TFormFieldTable& fields, QString& title) {
  fields = form.Fields;
  title = form.Title;
  return form.printable();
}

}  // namespace quorv
