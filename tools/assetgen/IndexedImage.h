// An 8-bit picture of palette numbers, with the few drawing operations the
// picture generators need. Every operation clips to the picture.
#pragma once

#include <cstdint>
#include <vector>

namespace vh::assetgen {

class IndexedImage {
 public:
  IndexedImage(int width, int height, uint8_t fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<uint8_t>& Pixels() const { return pixels_; }

  // Outside the picture reads as palette number 0.
  uint8_t At(int x, int y) const;
  void Set(int x, int y, uint8_t colour);

  void FillRect(int x, int y, int w, int h, uint8_t colour);
  void FrameRect(int x, int y, int w, int h, uint8_t colour);
  void Line(int x0, int y0, int x1, int y1, uint8_t colour);
  // Ellipse inscribed in the rectangle (x, y, w, h).
  void FillEllipse(int x, int y, int w, int h, uint8_t colour);
  // Copies a w x h block of `src`; with `keyed`, palette number 0 is skipped.
  void Blit(const IndexedImage& src, int sx, int sy, int w, int h, int dx, int dy, bool keyed);
  // Replaces every `from` inside the rectangle by `to`.
  void Recolour(int x, int y, int w, int h, uint8_t from, uint8_t to);

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  int width_;
  int height_;
  std::vector<uint8_t> pixels_;
};

}  // namespace vh::assetgen
