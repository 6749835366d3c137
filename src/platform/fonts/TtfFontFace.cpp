#include "platform/fonts/TtfFontFace.h"

#include <algorithm>
#include <string>

namespace vh::platform {

std::shared_ptr<TtfSession> TtfSession::Start(std::string& error) {
  if (TTF_Init() != 0) {
    error = std::string("TTF_Init: ") + TTF_GetError();
    return nullptr;
  }
  return std::shared_ptr<TtfSession>(new TtfSession());
}

TtfSession::~TtfSession() { TTF_Quit(); }

TtfFontFace::TtfFontFace(std::shared_ptr<TtfSession> session, TTF_Font* font, int pixelSize,
                         GlyphRendering rendering)
    : session_(std::move(session)), font_(font), pixelSize_(pixelSize), rendering_(rendering) {
  TTF_SetFontHinting(font_, rendering_ == GlyphRendering::Mono ? TTF_HINTING_MONO
                                                                : TTF_HINTING_NORMAL);
  TTF_SetFontKerning(font_, 0);  // fixed character cells, as the game's texts expect
}

TtfFontFace::~TtfFontFace() { TTF_CloseFont(font_); }

FaceMetrics TtfFontFace::Metrics() const {
  FaceMetrics m;
  m.ascent = TTF_FontAscent(font_);
  m.descent = -TTF_FontDescent(font_);
  m.height = TTF_FontHeight(font_);
  m.lineSkip = TTF_FontLineSkip(font_);
  return m;
}

bool TtfFontFace::HasGlyph(char32_t c) const { return TTF_GlyphIsProvided32(font_, c) != 0; }

int TtfFontFace::Advance(char32_t c) const {
  if (!HasGlyph(c)) return 0;
  int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
  if (TTF_GlyphMetrics32(font_, c, &minX, &maxX, &minY, &maxY, &advance) != 0) return 0;
  return std::max(advance, 0);
}

int TtfFontFace::MeasureLine(std::string_view utf8) const {
  if (utf8.empty()) return 0;
  const std::string text(utf8);
  int w = 0, h = 0;
  if (TTF_SizeUTF8(font_, text.c_str(), &w, &h) != 0) return 0;
  return std::max(w, 0);
}

AlphaBitmap TtfFontFace::TakeCoverage(SDL_Surface* surface, int width) const {
  AlphaBitmap out;
  out.width = std::max(width, 0);
  out.height = Metrics().height;
  out.alpha.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), 0);
  if (surface == nullptr) return out;
  if (SDL_LockSurface(surface) == 0) {
    const int w = std::min(surface->w, out.width), h = std::min(surface->h, out.height);
    const auto* base = static_cast<const uint8_t*>(surface->pixels);
    const int bytes = surface->format->BytesPerPixel;
    for (int y = 0; y < h; ++y) {
      const uint8_t* row = base + static_cast<ptrdiff_t>(y) * surface->pitch;
      for (int x = 0; x < w; ++x) {
        uint8_t a = 0;
        if (bytes == 1) {
          a = row[x] != 0 ? 255 : 0;  // one-bit render: index 0 is the background
        } else {
          Uint32 pixel = 0;
          std::copy_n(row + static_cast<ptrdiff_t>(x) * bytes, std::min(bytes, 4),
                      reinterpret_cast<uint8_t*>(&pixel));
          Uint8 r, g, b;
          SDL_GetRGBA(pixel, surface->format, &r, &g, &b, &a);
        }
        out.alpha[static_cast<size_t>(y) * out.width + x] = a;
      }
    }
    SDL_UnlockSurface(surface);
  }
  SDL_FreeSurface(surface);
  return out;
}

AlphaBitmap TtfFontFace::RenderLine(std::string_view utf8) const {
  const int width = MeasureLine(utf8);
  if (width == 0) return TakeCoverage(nullptr, 0);
  const std::string text(utf8);
  const SDL_Color ink{255, 255, 255, 255};
  SDL_Surface* s = rendering_ == GlyphRendering::Mono ? TTF_RenderUTF8_Solid(font_, text.c_str(), ink)
                                                      : TTF_RenderUTF8_Blended(font_, text.c_str(), ink);
  return TakeCoverage(s, width);
}

AlphaBitmap TtfFontFace::RenderGlyph(char32_t c) const {
  const int width = Advance(c);
  if (width == 0) return TakeCoverage(nullptr, 0);
  const SDL_Color ink{255, 255, 255, 255};
  SDL_Surface* s = rendering_ == GlyphRendering::Mono ? TTF_RenderGlyph32_Solid(font_, c, ink)
                                                      : TTF_RenderGlyph32_Blended(font_, c, ink);
  return TakeCoverage(s, width);
}

}  // namespace vh::platform
