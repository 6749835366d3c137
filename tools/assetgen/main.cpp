// Writes the default data folder: vh_assetgen OUTPUT_DIR
#include <cstdio>
#include <filesystem>

#include "Generators.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vh_assetgen OUTPUT_DIR\n");
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(root, ec);
  if (ec) {
    std::fprintf(stderr, "vh_assetgen: cannot create %s: %s\n", root.c_str(), ec.message().c_str());
    return 1;
  }
  using namespace vh::assetgen;
  bool ok = GenerateSystemIni(root);
  ok = GeneratePaletteBitmap(root) && ok;
  ok = GenerateDebugFont(root) && ok;
  ok = GenerateBitmapFonts(root) && ok;
  ok = GenerateBlocks(root) && ok;
  ok = GenerateCharacters(root) && ok;
  ok = GenerateShots(root) && ok;
  ok = GenerateItems(root) && ok;
  ok = GenerateAccessory(root) && ok;
  ok = GenerateWindowPicture(root) && ok;
  ok = GenerateSpecialLettering(root) && ok;
  ok = GenerateBackgrounds(root) && ok;
  ok = GenerateTitlePicture(root) && ok;
  ok = GenerateSounds(root) && ok;
  ok = GenerateMusic(root) && ok;
  ok = GenerateUserData(root) && ok;
  return ok ? 0 : 1;
}
