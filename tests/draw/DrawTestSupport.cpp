#include "DrawTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>

namespace vh::draw::test {

Rgb TestColor(int i) {
  if (i == 0) return {255, 0, 255};
  return {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>((i * 8) & 0xFF)};
}

std::vector<Rgb> TestPaletteTable() {
  std::vector<Rgb> t;
  for (int i = 0; i < 256; ++i) t.push_back(TestColor(i));
  return t;
}

std::vector<uint8_t> PalettePicture(int width, int height, std::function<uint32_t(int, int)> index) {
  BmpLayout s;
  s.width = width;
  s.height = height;
  s.colorTable = TestPaletteTable();
  s.pixel = std::move(index);
  return BuildBmp(s);
}

TempDataFolder::TempDataFolder() {
  static std::atomic<int> counter{0};
  root_ = std::filesystem::temp_directory_path() /
          ("vh_draw_test_" + std::to_string(std::random_device{}()) + "_" + std::to_string(counter++));
  std::filesystem::create_directories(root_ / "bmp");
}

TempDataFolder::~TempDataFolder() {
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void TempDataFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
  WriteFile(root_ / "bmp" / name, bytes);
}

TestDevice::TestDevice(const Mode& mode) {
  data.Write("Palette.bmp", PalettePicture(16, 16, [](int x, int y) { return uint32_t(y * 16 + x); }));
  dd = std::make_unique<DrawDevice>(diag, data.root());
  DDInitParams p;
  p.direct3D = mode.direct3D;
  p.colorBits = mode.bits;
  ready = DDInit(*dd, p) && DDLoadPaletteFromFile(*dd, dd->TruePalette, "bmp\\Palette.bmp");
  dd->ShownPalette = dd->TruePalette;
  ready = ready && DDSetTransmit(*dd, "bmp\\Palette.bmp");
}

uint32_t RawColor(const DrawDevice& dd, Rgb c) {
  if (dd.BytesPerPixel == 2) return PackRgb565(c.red, c.green, c.blue);
  if (dd.BytesPerPixel == 4) return PackXrgb(c.red, c.green, c.blue);
  for (int i = 0; i < 256; ++i)
    if (dd.TruePalette[i].red == c.red && dd.TruePalette[i].green == c.green &&
        dd.TruePalette[i].blue == c.blue)
      return static_cast<uint32_t>(i);
  ADD_FAILURE() << "colour not in the palette";
  return 0;
}

uint32_t ShownColor(const DrawDevice& dd, Rgb c) {
  if (dd.BytesPerPixel == 2) c = UnpackRgb565(PackRgb565(c.red, c.green, c.blue));
  return PackXrgb(c.red, c.green, c.blue);
}

uint32_t ShownPalNum(const DrawDevice& dd, int palNum) {
  const PaletteEntry& e = dd.BytesPerPixel == 1 ? dd.ShownPalette[palNum] : dd.TruePalette[palNum];
  return ShownColor(dd, {e.red, e.green, e.blue});
}

uint32_t PixelAt(const SurfaceDesc& s, int x, int y) {
  switch (s.bytesPerPixel) {
    case 1: return s.Row<uint8_t>(y)[x];
    case 2: return s.Row<uint16_t>(y)[x];
    default: return s.Row<uint32_t>(y)[x];
  }
}

void SetPixel(SurfaceDesc& s, int x, int y, uint32_t value) {
  switch (s.bytesPerPixel) {
    case 1: s.Row<uint8_t>(y)[x] = static_cast<uint8_t>(value); break;
    case 2: s.Row<uint16_t>(y)[x] = static_cast<uint16_t>(value); break;
    default: s.Row<uint32_t>(y)[x] = value; break;
  }
}

}  // namespace vh::draw::test
