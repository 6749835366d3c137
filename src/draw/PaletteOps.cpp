#include "draw/PaletteOps.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "draw/BmpReader.h"
#include "draw/ImageConvert.h"
#include "draw/SurfacePixels.h"
#include "platform/Diagnostics.h"
#include "platform/PathMapping.h"
#include "platform/TextEncoding.h"

namespace vh::draw {
namespace {

// The plain kind marks the entries the system keeps for itself.
uint8_t EntryFlags(const DrawDevice& dd, int i) {
  if (dd.Direct3D) return 255;
  return (i <= 9 || i >= 246) ? 2 : 1;
}

// A colour as a surface of the device depth would hold it.
Rgb AsDeviceShowsIt(const DrawDevice& dd, Rgb c) {
  return dd.BytesPerPixel == 2 ? UnpackRgb565(PackRgb565(c.red, c.green, c.blue)) : c;
}

}  // namespace

bool DDLoadPaletteFromFile(DrawDevice& dd, Palette& palette, std::string_view file) {
  const BmpResult bmp = LoadBmpFile(platform::MapPath(dd.dataRoot, file));
  if (!bmp.ok) {
    dd.diag.ReportError("LoadImage Err " + platform::ShiftJisToUtf8(file) + " (" + bmp.error + ")");
    return false;
  }
  const BmpImage& img = bmp.image;
  const bool fromTable =
      img.bitCount == 8 && (dd.Direct3D || dd.BytesPerPixel == 1 || img.width < 16);
  if (!fromTable && (img.width < 16 || img.height < 16)) {
    dd.diag.ReportError("DDLoadPaletteFromFile Err " + platform::ShiftJisToUtf8(file) +
                        " is smaller than 16 x 16");
    return false;
  }
  Palette loaded{};
  for (int i = 0; i < kPaletteSize; ++i) {
    Rgb c;
    if (fromTable)
      c = i < static_cast<int>(img.colorTable.size()) ? img.colorTable[i] : Rgb{};
    else
      c = AsDeviceShowsIt(dd, img.ColorAt(i % 16, i / 16));
    loaded[i] = {c.red, c.green, c.blue, EntryFlags(dd, i)};
  }
  palette = loaded;
  return true;
}

bool DDSetTransmit(DrawDevice& dd, std::string_view file) {
  const std::string shownName = platform::ShiftJisToUtf8(file);
  const BmpResult bmp = LoadBmpFile(platform::MapPath(dd.dataRoot, file));
  SurfaceDesc temp;
  if (!bmp.ok || !detail::ConvertImage(dd, bmp.image, temp)) {
    dd.diag.ReportError(shownName + " 作成失敗！");
    return false;
  }
  Rgb c;
  uint8_t index = 0;
  switch (dd.BytesPerPixel) {
    case 1:
      index = temp.Row<uint8_t>(0)[0];
      c = {dd.TruePalette[index].red, dd.TruePalette[index].green, dd.TruePalette[index].blue};
      break;
    case 2:
      c = UnpackRgb565(temp.Row<uint16_t>(0)[0]);
      // An 8-bit picture gives the exact bytes of its colour-table entry.
      if (bmp.image.bitCount == 8) c = bmp.image.ColorAt(0, 0);
      break;
    default:
      c = UnpackXrgb(temp.Row<uint32_t>(0)[0]);
      break;
  }
  detail::SetTransmitColor(dd, c.red, c.green, c.blue, index);
  char line[160];
  std::snprintf(line, sizeof line,
                "SetTrans lpDTCon->rgbTransmit.rgbtRed = %d,lpDTCon->rgbTransmit.rgbtGreen = "
                "%d,lpDTCon->rgbTransmit.rgbtBlue = %d",
                c.red, c.green, c.blue);
  dd.diag.DebugLog(line);
  std::snprintf(line, sizeof line, "SetTrans(filename) lpDTCon->wTransmit_16 = (%x)",
                dd.transmit.wTransmit_16);
  dd.diag.DebugLog(line);
  return true;
}

void DDFadePalette(Palette& out, int first, int last, int level, int red, int green, int blue,
                   const Palette& in) {
  first = std::max(first, 0);
  last = std::min(last, kPaletteSize - 1);
  level = std::clamp(level, 0, 256);
  const auto blend = [level](int c, int v) {
    return static_cast<uint8_t>((c * (256 - level) + level * v) >> 8);
  };
  for (int i = first; i <= last; ++i) {
    const PaletteEntry src = in[i];
    out[i] = {blend(red, src.red), blend(green, src.green), blend(blue, src.blue), 1};
  }
}

void DDRotatePalette(Palette& palette, int first, int last, int count, int direction,
                     const Palette& source) {
  if (&palette != &source) palette = source;
  first = std::max(first, 0);
  last = std::min(last, kPaletteSize - 1);
  const int n = last - first + 1;
  if (n <= 0 || (direction != 0 && direction != 1)) return;
  count = ((count % n) + n) % n;
  const auto begin = palette.begin() + first;
  const auto end = palette.begin() + last + 1;
  if (direction == 0)
    std::rotate(begin, end - count, end);
  else
    std::rotate(begin, begin + count, end);
}

}  // namespace vh::draw
