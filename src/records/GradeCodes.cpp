#include "records/GradeCodes.h"

#include <array>
#include <charconv>
#include <optional>

#include "platform/Cp1252.h"

namespace quorv {

QStringList CourseLevelList;
QStringList CourseLevelListNoG;

namespace {

struct GradeWord {
  char code;
  const char* text;  // UTF-8
};

// Words of the grades 1 to 6; used only when a report prints grades in words.
constexpr std::array<GradeWord, 6> kGradeWords{{
    {'1', "sehr gut"},
    {'2', "gut"},
    {'3', "befriedigend"},
    {'4', "ausreichend"},
    {'5', "mangelhaft"},
    {'6', "ungenügend"},
}};

// Special entries; they print the same with or without words.
constexpr std::array<GradeWord, 17> kSpecialCodes{{
    {'0', "nicht beurteilbar"},
    {'o', "nicht beurteilbar"},
    {'O', "nicht beurteilbar"},
    {'k', "nicht beurteilbar"},
    {'K', "nicht beurteilbar"},
    {'n', "nicht teilgenommen"},
    {'N', "nicht teilgenommen"},
    {'a', "befreit"},
    {'A', "befreit"},
    {'b', "befreit"},
    {'B', "befreit"},
    {'t', "teilgenommen"},
    {'T', "teilgenommen"},
    {'e', "nicht erteilt"},
    {'E', "nicht erteilt"},
    {'-', "---"},
    {'_', "---"},
}};

const char* LookUp(const auto& table, char code) {
  for (const auto& w : table)
    if (w.code == code) return w.text;
  return nullptr;
}

struct LetterMap {
  std::string_view from;  // first characters that map
  char to;
};

constexpr std::array<LetterMap, 2> kRegSLetters{{
    {"HhBb", 'B'},
    {"EeMmRr", 'M'},
}};

constexpr std::array<LetterMap, 3> kGesamtLetters{{
    {"Gg", 'G'},
    {"BbHh", 'B'},
    {"EeMmRr", 'E'},
}};

std::string MapCourseLetter(const auto& table, std::string_view letter) {
  if (!letter.empty())
    for (const auto& m : table)
      if (m.from.find(letter.front()) != std::string_view::npos) return std::string(1, m.to);
  return "-";
}

// A whole number: optional sign and at least one digit, nothing else.
std::optional<long long> ParseSignedDigits(std::string_view t) {
  if (t.empty()) return std::nullopt;
  bool negative = false;
  if (t.front() == '+' || t.front() == '-') {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  if (t.empty()) return std::nullopt;
  long long v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size() || v < 0) return std::nullopt;
  return negative ? -v : v;
}

}  // namespace

bool IsGradeCode(char c) { return kGradeCodeSet.find(c) != std::string_view::npos; }

std::string NormalizeGradeCode(std::string_view text) {
  if (text.empty()) return "-";
  if (text.size() == 1) return std::string(text);
  for (char c : text)
    if (IsGradeCode(c)) return std::string(1, c);
  return "?";
}

QString GradeToText(std::string_view code, bool inWords) {
  QString result = QStringLiteral("---");
  if (!inWords) {
    result = platform::DecodeCp1252(code);
  } else if (code.size() == 1) {
    if (const char* word = LookUp(kGradeWords, code.front())) result = QString::fromUtf8(word);
  }
  if (code.size() == 1)
    if (const char* special = LookUp(kSpecialCodes, code.front()))
      result = QString::fromUtf8(special);
  return result;
}

int GradeCharToNumber(std::string_view code) {
  if (code.empty() || code.front() < '1' || code.front() > '8') return 0;
  return code.front() - '0';
}

std::string GradeNumberToChar(int n) {
  if (n < 1 || n > 8) return "-";
  return std::string(1, static_cast<char>('0' + n));
}

std::string CourseLevelLetterRegS(std::string_view letter) {
  return MapCourseLetter(kRegSLetters, letter);
}

std::string CourseLevelLetterGesamt(std::string_view letter) {
  return MapCourseLetter(kGesamtLetters, letter);
}

void InitCourseLevelLists() {
  CourseLevelList = {"-", "B", "E", "G", "H", "R", "M"};
  CourseLevelListNoG = {"-", "B", "E", "H", "R", "M"};
}

std::uint16_t YearFromText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);  // blanks only; a tab is no number
  const auto v = ParseSignedDigits(text);
  if (!v) return 0;
  if (*v >= 2000 && *v <= 2069) return static_cast<std::uint16_t>(*v);
  if (*v >= 1 && *v <= 69) return static_cast<std::uint16_t>(2000 + *v);
  if (*v >= 70 && *v <= 99) return static_cast<std::uint16_t>(1900 + *v);
  return 0;
}

void SecondYearOfSchoolYear(std::string& s, std::string& r) {
  if (s.size() == 4) {
    const int y = YearFromText(s);
    r = (y >= 2000 && y <= 2100) ? std::to_string(y + 1) : "????";
    return;
  }
  if (s.size() == 2) {
    const auto n = ParseSignedDigits(s);
    if (!n) {
      r.clear();
    } else if (*n >= 0 && *n <= 99) {
      // Built from the number, so that a sign ("+5") cannot end up inside the year.
      const std::string twoDigits = (*n < 10 ? "0" : "") + std::to_string(*n);
      s = "20" + twoDigits;
      r = std::to_string(2001 + *n);
    } else {
      s = "??" + s;
      r = "????";
    }
    return;
  }
  r.clear();
}

std::string SecondYearOfSchoolYear(std::string_view s) {
  std::string copy(s);
  std::string r;
  SecondYearOfSchoolYear(copy, r);
  return r;
}

}  // namespace quorv
