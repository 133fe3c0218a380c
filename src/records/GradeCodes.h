#pragma once
// Grade codes and grade words, course-level letters, and the school-year helpers.
// Codes, letters and year texts are record bytes (Windows-1252); the printed
// grade text is returned as a QString.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorv {

// The 27 grade-code characters; "-" is no grade.
inline constexpr std::string_view kGradeCodeSet = "-012345678ABEKNOTU_abeknotu";

bool IsGradeCode(char c);

// Typed text to a one-character grade code: empty -> "-"; one character -> that
// character; longer -> the first code character from the left, else "?".
std::string NormalizeGradeCode(std::string_view text);

// The text a report prints for a grade code, as the code itself or in words.
QString GradeToText(std::string_view code, bool inWords);

// The first character "1".."8" as 1..8; anything else 0.
int GradeCharToNumber(std::string_view code);
// 1..8 as "1".."8"; anything else "-".
std::string GradeNumberToChar(int n);

// Course-level letters of a subject slot: "-", "B", "E", "G", "H", "R", "M".
// The letter printed on Regionale Schule reports: "B", "M" or "-".
std::string CourseLevelLetterRegS(std::string_view letter);
// The letter printed on Integrierte Gesamtschule reports: "G", "B", "E" or "-".
std::string CourseLevelLetterGesamt(std::string_view letter);

// Item lists of the level combos; filled by InitCourseLevelLists.
extern QStringList CourseLevelList;     // "-", "B", "E", "G", "H", "R", "M"
extern QStringList CourseLevelListNoG;  // the same without "G" (Regionale Schule)
void InitCourseLevelLists();

// A school-year text as a four-digit year: 2000..2069 as is, 1..69 -> 20xx,
// 70..99 -> 19xx; 0 for anything else and for text that is not a whole number.
std::uint16_t YearFromText(std::string_view text);

// The second calendar year of the school year s, in r. A two-digit s is made
// the four-digit year it stands for (or "??" + s when negative). r is empty
// when s is neither four characters long nor a two-character number.
void SecondYearOfSchoolYear(std::string& s, std::string& r);
// The same result r for a school year that stays as it is.
std::string SecondYearOfSchoolYear(std::string_view s);

}  // namespace quorv
