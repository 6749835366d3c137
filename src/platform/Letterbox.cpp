#include "platform/Letterbox.h"

#include <algorithm>

#include "platform/Platform.h"

namespace vh::platform {

Viewport FitPicture(int outputWidth, int outputHeight) {
  Viewport v;
  const int scale = std::min(outputWidth / kPictureWidth, outputHeight / kPictureHeight);
  if (scale >= 1) {
    v.width = kPictureWidth * scale;
    v.height = kPictureHeight * scale;
  } else if (static_cast<long long>(outputWidth) * kPictureHeight <=
             static_cast<long long>(outputHeight) * kPictureWidth) {
    v.width = std::max(outputWidth, 1);
    v.height = std::max(outputWidth * kPictureHeight / kPictureWidth, 1);
  } else {
    v.height = std::max(outputHeight, 1);
    v.width = std::max(outputHeight * kPictureWidth / kPictureHeight, 1);
  }
  v.x = (outputWidth - v.width) / 2;
  v.y = (outputHeight - v.height) / 2;
  return v;
}

int ComfortableWindowScale(int usableWidth, int usableHeight) {
  // Title bar and frame of a typical desktop.
  constexpr int kDecorationWidth = 16;
  constexpr int kDecorationHeight = 64;
  const int byWidth = (usableWidth - kDecorationWidth) / kPictureWidth;
  const int byHeight = (usableHeight - kDecorationHeight) / kPictureHeight;
  return std::max(1, std::min(byWidth, byHeight));
}

PicturePoint OutputToPicture(const Viewport& viewport, int outputX, int outputY) {
  if (viewport.width <= 0 || viewport.height <= 0) return {};
  // Floor division, so positions left of or above the picture clamp to 0.
  auto map = [](int pos, int origin, int size, int pictureSize) {
    const long long offset = static_cast<long long>(pos - origin) * pictureSize;
    long long p = offset >= 0 ? offset / size : -((-offset + size - 1) / size);
    return static_cast<int>(std::clamp<long long>(p, 0, pictureSize - 1));
  };
  return {map(outputX, viewport.x, viewport.width, kPictureWidth),
          map(outputY, viewport.y, viewport.height, kPictureHeight)};
}

}  // namespace vh::platform
