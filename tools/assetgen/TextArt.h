// Display lettering for the captions, the logo and the big digits: text
// rasterised from the gothic face, fitted into a box, then drawn with palette
// shading, an outline and a shadow, so it stays crisp in 8-bit colour.
#pragma once

#include <string_view>
#include <vector>

#include "IndexedImage.h"
#include "platform/fonts/FontLibrary.h"

namespace vh::assetgen {

enum class Align { Left, Centre };

struct LetterStyle {
  std::vector<uint8_t> fill;  // palette entries from top to bottom of the letters
  uint8_t outline = 0;        // 0 = none
  int outlineWidth = 1;
  uint8_t shadow = 0;         // 0 = none; drawn one pixel right and down of the outline
  int bold = 0;               // extra stroke width in pixels
};

class Lettering {
 public:
  explicit Lettering(platform::FontLibrary& library) : library_(library) {}

  // Draws `utf8` as large as fits in the box (x, y, w, h) with the style,
  // keeping its proportions (up to `stretch` times wider). Returns false
  // (after printing why) when the face cannot be opened.
  bool Draw(IndexedImage& img, std::string_view utf8, int x, int y, int w, int h,
            const LetterStyle& style, Align align = Align::Centre, double stretch = 1.0);

 private:
  platform::FontLibrary& library_;
};

}  // namespace vh::assetgen
