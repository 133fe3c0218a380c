#include "records/TextWrap.h"

#include <QList>
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Cp1252.h"
#include "platform/FolderChooser.h"
#include "platform/Registry.h"

namespace quorv {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';

bool IsBreakChar(char c) { return c == ' ' || c == '-'; }

int LineLength(const TTextLine& line) { return line.length(); }

void ClearLines(TTextLines& lines, int count) {
  for (int i = 0; i < count; ++i) lines[static_cast<std::size_t>(i)].Len = 0;
}

// What a strike action works on: the wrapped lines 0..n-1, the index of the
// last non-empty one (-1 for none) and the strike texts.
struct StrikeContext {
  TTextLines& lines;
  int n;
  int w;
  int last;
  char strikeChar;
  std::string strike;      // five strike characters
  std::string strikeLine;  // w strike characters

  TTextLine& line(int i) { return lines[static_cast<std::size_t>(i)]; }
  std::string_view lastLine() const {
    return last >= 0 ? lines[static_cast<std::size_t>(last)].bytes() : std::string_view();
  }
  int lastLength() const { return static_cast<int>(lastLine().size()); }
  void setAfterLast(const std::string& text) {
    for (int i = last + 1; i < n; ++i) line(i).set(text);
  }
};

void StrikeNothing(StrikeContext&) {}

void StrikeFirstUnusedLine(StrikeContext& s) {
  if (EndsWithStrike(s.lastLine())) return;
  if (s.last + 1 < s.n) s.line(s.last + 1).set(s.strike);
}

void StrikeAllUnusedLines(StrikeContext& s) { s.setAfterLast(s.strike); }

void FillUnusedLines(StrikeContext& s) { s.setAfterLast(s.strikeLine); }

void AppendEndSequence(StrikeContext& s) {
  if (EndsWithStrike(s.lastLine())) return;
  if (s.last >= 0 && s.lastLength() < s.w - 7) {
    s.line(s.last).set(std::string(s.lastLine()) + ' ' + s.strike);
  } else if (s.last + 1 < s.n) {
    s.line(s.last + 1).set(s.strike);
  }
}

void FillLastAndUnusedLines(StrikeContext& s) {
  if (s.last >= 0 && s.lastLength() < s.w - 6) {
    std::string filled(s.lastLine());
    filled.resize(static_cast<std::size_t>(s.w), s.strikeChar);
    s.line(s.last).set(filled);
  }
  s.setAfterLast(s.strikeLine);
}

using StrikeAction = void (*)(StrikeContext&);

// Indexed by StrikeMode; modes above the table strike nothing.
constexpr StrikeAction kStrikeActions[] = {
    StrikeNothing,           // 0 "ohne besondere Streichungen"
    StrikeFirstUnusedLine,   // 1 first unused line gets five strike characters
    StrikeAllUnusedLines,    // 2 every unused line gets five strike characters
    FillUnusedLines,         // 3 every unused line filled with the strike character
    AppendEndSequence,       // 4 text closed with an end sequence of five
    FillLastAndUnusedLines,  // 5 last line and every unused line filled
};

bool IsLeadingFill(QChar c) { return c == u'0' || c == u' ' || c == u'_'; }

struct SpeechProgramKey {
  platform::RegistryRoot root;
  const char* key;
};

// Tried in this order.
constexpr SpeechProgramKey kSpeechProgramKeys[] = {
    {platform::RegistryRoot::CurrentUser,
     "\\Software\\G DATA Software GmbH\\WebSpeech\\webspeech.2.0"},
    {platform::RegistryRoot::CurrentUser,
     "\\Software\\G DATA Software GmbH\\WebSpeech\\webspeech.3.0"},
    {platform::RegistryRoot::CurrentUser,
     "\\Software\\G DATA Software GmbH\\WebSpeech\\webspeech.4.0"},
    {platform::RegistryRoot::LocalMachine, "\\SOFTWARE\\G DATA\\WebSpeech"},
};

}  // namespace

void WrapText(std::string_view text, int n, TTextLines& lines, int w) {
  if (n < 1 || n > kMaxTextLines) {
    ClearLines(lines, kMaxTextLines);
    return;
  }
  ClearLines(lines, n);
  // A line holds at most 130 characters: wider fields wrap at 130, and a word
  // longer than that but within the width keeps its first 130 characters.
  const int width = w;
  w = std::min(w, kLineCapacity);

  std::size_t pos = 0;
  int line = 0;
  while (line < n && pos < text.size()) {
    const char c = text[pos];
    if (c == kCR) {
      ++line;
      ++pos;
      if (pos < text.size() && text[pos] == kLF) ++pos;  // CR LF is one line end
      continue;
    }
    if (c == kLF) {
      ++line;
      ++pos;
      if (pos < text.size() && text[pos] == kCR) ++pos;  // LF CR is one line end too
      continue;
    }
    if (static_cast<unsigned char>(c) < 32) return;  // NUL or another control ends the text

    TTextLine& cur = lines[static_cast<std::size_t>(line)];
    if (LineLength(cur) < w) {
      cur.Chars[cur.Len++] = c;
      ++pos;
      continue;
    }
    if (IsBreakChar(c)) {  // the line is full: the break character is dropped
      ++line;
      ++pos;
      continue;
    }
    // The word does not fit: it moves whole to the next line.
    std::size_t taken = 0;
    while (cur.Len > 0 && !IsBreakChar(cur.Chars[cur.Len - 1])) {
      --cur.Len;
      ++taken;
    }
    if (cur.Len == 0) {
      // The word fills the whole line.
      std::size_t end = pos;
      while (end < text.size() && static_cast<unsigned char>(text[end]) >= 32 && !IsBreakChar(text[end])) ++end;
      // Longer than the width: the rest is not placed.
      if (taken + (end - pos) > static_cast<std::size_t>(width)) return;
      cur.Len = static_cast<std::uint8_t>(taken);  // the line keeps its first 130 characters
      pos = end;
      if (pos < text.size() && IsBreakChar(text[pos])) ++pos;
      ++line;
      continue;
    }
    pos -= taken;
    ++line;
  }
}

void WrapAndStrike(std::string_view text, int n, TTextLines& lines, int w, int strikeMode,
                   std::string_view strikeChar) {
  WrapText(text, n, lines, w);
  if (n < 1 || n > kMaxTextLines) return;
  if (strikeMode < 0 || strikeMode >= static_cast<int>(std::size(kStrikeActions))) return;
  if (strikeChar.empty()) return;  // nothing to strike with

  w = std::clamp(w, 0, kLineCapacity);
  int last = -1;
  for (int i = 0; i < n; ++i)
    if (lines[static_cast<std::size_t>(i)].length() > 0) last = i;

  const char sc = strikeChar.front();
  StrikeContext context{lines,
                        n,
                        w,
                        last,
                        sc,
                        std::string(kStrikeRepeat, sc),
                        std::string(static_cast<std::size_t>(w), sc)};
  kStrikeActions[strikeMode](context);
}

bool EndsWithStrike(std::string_view line) {
  if (line.size() < 2) return false;
  const std::string_view tail = line.substr(line.size() - std::min<std::size_t>(5, line.size()));
  return tail.find("- -") != std::string_view::npos || tail.find("--") != std::string_view::npos;
}

QString DateWithoutLeadingZeros(const QString& date) {
  if (date.isEmpty()) return QString();
  QString day;
  QString rest;
  if (date.indexOf(u'.') == 1) {
    day = date.left(2);
    rest = date.mid(2);
  } else {
    day = IsLeadingFill(date[0]) ? date.mid(1, 2) : date.left(3);
    rest = date.mid(3);
  }
  if (!rest.isEmpty() && rest.indexOf(u'.') != 1 && IsLeadingFill(rest[0])) rest.remove(0, 1);
  return day + rest;
}

QString BytesToWideString(const char* a, int count) {
  if (a == nullptr || count <= 0) return QString();
  const void* nul = std::memchr(a, 0, static_cast<std::size_t>(count));
  const std::size_t n =
      nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - a) : static_cast<std::size_t>(count);
  return platform::DecodeCp1252(std::string_view(a, n));
}

void WideStringToBuffer(const QString& s, int& length, char* a, int size) {
  length = 0;
  if (size < 0) return;
  std::memset(a, 0, static_cast<std::size_t>(size) + 1);
  for (char32_t ch : s.toUcs4()) {
    if (length >= size) break;
    const int b = platform::UnicodeToCp1252(ch);
    a[length++] = b < 0 ? '?' : static_cast<char>(b);
  }
}

QString ToRecordLineEnds(const QString& editText) {
  QString out;
  out.reserve(editText.size() + editText.size() / 8);
  for (qsizetype i = 0; i < editText.size(); ++i) {
    const QChar c = editText[i];
    if (c == u'\r') {
      if (i + 1 < editText.size() && editText[i + 1] == u'\n') ++i;
      out += QStringLiteral("\r\n");
    } else if (c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
      out += QStringLiteral("\r\n");
    } else {
      out += c;
    }
  }
  return out;
}

QString ToEditLineEnds(const QString& recordText) {
  QString out;
  out.reserve(recordText.size());
  for (qsizetype i = 0; i < recordText.size(); ++i) {
    const QChar c = recordText[i];
    if (c == u'\r') {
      if (i + 1 < recordText.size() && recordText[i + 1] == u'\n') ++i;
      out += u'\n';
    } else {
      out += c;
    }
  }
  return out;
}

TCharArray256 StrToCharArray256(std::string_view s) {
  TCharArray256 a{};
  std::memcpy(a.data(), s.data(), std::min<std::size_t>(s.size(), a.size() - 1));
  return a;
}

TCharArray256 StrToCharArray256(const QString& s) {
  return StrToCharArray256(platform::EncodeCp1252(s));
}

void BrowseForFolder(int root, const QString& prompt, QString& folder) {
  const std::optional<QString> chosen = platform::ChooseFolder(root, prompt);
  if (!chosen || chosen->isEmpty()) return;
  QString path = *chosen;
  if (!path.endsWith(u'/')) path += u'/';
  folder = path;
}

bool IsSpeechProgramInstalled() {
  for (const SpeechProgramKey& k : kSpeechProgramKeys)
    if (platform::RegistryKeyExists(k.root, QString::fromLatin1(k.key))) return true;
  return false;
}

}  // namespace quorv
