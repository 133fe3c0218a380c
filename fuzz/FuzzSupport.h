#pragma once
// Shared by the fuzz targets and the seed writer: a temporary program folder
// that ProgramDir and DataDir point into, a message service that answers
// every message and keeps it, file helpers, the classes and checks of the
// import targets, and the check that turns a broken rule into a finding.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Messages.h"
#include "records/QuorvDat.h"

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
bool AnyMessageOfKind(platform::MsgKind kind);
bool AnyMessageStartingWith(const QString& text);

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

// True when every short string of the record has its length byte within its capacity.
bool LengthsWithinCapacity(const quorv::TPupilRecord& record);

// Lines of an import file once converted to Windows-1252: breaks at CR LF,
// LF or CR, none after a final break.
int ImportLineCount(const QByteArray& file);

// Imports the pupil list at path into a class of three pupils with the middle
// one current and, with nearlyFull, into a class with room for two more
// pupils. Checks that each line inserts one pupil behind the current one up to
// the limit, the current pupil ends on the last one inserted, the other pupils
// stay as they were and every record's lengths are within their capacities.
void CheckPupilImport(const QString& path, const QByteArray& file, bool nearlyFull);

// The class of the grade targets: live pupils whose slots carry catalogue
// subjects, a marked-deleted namesake and a placeholder row (catalogue built).
quorv::TDB2 GradeClass();

// Prints what failed and aborts, which the fuzzer reports as a crash.
[[noreturn]] void Fail(const char* file, int line, const char* condition);

}  // namespace fuzzsupport

#define FUZZ_CHECK(condition)                                               \
  do {                                                                      \
    if (!(condition)) ::fuzzsupport::Fail(__FILE__, __LINE__, #condition); \
  } while (0)
