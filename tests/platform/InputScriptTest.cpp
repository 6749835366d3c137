#include "platform/headless/InputScript.h"

#include <gtest/gtest.h>

#include "platform/KeyTable.h"

namespace vh::platform {
namespace {

int Scancode(const char* name) {
  std::size_t length = 0;
  return keys::MatchKeyName(name, length);
}

TEST(InputScript, ParsesKeysMouseAndComments) {
  const char* text =
      "\xEF\xBB\xBF# title screen, after a byte-order mark\n"
      "0\n"
      "  3   Left Ctrl   z  # jump while crouching\n"
      "3 mouse 10 20 left\n"
      "\n"
      "7\tmouse 639 479 right LEFT\r\n"
      "9 Escape";
  InputScript script;
  std::string error;
  ASSERT_TRUE(ParseInputScript(text, script, error)) << error;
  ASSERT_EQ(script.changes.size(), 5u);

  EXPECT_EQ(script.changes[0].frame, 0u);
  EXPECT_TRUE(script.changes[0].scancodes.empty());

  const ScriptChange& keys = script.changes[1];
  EXPECT_EQ(keys.frame, 3u);
  EXPECT_EQ(keys.kind, ScriptChange::Kind::Keys);
  EXPECT_EQ(keys.scancodes, (std::vector<int>{Scancode("Left Ctrl"), Scancode("Z")}));

  const ScriptChange& mouse = script.changes[2];
  EXPECT_EQ(mouse.kind, ScriptChange::Kind::Mouse);
  EXPECT_EQ(mouse.mouse.x, 10);
  EXPECT_EQ(mouse.mouse.y, 20);
  EXPECT_TRUE(mouse.mouse.left);
  EXPECT_FALSE(mouse.mouse.right);

  EXPECT_EQ(script.changes[3].frame, 7u);
  EXPECT_TRUE(script.changes[3].mouse.left);
  EXPECT_TRUE(script.changes[3].mouse.right);
  EXPECT_EQ(script.changes[4].scancodes, std::vector<int>{Scancode("Escape")});
}

TEST(InputScript, MalformedLinesNameTheirLine) {
  const struct {
    const char* text;
    const char* error;
  } kCases[] = {
      {"0 Z\nZ 1\n", "line 2: expected a frame number"},
      {"0 Z\n\n# c\n4 Jump\n", "line 4: unknown key 'Jump'"},
      {"-1 Z\n", "line 1: expected a frame number"},
      {"5 Z\n4 X\n", "line 2: frame 4 comes after frame 5"},
      {"1 mouse 10\n", "line 1: mouse needs X and Y"},
      {"1 mouse 640 0\n", "line 1: mouse position outside the 640 x 480 picture"},
      {"1 mouse 1 2 middle\n", "line 1: unknown mouse button 'middle'"},
      {"1x Z\n", "line 1: expected a frame number"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    InputScript script;
    script.changes.resize(1);
    std::string error;
    EXPECT_FALSE(ParseInputScript(c.text, script, error));
    EXPECT_EQ(error, c.error);
    // A failed parse leaves the previous script alone.
    EXPECT_EQ(script.changes.size(), 1u);
  }
}

TEST(InputScript, MissingFileIsAnError) {
  InputScript script;
  std::string error;
  EXPECT_FALSE(LoadInputScript("/nonexistent/input.txt", script, error));
  EXPECT_NE(error.find("/nonexistent/input.txt"), std::string::npos);
}

}  // namespace
}  // namespace vh::platform
