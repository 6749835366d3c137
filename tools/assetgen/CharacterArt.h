// The character pictures: the player and the enemy creatures, each drawn by
// code into a 32 x 32 cell facing left, in four poses (0 standing, 1 the
// other walking step, 2 and 3 the action poses).
#pragma once

#include "GamePalette.h"
#include "IndexedImage.h"

namespace vh::assetgen::chars {

enum class Kind {
  Slime, Critter, Bird, Bat, Ghost, Knight, Robot, Fish, Beetle, Snake, Urchin, Skeleton,
  Eyeball, Cannon, Frog, Flame, Plant, Golem, Jellyfish, Dragon,
};

struct Look {
  Kind kind;
  pal::Ramp body;
  pal::Ramp accent;
  bool crowned = false;  // a small crown: the stronger member of a family
};

// Draws pose 0..3 of a creature into `cell` (32 x 32, empty = palette 0),
// without the outline, which the sheet adds.
void PaintCreature(IndexedImage& cell, const Look& look, int pose);

// The player: pose 0..3 on foot, or flying with wings spread.
void PaintPlayer(IndexedImage& cell, int pose, bool flying);

}  // namespace vh::assetgen::chars
