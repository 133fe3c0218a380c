#pragma once
// Byte-image building blocks for the binary records: little-endian integers
// that hold their bytes, length-prefixed short strings and NUL-terminated
// character arrays. All have alignment 1, so a struct of them is its file image.
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/Cp1252.h"

namespace platform {

inline std::uint16_t ReadLeU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t ReadLeU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void WriteLeU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void WriteLeU32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct LeU16 {
  std::uint8_t b[2];
  operator std::uint16_t() const { return ReadLeU16(b); }
  LeU16& operator=(std::uint16_t v) { WriteLeU16(b, v); return *this; }
};

struct LeI16 {
  std::uint8_t b[2];
  operator std::int16_t() const { return static_cast<std::int16_t>(ReadLeU16(b)); }
  LeI16& operator=(std::int16_t v) { WriteLeU16(b, static_cast<std::uint16_t>(v)); return *this; }
};

struct LeI32 {
  std::uint8_t b[4];
  operator std::int32_t() const { return static_cast<std::int32_t>(ReadLeU32(b)); }
  LeI32& operator=(std::int32_t v) { WriteLeU32(b, static_cast<std::uint32_t>(v)); return *this; }
};

static_assert(sizeof(LeU16) == 2 && alignof(LeU16) == 1);
static_assert(sizeof(LeI32) == 4 && alignof(LeI32) == 1);

// string[N]: a length byte and N character bytes (1252). A length byte above N
// counts as N; writing cuts to N and leaves the bytes behind the text as they stand.
template <int N>
struct ShortString {
  std::uint8_t Len;
  char Chars[N];

  static constexpr int Capacity = N;

  int length() const { return std::min<int>(Len, N); }
  std::string_view bytes() const { return std::string_view(Chars, static_cast<std::size_t>(length())); }
  std::string str() const { return std::string(bytes()); }
  void set(std::string_view s) {
    const int n = std::min<int>(static_cast<int>(s.size()), N);
    if (n > 0) std::memcpy(Chars, s.data(), static_cast<std::size_t>(n));
    Len = static_cast<std::uint8_t>(n);
  }
  QString text() const { return DecodeCp1252(bytes()); }
  void setText(const QString& t) { set(EncodeCp1252(t)); }
  bool operator==(std::string_view s) const { return bytes() == s; }
  // Clamps a length byte read from a file to the capacity.
  void clampLength() { if (Len > N) Len = N; }
};

// char[N]: NUL-terminated, zero-filled behind the text; a text without NUL
// ends at the capacity.
template <int N>
struct CharArray {
  char Chars[N];

  static constexpr int Capacity = N;

  std::string_view bytes() const {
    const void* nul = std::memchr(Chars, 0, N);
    const std::size_t n = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - Chars) : N;
    return std::string_view(Chars, n);
  }
  std::string str() const { return std::string(bytes()); }
  // Zero-fills the array and stores at most N-1 bytes.
  void set(std::string_view s) {
    std::memset(Chars, 0, N);
    std::memcpy(Chars, s.data(), std::min<std::size_t>(s.size(), N - 1));
  }
  QString text() const { return DecodeCp1252(bytes()); }
  void setText(const QString& t) { set(EncodeCp1252(t)); }
  bool operator==(std::string_view s) const { return bytes() == s; }
};

}  // namespace platform
