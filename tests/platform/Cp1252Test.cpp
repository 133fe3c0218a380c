#include <gtest/gtest.h>

#include "platform/BinIO.h"
#include "platform/Cp1252.h"

using namespace platform;

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(EncodeCp1252(DecodeCp1252(all)), all);
}

TEST(Cp1252, TypographicCharactersMapToTheirBytes) {
  struct Case {
    const char* utf8;
    std::string bytes;
  };
  const Case cases[] = {
      {"€", "\x80"},   {"„", "\x84"},   {"“", "\x93"},   {"”", "\x94"}, {"–", "\x96"},
      {"—", "\x97"},   {"ä", "\xE4"},   {"Ö", "\xD6"},   {"ß", "\xDF"}, {"…", "\x85"},
      {"Müller–Lüdenscheidt „gut“", "M\xFCller\x96L\xFC" "denscheidt \x84gut\x93"},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf8(c.utf8);
    EXPECT_EQ(EncodeCp1252(text), c.bytes) << c.utf8;
    EXPECT_EQ(DecodeCp1252(c.bytes), text) << c.utf8;
  }
}

TEST(Cp1252, CharactersWithoutByteBecomeQuestionMarks) {
  EXPECT_EQ(EncodeCp1252(QString::fromUtf8("a\u0101b\u4e2dc")), "a?b?c");
  // A character outside the basic plane is one '?', not two.
  EXPECT_EQ(EncodeCp1252(QString::fromUtf8("x\U0001F600y")), "x?y");
}

TEST(ShortString, LengthAboveCapacityIsClamped) {
  ShortString<5> s;
  std::memcpy(s.Chars, "abcde", 5);
  s.Len = 200;
  EXPECT_EQ(s.bytes(), "abcde");
  s.clampLength();
  EXPECT_EQ(s.Len, 5);
}

TEST(ShortString, WritingCutsAndKeepsBytesBehind) {
  ShortString<5> s;
  s.set("abcde");
  s.set("xy");
  EXPECT_EQ(s.Len, 2);
  EXPECT_EQ(std::string(s.Chars, 5), "xycde");
  s.set("0123456789");
  EXPECT_EQ(s.bytes(), "01234");
}

TEST(CharArray, TextWithoutNulEndsAtCapacity) {
  CharArray<4> a;
  std::memcpy(a.Chars, "wxyz", 4);
  EXPECT_EQ(a.bytes(), "wxyz");
  a.set("abcdef");  // keeps room for the NUL
  EXPECT_EQ(std::string(a.Chars, 4), std::string("abc\0", 4));
}

TEST(LittleEndian, IntegersAreStoredLowByteFirst) {
  LeI32 v;
  v = -2;
  EXPECT_EQ(v.b[0], 0xFE);
  EXPECT_EQ(v.b[3], 0xFF);
  EXPECT_EQ(static_cast<std::int32_t>(v), -2);
  LeU16 w;
  w = 0x1234;
  EXPECT_EQ(w.b[0], 0x34);
  EXPECT_EQ(w.b[1], 0x12);
}
