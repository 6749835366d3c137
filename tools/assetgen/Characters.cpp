// Character1..4.bmp: 13 graphics per sheet (graphic g on sheet g / 13, row
// g mod 13; graphic 0 is empty), 16 cells of 32 x 32 per row, facing left:
//   cells 0-3   standing, walking step, two action poses
//   cells 4-7   the same for an invincible character (a gold aura)
//   cells 8-11  the alternate set: the player (graphic 1) flying, any other
//               graphic turned into a block it stands on
//   cells 12-15 the alternate set of an invincible character
#include <array>
#include <string>

#include "Bmp8Writer.h"
#include "CharacterArt.h"
#include "Generators.h"
#include "PixelArt.h"

namespace vh::assetgen {
namespace {

using chars::Kind;
using chars::Look;
using pal::Ramp;
constexpr int kS = 32;

// Graphics 2..51 in order; the status notes list them by name.
constexpr std::array<Look, 50> kEnemies = {{
    {Kind::Slime, Ramp::Green, Ramp::Lime},            // 2
    {Kind::Slime, Ramp::Sky, Ramp::Blue},              // 3
    {Kind::Slime, Ramp::Red, Ramp::Orange},            // 4
    {Kind::Critter, Ramp::Brown, Ramp::Orange},        // 5
    {Kind::Critter, Ramp::Violet, Ramp::Pink},         // 6
    {Kind::Bird, Ramp::Red, Ramp::Orange},             // 7
    {Kind::Bird, Ramp::Blue, Ramp::Sky},               // 8
    {Kind::Bat, Ramp::Violet, Ramp::Red},              // 9
    {Kind::Bat, Ramp::Brown, Ramp::Yellow},            // 10
    {Kind::Ghost, Ramp::Ice, Ramp::Sky},               // 11
    {Kind::Ghost, Ramp::Teal, Ramp::Cyan},             // 12
    {Kind::Knight, Ramp::Stone, Ramp::Blue},           // 13
    {Kind::Knight, Ramp::Red, Ramp::Gold},             // 14
    {Kind::Robot, Ramp::Stone, Ramp::Red},             // 15
    {Kind::Robot, Ramp::Orange, Ramp::Cyan},           // 16
    {Kind::Fish, Ramp::Orange, Ramp::Red},             // 17
    {Kind::Fish, Ramp::Cyan, Ramp::Blue},              // 18
    {Kind::Beetle, Ramp::Green, Ramp::Yellow},         // 19
    {Kind::Beetle, Ramp::Red, Ramp::Gold},             // 20
    {Kind::Snake, Ramp::Lime, Ramp::Yellow},           // 21
    {Kind::Snake, Ramp::Violet, Ramp::Pink},           // 22
    {Kind::Urchin, Ramp::Stone, Ramp::Ice},            // 23
    {Kind::Urchin, Ramp::Pink, Ramp::Violet},          // 24
    {Kind::Skeleton, Ramp::Sand, Ramp::Red},           // 25
    {Kind::Skeleton, Ramp::Indigo, Ramp::Cyan},        // 26
    {Kind::Eyeball, Ramp::Red, Ramp::Violet},          // 27
    {Kind::Eyeball, Ramp::Green, Ramp::Brown},         // 28
    {Kind::Cannon, Ramp::Stone, Ramp::Brown},          // 29
    {Kind::Cannon, Ramp::Gold, Ramp::Red},             // 30
    {Kind::Frog, Ramp::Green, Ramp::Yellow},           // 31
    {Kind::Frog, Ramp::Pink, Ramp::Violet},            // 32
    {Kind::Flame, Ramp::Orange, Ramp::Yellow},         // 33
    {Kind::Flame, Ramp::Blue, Ramp::Cyan},             // 34
    {Kind::Plant, Ramp::Lime, Ramp::Pink},             // 35
    {Kind::Plant, Ramp::Violet, Ramp::Yellow},         // 36
    {Kind::Golem, Ramp::Brown, Ramp::Orange},          // 37
    {Kind::Golem, Ramp::Ice, Ramp::Cyan},              // 38
    {Kind::Jellyfish, Ramp::Pink, Ramp::Violet},       // 39
    {Kind::Jellyfish, Ramp::Cyan, Ramp::Teal},         // 40
    {Kind::Dragon, Ramp::Green, Ramp::Olive},          // 41
    {Kind::Dragon, Ramp::Red, Ramp::Orange},           // 42
    {Kind::Slime, Ramp::Gold, Ramp::Yellow, true},     // 43
    {Kind::Critter, Ramp::Ice, Ramp::Sky},             // 44
    {Kind::Bird, Ramp::Indigo, Ramp::Stone},           // 45
    {Kind::Ghost, Ramp::Violet, Ramp::Pink, true},     // 46
    {Kind::Knight, Ramp::Indigo, Ramp::Violet, true},  // 47
    {Kind::Robot, Ramp::Cyan, Ramp::Yellow, true},     // 48
    {Kind::Eyeball, Ramp::Violet, Ramp::Pink, true},   // 49
    {Kind::Dragon, Ramp::Indigo, Ramp::Violet, true},  // 50
    {Kind::Golem, Ramp::Moss, Ramp::Lime, true},       // 51
}};

// A gold ring around the outlined sprite, with sparkles that move per pose.
void AddAura(IndexedImage& cell, int pose) {
  art::Outline(cell, 0, 0, kS, kS, pal::Shade(Ramp::Gold, 6));
  int placed = 0;
  for (int i = 0; i < kS * kS && placed < 3; ++i) {
    const int p = (i * 37 + pose * 101) % (kS * kS);
    const int x = p % kS, y = p / kS;
    if (cell.At(x, y) == pal::Shade(Ramp::Gold, 6)) {
      cell.Set(x, y, pal::kWhite);
      ++placed;
    }
  }
}

// The character fused with a block: a bevelled stone (gold when invincible)
// square behind it.
IndexedImage OnBlock(const IndexedImage& sprite, bool invincible) {
  IndexedImage cell(kS, kS, pal::kTransmit);
  const Ramp ramp = invincible ? Ramp::Gold : Ramp::Stone;
  art::Bevel(cell, 0, 0, kS, kS, pal::Shade(ramp, 6), pal::Shade(ramp, 3), pal::Shade(ramp, 1), 2);
  for (auto [x, y] : {std::pair{3, 3}, {27, 3}, {3, 27}, {27, 27}}) cell.FillRect(x, y, 2, 2, pal::Shade(ramp, 7));
  cell.Blit(sprite, 0, 0, kS, kS, 0, 0, true);
  cell.FrameRect(0, 0, kS, kS, pal::Shade(ramp, 0));
  return cell;
}

IndexedImage Outlined(IndexedImage cell) {
  art::Outline(cell, 0, 0, kS, kS, pal::kBlack);
  return cell;
}

void PaintRow(IndexedImage& sheet, int row, int graphic) {
  for (int pose = 0; pose < 4; ++pose) {
    IndexedImage normal(kS, kS), alternate(kS, kS);
    if (graphic == 1) {
      chars::PaintPlayer(normal, pose, false);
      chars::PaintPlayer(alternate, pose, true);
    } else {
      chars::PaintCreature(normal, kEnemies[graphic - 2], pose);
    }
    normal = Outlined(normal);
    IndexedImage shining = normal;
    AddAura(shining, pose);
    IndexedImage alt(kS, kS), altShining(kS, kS);
    if (graphic == 1) {
      alt = Outlined(alternate);
      altShining = alt;
      AddAura(altShining, pose);
    } else {
      alt = OnBlock(normal, false);
      altShining = OnBlock(normal, true);
    }
    const int y = row * kS;
    sheet.Blit(normal, 0, 0, kS, kS, pose * kS, y, false);
    sheet.Blit(shining, 0, 0, kS, kS, (4 + pose) * kS, y, false);
    sheet.Blit(alt, 0, 0, kS, kS, (8 + pose) * kS, y, false);
    sheet.Blit(altShining, 0, 0, kS, kS, (12 + pose) * kS, y, false);
  }
}

}  // namespace

bool GenerateCharacters(const std::filesystem::path& root) {
  const PaletteTable palette = MakeGamePalette();
  bool ok = true;
  for (int sheetIndex = 0; sheetIndex < 4; ++sheetIndex) {
    IndexedImage sheet(16 * kS, 13 * kS, pal::kTransmit);
    for (int row = 0; row < 13; ++row) {
      const int graphic = sheetIndex * 13 + row;
      if (graphic >= 1 && graphic <= 51) PaintRow(sheet, row, graphic);
    }
    const std::string name = "Character" + std::to_string(sheetIndex + 1) + ".bmp";
    ok = WriteBmp8(root / "bmp" / name, sheet, palette) && ok;
  }
  return ok;
}

}  // namespace vh::assetgen
