// vormholt-cli bitmap: loads a picture the way the game does (converted to a
// colour depth, mapped to the palette at 8 bits, with the colour key the game
// gives it) and writes what the game would show, transparent pixels as a
// checkerboard.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>

#include "CliCommands.h"
#include "CliSupport.h"
#include "draw/Draw.h"
#include "platform/Diagnostics.h"
#include "platform/PngWriter.h"
#include "platform/TextEncoding.h"

namespace vh::cli {
namespace {

struct BitmapOptions {
  std::string file;
  std::string output;
  std::string root = ".";
  int depth = 32;
  bool accelerated = false;
};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The colour-key option of the bitmap-list entry with the same file name;
// pictures the list does not name are shown with the key.
int ColorKeyFor(const std::string& file) {
  const std::string name = Lower(std::filesystem::path(file).filename().string());
  for (const draw::BitmapListEntry& e : draw::MakeBitmapList()) {
    const size_t slash = e.fileName.rfind('\\');
    if (Lower(e.fileName.substr(slash == std::string::npos ? 0 : slash + 1)) == name)
      return e.colorKey;
  }
  return 1;
}

void ShowBitmap(const BitmapOptions& o) {
  platform::RecordingDiagnostics diag;
  auto dd = std::make_unique<draw::DrawDevice>(diag, o.root);
  draw::DDInitParams params;
  params.direct3D = o.accelerated ? 1 : 0;
  params.colorBits = o.depth;
  if (!draw::DDInit(*dd, params)) Fail("colour depth " + std::to_string(o.depth) + " is not available");
  const std::string& paletteFile = dd->bitmapList[draw::kBmpPalette].fileName;
  if (!draw::DDLoadPaletteFromFile(*dd, dd->TruePalette, paletteFile) ||
      !draw::DDSetTransmit(*dd, paletteFile))
    Fail(platform::ShiftJisToUtf8(paletteFile) + " の読み込みに失敗！");
  dd->ShownPalette = dd->TruePalette;

  draw::SurfaceDesc& picture = dd->SurfaceTable[draw::kBmpWork1];
  const int colorKey = ColorKeyFor(o.file);
  if (draw::CreateSurfaceFromPath(*dd, picture, o.file, colorKey, 0, 0) != draw::kCreateOk)
    Fail(o.file + " の読み込みに失敗！");
  const std::vector<uint32_t> shown = draw::PreviewSurface(*dd, picture);
  if (!platform::WritePng(o.output, shown.data(), picture.width, picture.height, picture.width))
    Fail("cannot write " + o.output);

  const auto& t = dd->transmit.rgbTransmit;
  char line[128];
  std::snprintf(line, sizeof line, "size: %d x %d", picture.width, picture.height);
  PrintLine(line);
  std::snprintf(line, sizeof line, "transmit colour: %d, %d, %d (#%02X%02X%02X)%s", t.rgbtRed,
                t.rgbtGreen, t.rgbtBlue, t.rgbtRed, t.rgbtGreen, t.rgbtBlue,
                colorKey ? "" : " (not keyed in this picture)");
  PrintLine(line);
}

}  // namespace

void RegisterBitmapCommands(CLI::App& app) {
  auto o = std::make_shared<BitmapOptions>();
  CLI::App* bitmap = app.add_subcommand("bitmap", "Show a picture as the game would draw it");
  bitmap->add_option("file", o->file, "BMP file")->required();
  bitmap->add_option("-o,--output", o->output, "PNG file to write")->required();
  bitmap->add_option("--depth", o->depth, "Colour depth 8, 16 or 32")
      ->check(CLI::IsMember({8, 16, 32}))
      ->capture_default_str();
  bitmap->add_option("--root", o->root, "Data folder holding bmp/Palette.bmp")->capture_default_str();
  bitmap->add_flag("--accelerated", o->accelerated,
                   "The Direct3D kind of drawing (16 and 32 bits only)");
  bitmap->callback([o] { ShowBitmap(*o); });
}

}  // namespace vh::cli
