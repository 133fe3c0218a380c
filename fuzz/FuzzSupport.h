#pragma once
// Shared by the fuzz targets and the seed writer: a temporary program folder
// that ProgramDir and DataDir point into, a message service that answers
// every message and keeps it, file helpers, and the check that turns a broken
// rule into a finding.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Messages.h"

namespace fuzzsupport {

// Once per process: makes the program folder with "Daten/" below it (or uses
// programDir when given), points ProgramDir and DataDir at it and installs
// the message service.
void Setup(const QString& programDir = {});

struct Message {
  QString text;
  platform::MsgKind kind;
};
// The messages shown since the last ClearMessages(); each was answered with
// OK or Yes.
const std::vector<Message>& Messages();
void ClearMessages();
bool OneMessageOfKind(platform::MsgKind kind);

QByteArray Bytes(const void* p, std::size_t n);
template <class T>
QByteArray BytesOf(const T& value) {
  return Bytes(&value, sizeof value);
}
QByteArray Input(const std::uint8_t* data, std::size_t size);

void WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);  // empty when missing
bool Exists(const QString& path);
void Remove(const QString& path);

// Prints what failed and aborts, which the fuzzer reports as a crash.
[[noreturn]] void Fail(const char* file, int line, const char* condition);

}  // namespace fuzzsupport

#define FUZZ_CHECK(condition)                                               \
  do {                                                                      \
    if (!(condition)) ::fuzzsupport::Fail(__FILE__, __LINE__, #condition); \
  } while (0)
