#include "draw/DrawDevice.h"

#include "draw/Surfaces.h"
#include "draw/SurfacePixels.h"
#include "platform/Diagnostics.h"

namespace vh::draw {

DrawDevice::DrawDevice(platform::Diagnostics& diagnostics, std::filesystem::path root)
    : diag(diagnostics), dataRoot(std::move(root)), bitmapList(MakeBitmapList()) {}

DrawDevice::~DrawDevice() = default;

namespace {

bool MakeLayerSurface(DrawDevice& dd, SurfaceDesc& s, const char* type, int w, int h) {
  DDReleaseSurface(s);
  if (!detail::AllocatePixels(s, w, h, dd.BytesPerPixel)) return false;
  s.szSurfaceType = type;
  s.szFileName = "E";
  s.inSystemMemory = 1;
  return true;
}

}  // namespace

bool DDInit(DrawDevice& dd, const DDInitParams& p) {
  const bool depthOk = p.colorBits == 16 || p.colorBits == 32 || (p.colorBits == 8 && !p.direct3D);
  if (!depthOk) {
    dd.diag.DebugLog("DDInit: colour depth " + std::to_string(p.colorBits) +
                     " is not available with this drawing mode");
    return false;
  }
  if (p.width <= 0 || p.height <= 0 || p.width > kMaxSurfaceSide || p.height > kMaxSurfaceSide) {
    dd.diag.DebugLog("DDInit: bad screen size");
    return false;
  }
  if (dd.DrawingReady) DDRelease(dd);
  dd.Direct3D = p.direct3D ? 1 : 0;
  dd.Windowed = p.windowed;
  dd.ColorBits = p.colorBits;
  dd.BytesPerPixel = p.colorBits / 8;
  dd.VSync = p.vsync;
  dd.RefreshRate = p.refreshRate;
  dd.WaitForRefresh = p.waitForRefresh;
  // Only the plain kind at 16/32 bits fades over a snapshot of the picture.
  const bool snapshotFades = !dd.Direct3D && dd.BytesPerPixel > 1;
  if (!MakeLayerSurface(dd, dd.BackBuffer, "BackBuffer", p.width, p.height) ||
      (snapshotFades && !MakeLayerSurface(dd, dd.FadeWork, "FadeWork", p.width, p.height))) {
    dd.diag.ReportError("CreateSurface Err");
    DDRelease(dd);
    return false;
  }
  dd.fade.snapshotTaken = false;
  dd.DrawingReady = true;
  return true;
}

void DDRelease(DrawDevice& dd) {
  for (SurfaceDesc& s : dd.SurfaceTable) DDReleaseSurface(s);
  DDReleaseSurface(dd.FadeWork);
  DDReleaseSurface(dd.BackBuffer);
  dd.DrawingReady = false;
}

const char* BackBufferFormatName(const DrawDevice& dd) {
  switch (dd.ColorBits) {
    case 8: return "P8";
    case 16: return "R5G6B5";
    default: return "X8R8G8B8";
  }
}

}  // namespace vh::draw
