// Glyph caches of a system font: one glyph per single-byte code, and a grid
// of full-width glyphs that is filled with the common characters up front and
// takes new ones as texts need them. Glyphs are kept as coverage, so drawing
// a cached glyph never calls the rasteriser.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/fonts/AlphaBitmap.h"
#include "platform/fonts/FontFace.h"

namespace vh::draw {

class SystemFontCache {
 public:
  // `columns` x `rows` is the grid the device lays the full-width glyphs out
  // in; the cache keeps growing past it when texts need more glyphs.
  SystemFontCache(const platform::FontFace& face, int columns, int rows);

  // The coverage of a Shift-JIS character: a single byte (0x00..0xFF) or a
  // double-byte code (lead << 8 | trail). Missing full-width glyphs are
  // rendered and added.
  const platform::AlphaBitmap& Glyph(uint16_t code);

  int FullWidthCount() const { return static_cast<int>(fullOrder_.size()); }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  // Number of full-width glyphs rendered after creation.
  int RenderedOnDemand() const { return renderedOnDemand_; }

 private:
  void AddFullWidth(uint16_t code);

  const platform::FontFace& face_;
  int columns_;
  int rows_;
  std::vector<platform::AlphaBitmap> half_;  // 256, by byte code
  std::vector<platform::AlphaBitmap> fullCells_;  // in grid order
  std::vector<uint16_t> fullOrder_;               // code of each cell
  std::map<uint16_t, size_t> fullIndex_;          // code -> first cell holding it
  int renderedOnDemand_ = 0;
};

// The 256 characters (Shift-JIS codes) the full-width cache starts with.
std::vector<uint16_t> InitialFullWidthCodes();

}  // namespace vh::draw
