// System-font text: Shift-JIS texts of any content (messages, names) drawn
// with a gothic face through the font rasteriser, measured as a block of
// lines. Built at start-up from the font descriptions, released at shutdown.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "draw/DrawDevice.h"
#include "draw/SystemFontCache.h"
#include "draw/SystemFontDesc.h"
#include "platform/fonts/FontFace.h"
#include "platform/fonts/FontLibrary.h"

namespace vh::draw {

struct TextExtent {
  int width = 0;
  int height = 0;
};

class SystemFont {
 public:
  // Takes the face the font draws with. Problems go to the device's report
  // and debug log as the font set describes; a font whose work area cannot
  // be made is not usable and draws nothing.
  SystemFont(DrawDevice& dd, const SystemFontDesc& desc, std::unique_ptr<platform::FontFace> face);

  bool Usable() const { return usable_; }
  const SystemFontDesc& Desc() const { return desc_; }
  // Null when the font draws without caches.
  const SystemFontCache* Cache() const { return cache_.get(); }

  // The block a text takes: the widest line, and the number of lines (split
  // at line feeds) times the line step.
  TextExtent Measure(std::string_view sjis) const;

  // Draws the text with its top-left corner at (x, y), line by line, in the
  // font's colour over what is already there.
  void Draw(SurfaceDesc& dst, int x, int y, std::string_view sjis);

 private:
  int LineWidth(std::string_view line) const;
  void DrawLineUncached(int top, std::string_view line);
  void DrawLineCached(int top, std::string_view line);
  void PutCoverage(const platform::AlphaBitmap& glyph, int x, int y);
  void Compose(SurfaceDesc& dst, int x, int y, int w, int h) const;

  DrawDevice& dd_;
  SystemFontDesc desc_;
  std::unique_ptr<platform::FontFace> face_;
  std::unique_ptr<SystemFontCache> cache_;
  std::vector<uint8_t> work_;  // 640 x 480 coverage the lines are rendered into
  bool usable_ = false;
};

// The fonts of the game, one per description (the game has one: the message font).
class SystemFontSet {
 public:
  // Opens the Japanese gothic face for each description. Returns null with a
  // reason when no such face can be opened.
  static std::unique_ptr<SystemFontSet> Create(DrawDevice& dd, platform::FontLibrary& library,
                                               const std::vector<SystemFontDesc>& descs,
                                               std::string& error);

  SystemFont& Message() { return *fonts_.front(); }
  SystemFont& At(size_t i) { return *fonts_.at(i); }
  size_t Count() const { return fonts_.size(); }

  // The shutdown line "Font16 : %d" with the number of cached full-width
  // glyphs, when the 16-pixel font has a cache.
  std::optional<std::string> ShutdownReport() const;

 private:
  std::vector<std::unique_ptr<SystemFont>> fonts_;
};

// Splits a Shift-JIS text into its characters: single bytes, or lead << 8 | trail.
std::vector<uint16_t> SplitShiftJis(std::string_view sjis);

}  // namespace vh::draw
