// A picture the drawing layer draws to or from: a slot of the SurfaceTable,
// the BackBuffer or a work surface. The pixels are ours, in the device's
// colour depth: 1 byte (palette index), 2 bytes (RGB565) or 4 bytes (XRGB8888).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vh::draw {

// Surfaces larger than this are refused, so a damaged picture or a huge
// requested size cannot take all memory.
inline constexpr int kMaxSurfaceSide = 16384;
inline constexpr int64_t kMaxSurfacePixels = int64_t{1} << 25;

struct SurfaceDesc {
  std::string szSurfaceType;  // "OffScreen", "OffScreenFromFile", "BackBuffer", "FadeWork"
  std::string szFileName;     // the file it was loaded from; "E" for an empty surface
  int width = 0;
  int height = 0;
  int textureWidth = 0;  // allocated size; always the image size here
  int textureHeight = 0;
  int inSystemMemory = 0;
  int memoryType = 0;
  int mirrorCellWidth = 0;  // 0, or the width of cells mirrored one by one
  int mirrorCellHeight = 0;
  int baseSlot = -1;  // for variant slots: the slot holding the same picture unmirrored
  int colorKey = 0;   // 1 = pixels of the transmit colour are transparent when asked
  int bytesPerPixel = 0;  // 0 = the slot holds no surface
  int pitch = 0;          // bytes per row
  std::vector<uint8_t> pixels;

  bool Exists() const { return bytesPerPixel != 0; }

  template <class Pixel>
  Pixel* Row(int y) {
    return reinterpret_cast<Pixel*>(pixels.data() + static_cast<size_t>(y) * pitch);
  }
  template <class Pixel>
  const Pixel* Row(int y) const {
    return reinterpret_cast<const Pixel*>(pixels.data() + static_cast<size_t>(y) * pitch);
  }
};

}  // namespace vh::draw
