// One TrueType/OpenType face at one pixel size: measures and rasterises text
// into coverage bitmaps. Works without a window.
#pragma once

#include <memory>
#include <string_view>

#include "platform/fonts/AlphaBitmap.h"

namespace vh::platform {

// Smooth: anti-aliased coverage. Mono: hinted for one-bit output, every pixel
// 0 or 255 (crisp small pixel fonts).
enum class GlyphRendering { Smooth, Mono };

struct FaceMetrics {
  int ascent = 0;    // pixels above the baseline
  int descent = 0;   // pixels below the baseline (positive)
  int height = 0;    // ascent + descent: the height of every rendered line
  int lineSkip = 0;  // the face's recommended distance between baselines
};

class FontFace {
 public:
  virtual ~FontFace() = default;

  virtual int PixelSize() const = 0;
  virtual FaceMetrics Metrics() const = 0;
  virtual bool HasGlyph(char32_t c) const = 0;
  // Horizontal advance of one character in pixels; 0 when the face lacks it.
  virtual int Advance(char32_t c) const = 0;
  // Width in pixels of one line of UTF-8 text (no line breaks).
  virtual int MeasureLine(std::string_view utf8) const = 0;
  // One line of UTF-8 text: MeasureLine wide, Metrics().height high, with the
  // baseline at Metrics().ascent. Empty text gives a 0-wide bitmap.
  virtual AlphaBitmap RenderLine(std::string_view utf8) const = 0;
  // One character: Advance(c) wide, Metrics().height high.
  virtual AlphaBitmap RenderGlyph(char32_t c) const = 0;
};

}  // namespace vh::platform
