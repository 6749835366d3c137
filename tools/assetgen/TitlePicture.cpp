// Title.bmp (640 x 480): a sunny landscape with a castle on the far hill, the
// player and two creatures; the sky at the top stays clear for the logo
// (drawn over y 16..79) and a dark panel sits behind the menu captions
// (x 240.., y 320..479, cursor at x 208).
#include <cstdio>
#include <string>

#include "BlockArt.h"
#include "Bmp8Writer.h"
#include "CharacterArt.h"
#include "Generators.h"
#include "PixelArt.h"
#include "Scenery.h"
#include "TextArt.h"

namespace vh::assetgen {
namespace {

using pal::Ramp;
using pal::Shade;
constexpr int kW = 640;
constexpr int kH = 480;

void Castle(IndexedImage& img, int x, int baseY) {
  const uint8_t wall = Shade(Ramp::Stone, 5), shade = Shade(Ramp::Stone, 4), roof = Shade(Ramp::Blue, 4);
  img.FillRect(x, baseY - 50, 120, 50, wall);
  for (int k = 0; k < 120; k += 10) img.FillRect(x + k, baseY - 56, 6, 6, wall);
  for (int t = 0; t < 3; ++t) {
    const int tx = x - 8 + t * 56, h = t == 1 ? 110 : 80;
    img.FillRect(tx, baseY - h, 24, h, wall);
    img.FillRect(tx + 16, baseY - h, 8, h, shade);
    art::FillTriangle(img, tx - 4, baseY - h, tx + 28, baseY - h, tx + 12, baseY - h - 34, roof);
    art::FillTriangle(img, tx + 12, baseY - h, tx + 28, baseY - h, tx + 12, baseY - h - 34, Shade(Ramp::Blue, 3));
    img.FillRect(tx + 9, baseY - h + 16, 6, 10, Shade(Ramp::Indigo, 1));
    img.FillRect(tx + 11, baseY - h - 44, 2, 10, pal::Grey(4));
    img.FillRect(tx + 13, baseY - h - 44, 9, 5, Shade(Ramp::Red, 5));
  }
  art::Disc(img, x + 60, baseY - 14, 12, Shade(Ramp::Indigo, 1));
  img.FillRect(x + 48, baseY - 14, 25, 14, Shade(Ramp::Indigo, 1));
}

IndexedImage Sprite(int graphic, int pose) {
  IndexedImage cell(32, 32);
  if (graphic == 1) {
    chars::PaintPlayer(cell, pose, false);
  } else if (graphic == 2) {
    chars::PaintCreature(cell, {chars::Kind::Slime, Ramp::Green, Ramp::Lime}, pose);
  } else {
    chars::PaintCreature(cell, {chars::Kind::Bird, Ramp::Red, Ramp::Orange}, pose);
  }
  art::Outline(cell, 0, 0, 32, 32, pal::kBlack);
  return cell;
}

}  // namespace

bool GenerateTitlePicture(const std::filesystem::path& root) {
  IndexedImage img(kW, kH);
  scenery::Sky(img, 360, {Shade(Ramp::Sky, 2), Shade(Ramp::Sky, 3), Shade(Ramp::Sky, 4), Shade(Ramp::Sky, 5),
                          Shade(Ramp::Sky, 6), Shade(Ramp::Ice, 7)});
  for (int i = 0; i < 5; ++i)
    scenery::Cloud(img, 60 + i * 130, 130 + (i * 53) % 70, 16 + (i % 3) * 7, pal::kWhite, Shade(Ramp::Ice, 6));
  const auto far = scenery::Ridge(kW, 300, {{2, 30, 2.6}, {5, 10, 0.7}});
  scenery::FillBelow(img, far, kH, {Shade(Ramp::Moss, 6), Shade(Ramp::Moss, 5)}, 5);
  Castle(img, 470, far[530] + 6);
  const auto near = scenery::Ridge(kW, 380, {{1, 26, 0.2}, {4, 8, 1.9}});
  scenery::FillBelow(img, near, kH, {Shade(Ramp::Lime, 6), Shade(Ramp::Green, 5), Shade(Ramp::Green, 4)}, 4);
  // A row of ground blocks along the bottom, as in the game.
  IndexedImage ground(32, 32), earth(32, 32);
  PaintBlock(ground, block::kGrassGround);
  PaintBlock(earth, block::kEarth);
  for (int x = 0; x < kW; x += 32) img.Blit(ground, 0, 0, 32, 32, x, 448, true);
  IndexedImage star(32, 32);
  PaintBlock(star, block::kStarBlock);
  img.Blit(star, 0, 0, 32, 32, 112, 280, true);
  // The player facing right, towards the creatures on the right.
  IndexedImage player = Sprite(1, 0);
  art::MirrorInPlace(player, 0, 0, 32, 32);
  scenery::BlitScaled(img, player, 40, 320, 4);
  scenery::BlitScaled(img, Sprite(2, 0), 520, 352, 3);
  scenery::BlitScaled(img, Sprite(7, 2), 560, 190, 2);
  // The menu panel.
  img.FillRect(200, 308, 240, 172, Shade(Ramp::Blue, 0));
  img.FrameRect(200, 308, 240, 172, pal::kFrame);
  img.FrameRect(201, 309, 238, 170, Shade(Ramp::Blue, 2));

  std::string error;
  auto library = platform::FontLibrary::Create(error);
  if (!library) {
    std::fprintf(stderr, "vh_assetgen: Title: %s\n", error.c_str());
    return false;
  }
  Lettering letters(*library);
  LetterStyle subtitle;
  subtitle.fill = {pal::kWhite};
  subtitle.outline = Shade(Ramp::Blue, 1);
  const bool ok = letters.Draw(img, "2D ACTION CONSTRUCTION KIT", 160, 84, 320, 18, subtitle);
  return WriteBmp8(root / "bmp" / "Title.bmp", img, MakeGamePalette()) && ok;
}

}  // namespace vh::assetgen
