// Picture loading as the game does it, on any bytes: the palette, the
// transmit colour and a mirrored sprite sheet at 8, 16 and 32 bits. A picture
// the reader accepts must load everywhere; one it refuses must fail cleanly
// with the load message and leave the slot empty.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <span>

#include "draw/Draw.h"
#include "platform/Diagnostics.h"

namespace {

struct Folder {
  std::filesystem::path root = std::filesystem::temp_directory_path() /
                               ("vh_fuzz_bitmap_" + std::to_string(std::random_device{}()));
  Folder() { std::filesystem::create_directories(root / "bmp"); }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }
};

void Write(const std::filesystem::path& file, const uint8_t* data, size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Folder folder;
  Write(folder.root / "bmp" / "Palette.bmp", data, size);
  Write(folder.root / "bmp" / "Character1.bmp", data, size);
  const vh::draw::BmpResult decoded = vh::draw::DecodeBmp(std::span(data, size));

  for (const int bits : {8, 16, 32}) {
    vh::platform::RecordingDiagnostics diag;
    vh::draw::DrawDevice dd(diag, folder.root);
    vh::draw::DDInitParams params;
    params.direct3D = 0;
    params.colorBits = bits;
    params.width = 64;  // a small screen keeps each run fast
    params.height = 48;
    if (!vh::draw::DDInit(dd, params)) __builtin_trap();
    vh::draw::DDLoadPaletteFromFile(dd, dd.TruePalette, "bmp\\Palette.bmp");
    const bool keyed = vh::draw::DDSetTransmit(dd, "bmp\\Palette.bmp");
    const bool loaded = vh::draw::DDCreateSurfaceFromBitmapList(dd, {6, 7});
    if (keyed != decoded.ok || loaded != decoded.ok) __builtin_trap();
    const vh::draw::SurfaceDesc& sheet = dd.SurfaceTable[7];
    if (loaded) {
      if (sheet.width != decoded.image.width || sheet.height != decoded.image.height) __builtin_trap();
      vh::draw::DDBltEx(dd, dd.BackBuffer, -7, -5, 64, 64, sheet, 3, 2, -32, 32, 1);
    } else if (sheet.Exists() || diag.errorBoxes.size() != 1) {
      __builtin_trap();
    }
  }
  return 0;
}
