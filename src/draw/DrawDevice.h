// The device-wide state of the drawing layer: the chosen behaviour (the
// accelerated "Direct3D" or the plain "DirectDraw" kind), the colour depth,
// the SurfaceTable with its BitmapList, the layer surfaces, the palettes, the
// transmit colour and the fade angles. One instance lives in the application;
// every DD function takes it by reference.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "draw/BitmapList.h"
#include "draw/PaletteEntry.h"
#include "draw/SurfaceDesc.h"

namespace vh::platform {
class Diagnostics;
}

namespace vh::draw {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// The transmit (transparent) colour in every form a surface depth needs.
struct TransmitColor {
  struct {
    uint8_t rgbtRed = 0;
    uint8_t rgbtGreen = 0;
    uint8_t rgbtBlue = 0;
  } rgbTransmit;
  uint16_t wTransmit_16 = 0;   // packed RGB565
  uint32_t dwTransmit_32 = 0;  // XRGB8888
  uint8_t byTransmit_8 = 0;    // palette index, the colour key of 8-bit surfaces
};

// Four independent fade angles in degrees: one pair per back-end kind.
struct FadeState {
  double fadeInDirect3D = 0.0;
  double fadeInDirectDraw = 0.0;
  double fadeOutDirect3D = 90.0;
  double fadeOutDirectDraw = 90.0;
  bool snapshotTaken = false;  // FadeWork holds the picture of the fade under way
};

// The arguments of DDInit. Width and height are always 640 x 480 in the game.
struct DDInitParams {
  int direct3D = 0;  // 1 = accelerated-kind behaviours, 0 = plain kind
  int windowed = 1;
  int width = kScreenWidth;
  int height = kScreenHeight;
  int colorBits = 32;  // 8 (plain kind only), 16 or 32
  int vsync = 0;
  int backBufferCount = 1;
  int refreshRate = 60;
  int waitForRefresh = 0;
};

struct DrawDevice {
  DrawDevice(platform::Diagnostics& diagnostics, std::filesystem::path root);
  DrawDevice(const DrawDevice&) = delete;
  DrawDevice& operator=(const DrawDevice&) = delete;
  ~DrawDevice();

  platform::Diagnostics& diag;
  std::filesystem::path dataRoot;  // files named in Windows form are looked up below it

  bool DrawingReady = false;  // set by a successful DDInit
  int Direct3D = 0;
  int Windowed = 1;
  int ColorBits = 32;
  int BytesPerPixel = 4;
  int VSync = 0;
  int RefreshRate = 60;
  int WaitForRefresh = 0;

  std::array<SurfaceDesc, kSlotCount> SurfaceTable;
  BitmapList bitmapList;

  SurfaceDesc BackBuffer;  // the drawing target, 640 x 480
  SurfaceDesc FadeWork;    // plain kind at 16/32 bits: snapshot of the BackBuffer for fades

  Palette TruePalette{};   // the loaded colours, never changed after loading
  Palette ShownPalette{};  // what fades and colour cycling change; 8-bit pictures show it

  TransmitColor transmit;
  FadeState fade;
};

// Brings the device up: validates the depth, creates the BackBuffer and the
// fade work surface. Failures go to the debug log and return false.
bool DDInit(DrawDevice& dd, const DDInitParams& params);

// Releases every slot and the layer surfaces.
void DDRelease(DrawDevice& dd);

// Name of the back-buffer pixel format, for the report: "X8R8G8B8",
// "R5G6B5" or "P8".
const char* BackBufferFormatName(const DrawDevice& dd);

}  // namespace vh::draw
