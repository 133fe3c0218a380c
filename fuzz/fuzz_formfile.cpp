// The form-file reader: the bytes as a form file in the program folder, loaded
// with working copies, so that an accepted file is also written and read back.
#include <cstring>

#include "FuzzSupport.h"
#include "printengine/FormFiles.h"
#include "records/QuorvDat.h"

namespace {

using namespace quorv;

const QString kName = QStringLiteral("Anl001.FST");

bool SameFields(const TFormFieldTable& a, const TFormFieldTable& b) {
  return std::memcmp(a.data(), b.data(), sizeof(TFormField) * a.size()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = fuzzsupport::Input(data, size);
  const QString original = ProgramDir + kName;
  const QString copy = DataDir + kName;
  fuzzsupport::Remove(copy);
  fuzzsupport::WriteFile(original, bytes);

  // What the text format alone makes of the bytes.
  TFormFieldTable parsed;
  PresetFormFields(parsed);
  QString parsedTitle;
  const FormFileParse parse = ParseFormFile(bytes, parsed, parsedTitle);

  TFormFieldTable fields;
  fields.fill(TFormField{0xDEAD, 0xBEEF, 7, 7, 7, 7});
  QString title = QStringLiteral("Beschreibung");
  fuzzsupport::ClearMessages();
  const FormFileError error = LoadFormFile(fields, kName, title, 1);
  FUZZ_CHECK(SameFields(fields, parsed));
  FUZZ_CHECK(title == parsedTitle);
  for (const TFormField& f : fields) FUZZ_CHECK(TextBlockLineCount(f) >= 0 && TextBlockLineCount(f) <= kMaxTextBlockLines);
  FUZZ_CHECK(fuzzsupport::ReadFile(original) == bytes);

  if (parse.Error != FormFileErrorKind::None) {
    // Refused: the line is named, nothing is written, the caller reports it.
    FUZZ_CHECK(parse.Error == FormFileErrorKind::NoNumber);
    FUZZ_CHECK(error.Kind == FormFileErrorKind::NoNumber && error.Path == original);
    FUZZ_CHECK(error.Line == parse.ErrorLine && error.Line >= 1 && error.Line <= bytes.size() + 1);
    FUZZ_CHECK(!FormFileErrorMessage(error).isEmpty());
    FUZZ_CHECK(fuzzsupport::Messages().empty());
    FUZZ_CHECK(!fuzzsupport::Exists(copy));
    return 0;
  }

  // Accepted: the working copy is the normalised text of what was read.
  FUZZ_CHECK(!error.failed());
  FUZZ_CHECK(fuzzsupport::Messages().size() == (parse.InStep ? 0u : 1u));
  const QByteArray written = fuzzsupport::ReadFile(copy);
  FUZZ_CHECK(written == FormFileText(title, fields));

  // The copy reads back to the same title and fields, in step, and writes the same text.
  TFormFieldTable again;
  QString againTitle = QStringLiteral("anders");
  fuzzsupport::ClearMessages();
  FUZZ_CHECK(!LoadFormFile(again, kName, againTitle, 1).failed());
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  FUZZ_CHECK(SameFields(again, fields));
  FUZZ_CHECK(againTitle == title);
  FUZZ_CHECK(FormFileText(againTitle, again) == written);
  return 0;
}
