#include "platform/Cp1252.h"

#include <QList>
#include <array>

namespace platform {
namespace {

constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t Cp1252ToUnicode(std::uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

int UnicodeToCp1252(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<int>(ch);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == ch) return static_cast<int>(0x80 + i);
  return -1;
}

char32_t FirstCharWithoutCp1252(const QString& text) {
  for (char32_t ch : text.toUcs4())
    if (UnicodeToCp1252(ch) < 0) return ch;
  return 0;
}

QString Cp1252StandIn(char32_t ch) {
  // Letters and dashes that no decomposition takes apart.
  static constexpr struct {
    char32_t ch;
    char text;
  } kPlain[] = {{0x0131, 'i'}, {0x0110, 'D'}, {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'}, {0x0141, 'L'},
                {0x0142, 'l'}, {0x0166, 'T'}, {0x0167, 't'}, {0x2010, '-'}, {0x2011, '-'}, {0x2012, '-'},
                {0x2212, '-'}};
  for (const auto& p : kPlain)
    if (p.ch == ch) return QString(QLatin1Char(p.text));
  // Digits of other scripts ("١", "５").
  if (const int digit = QChar::digitValue(ch); digit >= 0) return QString::number(digit);
  QString out;
  for (char32_t part : QString::fromUcs4(&ch, 1).normalized(QString::NormalizationForm_KD).toUcs4()) {
    if (QChar::category(part) == QChar::Mark_NonSpacing) continue;  // the accents
    if (UnicodeToCp1252(part) < 0) return QString();
    out += QString::fromUcs4(&part, 1);
  }
  return out;
}

QString DecodeCp1252(std::string_view bytes) {
  QString out;
  out.resize(static_cast<qsizetype>(bytes.size()));
  QChar* data = out.data();
  for (std::size_t i = 0; i < bytes.size(); ++i)
    data[i] = QChar(Cp1252ToUnicode(static_cast<std::uint8_t>(bytes[i])));
  return out;
}

std::string EncodeCp1252(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (char32_t ch : text.toUcs4()) {
    const int b = UnicodeToCp1252(ch);
    out.push_back(b < 0 ? '?' : static_cast<char>(b));
  }
  return out;
}

}  // namespace platform
