// A data folder in a temporary directory with a test palette, and devices
// brought up the way the application does it, in every drawing mode.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BmpBuilder.h"
#include "draw/Draw.h"
#include "platform/Diagnostics.h"

namespace vh::draw::test {

struct Mode {
  int direct3D;
  int bits;
  const char* name;
};

inline constexpr Mode kAllModes[] = {
    {0, 8, "plain8"}, {0, 16, "plain16"}, {0, 32, "plain32"}, {1, 16, "accel16"}, {1, 32, "accel32"},
};

// Entry 0 is magenta (the transmit colour of the test data); the others are
// distinct colours, also after packing to RGB565.
Rgb TestColor(int i);
std::vector<Rgb> TestPaletteTable();

// An 8-bit picture drawn with the test palette; pixel (x, y) = index(x, y).
std::vector<uint8_t> PalettePicture(int width, int height, std::function<uint32_t(int, int)> index);

class TempDataFolder {
 public:
  TempDataFolder();
  ~TempDataFolder();
  const std::filesystem::path& root() const { return root_; }
  // Writes bmp/<name> below the root.
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

 private:
  std::filesystem::path root_;
};

// A device initialised like the start-up: DDInit, palette, shown palette,
// transmit colour from bmp\Palette.bmp (written by the constructor).
struct TestDevice {
  explicit TestDevice(const Mode& mode);
  TempDataFolder data;
  platform::RecordingDiagnostics diag;
  std::unique_ptr<DrawDevice> dd;
  bool ready = false;
};

// The raw pixel value a palette colour has in the device's surfaces.
uint32_t RawColor(const DrawDevice& dd, Rgb c);
// What the composed frame shows for a colour stored at the device's depth.
uint32_t ShownColor(const DrawDevice& dd, Rgb c);
uint32_t ShownPalNum(const DrawDevice& dd, int palNum);

uint32_t PixelAt(const SurfaceDesc& s, int x, int y);
void SetPixel(SurfaceDesc& s, int x, int y, uint32_t value);

}  // namespace vh::draw::test
