// The default tunes of the midi folder: the title, the editor and the stages.
#pragma once

#include <string>
#include <vector>

#include "Composer.h"

namespace vh::assetgen {

struct SongFile {
  std::string fileName;  // inside midi/
  Song song;
};

std::vector<SongFile> DefaultSongs();

}  // namespace vh::assetgen
