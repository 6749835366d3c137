#include <cstdio>
#include <fstream>

#include "Generators.h"

namespace vh::assetgen {

// Window mode through the accelerated renderer at automatic depth, V-sync on,
// FPS text off. The reader takes the values by position, not by name.
bool GenerateSystemIni(const std::filesystem::path& root) {
  const auto file = root / "System.ini";
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << "Direct3D=1\n"
         "Window=1\n"
         "Bpp=0\n"
         "VSyncMode=1\n"
         "Reserved=0\n"
         "ShowFPS=0\n"
         "ObjectCompat=0\n";
  if (!out) {
    std::fprintf(stderr, "vh_assetgen: cannot write %s\n", file.c_str());
    return false;
  }
  return true;
}

}  // namespace vh::assetgen
