// The SDL back end on SDL's window-less "dummy" video driver: window,
// software presentation and events, without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "platform/Platform.h"

namespace vh::platform {
namespace {

std::unique_ptr<Platform> MakeDummy() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  std::string error;
  PlatformOptions options;
  options.kind = BackendKind::Sdl;
  auto p = CreatePlatform(options, error);
  EXPECT_NE(p, nullptr) << error;
  return p;
}

TEST(SdlPlatform, SoftwareWindowPresentsAndCounts) {
  auto p = MakeDummy();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Kind(), BackendKind::Sdl);
  EXPECT_EQ(p->DesktopBitsPerPixel(), 32);
  EXPECT_GT(p->RefreshRate(), 0);

  WindowConfig config;
  config.title = "Game";
  config.accelerated = false;
  config.scale = 1;
  std::string error;
  ASSERT_TRUE(p->OpenWindow(config, error)) << error;
  EXPECT_TRUE(p->WindowOpen());
  EXPECT_EQ(p->RendererName(), "software");
  EXPECT_FALSE(p->OpenWindow(config, error));  // one window at a time
  p->ShowWindow();

  std::vector<uint32_t> picture(kPictureWidth * kPictureHeight, 0x3366CC);
  p->Present(picture.data());
  p->Present(picture.data());
  EXPECT_EQ(p->FrameCount(), 2u);
  EXPECT_EQ(p->LastFrame(), picture);

  const MouseReading m = p->ReadMouse();
  EXPECT_GE(m.x, 0);
  EXPECT_LT(m.x, kPictureWidth);
  EXPECT_GE(m.y, 0);
  EXPECT_LT(m.y, kPictureHeight);

  p->ToggleFullscreen();
  p->Present(picture.data());
  p->ToggleFullscreen();
  p->CloseWindow();
  EXPECT_FALSE(p->WindowOpen());
  p->CloseWindow();  // closing twice is harmless
}

TEST(SdlPlatform, FailedAcceleratedStartLeavesNoWindow) {
  auto p = MakeDummy();
  ASSERT_NE(p, nullptr);
  WindowConfig config;
  config.accelerated = true;
  std::string error;
  if (p->OpenWindow(config, error)) {
    EXPECT_NE(p->RendererName(), "software");
  } else {
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(p->WindowOpen());
  }
  p->CloseWindow();
  config.accelerated = false;
  EXPECT_TRUE(p->OpenWindow(config, error)) << error;
}

TEST(SdlPlatform, PostedEventsArriveInOrderFromAnyThread) {
  auto p = MakeDummy();
  ASSERT_NE(p, nullptr);
  std::thread poster([&] {
    p->PostEvent({EventType::MusicFinished, 0});
    p->PostEvent({EventType::Quit, 5});
  });
  poster.join();
  p->WaitEvent();
  std::vector<Event> events;
  Event e{};
  while (p->PollEvent(e)) events.push_back(e);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].type, EventType::MusicFinished);
  EXPECT_EQ(events[1].type, EventType::Quit);
  EXPECT_EQ(events[1].value, 5);
  EXPECT_FALSE(p->IsKeyDown(0x1B));
  JoystickReading j;
  EXPECT_FALSE(p->ReadJoystick(7, j));
}

}  // namespace
}  // namespace vh::platform
