#include "records/TextImport.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "records/GradeCodes.h"
#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

constexpr std::size_t kNameCapacity = 30;     // surname, first name, slot name in a record
constexpr std::size_t kReadNameLength = 31;   // names as cut off a grade line

std::string_view Cut(std::string_view s, std::size_t n) { return s.substr(0, std::min(s.size(), n)); }

void TakeUnquoted(std::string_view& line, std::string& field) {
  NextField(line, field);
  RemoveChar(field, '"');
}

// The new value of a field that takes a joiner.
template <int N>
void Join(platform::ShortString<N>& target, std::string_view joiner, const std::string& field) {
  if (joiner.empty()) {
    target.set(field);
    return;
  }
  std::string value(target.bytes());
  if (joiner != "++") value += joiner;
  value += field;
  target.set(value);
}

bool HasLevelField() {
  const int t = SchoolSettings.SchoolType;
  return t == stRegionaleSchule || t == stGesamtschule;
}

// The name of the last catalogue entry whose abbreviation or name is the field.
bool CatalogSubject(const std::string& field, std::string_view& name) {
  bool found = false;
  for (const TSubjectCatalogEntry& e : SubjectCatalog) {
    if (e.Abbreviation.bytes() == field || e.Name.bytes() == field) {
      name = e.Name.bytes();
      found = true;
    }
  }
  return found;
}

// The slot 1..18 that carries the subject (compared at the slot's capacity); 0 for none.
int SlotOfSubject(const TPupilRecord& pupil, std::string_view subject) {
  const std::string_view key = Cut(subject, kNameCapacity);
  for (int s = 1; s <= 18; ++s)
    if (pupil.Subjects[s - 1].Name.bytes() == key) return s;
  return 0;
}

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

}  // namespace

TImportColumnMap DefaultImportColumnMap() {
  TImportColumnMap map;
  std::memset(map.data(), 0, sizeof map);
  for (int k = 0; k < kImportColumns; ++k) map[k].FieldCode = 0;
  for (int k = 1; k <= 8; ++k) map[k].FieldCode = static_cast<std::uint16_t>(k);
  map[3].Joiner.set(": ");
  return map;
}

bool LoadImportConfig(TImportColumnMap& map) {
  const QString path = ProgramDir + QString::fromLatin1(kImportConfigFile);
  if (!platform::FileExists(path)) {
    map = DefaultImportColumnMap();
    return true;
  }
  QByteArray bytes;
  if (!platform::ReadFileBytes(path, bytes, static_cast<qint64>(sizeof(TImportColumnMap)))) {
    platform::ShowMessage(QStringLiteral("Die Datei\r") + path + QStringLiteral("\rkonnte nicht gelesen werden!"),
                          platform::MsgKind::Error);
    return false;
  }
  std::memset(map.data(), 0, sizeof map);
  const std::size_t records = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()) / sizeof(TImportColumn),
                                                    kImportColumns);
  std::memcpy(map.data(), bytes.constData(), records * sizeof(TImportColumn));
  for (TImportColumn& c : map) c.Joiner.clampLength();
  return true;
}

void NextField(std::string_view& line, std::string& field) {
  field.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == '\t' || c == '\r' || c == ';') break;
    field += c;
    ++i;
    if (c == '"' && i >= 2) break;  // a closing quote; the character behind it goes too
  }
  line = i + 1 < line.size() ? line.substr(i + 1) : std::string_view();
}

void PeekField(std::string_view line, std::string& field) { NextField(line, field); }

void RemoveChar(std::string& text, char c) { text.erase(std::remove(text.begin(), text.end(), c), text.end()); }

void StrToShortString10(std::string_view text, platform::ShortString<10>& result) { result.set(text); }

std::uint16_t SexFromText(std::string_view text) {
  static constexpr std::string_view kGirl = "1FJWfjw";
  return !text.empty() && kGirl.find(text.front()) != std::string_view::npos ? 1 : 0;
}

bool LineUsedUp(std::string_view line) { return line.empty() || line.front() == '\r'; }

void ImportPupilLine(std::string_view line, const TImportColumnMap& map, TPupilRecord& pupil) {
  std::string field;
  for (int k = 1; k < kImportColumns; ++k) {
    const std::uint16_t code = map[k].FieldCode;
    if (code == icNoColumn6 || code == icNoColumn7) continue;
    if (LineUsedUp(line)) return;
    TakeUnquoted(line, field);
    const std::string_view joiner = map[k].Joiner.bytes();
    switch (code) {
      case icSurname: Join(pupil.Surname, joiner, field); break;
      case icFirstName: Join(pupil.FirstName, joiner, field); break;
      case icBirthPlace: Join(pupil.BirthPlace, joiner, field); break;
      case icClassName: Join(pupil.ClassName, joiner, field); break;
      case icBirthDate: StrToShortString10(field, pupil.BirthDate); break;
      case icSex: pupil.Sex = SexFromText(field); break;
      default: break;  // 0 and 9 on: the column is skipped
    }
  }
}

void ReadNamePair(std::string_view& line, std::string& surname, std::string& firstName) {
  if (LineUsedUp(line)) {
    surname.clear();
    return;
  }
  TakeUnquoted(line, surname);
  surname.resize(std::min(surname.size(), kReadNameLength));
  firstName.clear();
  if (LineUsedUp(line)) return;
  std::string field;
  TakeUnquoted(line, field);
  if (!surname.empty()) firstName.assign(Cut(field, kReadNameLength));
}

void ImportGradeFields(std::string_view line, TPupilRecord& pupil, int& unassigned) {
  const bool levels = HasLevelField();
  std::string subjectField;
  std::string grade;
  std::string level;
  // A line of names only reads no field and counts nothing.
  while (!LineUsedUp(line)) {
    TakeUnquoted(line, subjectField);
    std::string_view subject;
    if (!CatalogSubject(subjectField, subject) || subject == kUnfilled || subject == kNoContent) {
      ++unassigned;
      TakeUnquoted(line, grade);  // dropped
      // A level behind it goes with the grade.
      if (levels && !LineUsedUp(line)) {
        PeekField(line, level);
        RemoveChar(level, '"');
        if (level.size() == 1) TakeUnquoted(line, level);
      }
      continue;
    }
    const bool lastPass = LineUsedUp(line);
    if (lastPass)
      grade.clear();
    else
      TakeUnquoted(line, grade);
    int slot = 0;
    if (grade.empty()) {
      ++unassigned;
    } else if ((slot = SlotOfSubject(pupil, subject)) > 0) {
      pupil.Subjects[slot - 1].Grade.set(NormalizeGradeCode(grade));
    } else {
      ++unassigned;
    }
    if (lastPass) break;
    if (levels) {
      if (LineUsedUp(line)) break;
      PeekField(line, level);
      RemoveChar(level, '"');
      if (level.size() == 1) {
        TakeUnquoted(line, level);
        if (slot > 0) pupil.Subjects[slot - 1].CourseLevel.set(level);
      }
    }
  }
  platform::ShowMessage(
      QString::fromUtf8("Zählerstand der nicht zugeordneten Fächer: ") + QString::number(unassigned),
      platform::MsgKind::Information);
}

int FindPupilByNames(const TDB2& pupils, int count, std::string_view surname, std::string_view firstName) {
  const std::string_view s = Cut(surname, kNameCapacity);
  const std::string_view f = Cut(firstName, kNameCapacity);
  int marked = -1;
  const int n = std::min(count, static_cast<int>(pupils.size()));
  for (int i = 0; i < n; ++i) {
    const TPupilRecord& p = pupils[static_cast<std::size_t>(i)];
    if (p.Surname.bytes() != s || p.FirstName.bytes() != f) continue;
    if (p.Active != 0) return i;
    if (marked < 0) marked = i;
  }
  return marked;
}

namespace {

// The lines of text, split as SplitImportLines splits, that hold a character
// the code page lacks.
int LinesWithoutCp1252(const QString& text) {
  int lines = 0;
  bool counted = false;
  for (char32_t ch : text.toUcs4()) {
    if (ch == U'\r' || ch == U'\n') {
      counted = false;
    } else if (!counted && platform::UnicodeToCp1252(ch) < 0) {
      ++lines;
      counted = true;
    }
  }
  return lines;
}

}  // namespace

std::string ImportTextToCp1252(const QByteArray& bytes, int* replacedLines) {
  if (replacedLines) *replacedLines = 0;
  const bool bom = bytes.startsWith("\xEF\xBB\xBF");
  if (!bom) {
    const bool ascii = std::none_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    if (ascii) return bytes.toStdString();
  }
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(bom ? bytes.mid(3) : bytes);
  if (!bom && decoder.hasError()) return bytes.toStdString();  // Windows-1252
  if (replacedLines) *replacedLines = LinesWithoutCp1252(text);
  return platform::EncodeCp1252(text);
}

std::vector<std::string_view> SplitImportLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

bool ReadImportText(const QString& path, std::string& text, int* replacedLines) {
  QByteArray bytes;
  if (!platform::ReadFileBytes(path, bytes)) {
    platform::ShowMessage(QStringLiteral("Die Datei\r") + path + QStringLiteral("\rkonnte nicht gelesen werden!"),
                          platform::MsgKind::Error);
    return false;
  }
  text = ImportTextToCp1252(bytes, replacedLines);
  return true;
}

PupilImportResult ImportPupilFile(const QString& path) {
  PupilImportResult result;
  TImportColumnMap map;
  std::string text;
  if (!LoadImportConfig(map) || !ReadImportText(path, text, &result.replacedLines)) return result;
  result.read = true;
  for (const std::string_view line : SplitImportLines(text)) {
    if (!InsertPupilAfterCurrent()) {
      result.full = true;
      platform::ShowMessage(QString::fromUtf8("Der Import wurde abgebrochen.\rEs wurden nur %1 Schüler importiert.")
                                .arg(result.imported),
                            platform::MsgKind::Warning);
      break;
    }
    ImportPupilLine(line, map, Pupils[static_cast<std::size_t>(CurrentPupil)]);
    ++result.imported;
  }
  return result;
}

int ImportGradeFile(const QString& path, int* replacedLines) {
  std::string text;
  if (!ReadImportText(path, text, replacedLines)) return -1;
  int unassigned = 0;
  std::string surname;
  std::string firstName;
  for (std::string_view line : SplitImportLines(text)) {
    if (IsBlankLine(line)) continue;
    surname.clear();
    firstName.clear();
    ReadNamePair(line, surname, firstName);
    const int i = FindPupilByNames(Pupils, PupilCount, surname, firstName);
    if (i < 0) {
      platform::ShowMessage(QString::fromUtf8("Einen Datensatz für: ") + platform::DecodeCp1252(firstName) + ' ' +
                                platform::DecodeCp1252(surname) +
                                QString::fromUtf8("\rwurde nicht gefunden!\r\rBitte Schüler-Datensatz erst anlegen\r"
                                                  "oder Schreibweise des Namens prüfen!"),
                            platform::MsgKind::Information);
      continue;
    }
    ImportGradeFields(line, Pupils[static_cast<std::size_t>(i)], unassigned);
  }
  return unassigned;
}

}  // namespace quorv
