#pragma once
// Wrapping of the long record texts into the lines of a form field, with the
// strike-out of unused lines, and the small text services around it.
#include <QString>
#include <array>
#include <string_view>

#include "platform/BinIO.h"

namespace quorv {

constexpr int kMaxTextLines = 25;   // a form field holds 1..25 lines
constexpr int kLineCapacity = 130;  // characters per line; appends stop there
constexpr int kStrikeRepeat = 5;    // the strike string is five strike characters

using TTextLine = platform::ShortString<kLineCapacity>;
using TTextLines = std::array<TTextLine, kMaxTextLines>;

// Strike modes (the print options' StrikeMode).
enum TStrikeMode : int {
  StrikeNone = 0,
  StrikeFirstUnused = 1,
  StrikeAllUnused = 2,
  StrikeFillLines = 3,
  StrikeEndSequence = 4,
  StrikeFillAll = 5,  // only a settings file can hold it
};

// The printed widths of the Windows-1252 characters in one font, 0.1 mm:
// Advance places the next character (character spacing included), Reach is
// where the character's glyph ends when it is the last one of a line.
struct TCharWidths {
  std::array<double, 256> Advance{};
  std::array<double, 256> Reach{};
};

// The second limit to a line besides its characters: its printed width from
// the line's start, trailing blanks left out, within Available (0.1 mm).
// Without Widths the lines are limited by their characters alone.
struct TLineWidthLimit {
  const TCharWidths* Widths = nullptr;
  double Available = 0;
};

// Wraps text into lines 0..n-1 of at most w characters (and at most 130). The
// text ends at its end, at a NUL or at any other character below 32 except CR
// and LF. CR, LF, CR LF and LF CR each end a line. Words move whole to the
// next line; a word longer than w stops the wrapping, the lines before it keep
// their text; a word longer than 130 characters but not than w keeps its first
// 130. With a width limit a line also ends before the word that would pass
// it, and a word wider than a whole line stops the wrapping. n outside 1..25
// empties all lines.
void WrapText(std::string_view text, int n, TTextLines& lines, int w, TLineWidthLimit limit = {});

// How WrapText places a text at width w when the lines do not run out.
struct TWrapMeasure {
  int Lines = 0;  // up to the last line that holds text
  // A word longer or wider than a line: the wrapping stops there (or, above
  // 130 characters within the width, the word loses its end). Empty when none.
  std::string_view LongWord;
  // The words of the text, that one first, that the stop leaves unprinted.
  int UnplacedWords = 0;
};
TWrapMeasure MeasureWrappedText(std::string_view text, int w, TLineWidthLimit limit = {});

// WrapText, then strikes out the lines the text leaves unused by strikeMode with
// strikeChar (its first character; empty strikes with nothing). With a width
// limit the strikes stay within it too.
void WrapAndStrike(std::string_view text, int n, TTextLines& lines, int w, int strikeMode,
                   std::string_view strikeChar, TLineWidthLimit limit = {});

template <int N>
void WrapAndStrike(const platform::CharArray<N>& text, int n, TTextLines& lines, int w,
                   int strikeMode, std::string_view strikeChar, TLineWidthLimit limit = {}) {
  WrapAndStrike(text.bytes(), n, lines, w, strikeMode, strikeChar, limit);
}

// True when the last five characters of line contain "- -" or "--"; false for
// lines of fewer than two characters.
bool EndsWithStrike(std::string_view line);

// "05.03.1998" -> "5.3.1998": drops a leading "0", blank or "_" of day and month.
QString DateWithoutLeadingZeros(const QString& date);

// The text of a[0..count-1] up to the first NUL, decoded from Windows-1252.
QString BytesToWideString(const char* a, int count);

// Zero-fills a[0..size] (size + 1 bytes) and stores at most size characters of
// s as Windows-1252 bytes ('?' for characters the code page lacks); length :=
// the number stored. Exact inverse of BytesToWideString for 1252 texts.
void WideStringToBuffer(const QString& s, int& length, char* a, int size);

template <int N>
int WideStringToBuffer(const QString& s, platform::CharArray<N>& a) {
  int length = 0;
  WideStringToBuffer(s, length, a.Chars, N - 1);
  return length;
}

// Line ends between a text edit (LF, or Unicode line/paragraph separators) and
// the record texts (CR LF).
QString ToRecordLineEnds(const QString& editText);
QString ToEditLineEnds(const QString& recordText);

// A text edit's text stored into a record text, and the record text for
// showing in a text edit. Returns the number of characters stored.
template <int N>
int StoreEditText(const QString& editText, platform::CharArray<N>& a) {
  return WideStringToBuffer(ToRecordLineEnds(editText), a);
}

template <int N>
QString LoadEditText(const platform::CharArray<N>& a) {
  return ToEditLineEnds(BytesToWideString(a.Chars, N));
}

using TCharArray256 = std::array<char, 256>;

// At most 255 characters of s, zero behind them.
TCharArray256 StrToCharArray256(std::string_view s);  // s in Windows-1252
TCharArray256 StrToCharArray256(const QString& s);

// The folder dialog rooted at the special folder root (17: the drives) with
// prompt as its title. On OK folder := the chosen path ending in '/'; on
// Cancel or failure folder keeps its value.
void BrowseForFolder(int root, const QString& prompt, QString& folder);

// True when a registry key of the read-aloud program WebSpeech exists.
bool IsSpeechProgramInstalled();

}  // namespace quorv
