#include "draw/Blit.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "draw/SurfacePixels.h"

namespace vh::draw {
namespace {

// How destination positions along one axis map to source positions.
struct Axis {
  int dstFirst = 0;  // first destination coordinate drawn
  int count = 0;     // destination pixels drawn
  int skip = 0;      // pixels of the scaled span cut off before dstFirst
  int span = 0;      // destination length of the kept source part
  int lo = 0;        // kept source part [lo, hi)
  int hi = 0;
  bool mirror = false;

  bool Plain() const { return !mirror && span == hi - lo; }
  // Source coordinate of the k-th drawn destination pixel: the source pixel
  // under the destination pixel's centre.
  int Source(int k) const {
    const int64_t j = int64_t{skip} + k;
    const int offset = static_cast<int>((2 * j + 1) * (hi - lo) / (2 * int64_t{span}));
    return mirror ? hi - 1 - offset : lo + offset;
  }
};

// Cuts the source part to the source surface (the destination stays where it
// was asked for), scales the destination length by the kept fraction, then
// cuts the destination to its surface. False when nothing is left.
bool ClipAxis(int d, int dlen, int s, int slen, int srcSize, int dstSize, Axis& a) {
  if (dlen <= 0 || slen == 0) return false;
  a.mirror = slen < 0;
  const int64_t n = a.mirror ? -int64_t{slen} : slen;
  const int64_t first = a.mirror ? s - n : s;
  const int64_t lo = std::max<int64_t>(first, 0);
  const int64_t hi = std::min<int64_t>(first + n, srcSize);
  if (lo >= hi) return false;
  const int64_t span = dlen * (hi - lo) / n;
  const int64_t dFirst = std::max<int64_t>(d, 0);
  const int64_t dEnd = std::min<int64_t>(d + span, dstSize);
  if (span <= 0 || dFirst >= dEnd) return false;
  a.lo = static_cast<int>(lo);
  a.hi = static_cast<int>(hi);
  a.span = static_cast<int>(span);
  a.dstFirst = static_cast<int>(dFirst);
  a.count = static_cast<int>(dEnd - dFirst);
  a.skip = static_cast<int>(dFirst - d);
  return true;
}

template <class Pixel>
void CopyRow(Pixel* d, const Pixel* s, int n, bool keyed, Pixel key) {
  if (!keyed) {
    std::memcpy(d, s, sizeof(Pixel) * n);
    return;
  }
  // Written as a select so the compiler can vectorise it.
  for (int x = 0; x < n; ++x) {
    const Pixel p = s[x];
    d[x] = p == key ? d[x] : p;
  }
}

template <class Pixel>
void Copy(SurfaceDesc& dst, const SurfaceDesc& src, const Axis& ax, const Axis& ay, bool keyed,
          Pixel key) {
  if (ax.Plain()) {
    const int sx = ax.Source(0);
    for (int k = 0; k < ay.count; ++k)
      CopyRow(dst.Row<Pixel>(ay.dstFirst + k) + ax.dstFirst, src.Row<Pixel>(ay.Source(k)) + sx,
              ax.count, keyed, key);
    return;
  }
  std::vector<int> columns(ax.count);
  for (int k = 0; k < ax.count; ++k) columns[k] = ax.Source(k);
  for (int k = 0; k < ay.count; ++k) {
    Pixel* d = dst.Row<Pixel>(ay.dstFirst + k) + ax.dstFirst;
    const Pixel* s = src.Row<Pixel>(ay.Source(k));
    for (int x = 0; x < ax.count; ++x) {
      const Pixel p = s[columns[x]];
      d[x] = keyed && p == key ? d[x] : p;
    }
  }
}

}  // namespace

int DDBltEx(const DrawDevice& dd, SurfaceDesc& dst, int dx, int dy, int dw, int dh,
            const SurfaceDesc& src, int sx, int sy, int sw, int sh, int colorKey) {
  if (!dst.Exists() || !src.Exists() || dst.bytesPerPixel != src.bytesPerPixel) return 0;
  Axis ax, ay;
  if (!ClipAxis(dx, dw, sx, sw, src.width, dst.width, ax) ||
      !ClipAxis(dy, dh, sy, sh, src.height, dst.height, ay))
    return 0;
  const bool keyed = colorKey == 1 && src.colorKey == 1;
  const uint32_t key = detail::TransmitPixel(dd);
  // A copy within one surface reads from a snapshot so overlapping parts stay intact.
  SurfaceDesc snapshot;
  const SurfaceDesc& from = &dst == &src ? (snapshot = src) : src;
  detail::WithPixelType(dst.bytesPerPixel, [&](auto* type) {
    using Pixel = std::remove_pointer_t<decltype(type)>;
    Copy<Pixel>(dst, from, ax, ay, keyed, static_cast<Pixel>(key));
  });
  return 1;
}

int DDBlt(const DrawDevice& dd, SurfaceDesc& dst, int dx, int dy, int w, int h,
          const SurfaceDesc& src, int sx, int sy, int colorKey) {
  if (w <= 0 || h <= 0) return 0;
  return DDBltEx(dd, dst, dx, dy, w, h, src, sx, sy, w, h, colorKey);
}

}  // namespace vh::draw
