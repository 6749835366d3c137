// Creating, loading and releasing surfaces: empty off-screen surfaces,
// surfaces loaded from BMP files (converted to the device's depth, mirrored in
// cells for the variant slots) and the loading of bitmap ids from the list.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <span>
#include <string_view>

#include "draw/DrawDevice.h"

namespace vh::draw {

// Results of DDCreateSurfaceFromFile.
inline constexpr int kCreateOk = 0;
inline constexpr int kCreateMirrorErr = 1;
inline constexpr int kCreateSurfaceErr = 4;
inline constexpr int kCreateLoadImageErr = 8;

// An empty surface of the device's depth filled with palette number 0.
// Fails for negative sizes and sizes beyond kMaxSurfaceSide/kMaxSurfacePixels.
bool DDCreateSurface(DrawDevice& dd, SurfaceDesc& slot, int width, int height, int colorKey,
                     int systemMemory, int memoryType, int variant);

// Loads the BMP `file` (Windows path below the data folder) into `slot`.
int DDCreateSurfaceFromFile(DrawDevice& dd, SurfaceDesc& slot, std::string_view file,
                            int colorKey, int systemMemory, int memoryType, int variant,
                            int mirrorCellWidth, int mirrorCellHeight);

// The same for a file named by its path on this system (the tools' pictures).
int CreateSurfaceFromPath(DrawDevice& dd, SurfaceDesc& slot, const std::filesystem::path& file,
                          int colorKey, int mirrorCellWidth, int mirrorCellHeight);

// Loads the listed bitmap ids into their SurfaceTable slots, releasing each
// slot first. A file that cannot be loaded shows "%s の読み込みに失敗！"
// and makes the call fail.
bool DDCreateSurfaceFromBitmapList(DrawDevice& dd, std::span<const int> ids);
bool DDCreateSurfaceFromBitmapList(DrawDevice& dd, std::initializer_list<int> ids);

// Empties the slot; it may be loaded again.
void DDReleaseSurface(SurfaceDesc& slot);

}  // namespace vh::draw
