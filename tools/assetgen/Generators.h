// One function per part of the default data folder. Each writes its files
// below `root` and returns false (after printing why) when it cannot.
#pragma once

#include <filesystem>

namespace vh::assetgen {

bool GenerateSystemIni(const std::filesystem::path& root);
bool GeneratePaletteBitmap(const std::filesystem::path& root);
bool GenerateDebugFont(const std::filesystem::path& root);
bool GenerateBitmapFonts(const std::filesystem::path& root);
bool GenerateBlocks(const std::filesystem::path& root);
bool GenerateCharacters(const std::filesystem::path& root);
bool GenerateShots(const std::filesystem::path& root);
bool GenerateItems(const std::filesystem::path& root);
bool GenerateAccessory(const std::filesystem::path& root);
bool GenerateWindowPicture(const std::filesystem::path& root);
bool GenerateSpecialLettering(const std::filesystem::path& root);
bool GenerateBackgrounds(const std::filesystem::path& root);
bool GenerateTitlePicture(const std::filesystem::path& root);
bool GenerateSounds(const std::filesystem::path& root);
bool GenerateMusic(const std::filesystem::path& root);
bool GenerateUserData(const std::filesystem::path& root);

}  // namespace vh::assetgen
