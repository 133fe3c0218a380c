#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <utility>

#include "records/ClassFile.h"
#include "records/QuorvDat.h"
#include "records/TextImport.h"
#include "settings/Facheinst.h"

namespace fuzzsupport {

namespace {

class AnsweringMessages : public platform::MessageService {
 public:
  platform::MsgResult Show(const QString& text, platform::MsgKind kind, platform::MsgButtons buttons) override {
    shown.push_back({text, kind});
    return buttons == platform::MsgButtons::YesNo ? platform::MsgResult::Yes : platform::MsgResult::Ok;
  }
  std::vector<Message> shown;
};

AnsweringMessages g_messages;
std::unique_ptr<QTemporaryDir> g_folder;

using namespace quorv;

TPupilRecord NamedPupil(const char* surname, const char* firstName) {
  TPupilRecord r = ZeroPupilRecord();
  InitPupilRecord(r);
  r.Surname.setText(QString::fromUtf8(surname));
  r.FirstName.setText(QString::fromUtf8(firstName));
  return r;
}

// A class whose pupils an import goes into, and the pupil current when it starts.
struct ImportClass {
  TDB2 pupils;
  int current = 0;
};

// Three pupils with full header fields, so that joined and copied values overflow.
const ImportClass& SmallClass() {
  static const ImportClass c = [] {
    ImportClass k;
    for (const char* name : {"Abel", "Berg", "Cron"}) {
      TPupilRecord r = NamedPupil(name, "Vorname mit dreissig Zeichen..");
      r.BirthPlace.set("Ortsname mit dreissig Zeichen.");
      r.ClassName.set("10R/b");
      r.BirthDate.set("01.02.2010");
      k.pupils.push_back(r);
    }
    k.current = 1;
    return k;
  }();
  return c;
}

// Room for two more pupils; the last one is current.
ImportClass& NearlyFullClass() {
  static ImportClass c = [] {
    ImportClass k;
    k.pupils.reserve(kMaxPupils);
    k.pupils.assign(kMaxPupils - 2, ZeroPupilRecord());
    k.pupils.back() = NamedPupil("Letzter", "Schüler");
    k.current = kMaxPupils - 3;
    return k;
  }();
  return c;
}

// One import into the class in memory: before pupils, the one at current current.
void CheckOneImport(const QString& path, int lines, int before, int current) {
  ClearMessages();
  const PupilImportResult r = ImportPupilFile(path);
  const int inserted = std::min(lines, kMaxPupils - before);
  FUZZ_CHECK(r.read && r.imported == inserted && r.full == (lines > inserted));
  FUZZ_CHECK(PupilCount == before + inserted && static_cast<int>(Pupils.size()) == PupilCount);
  FUZZ_CHECK(CurrentPupil == current + inserted && CurrentPupil >= 0 && CurrentPupil < PupilCount);
  for (int i = current + 1; i <= current + inserted; ++i) {
    FUZZ_CHECK(LengthsWithinCapacity(Pupils[static_cast<std::size_t>(i)]));
    FUZZ_CHECK(Pupils[static_cast<std::size_t>(i)].Active == 1);
  }
  FUZZ_CHECK(!AnyMessageOfKind(platform::MsgKind::Error));
  if (r.full) FUZZ_CHECK(AnyMessageStartingWith(QStringLiteral("Der Import wurde abgebrochen.")));
}

}  // namespace

void Setup(const QString& programDir) {
  QString folder = programDir;
  if (folder.isEmpty()) {
    g_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/quorv-fuzz-XXXXXX");
    if (!g_folder->isValid()) Fail(__FILE__, __LINE__, "temporary program folder");
    folder = g_folder->path();
  }
  if (!folder.endsWith('/')) folder += '/';
  if (!QDir().mkpath(folder + "Daten")) Fail(__FILE__, __LINE__, "data folder");
  quorv::ProgramDir = folder;
  quorv::DataDir = folder + "Daten/";
  platform::SetMessageService(&g_messages);
}

const std::vector<Message>& Messages() { return g_messages.shown; }
void ClearMessages() { g_messages.shown.clear(); }
bool OneMessageOfKind(platform::MsgKind kind) {
  return g_messages.shown.size() == 1 && g_messages.shown.front().kind == kind;
}
bool AnyMessageOfKind(platform::MsgKind kind) {
  return std::any_of(g_messages.shown.begin(), g_messages.shown.end(), [kind](const Message& m) { return m.kind == kind; });
}
bool AnyMessageStartingWith(const QString& text) {
  return std::any_of(g_messages.shown.begin(), g_messages.shown.end(),
                     [&text](const Message& m) { return m.text.startsWith(text); });
}

QByteArray Bytes(const void* p, std::size_t n) {
  return QByteArray(static_cast<const char*>(p), static_cast<qsizetype>(n));
}

QByteArray Input(const std::uint8_t* data, std::size_t size) { return Bytes(data, size); }

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    Fail(__FILE__, __LINE__, "writing the input file");
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Exists(const QString& path) { return QFile::exists(path); }

void Remove(const QString& path) { QFile::remove(path); }

bool LengthsWithinCapacity(const TPupilRecord& record) {
  TPupilRecord clamped = record;
  ClampRecordLengths(clamped);
  return std::memcmp(&clamped, &record, sizeof record) == 0;
}

int ImportLineCount(const QByteArray& file) {
  const QByteArray text = QByteArray::fromStdString(ImportTextToCp1252(file));
  int lines = 0;
  for (qsizetype i = 0; i < text.size(); ++lines) {
    qsizetype end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    i = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

void CheckPupilImport(const QString& path, const QByteArray& file, bool nearlyFull) {
  const int lines = ImportLineCount(file);
  const ImportClass& small = SmallClass();
  const int n = static_cast<int>(small.pupils.size());
  Pupils = small.pupils;
  PupilCount = n;
  CurrentPupil = small.current;
  CheckOneImport(path, lines, n, small.current);
  // The pupils before and behind the inserted ones are the old ones.
  const int inserted = PupilCount - n;
  for (int i = 0; i < n; ++i) {
    const std::size_t at = static_cast<std::size_t>(i <= small.current ? i : i + inserted);
    FUZZ_CHECK(std::memcmp(&Pupils[at], &small.pupils[static_cast<std::size_t>(i)], sizeof(TPupilRecord)) == 0);
  }
  if (!nearlyFull) return;

  ImportClass& full = NearlyFullClass();
  const int before = static_cast<int>(full.pupils.size());
  const TPupilRecord last = full.pupils.back();
  std::swap(Pupils, full.pupils);
  PupilCount = before;
  CurrentPupil = full.current;
  CheckOneImport(path, lines, before, full.current);
  FUZZ_CHECK(std::memcmp(&Pupils[static_cast<std::size_t>(before - 1)], &last, sizeof last) == 0);
  Pupils.resize(static_cast<std::size_t>(before));
  std::swap(Pupils, full.pupils);
}

TDB2 GradeClass() {
  const struct {
    const char* surname;
    const char* firstName;
    int active;
  } names[] = {{"Abel", "Anna", 1}, {"Berg", "Ben", 0}, {"Berg", "Ben", 1}, {"Özdemir", "Can", 1}, {"???", "", 1}};
  TDB2 pupils;
  for (int i = 0; i < static_cast<int>(std::size(names)); ++i) {
    TPupilRecord r = NamedPupil(names[i].surname, names[i].firstName);
    r.Active = static_cast<std::uint16_t>(names[i].active);
    r.KeyNumber = 100 + i;
    r.ClassName.set("5a");
    for (int s = 1; s <= kLastSlot; ++s) {
      TSubjectEntry& e = r.Subjects[static_cast<std::size_t>(s - 1)];
      const int entry = s == i + 1 ? 20 : 2 + (s - 1 + 5 * i) % 40;  // Mathematik in slot i + 1
      e.Name.set(SubjectCatalog[static_cast<std::size_t>(entry)].Name.bytes());
      e.Grade.set(s % 2 ? "3" : "-");
      e.CourseLevel.set("E");
      e.Addition.set("+");
    }
    pupils.push_back(r);
  }
  return pupils;
}

void Fail(const char* file, int line, const char* condition) {
  std::fprintf(stderr, "\n==== broken rule at %s:%d: %s\n", file, line, condition);
  std::abort();
}

}  // namespace fuzzsupport
