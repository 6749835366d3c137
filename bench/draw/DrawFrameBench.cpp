// One 640 x 480 game frame: a full-screen background, 21 x 16 blocks, 300
// keyed 32 x 32 sprites (every fifth one doubled in size and mirrored), 200
// bitmap-font glyphs and one fade step, at each depth and back-end kind.
#include <benchmark/benchmark.h>

#include <string>

#include "draw/Draw.h"
#include "platform/Diagnostics.h"

namespace {

using namespace vh::draw;

// A surface holding a pattern of palette numbers, with palette number 0
// (transparent) in a diagonal band of every 32 x 32 cell.
void MakeSheet(DrawDevice& dd, SurfaceDesc& s, int w, int h, int colorKey, bool holes) {
  DDCreateSurface(dd, s, w, h, colorKey, 0, 0, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool hole = holes && ((x % 32) + (y % 32)) % 32 < 12;
      DDFillRect(dd, s, x, y, 1, 1, hole ? 0 : 32 + (x / 4 + y / 4) % 160);
    }
}

struct Frame {
  vh::platform::RecordingDiagnostics diag;
  DrawDevice dd{diag, "."};

  Frame(int bits, int direct3D) {
    for (int i = 0; i < kPaletteSize; ++i)
      dd.TruePalette[i] = {uint8_t(i), uint8_t(i * 3), uint8_t(255 - i), 1};
    dd.TruePalette[0] = {0, 0, 0, 1};  // the transmit colour (all zero)
    dd.ShownPalette = dd.TruePalette;
    DDInitParams p;
    p.colorBits = bits;
    p.direct3D = direct3D;
    DDInit(dd, p);
    MakeSheet(dd, dd.SurfaceTable[kBmpBackWay], 640, 480, 0, false);
    MakeSheet(dd, dd.SurfaceTable[kBmpBlock], 512, 256, 1, true);
    MakeSheet(dd, dd.SurfaceTable[kBmpCharacter1], 512, 512, 1, true);
    MakeSheet(dd, dd.SurfaceTable[kBmpFont16], 256, 256, 1, true);
  }

  void Draw() {
    SurfaceDesc& back = dd.BackBuffer;
    auto& t = dd.SurfaceTable;
    DDBlt(dd, back, 0, 0, 640, 480, t[kBmpBackWay], 0, 0, 0);
    for (int row = 0; row < 16; ++row)
      for (int col = 0; col < 21; ++col)
        DDBlt(dd, back, col * 32 - 16, row * 32 - 8, 32, 32, t[kBmpBlock], (row + col) % 16 * 32,
              row % 8 * 32, 1);
    for (int i = 0; i < 300; ++i) {
      const int x = (i * 97) % 660 - 20;
      const int y = (i * 53) % 500 - 20;
      const int sx = i % 16 * 32;
      const int sy = i / 16 % 16 * 32;
      if (i % 5 == 0)
        DDBltEx(dd, back, x, y, 64, 64, t[kBmpCharacter1], sx + 32, sy, -32, 32, 1);
      else
        DDBlt(dd, back, x, y, 32, 32, t[kBmpCharacter1], sx, sy, 1);
    }
    static const std::string line(40, 'A');
    for (int i = 0; i < 5; ++i) DDTextOut(dd, back, 0, 100 + 20 * i, 16, 16, t[kBmpFont16], line);
    dd.fade.fadeOutDirect3D = dd.fade.fadeOutDirectDraw = 90.0;  // the first step: the most work
    DDFadeOut(dd, dd.ShownPalette, 0, 255, 0, 0, 0, 6.0, dd.TruePalette, 0);
  }
};

void BM_GameFrame(benchmark::State& state) {
  Frame frame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    frame.Draw();
    benchmark::DoNotOptimize(frame.dd.BackBuffer.pixels.data());
  }
}

// Presenting: the BackBuffer turned into the XRGB picture.
void BM_ComposeFrame(benchmark::State& state) {
  Frame frame(static_cast<int>(state.range(0)), 0);
  frame.Draw();
  std::vector<uint32_t> out(640 * 480);
  for (auto _ : state) {
    ComposeFrame(frame.dd, out);
    benchmark::DoNotOptimize(out.data());
  }
}

}  // namespace

BENCHMARK(BM_GameFrame)
    ->ArgNames({"bits", "accel"})
    ->Args({8, 0})
    ->Args({16, 0})
    ->Args({32, 0})
    ->Args({16, 1})
    ->Args({32, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeFrame)->ArgName("bits")->Arg(8)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
