#include "draw/SystemFont.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/Diagnostics.h"
#include "platform/TextEncoding.h"

namespace vh::draw {
namespace {

constexpr int kWorkWidth = kScreenWidth;
constexpr int kWorkHeight = kScreenHeight;

bool IsLeadByte(uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

uint8_t Blend(uint8_t under, uint8_t over, uint8_t alpha) {
  return static_cast<uint8_t>((under * (255 - alpha) + over * alpha + 127) / 255);
}

}  // namespace

SystemFontDesc MessageFontDesc() {
  SystemFontDesc d{};
  const std::string face = platform::Utf8ToShiftJis("ＭＳ ゴシック");
  std::memcpy(d.faceName, face.data(), std::min(face.size(), sizeof(d.faceName) - 1));
  d.charWidth = 0;
  d.charHeight = 16;
  d.charStep = 0;
  d.lineStep = 16;
  d.textColor = 255;
  d.auxBitmapId = 27;
  d.option = 1;
  d.secondColor = 255;
  d.secondAuxBitmapId = 0;
  d.cacheSwitch = 2;
  return d;
}

std::vector<uint16_t> SplitShiftJis(std::string_view sjis) {
  std::vector<uint16_t> codes;
  for (size_t i = 0; i < sjis.size(); ++i) {
    const auto b = static_cast<uint8_t>(sjis[i]);
    if (IsLeadByte(b) && i + 1 < sjis.size()) {
      codes.push_back(static_cast<uint16_t>(b << 8 | static_cast<uint8_t>(sjis[i + 1])));
      ++i;
    } else {
      codes.push_back(b);
    }
  }
  return codes;
}

SystemFont::SystemFont(DrawDevice& dd, const SystemFontDesc& desc,
                       std::unique_ptr<platform::FontFace> face)
    : dd_(dd), desc_(desc), face_(std::move(face)) {
  try {
    work_.assign(static_cast<size_t>(kWorkWidth) * kWorkHeight, 0);
  } catch (const std::bad_alloc&) {
    dd_.diag.ReportError("DDCreateSurface Font::Work");
    return;
  }
  if (!face_) return;
  if (desc_.cacheSwitch != 0) {
    if (desc_.charStep > 0 && desc_.lineStep > 0) {
      const int columns = dd_.Direct3D ? std::min(1024 / desc_.charStep, 32)
                                       : std::min(640 / desc_.charStep, 32);
      const int rows = dd_.Direct3D ? std::min(1024 / desc_.lineStep, 32)
                                    : std::min(480 / desc_.lineStep, 30);
      cache_ = std::make_unique<SystemFontCache>(*face_, columns, rows);
    } else {
      dd_.diag.DebugLog("※フォントクラスで文字間が未設定！");
    }
  }
  usable_ = true;
}

int SystemFont::LineWidth(std::string_view line) const {
  if (cache_) return static_cast<int>(line.size()) * desc_.charStep;
  return face_ ? face_->MeasureLine(platform::ShiftJisToUtf8(line)) : 0;
}

TextExtent SystemFont::Measure(std::string_view sjis) const {
  const auto lines = SplitLines(sjis);
  TextExtent extent;
  for (std::string_view line : lines) extent.width = std::max(extent.width, LineWidth(line));
  extent.height = static_cast<int>(lines.size()) * desc_.lineStep;
  return extent;
}

void SystemFont::PutCoverage(const platform::AlphaBitmap& glyph, int x, int y) {
  for (int gy = 0; gy < glyph.height; ++gy) {
    const int wy = y + gy;
    if (wy < 0 || wy >= kWorkHeight) continue;
    for (int gx = 0; gx < glyph.width; ++gx) {
      const int wx = x + gx;
      if (wx < 0 || wx >= kWorkWidth) continue;
      uint8_t& cell = work_[static_cast<size_t>(wy) * kWorkWidth + wx];
      cell = std::max(cell, glyph.At(gx, gy));
    }
  }
}

void SystemFont::DrawLineUncached(int top, std::string_view line) {
  if (line.empty()) return;
  PutCoverage(face_->RenderLine(platform::ShiftJisToUtf8(line)), 0, top);
}

void SystemFont::DrawLineCached(int top, std::string_view line) {
  int pen = 0;
  for (uint16_t code : SplitShiftJis(line)) {
    PutCoverage(cache_->Glyph(code), pen, top);
    pen += (code < 0x100 ? 1 : 2) * desc_.charStep;
  }
}

void SystemFont::Compose(SurfaceDesc& dst, int x, int y, int w, int h) const {
  if (!dst.Exists()) return;
  const int colour = std::clamp(desc_.textColor, 0, 255);
  const PaletteEntry& ink = dd_.TruePalette[colour];
  for (int wy = 0; wy < h; ++wy) {
    const int dy = y + wy;
    if (dy < 0 || dy >= dst.height) continue;
    for (int wx = 0; wx < w; ++wx) {
      const int dx = x + wx;
      const uint8_t a = work_[static_cast<size_t>(wy) * kWorkWidth + wx];
      if (a == 0 || dx < 0 || dx >= dst.width) continue;
      if (dst.bytesPerPixel == 1) {
        // An indexed picture cannot blend: half coverage or more takes the ink.
        if (a >= 128) dst.Row<uint8_t>(dy)[dx] = static_cast<uint8_t>(colour);
      } else if (dst.bytesPerPixel == 2) {
        uint16_t& p = dst.Row<uint16_t>(dy)[dx];
        const uint8_t r = Blend(static_cast<uint8_t>((p >> 11) * 255 / 31), ink.red, a);
        const uint8_t g = Blend(static_cast<uint8_t>(((p >> 5) & 63) * 255 / 63), ink.green, a);
        const uint8_t b = Blend(static_cast<uint8_t>((p & 31) * 255 / 31), ink.blue, a);
        p = static_cast<uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
      } else {
        uint32_t& p = dst.Row<uint32_t>(dy)[dx];
        const uint8_t r = Blend(static_cast<uint8_t>(p >> 16), ink.red, a);
        const uint8_t g = Blend(static_cast<uint8_t>(p >> 8), ink.green, a);
        const uint8_t b = Blend(static_cast<uint8_t>(p), ink.blue, a);
        p = static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | b;
      }
    }
  }
}

void SystemFont::Draw(SurfaceDesc& dst, int x, int y, std::string_view sjis) {
  if (!usable_) return;
  const TextExtent block = Measure(sjis);
  const int w = std::min(block.width, kWorkWidth), h = std::min(block.height, kWorkHeight);
  if (w <= 0 || h <= 0) return;
  for (int row = 0; row < h; ++row) {
    std::fill_n(work_.begin() + static_cast<ptrdiff_t>(row) * kWorkWidth, w, 0);
  }
  int top = 0;
  for (std::string_view line : SplitLines(sjis)) {
    if (cache_) {
      DrawLineCached(top, line);
    } else {
      DrawLineUncached(top, line);
    }
    top += desc_.lineStep;
  }
  Compose(dst, x, y, w, h);
}

std::unique_ptr<SystemFontSet> SystemFontSet::Create(DrawDevice& dd, platform::FontLibrary& library,
                                                     const std::vector<SystemFontDesc>& descs,
                                                     std::string& error) {
  if (descs.empty()) {
    error = "no system font described";
    return nullptr;
  }
  auto set = std::unique_ptr<SystemFontSet>(new SystemFontSet());
  for (const SystemFontDesc& desc : descs) {
    // The described height is the cell height; take the largest size whose
    // lines fit in it.
    const int cell = std::max(desc.charHeight, 1);
    std::unique_ptr<platform::FontFace> face;
    for (int size = cell; size >= 1; --size) {
      face = platform::OpenJapaneseGothic(library, size, platform::GlyphRendering::Smooth, error);
      if (!face || face->Metrics().height <= cell) break;
    }
    if (!face) return nullptr;
    set->fonts_.push_back(std::make_unique<SystemFont>(dd, desc, std::move(face)));
  }
  return set;
}

std::optional<std::string> SystemFontSet::ShutdownReport() const {
  for (const auto& font : fonts_) {
    if (font->Desc().charHeight == 16 && font->Cache() != nullptr) {
      char line[64];
      std::snprintf(line, sizeof line, "Font16 : %d", font->Cache()->FullWidthCount());
      return std::string(line);
    }
  }
  return std::nullopt;
}

}  // namespace vh::draw
