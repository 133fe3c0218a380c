#pragma once
// Windows-1252 text: records and settings files hold these bytes; windows show Unicode.
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The Unicode character of one 1252 byte. Bytes without a 1252 character
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so
// decoding and encoding are exact inverses for every byte.
char16_t Cp1252ToUnicode(std::uint8_t byte);

// The 1252 byte of a character, or -1 when the code page has none.
int UnicodeToCp1252(char32_t ch);

// The first character of text that the code page lacks, or 0 when every one fits.
char32_t FirstCharWithoutCp1252(const QString& text);

// What may be typed for a character the code page lacks: the character
// without its accents ("ő" -> "o", "ı" -> "i"), a digit as 0..9 ("١" -> "1");
// empty when nothing obvious fits.
QString Cp1252StandIn(char32_t ch);

QString DecodeCp1252(std::string_view bytes);
// Characters without a 1252 byte become '?'.
std::string EncodeCp1252(const QString& text);

}  // namespace platform
