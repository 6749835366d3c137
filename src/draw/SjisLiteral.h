// Bitmap-font texts are Shift-JIS bytes: ASCII plus half-width katakana.
// Sjis("^ﾀｲﾄﾙ@") turns a UTF-8 literal into those bytes at compile time, so the
// code can show the texts as they read. Any other character does not compile.
#pragma once

#include <cstddef>
#include <string_view>

namespace vh::draw {

template <std::size_t N>
struct SjisText {
  char bytes[N] = {};  // NUL-terminated
  std::size_t size = 0;

  constexpr std::string_view view() const { return {bytes, size}; }
  constexpr operator std::string_view() const { return view(); }
  constexpr const char* c_str() const { return bytes; }
};

template <std::size_t N>
consteval SjisText<N> Sjis(const char (&utf8)[N]) {
  SjisText<N> out;
  std::size_t i = 0;
  while (i + 1 < N && utf8[i] != '\0') {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    if (b0 < 0x80) {
      out.bytes[out.size++] = static_cast<char>(b0);
      ++i;
      continue;
    }
    // U+FF61..U+FF9F are EF BD A1..BF and EF BE 80..9F; they become A1..DF.
    if (i + 3 >= N) throw "truncated UTF-8 sequence";
    const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
    const auto b2 = static_cast<unsigned char>(utf8[i + 2]);
    unsigned code;
    if (b0 == 0xEF && b1 == 0xBD && b2 >= 0xA1 && b2 <= 0xBF)
      code = b2;
    else if (b0 == 0xEF && b1 == 0xBE && b2 >= 0x80 && b2 <= 0x9F)
      code = b2 + 0x40;
    else
      throw "only ASCII and half-width katakana have single-byte codes";
    out.bytes[out.size++] = static_cast<char>(code);
    i += 3;
  }
  return out;
}

}  // namespace vh::draw
