#include <cstdio>
#include <memory>
#include <system_error>

#include "Generators.h"
#include "stage/Palette.h"
#include "stage/PaletteFile.h"

namespace vh::assetgen {

// The user folders for stages, replays and palettes, and the default palette
// the editor loads at its first start.
bool GenerateUserData(const std::filesystem::path& root) {
  const std::filesystem::path userData = root / "user_data";
  for (const char* folder : {"stg3", "rpl3", "plt3"}) {
    std::error_code ec;
    std::filesystem::create_directories(userData / folder, ec);
    if (ec) {
      std::fprintf(stderr, "vh_assetgen: cannot create %s: %s\n", (userData / folder).c_str(), ec.message().c_str());
      return false;
    }
  }
  auto palette = std::make_unique<stage::Palette>();
  stage::BuildDefaultPalette(*palette);
  const std::filesystem::path file = userData / "plt3" / "default.plt3p";
  const stage::SaveResult saved = stage::SavePaletteFile(file, *palette);
  if (!saved.ok) {
    std::fprintf(stderr, "vh_assetgen: cannot write %s\n", file.c_str());
    return false;
  }
  return true;
}

}  // namespace vh::assetgen
