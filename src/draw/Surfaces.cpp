#include "draw/Surfaces.h"

#include <algorithm>
#include <string>

#include "draw/BmpReader.h"
#include "draw/ImageConvert.h"
#include "draw/Primitives.h"
#include "draw/SurfacePixels.h"
#include "platform/Diagnostics.h"
#include "platform/PathMapping.h"
#include "platform/TextEncoding.h"

namespace vh::draw {
namespace {

void RecordOptions(SurfaceDesc& s, int colorKey, int systemMemory, int memoryType) {
  s.colorKey = colorKey ? 1 : 0;
  s.inSystemMemory = systemMemory ? 1 : 0;
  s.memoryType = memoryType;
}

// Reverses each cell of the given width (height) in place, so a sheet of
// sprites facing one way becomes the same sheet facing the other way.
template <class Pixel>
void MirrorCells(SurfaceDesc& s, int cellW, int cellH) {
  if (cellW > 0) {
    for (int y = 0; y < s.height; ++y) {
      Pixel* row = s.Row<Pixel>(y);
      for (int x = 0; x < s.width; x += cellW) std::reverse(row + x, row + std::min(x + cellW, s.width));
    }
  }
  if (cellH > 0) {
    for (int y = 0; y < s.height; y += cellH) {
      const int end = std::min(y + cellH, s.height);
      for (int a = y, b = end - 1; a < b; ++a, --b)
        std::swap_ranges(s.Row<Pixel>(a), s.Row<Pixel>(a) + s.width, s.Row<Pixel>(b));
    }
  }
}

}  // namespace

bool DDCreateSurface(DrawDevice& dd, SurfaceDesc& slot, int width, int height, int colorKey,
                     int systemMemory, int memoryType, int variant) {
  (void)variant;  // every slot holds its own pixels
  DDReleaseSurface(slot);
  if (!detail::AllocatePixels(slot, width, height, dd.BytesPerPixel)) {
    dd.diag.ReportError("CreateSurface Err (" + std::to_string(width) + "," +
                        std::to_string(height) + ")");
    return false;
  }
  slot.szSurfaceType = "OffScreen";
  slot.szFileName = "E";
  RecordOptions(slot, colorKey, systemMemory, memoryType);
  detail::FillPixels(slot, 0, 0, width, height, PalNumToPixel(dd, 0));
  return true;
}

namespace {

// Loads `path`, recording `name` as the surface's file name.
int LoadSurface(DrawDevice& dd, SurfaceDesc& slot, const std::filesystem::path& path,
                const std::string& name, int colorKey, int systemMemory, int memoryType,
                int mirrorCellWidth, int mirrorCellHeight) {
  DDReleaseSurface(slot);
  const std::string shownName = platform::ShiftJisToUtf8(name);
  const BmpResult bmp = LoadBmpFile(path);
  if (!bmp.ok) {
    dd.diag.ReportError("LoadImage Err " + shownName + " (" + bmp.error + ")");
    return kCreateLoadImageErr;
  }
  if (mirrorCellWidth < 0 || mirrorCellHeight < 0) {
    dd.diag.DebugLog("CreateMirror Err");
    return kCreateMirrorErr;
  }
  if (!detail::ConvertImage(dd, bmp.image, slot)) {
    DDReleaseSurface(slot);
    dd.diag.ReportError("CreateSurface Err " + shownName);
    return kCreateSurfaceErr;
  }
  detail::WithPixelType(slot.bytesPerPixel, [&](auto* type) {
    MirrorCells<std::remove_pointer_t<decltype(type)>>(slot, mirrorCellWidth, mirrorCellHeight);
  });
  slot.szSurfaceType = "OffScreenFromFile";
  slot.szFileName = name;
  slot.mirrorCellWidth = mirrorCellWidth;
  slot.mirrorCellHeight = mirrorCellHeight;
  RecordOptions(slot, colorKey, systemMemory, memoryType);
  return kCreateOk;
}

}  // namespace

int DDCreateSurfaceFromFile(DrawDevice& dd, SurfaceDesc& slot, std::string_view file,
                            int colorKey, int systemMemory, int memoryType, int variant,
                            int mirrorCellWidth, int mirrorCellHeight) {
  (void)variant;  // every slot holds its own pixels
  return LoadSurface(dd, slot, platform::MapPath(dd.dataRoot, file), std::string(file), colorKey,
                     systemMemory, memoryType, mirrorCellWidth, mirrorCellHeight);
}

int CreateSurfaceFromPath(DrawDevice& dd, SurfaceDesc& slot, const std::filesystem::path& file,
                          int colorKey, int mirrorCellWidth, int mirrorCellHeight) {
  return LoadSurface(dd, slot, file, platform::Utf8ToShiftJis(file.string()), colorKey, 1,
                     kMemoryTypeSystem, mirrorCellWidth, mirrorCellHeight);
}

bool DDCreateSurfaceFromBitmapList(DrawDevice& dd, std::span<const int> ids) {
  for (const int id : ids) {
    if (id < 0 || id >= kSlotCount) {
      dd.diag.DebugLog("DDCreateSurfaceFromBitmapList: no bitmap id " + std::to_string(id));
      return false;
    }
    const BitmapListEntry& e = dd.bitmapList[id];
    SurfaceDesc& slot = dd.SurfaceTable[id];
    DDReleaseSurface(slot);
    if (e.fileName == "E") {
      if (!DDCreateSurface(dd, slot, e.width, e.height, e.colorKey, e.systemMemory, e.memoryType,
                           e.variant) &&
          !e.optional) {
        dd.diag.OutOfMemory();
        return false;
      }
      continue;
    }
    const int result = DDCreateSurfaceFromFile(dd, slot, e.fileName, e.colorKey, e.systemMemory,
                                               e.memoryType, e.variant, e.mirrorCellWidth,
                                               e.mirrorCellHeight);
    if (result == kCreateSurfaceErr) dd.diag.DebugLog("CREATESURFACE_ERR");
    if (result == kCreateLoadImageErr) dd.diag.DebugLog("LOADIMAGE_ERR");
    if (result != kCreateOk && !e.optional) {
      dd.diag.ErrorBox(platform::ShiftJisToUtf8(e.fileName) + " の読み込みに失敗！");
      return false;
    }
    slot.baseSlot = e.baseSlot;
  }
  return true;
}

bool DDCreateSurfaceFromBitmapList(DrawDevice& dd, std::initializer_list<int> ids) {
  return DDCreateSurfaceFromBitmapList(dd, std::span<const int>(ids.begin(), ids.size()));
}

void DDReleaseSurface(SurfaceDesc& slot) { slot = SurfaceDesc{}; }

}  // namespace vh::draw
