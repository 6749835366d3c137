// FontFace over SDL_ttf (internal to the fonts library).
#pragma once

#include <SDL_ttf.h>

#include <memory>
#include <string>

#include "platform/fonts/FontFace.h"

namespace vh::platform {

// Holds the rasteriser open (TTF_Init/TTF_Quit are counted) while any library
// or face still uses it.
class TtfSession {
 public:
  static std::shared_ptr<TtfSession> Start(std::string& error);
  ~TtfSession();
  TtfSession(const TtfSession&) = delete;
  TtfSession& operator=(const TtfSession&) = delete;

 private:
  TtfSession() = default;
};

class TtfFontFace final : public FontFace {
 public:
  TtfFontFace(std::shared_ptr<TtfSession> session, TTF_Font* font, int pixelSize,
              GlyphRendering rendering);
  ~TtfFontFace() override;
  TtfFontFace(const TtfFontFace&) = delete;
  TtfFontFace& operator=(const TtfFontFace&) = delete;

  int PixelSize() const override { return pixelSize_; }
  FaceMetrics Metrics() const override;
  bool HasGlyph(char32_t c) const override;
  int Advance(char32_t c) const override;
  int MeasureLine(std::string_view utf8) const override;
  AlphaBitmap RenderLine(std::string_view utf8) const override;
  AlphaBitmap RenderGlyph(char32_t c) const override;

 private:
  // Copies the coverage of a rendered surface into a width x Metrics().height
  // bitmap (cropping or padding), then frees the surface.
  AlphaBitmap TakeCoverage(SDL_Surface* surface, int width) const;

  std::shared_ptr<TtfSession> session_;  // declared first: released last
  TTF_Font* font_;
  int pixelSize_;
  GlyphRendering rendering_;
};

}  // namespace vh::platform
