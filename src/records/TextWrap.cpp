#include "records/TextWrap.h"

#include <QList>
#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

#include "platform/Cp1252.h"
#include "platform/FolderChooser.h"
#include "platform/Registry.h"

namespace quorv {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';

bool IsBreakChar(char c) { return c == ' ' || c == '-'; }

std::size_t Byte(char c) { return static_cast<unsigned char>(c); }

// Whether c, drawn at run from the line's start, ends within the limit. A
// blank always does: trailing blanks do not count.
bool GlyphFits(double run, char c, const TLineWidthLimit& limit) {
  return limit.Widths == nullptr || c == ' ' || run + limit.Widths->Reach[Byte(c)] <= limit.Available;
}

// How many characters of s fit the width limit: up to the first one whose
// glyph would end beyond it.
std::size_t FittingLength(std::string_view s, const TLineWidthLimit& limit) {
  if (limit.Widths == nullptr) return s.size();
  double run = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!GlyphFits(run, s[i], limit)) return i;
    run += limit.Widths->Advance[Byte(s[i])];
  }
  return s.size();
}

bool FitsWidth(std::string_view s, const TLineWidthLimit& limit) { return FittingLength(s, limit) == s.size(); }

std::string Fitting(std::string s, const TLineWidthLimit& limit) {
  s.resize(FittingLength(s, limit));
  return s;
}

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
  TLineWidthLimit limit;
  std::string strike;      // five strike characters (as many as fit)
  std::string strikeLine;  // w strike characters (as many as fit)

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
  const std::string closed = std::string(s.lastLine()) + ' ' + s.strike;
  if (s.last >= 0 && s.lastLength() < s.w - 7 && FitsWidth(closed, s.limit)) {
    s.line(s.last).set(closed);
  } else if (s.last + 1 < s.n) {
    s.line(s.last + 1).set(s.strike);
  }
}

void FillLastAndUnusedLines(StrikeContext& s) {
  if (s.last >= 0 && s.lastLength() < s.w - 6) {
    std::string filled(s.lastLine());
    filled.resize(static_cast<std::size_t>(s.w), s.strikeChar);
    s.line(s.last).set(Fitting(filled, s.limit));
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

namespace {

// The wrapping itself, for lines 0..maxLines-1. A line is a piece of the text:
// onLine(line, piece) is called once for every line that holds text.
// The words a reader counts (blanks and line ends part them) up to the text's end.
int WordsUpToTheEnd(std::string_view text) {
  int words = 0;
  bool inWord = false;
  for (const char c : text) {
    const bool apart = c == ' ' || c == kCR || c == kLF;
    if (!apart && static_cast<unsigned char>(c) < 32) break;
    if (!apart && !inWord) ++words;
    inWord = !apart;
  }
  return words;
}

template <typename OnLine>
TWrapMeasure WrapPieces(std::string_view text, int maxLines, int w, const TLineWidthLimit& limit, OnLine onLine) {
  TWrapMeasure measure;
  // A line holds at most 130 characters: wider fields wrap at 130, and a word
  // longer than that but within the width keeps its first 130 characters.
  const int width = w;
  w = std::min(w, kLineCapacity);

  std::size_t pos = 0;
  std::size_t start = 0;  // where the current line's piece begins
  int len = 0;            // its length
  double run = 0;         // its printed width, trailing blanks included
  int line = 0;
  auto endLine = [&] {
    if (len > 0) {
      onLine(line, text.substr(start, static_cast<std::size_t>(len)));
      measure.Lines = line + 1;
    }
    ++line;
    len = 0;
    run = 0;
  };
  auto isText = [&](std::size_t i) { return static_cast<unsigned char>(text[i]) >= 32; };
  while (line < maxLines && pos < text.size()) {
    const char c = text[pos];
    if (c == kCR || c == kLF) {
      ++pos;
      // CR LF and LF CR are one line end each.
      if (pos < text.size() && (text[pos] == kCR || text[pos] == kLF) && text[pos] != c) ++pos;
      endLine();
      continue;
    }
    if (!isText(pos)) break;  // NUL or another control ends the text

    const bool full = len >= w;
    if (!full && GlyphFits(run, c, limit)) {
      if (len == 0) start = pos;
      ++len;
      if (limit.Widths != nullptr) run += limit.Widths->Advance[Byte(c)];
      ++pos;
      continue;
    }
    if (full && IsBreakChar(c)) {  // the line is full: the break character is dropped
      ++pos;
      endLine();
      continue;
    }
    // The word does not fit: it moves whole to the next line.
    int taken = 0;
    while (len > 0 && !IsBreakChar(text[start + static_cast<std::size_t>(len) - 1])) {
      --len;
      ++taken;
    }
    if (len > 0) {
      pos -= static_cast<std::size_t>(taken);
      endLine();
      continue;
    }
    // The word fills the whole line.
    const std::size_t wordStart = pos - static_cast<std::size_t>(taken);
    std::size_t end = pos;
    while (end < text.size() && isText(end) && !IsBreakChar(text[end])) ++end;
    measure.LongWord = text.substr(wordStart, std::max<std::size_t>(end - wordStart, 1));
    // Wider than the line or longer than the width: the rest is not placed.
    if (!full || static_cast<int>(end - wordStart) > width) {
      measure.UnplacedWords = WordsUpToTheEnd(text.substr(wordStart));
      break;
    }
    len = taken;  // the line keeps its first 130 characters
    pos = end;
    if (pos < text.size() && IsBreakChar(text[pos])) ++pos;
    endLine();
  }
  if (line < maxLines && len > 0) endLine();
  return measure;
}

}  // namespace

void WrapText(std::string_view text, int n, TTextLines& lines, int w, TLineWidthLimit limit) {
  if (n < 1 || n > kMaxTextLines) {
    ClearLines(lines, kMaxTextLines);
    return;
  }
  ClearLines(lines, n);
  WrapPieces(text, n, w, limit,
             [&](int i, std::string_view piece) { lines[static_cast<std::size_t>(i)].set(piece); });
}

TWrapMeasure MeasureWrappedText(std::string_view text, int w, TLineWidthLimit limit) {
  return WrapPieces(text, std::numeric_limits<int>::max(), w, limit, [](int, std::string_view) {});
}

void WrapAndStrike(std::string_view text, int n, TTextLines& lines, int w, int strikeMode,
                   std::string_view strikeChar, TLineWidthLimit limit) {
  WrapText(text, n, lines, w, limit);
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
                        limit,
                        Fitting(std::string(kStrikeRepeat, sc), limit),
                        Fitting(std::string(static_cast<std::size_t>(w), sc), limit)};
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
