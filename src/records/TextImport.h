#pragma once
// Text import of pupils and grades: the column map "IMPORT.CFG", the field
// splitter and the routines that write one line into a pupil record. Lines
// are Windows-1252 bytes; ReadImportText converts a UTF-8 file on reading.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/BinIO.h"
#include "records/QuorvDat.h"

namespace quorv {

struct TImportColumn {
  platform::LeU16 FieldCode;
  platform::ShortString<3> Joiner;  // empty: replace; "++": append; else old + Joiner + new
};
static_assert(sizeof(TImportColumn) == 6);
static_assert(alignof(TImportColumn) == 1);
static_assert(offsetof(TImportColumn, Joiner) == 2);

// What a column holds.
enum ImportFieldCode : std::uint16_t {
  icSkip = 0,
  icSurname = 1,
  icFirstName = 2,
  icBirthDate = 3,
  icBirthPlace = 4,
  icSex = 5,
  icNoColumn6 = 6,  // 6 and 7 take no field
  icNoColumn7 = 7,
  icClassName = 8,
};

constexpr int kImportColumns = 21;  // entry 0 is never applied
using TImportColumnMap = std::array<TImportColumn, kImportColumns>;

inline constexpr const char* kImportConfigFile = "IMPORT.CFG";

// Surname; first name; birth date; birthplace; sex; class.
TImportColumnMap DefaultImportColumnMap();

// Fills the map from ProgramDir + "IMPORT.CFG" (at most 21 records; the
// entries a short file does not reach get code 0), or with the default map
// when there is no such file. False, with an error message and the map
// unchanged, when the file exists but cannot be read.
bool LoadImportConfig(TImportColumnMap& map);

// Cuts the next field off the front of the line. TAB, ';' and CR end a field
// and are dropped; a double quote after the field's first character closes
// it, and the one character behind it is dropped.
void NextField(std::string_view& line, std::string& field);
// The next field, line unchanged.
void PeekField(std::string_view line, std::string& field);
void RemoveChar(std::string& text, char c);
void StrToShortString10(std::string_view text, platform::ShortString<10>& result);
// 1 when the first character is one of 1 F J W f j w, else 0.
std::uint16_t SexFromText(std::string_view text);

// True when the line is used up: empty or starting with CR.
bool LineUsedUp(std::string_view line);

// Writes the mapped fields of one pupil line into the record.
void ImportPupilLine(std::string_view line, const TImportColumnMap& map, TPupilRecord& pupil);

// Cuts surname and first name (each at most 31 characters, quotes removed)
// off the front of a grade line.
void ReadNamePair(std::string_view& line, std::string& surname, std::string& firstName);

// Writes the grades (and, for school types 2 and 3, the course levels) of the
// rest of a grade line into slots 1..18 and adds the groups it could not
// place to unassigned; then shows the running count.
void ImportGradeFields(std::string_view line, TPupilRecord& pupil, int& unassigned);

// The pupil a grade line names: the first live record whose names equal the
// given ones in their first 30 characters, else the first marked-deleted one;
// -1 when none.
int FindPupilByNames(const TDB2& pupils, int count, std::string_view surname, std::string_view firstName);

// Import file bytes as Windows-1252 text: a file with a UTF-8 byte-order
// mark, or valid UTF-8 holding non-ASCII characters, is converted ('?' for
// characters without a 1252 byte); anything else is taken as it is.
// replacedLines (when given) := the number of lines in which a '?' was put.
std::string ImportTextToCp1252(const QByteArray& bytes, int* replacedLines = nullptr);
// Splits text into lines at CR LF, LF or CR; no line after a final break.
std::vector<std::string_view> SplitImportLines(std::string_view text);

// Reads a whole import file. False, with an error message, when it cannot be read.
bool ReadImportText(const QString& path, std::string& text, int* replacedLines = nullptr);

struct PupilImportResult {
  bool read = false;     // false: the file or the column map could not be read
  int imported = 0;      // pupils inserted
  bool full = false;     // stopped because the class is full
  int replacedLines = 0; // lines in which a character became '?'
};

// Inserts one pupil per line of the file, in file order, directly behind
// CurrentPupil; CurrentPupil is left on the last one inserted. When the
// class is full the import stops there with a message; what was imported stays.
PupilImportResult ImportPupilFile(const QString& path);

// Writes the grades of each line into the pupil it names; a line whose pupil
// does not exist is reported. Returns the number of grades that could not be
// placed, or -1 when the file could not be read. Blank lines are passed over.
// replacedLines as for ImportTextToCp1252.
int ImportGradeFile(const QString& path, int* replacedLines = nullptr);

}  // namespace quorv
