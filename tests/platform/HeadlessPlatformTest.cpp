#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/VirtualKeys.h"

namespace vh::platform {
namespace {

std::unique_ptr<HeadlessPlatform> Make(const char* scriptText, std::ostream& messages) {
  InputScript script;
  std::string error;
  EXPECT_TRUE(ParseInputScript(scriptText, script, error)) << error;
  return std::make_unique<HeadlessPlatform>(std::move(script), messages);
}

std::vector<Event> Drain(Platform& p) {
  std::vector<Event> events;
  Event e{};
  while (p.PollEvent(e)) events.push_back(e);
  return events;
}

TEST(HeadlessPlatform, ClockMovesOnlyWhenSleeping) {
  std::ostringstream messages;
  auto p = Make("", messages);
  EXPECT_EQ(p->NowMs(), 0u);
  const std::vector<uint32_t> picture(kPictureWidth * kPictureHeight, 0x123456);
  p->Present(picture.data());
  EXPECT_EQ(p->NowMs(), 0u);
  p->SleepMs(16);
  p->SleepMs(1);
  EXPECT_EQ(p->NowMs(), 17u);
  // Wraps at 2^32 like the millisecond timer.
  p->SleepMs(0xFFFFFFFFu);
  EXPECT_EQ(p->NowMs(), 16u);
}

TEST(HeadlessPlatform, KeysFollowTheScriptFrameByFrame) {
  std::ostringstream messages;
  auto p = Make("0 Z\n2 Left Shift Z Left\n4\n5 Escape\n", messages);
  const std::vector<uint32_t> picture(kPictureWidth * kPictureHeight);

  const struct {
    bool z, shift, left, escape;
  } kExpected[] = {
      {true, false, false, false},  {true, false, false, false}, {true, true, true, false},
      {true, true, true, false},    {false, false, false, false}, {false, false, false, true},
  };
  std::vector<Event> keyDowns;
  for (uint64_t frame = 0; frame < std::size(kExpected); ++frame) {
    SCOPED_TRACE(frame);
    ASSERT_EQ(p->FrameCount(), frame);
    EXPECT_EQ(p->IsKeyDown(0x5A), kExpected[frame].z);
    EXPECT_EQ(p->IsKeyDown(vk::kShift), kExpected[frame].shift);
    EXPECT_EQ(p->IsKeyDown(vk::kLShift), kExpected[frame].shift);
    EXPECT_FALSE(p->IsKeyDown(vk::kRShift));
    EXPECT_EQ(p->IsKeyDown(vk::kLeft), kExpected[frame].left);
    EXPECT_EQ(p->IsKeyDown(vk::kEscape), kExpected[frame].escape);
    for (const Event& e : Drain(*p)) {
      if (e.type == EventType::KeyDown) keyDowns.push_back(e);
    }
    p->Present(picture.data());
  }
  // Only keys that become held are presses; Z held on is not pressed again.
  ASSERT_EQ(keyDowns.size(), 4u);
  EXPECT_EQ(keyDowns[0].value, 0x5A);
  std::vector<int> frame2 = {keyDowns[1].value, keyDowns[2].value};
  std::sort(frame2.begin(), frame2.end());
  EXPECT_EQ(frame2, (std::vector<int>{vk::kShift, vk::kLeft}));
  EXPECT_EQ(keyDowns[3].value, vk::kEscape);
}

TEST(HeadlessPlatform, StartsActiveAndQueuesPostedEvents) {
  std::ostringstream messages;
  auto p = Make("", messages);
  p->PostClose();
  p->PostEvent({EventType::Quit, 3});
  p->WaitEvent();  // must not block
  const std::vector<Event> events = Drain(*p);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].type, EventType::Activated);
  EXPECT_EQ(events[1].type, EventType::CloseRequested);
  EXPECT_EQ(events[2].type, EventType::Quit);
  EXPECT_EQ(events[2].value, 3);
}

TEST(HeadlessPlatform, KeepsTheLastPictureAndMouse) {
  std::ostringstream messages;
  auto p = Make("1 mouse 100 200 right\n", messages);
  std::string error;
  ASSERT_TRUE(p->OpenWindow({}, error));
  EXPECT_TRUE(p->WindowOpen());
  EXPECT_TRUE(p->LastFrame().empty());
  EXPECT_EQ(p->ReadMouse().x, 0);

  std::vector<uint32_t> picture(kPictureWidth * kPictureHeight, 0x00FF00);
  picture[kPictureWidth * 479 + 639] = 0xABCDEF;
  EXPECT_FALSE(p->Present(picture.data()));
  EXPECT_EQ(p->LastFrame(), picture);
  EXPECT_EQ(p->FrameCount(), 1u);

  const MouseReading m = p->ReadMouse();
  EXPECT_EQ(m.x, 100);
  EXPECT_EQ(m.y, 200);
  EXPECT_FALSE(m.left);
  EXPECT_TRUE(m.right);

  JoystickReading j;
  EXPECT_FALSE(p->ReadJoystick(0, j));
  p->CloseWindow();
  EXPECT_FALSE(p->WindowOpen());
}

TEST(HeadlessPlatform, MessageBoxesAreWrittenAndAnsweredWithTheDefault) {
  std::ostringstream messages;
  auto p = Make("", messages);
  EXPECT_EQ(p->ShowMessageBox({"二重起動", "既に起動しています", MessageBoxButtons::Ok}), kIdOk);
  EXPECT_EQ(p->ShowMessageBox({"確認", "保存しますか？\n2行目", MessageBoxButtons::YesNoCancel,
                               MessageBoxIcon::Question, 1}),
            kIdNo);
  EXPECT_EQ(p->ShowMessageBox({"c", "t", MessageBoxButtons::OkCancel, MessageBoxIcon::None, 7}),
            kIdOk);
  EXPECT_EQ(p->ShowChoiceBox({"起動", "モード", {"Direct3D", "DirectDraw", "ゲーム中止"}, 1, 2}), 1);
  EXPECT_EQ(p->ShowChoiceBox({"c", "t", {}, 0, -1}), -1);
  EXPECT_EQ(messages.str(),
            "二重起動: 既に起動しています\n"
            "確認: 保存しますか？\n2行目\n"
            "c: t\n"
            "起動: モード\n"
            "c: t\n");
}

TEST(HeadlessPlatform, CreatePlatformReportsScriptErrors) {
  const auto file = std::filesystem::temp_directory_path() / "vh_headless_bad_script.txt";
  std::ofstream(file) << "0 Z\n1 Nokey\n";
  std::string error;
  PlatformOptions options;
  options.kind = BackendKind::Headless;
  options.scriptPath = file.string();
  EXPECT_EQ(CreatePlatform(options, error), nullptr);
  EXPECT_NE(error.find("line 2: unknown key 'Nokey'"), std::string::npos) << error;
  std::filesystem::remove(file);

  options.scriptPath.clear();
  auto p = CreatePlatform(options, error);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Kind(), BackendKind::Headless);
  EXPECT_EQ(p->DesktopBitsPerPixel(), 32);
}

}  // namespace
}  // namespace vh::platform
