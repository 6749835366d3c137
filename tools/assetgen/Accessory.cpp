// Accessory.bmp (128 x 144), the interface pieces:
//   (0,0)    32 x 32 menu cursor
//   (96,0)   16 x 16 lives icon        (112,0)  16 x 16 small cursor
//   (e*16,32) 16 x 16 equipment icons e = 0..6  (112,32) clear-rate icon
//   (0,64)   50 x 16 hit-point frame
//   (0,80)   50 x 16 hit points (long bar)   (0,96) hit points (short bar)
//   (0,112)  50 x 16 part just lost          (0,128) part just gained
// Characters' bars use the top two rows of the strips, the status bar all 16.
#include <array>

#include "Bmp8Writer.h"
#include "CharacterArt.h"
#include "Generators.h"
#include "ItemArt.h"
#include "PixelArt.h"

namespace vh::assetgen {
namespace {

using pal::Ramp;
using pal::Shade;

void MenuCursor(IndexedImage& img) {
  IndexedImage c(32, 32);
  art::FillTriangle(c, 6, 5, 27, 16, 6, 27, Shade(Ramp::Gold, 5));
  art::FillTriangle(c, 6, 5, 27, 16, 6, 16, Shade(Ramp::Gold, 7));
  art::FillTriangle(c, 10, 12, 19, 16, 10, 20, Shade(Ramp::Orange, 5));
  c.Set(8, 8, pal::kWhite);
  c.Set(9, 9, pal::kWhite);
  art::Outline(c, 0, 0, 32, 32, pal::kBlack, true);
  img.Blit(c, 0, 0, 32, 32, 0, 0, false);
}

void SmallCursor(IndexedImage& img) {
  IndexedImage c(16, 16);
  art::FillTriangle(c, 3, 2, 13, 8, 3, 14, Shade(Ramp::Gold, 6));
  art::FillTriangle(c, 3, 2, 13, 8, 3, 8, Shade(Ramp::Gold, 7));
  art::Outline(c, 0, 0, 16, 16, pal::kBlack);
  img.Blit(c, 0, 0, 16, 16, 112, 0, false);
}

// The player's head: capped face, as on the character sheet.
void LivesIcon(IndexedImage& img) {
  IndexedImage c(16, 16);
  c.FillEllipse(3, 4, 10, 10, Shade(Ramp::Skin, 5));
  c.FillEllipse(9, 5, 5, 7, Shade(Ramp::Brown, 4));
  c.FillEllipse(3, 1, 11, 6, Shade(Ramp::Blue, 4));
  c.FillRect(1, 5, 7, 1, Shade(Ramp::Blue, 3));
  c.FillRect(7, 2, 2, 2, pal::kWhite);
  c.FillRect(5, 8, 1, 2, pal::kBlack);
  c.FillRect(5, 12, 2, 1, Shade(Ramp::Skin, 2));
  art::Outline(c, 0, 0, 16, 16, pal::kBlack);
  img.Blit(c, 0, 0, 16, 16, 96, 0, false);
}

// An item picture at half size with its outline.
void ItemIcon(IndexedImage& img, int graphic, int x, int y) {
  IndexedImage big(32, 32), small(16, 16);
  PaintItem(big, graphic, 0);
  art::Downscale2(big, 0, 0, 32, 32, small, 0, 0);
  art::Outline(small, 0, 0, 16, 16, pal::kBlack);
  img.Blit(small, 0, 0, 16, 16, x, y, false);
}

void BareHandIcon(IndexedImage& img, int x, int y) {
  IndexedImage c(16, 16);
  c.FillEllipse(3, 4, 10, 9, Shade(Ramp::Skin, 5));
  for (int i = 0; i < 3; ++i) c.FillRect(4 + i * 3, 4, 1, 4, Shade(Ramp::Skin, 3));
  c.FillEllipse(2, 8, 4, 4, Shade(Ramp::Skin, 4));
  c.FillRect(5, 12, 6, 3, Shade(Ramp::Red, 4));
  art::Outline(c, 0, 0, 16, 16, pal::kBlack);
  img.Blit(c, 0, 0, 16, 16, x, y, false);
}

// One 50 x 16 strip: bright top rows (all a character's bar shows), the body
// shaded downwards, dark bottom rows.
void Strip(IndexedImage& img, int y, Ramp ramp) {
  static constexpr std::array<int, 16> kShade = {7, 6, 6, 5, 5, 5, 5, 4, 4, 4, 4, 3, 3, 3, 2, 1};
  for (int row = 0; row < 16; ++row) img.FillRect(0, y + row, 50, 1, Shade(ramp, kShade[row]));
  img.FillRect(0, y + 4, 50, 1, Shade(ramp, 6));
}

void HitPointFrame(IndexedImage& img) {
  img.FillRect(0, 64, 50, 16, pal::Grey(2));
  img.FillRect(0, 64, 50, 2, pal::kBlack);
  img.FrameRect(0, 64, 50, 16, pal::kBlack);
  img.FillRect(1, 78, 48, 1, pal::Grey(5));
}

}  // namespace

bool GenerateAccessory(const std::filesystem::path& root) {
  IndexedImage img(128, 144, pal::kTransmit);
  MenuCursor(img);
  LivesIcon(img);
  SmallCursor(img);
  BareHandIcon(img, 0, 32);
  const std::array<int, 6> equipment = {item::kSword, item::kShield, item::kWings,
                                        item::kBoots, item::kBow, item::kStaff};
  for (size_t e = 0; e < equipment.size(); ++e) ItemIcon(img, equipment[e], 16 * static_cast<int>(e + 1), 32);
  ItemIcon(img, item::kRedGem, 112, 32);
  HitPointFrame(img);
  Strip(img, 80, Ramp::Green);
  Strip(img, 96, Ramp::Red);
  Strip(img, 112, Ramp::Yellow);
  Strip(img, 128, Ramp::Cyan);
  return WriteBmp8(root / "bmp" / "Accessory.bmp", img, MakeGamePalette());
}

// A quiet dark-blue weave that reads well behind every bitmap font, whatever
// part of it a panel shows.
bool GenerateWindowPicture(const std::filesystem::path& root) {
  IndexedImage img(640, 480);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const bool lattice = (x + y) % 12 == 0 || (x - y + 960) % 12 == 0;
      const bool fleck = art::Noise(x, y, 301) < 3;
      img.Set(x, y, Shade(Ramp::Blue, fleck ? 2 : lattice ? 1 : 0));
    }
  }
  return WriteBmp8(root / "bmp" / "Window.bmp", img, MakeGamePalette());
}

}  // namespace vh::assetgen
