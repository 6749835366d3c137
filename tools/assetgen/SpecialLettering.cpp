// FontSP.bmp (640 x 352): pictures, not a character grid.
//   (0,0)     640 x 64  the logo "Vormholt+"
//   (0,128)   160 x 32  title captions: normal worlds, hell stages, edit menu
//   (0,224)   160 x 64  replay and quit captions, one above the other
//   (192,128) 128 x 32  "STAGE" (letters in its left 112 pixels)
//   (320,128)  64 x 32  "EX" (user stages)
//   (192,160)  64 x 32  "GO!"
//   (192,192) 128 x 32  "CLEAR!"     (320,192) 128 x 32 its back side
//   (192,224)  96 x 32  "RATE"
//   (192,256) 144 x 32  "GAME OVER"
//   (192,288) 32 x 32 digits 0-9 (timer, stage number)
//   (192,320) 32 x 32 digits 0-9 (clear rate)
#include <cstdio>
#include <string>

#include "Bmp8Writer.h"
#include "Generators.h"
#include "TextArt.h"

namespace vh::assetgen {
namespace {

using pal::Ramp;
using pal::Shade;

LetterStyle Style(std::vector<uint8_t> fill, uint8_t outline, int outlineWidth = 1, int bold = 0) {
  LetterStyle s;
  s.fill = std::move(fill);
  s.outline = outline;
  s.outlineWidth = outlineWidth;
  s.shadow = pal::kBlack;
  s.bold = bold;
  return s;
}

}  // namespace

bool GenerateSpecialLettering(const std::filesystem::path& root) {
  std::string error;
  auto library = platform::FontLibrary::Create(error);
  if (!library) {
    std::fprintf(stderr, "vh_assetgen: FontSP: %s\n", error.c_str());
    return false;
  }
  Lettering letters(*library);
  IndexedImage img(640, 352, pal::kTransmit);
  bool ok = true;

  const LetterStyle logo = Style({Shade(Ramp::Yellow, 7), Shade(Ramp::Gold, 6), Shade(Ramp::Gold, 5),
                                  Shade(Ramp::Orange, 5), Shade(Ramp::Orange, 4), Shade(Ramp::Red, 4)},
                                 Shade(Ramp::Indigo, 0), 3, 1);
  ok = letters.Draw(img, "Vormholt+", 40, 0, 560, 64, logo, Align::Centre, 1.25) && ok;

  const LetterStyle caption = Style({pal::kWhite, pal::kWhite, Shade(Ramp::Ice, 6), Shade(Ramp::Ice, 5)},
                                    pal::kBlack, 1, 1);
  const char* captions[] = {"ワールド", "じごく", "エディット", "リプレイ", "おわる"};
  for (int i = 0; i < 5; ++i) {
    ok = letters.Draw(img, captions[i], 0, 128 + 32 * i, 160, 32, caption, Align::Left) && ok;
  }

  const LetterStyle banner = Style({pal::kWhite, Shade(Ramp::Sky, 7), Shade(Ramp::Sky, 5), Shade(Ramp::Blue, 4)},
                                   Shade(Ramp::Blue, 0), 1, 1);
  ok = letters.Draw(img, "STAGE", 192, 128, 112, 32, banner, Align::Left, 1.2) && ok;
  ok = letters.Draw(img, "EX", 320, 128, 64, 32, banner) && ok;
  const LetterStyle go = Style({Shade(Ramp::Yellow, 7), Shade(Ramp::Yellow, 6), Shade(Ramp::Orange, 5)},
                               Shade(Ramp::Red, 1), 1, 1);
  ok = letters.Draw(img, "GO!", 192, 160, 64, 32, go) && ok;
  const LetterStyle gold = Style({Shade(Ramp::Yellow, 7), Shade(Ramp::Gold, 6), Shade(Ramp::Gold, 5), Shade(Ramp::Gold, 4)},
                                 Shade(Ramp::Brown, 0), 1, 1);
  const LetterStyle cyan = Style({pal::kWhite, Shade(Ramp::Cyan, 6), Shade(Ramp::Cyan, 5), Shade(Ramp::Teal, 4)},
                                 Shade(Ramp::Teal, 0), 1, 1);
  ok = letters.Draw(img, "CLEAR!", 192, 192, 128, 32, gold, Align::Centre, 1.2) && ok;
  ok = letters.Draw(img, "CLEAR!", 320, 192, 128, 32, cyan, Align::Centre, 1.2) && ok;
  ok = letters.Draw(img, "RATE", 192, 224, 96, 32, banner, Align::Centre, 1.2) && ok;
  const LetterStyle over = Style({Shade(Ramp::Red, 7), Shade(Ramp::Red, 6), Shade(Ramp::Red, 5), Shade(Ramp::Red, 4)},
                                 Shade(Ramp::Red, 0), 1);
  ok = letters.Draw(img, "GAME OVER", 192, 256, 144, 32, over) && ok;
  for (int d = 0; d < 10; ++d) {
    const std::string digit(1, static_cast<char>('0' + d));
    ok = letters.Draw(img, digit, 192 + 32 * d, 288, 32, 32, banner) && ok;
    ok = letters.Draw(img, digit, 192 + 32 * d, 320, 32, 32, gold) && ok;
  }
  return WriteBmp8(root / "bmp" / "FontSP.bmp", img, MakeGamePalette()) && ok;
}

}  // namespace vh::assetgen
