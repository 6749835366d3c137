// The description a system font is built from (296 bytes, as the font set
// stores it), and the one description the game uses: a 16-pixel gothic font
// for messages and names.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vh::draw {

struct SystemFontDesc {
  char faceName[256];     // Shift-JIS face name; any gothic face stands in for it
  int32_t charWidth;      // 0 = the face's own width
  int32_t charHeight;     // cell height in pixels
  int32_t charStep;       // advance of a half-width glyph in the caches; 0 = not set
  int32_t lineStep;       // distance between lines
  int32_t textColor;      // palette number
  int32_t auxBitmapId;    // bitmap id of an auxiliary surface
  int32_t option;
  int32_t secondColor;    // palette number
  int32_t secondAuxBitmapId;
  int32_t cacheSwitch;    // 0 = no glyph caches
};
static_assert(sizeof(SystemFontDesc) == 296);
static_assert(offsetof(SystemFontDesc, charWidth) == 256);
static_assert(offsetof(SystemFontDesc, lineStep) == 268);
static_assert(offsetof(SystemFontDesc, cacheSwitch) == 292);

// "ＭＳ ゴシック", 16 pixels high, line step 16, white (255), caches asked
// for (switch 2) but no character step, so the font draws without caches.
SystemFontDesc MessageFontDesc();

}  // namespace vh::draw
