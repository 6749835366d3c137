#include "draw/SystemFontCache.h"

#include <string>

#include "platform/TextEncoding.h"

namespace vh::draw {
namespace {

// In this order, as the cache is laid out (the list holds ト twice).
constexpr const char* kInitialFullWidth =
    "０１２３４５６７８９ー～、。．！？「」（）・…※→↑↓←＋－＝○●×"
    "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"
    "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ"
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
    "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅぇぉっゃゅょ"
    "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン"
    "ガギグゲゴザジズゼゾダヂヅデトバビブベボヴパピプペポァィゥェォッャュョ"
    "□■☆★％＆＜＞：";

std::string CodeBytes(uint16_t code) {
  if (code < 0x100) return std::string(1, static_cast<char>(code));
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

}  // namespace

std::vector<uint16_t> InitialFullWidthCodes() {
  const std::string sjis = platform::Utf8ToShiftJis(kInitialFullWidth);
  std::vector<uint16_t> codes;
  for (size_t i = 0; i + 1 < sjis.size(); i += 2) {
    codes.push_back(static_cast<uint16_t>(static_cast<uint8_t>(sjis[i]) << 8 |
                                          static_cast<uint8_t>(sjis[i + 1])));
  }
  return codes;
}

SystemFontCache::SystemFontCache(const platform::FontFace& face, int columns, int rows)
    : face_(face), columns_(columns), rows_(rows) {
  half_.reserve(256);
  for (int code = 0; code < 256; ++code) {
    const bool printable = (code >= 0x20 && code < 0x7F) || (code >= 0xA1 && code <= 0xDF);
    half_.push_back(printable ? face_.RenderLine(platform::ShiftJisToUtf8(CodeBytes(code)))
                              : platform::AlphaBitmap{});
  }
  for (uint16_t code : InitialFullWidthCodes()) AddFullWidth(code);
}

void SystemFontCache::AddFullWidth(uint16_t code) {
  fullCells_.push_back(face_.RenderLine(platform::ShiftJisToUtf8(CodeBytes(code))));
  fullOrder_.push_back(code);
  fullIndex_.emplace(code, fullCells_.size() - 1);
}

const platform::AlphaBitmap& SystemFontCache::Glyph(uint16_t code) {
  if (code < 0x100) return half_[code];
  auto it = fullIndex_.find(code);
  if (it == fullIndex_.end()) {
    AddFullWidth(code);
    ++renderedOnDemand_;
    it = fullIndex_.find(code);
  }
  return fullCells_[it->second];
}

}  // namespace vh::draw
