// vormholt-cli text: draws a text with one of the game's fonts into a PNG,
// the way the game draws it (markers, line breaks, the bitmap font cells or
// the system font).
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "CliSupport.h"
#include "draw/Draw.h"
#include "draw/SystemFont.h"
#include "platform/Diagnostics.h"
#include "platform/PngWriter.h"
#include "platform/TextEncoding.h"
#include "platform/fonts/FontLibrary.h"

namespace vh::cli {
namespace {

struct TextOptions {
  std::string font = "16";
  std::string text;
  std::string output;
  std::string root = ".";
  int background = 16;
};

struct BitmapFont {
  int bitmapId;
  int cellW;
  int cellH;
};

BitmapFont BitmapFontOf(const std::string& name) {
  if (name == "10") return {draw::kBmpFont10, 10, 10};
  if (name == "16") return {draw::kBmpFont16, 16, 16};
  if (name == "32") return {draw::kBmpFont32, 32, 32};
  return {draw::kBmpDebug, 8, 16};
}

// The block a bitmap-font text covers, laid out as the text drawing does:
// markers and "$" take no room, a line feed or ":" starts a new line, and
// the advance wraps at the screen width.
draw::TextExtent BitmapTextExtent(std::string_view sjis, int cellW, int cellH) {
  int offset = 0, lines = 1, widest = 0;
  for (const char ch : sjis) {
    if (ch == '\0') break;
    if (ch == '\n' || ch == ':') {
      ++lines;
      offset = 0;
      continue;
    }
    if (ch == '@' || ch == '^' || ch == '$') continue;
    offset += cellW;
    widest = std::max(widest, offset);
    if (offset >= draw::kScreenWidth) {
      ++lines;
      offset = 0;
    }
  }
  return {widest, lines * cellH};
}

void FailWith(const std::string& what, const platform::RecordingDiagnostics& diag) {
  std::string message = what;
  for (const auto& line : diag.errorBoxes) message += "\n" + line;
  Fail(message);
}

void DrawText(const TextOptions& options) {
  const std::string sjis = platform::Utf8ToShiftJis(options.text);
  platform::RecordingDiagnostics diag;
  draw::DrawDevice dd(diag, options.root);
  draw::DDInitParams params;
  params.colorBits = 32;
  if (!draw::DDInit(dd, params)) FailWith("cannot set up drawing", diag);
  if (!draw::DDLoadPaletteFromFile(dd, dd.TruePalette, "bmp\\Palette.bmp")) {
    FailWith("cannot read the palette picture bmp/Palette.bmp below " + options.root, diag);
  }
  dd.ShownPalette = dd.TruePalette;
  if (!draw::DDSetTransmit(dd, "bmp\\Palette.bmp")) FailWith("cannot read the transmit colour", diag);
  draw::DDClear(dd, dd.BackBuffer, std::clamp(options.background, 0, 255));

  draw::TextExtent extent;
  std::unique_ptr<platform::FontLibrary> library;
  std::unique_ptr<draw::SystemFontSet> fonts;
  if (options.font == "system") {
    std::string error;
    library = platform::FontLibrary::Create(error);
    if (library) fonts = draw::SystemFontSet::Create(dd, *library, {draw::MessageFontDesc()}, error);
    if (!fonts) Fail("no system font: " + error);
    extent = fonts->Message().Measure(sjis);
    fonts->Message().Draw(dd.BackBuffer, 0, 0, sjis);
  } else {
    const BitmapFont font = BitmapFontOf(options.font);
    if (!draw::DDCreateSurfaceFromBitmapList(dd, {font.bitmapId})) FailWith("cannot load the font picture", diag);
    extent = BitmapTextExtent(sjis, font.cellW, font.cellH);
    draw::DDTextOut(dd, dd.BackBuffer, 0, 0, font.cellW, font.cellH, dd.SurfaceTable[font.bitmapId], sjis);
  }
  const int width = std::clamp(extent.width, 1, draw::kScreenWidth);
  const int height = std::clamp(extent.height, 1, draw::kScreenHeight);
  const std::vector<uint32_t> picture = draw::SurfaceToXrgb(dd.BackBuffer, dd.ShownPalette);
  if (!platform::WritePng(options.output, picture.data(), width, height, dd.BackBuffer.width)) {
    Fail("cannot write " + options.output);
  }
}

}  // namespace

void RegisterTextCommands(CLI::App& app) {
  auto options = std::make_shared<TextOptions>();
  CLI::App* text = app.add_subcommand("text", "Draw a text with one of the game's fonts into a PNG");
  text->add_option("--font", options->font, "10, 16 or 32 (bitmap fonts), debug (8 x 16) or system")
      ->check(CLI::IsMember({"10", "16", "32", "debug", "system"}));
  text->add_option("text", options->text, "The text in UTF-8; ^ and @ switch the kana of the bitmap fonts")
      ->required();
  text->add_option("-o,--output", options->output, "PNG file to write")->required();
  text->add_option("--root", options->root, "Data folder holding bmp/ (default: the current folder)");
  text->add_option("--background", options->background, "Palette number behind the text (default 16, black)")
      ->check(CLI::Range(0, 255));
  text->callback([options] { DrawText(*options); });
}

}  // namespace vh::cli
