// Texts of the system are Shift-JIS bytes: ASCII plus half-width katakana, with
// "^" and "@" switching the bitmap font. SjisLabel holds one such short text in
// a fixed buffer so that whole tables of labels and value names can be built at
// compile time from UTF-8 literals that read like the texts themselves.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vh::stage {

struct SjisLabel {
  static constexpr std::size_t kCapacity = 32;
  std::array<char, kCapacity> bytes{};
  std::size_t size = 0;

  constexpr std::string_view view() const { return {bytes.data(), size}; }
  constexpr bool empty() const { return size == 0; }

  constexpr void PushByte(unsigned char b) {
    if (size + 1 >= kCapacity) throw "label too long";
    bytes[size++] = static_cast<char>(b);
  }

  // Appends a UTF-8 text made of ASCII and U+FF61..U+FF9F (half-width katakana),
  // which map to single bytes 0xA1..0xDF. Anything else fails to compile when
  // evaluated at compile time.
  constexpr SjisLabel& Append(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
      const auto b0 = static_cast<unsigned char>(utf8[i]);
      if (b0 < 0x80) {
        PushByte(b0);
        ++i;
        continue;
      }
      if (i + 2 >= utf8.size()) throw "truncated UTF-8 sequence";
      const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
      const auto b2 = static_cast<unsigned char>(utf8[i + 2]);
      if (b0 == 0xEF && b1 == 0xBD && b2 >= 0xA1 && b2 <= 0xBF)
        PushByte(b2);
      else if (b0 == 0xEF && b1 == 0xBE && b2 >= 0x80 && b2 <= 0x9F)
        PushByte(static_cast<unsigned char>(b2 + 0x40));
      else
        throw "only ASCII and half-width katakana have single-byte codes";
      i += 3;
    }
    return *this;
  }

  constexpr SjisLabel& AppendNumber(int value) {
    if (value < 0) {
      PushByte('-');
      value = -value;
    }
    char digits[12] = {};
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value > 0);
    while (count > 0) PushByte(static_cast<unsigned char>(digits[--count]));
    return *this;
  }
};

constexpr SjisLabel Sjis(std::string_view utf8) {
  SjisLabel label;
  label.Append(utf8);
  return label;
}

}  // namespace vh::stage
