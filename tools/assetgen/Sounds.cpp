// wave/: the 31 sound effects as 8-bit 22050 Hz mono PCM files.
#include <cstdio>
#include <fstream>

#include "EffectRecipes.h"
#include "Generators.h"
#include "WaveFile.h"

namespace vh::assetgen {

bool GenerateSounds(const std::filesystem::path& root) {
  const auto folder = root / "wave";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  for (int id = 0; id < EffectCount(); ++id) {
    const auto bytes = EncodeWave8(MakeEffect(id), kEffectRate);
    const auto path = folder / std::filesystem::u8path(EffectFileName(id));
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
