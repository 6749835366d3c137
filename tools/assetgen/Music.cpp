// midi/: the title, editor and stage tunes as standard MIDI files.
#include <cstdio>
#include <fstream>

#include "Generators.h"
#include "Songs.h"

namespace vh::assetgen {

bool GenerateMusic(const std::filesystem::path& root) {
  const auto folder = root / "midi";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  for (const SongFile& file : DefaultSongs()) {
    const auto bytes = ComposeSong(file.song);
    const auto path = folder / file.fileName;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "vh_assetgen: cannot write %s\n", path.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace vh::assetgen
