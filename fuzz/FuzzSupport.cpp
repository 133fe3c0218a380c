#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "records/QuorvDat.h"

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

void Fail(const char* file, int line, const char* condition) {
  std::fprintf(stderr, "\n==== broken rule at %s:%d: %s\n", file, line, condition);
  std::abort();
}

}  // namespace fuzzsupport
