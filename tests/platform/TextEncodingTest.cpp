#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace vh::platform {
namespace {

struct RoundTrip {
  const char* name;
  std::string sjis;
  std::string utf8;
};

class TextEncodingRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(TextEncodingRoundTrip, ConvertsBothWays) {
  const RoundTrip& c = GetParam();
  EXPECT_EQ(ShiftJisToUtf8(c.sjis), c.utf8);
  EXPECT_EQ(Utf8ToShiftJis(c.utf8), c.sjis);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextEncodingRoundTrip,
    ::testing::Values(
        RoundTrip{"Ascii", "Report.txt", "Report.txt"},
        // Backslash and tilde stay themselves in code page 932.
        RoundTrip{"AsciiSeparators", "user_data\\stg3\\~a", "user_data\\stg3\\~a"},
        RoundTrip{"FullWidth", "\x83\x51\x81\x5B\x83\x80", "ゲーム"},
        RoundTrip{"HalfWidthKatakana", "\xB9\xDE\xB0\xD1", "ｹﾞｰﾑ"},
        // 0x5C as the second byte of a double-byte character.
        RoundTrip{"TrailByteBackslash", "\x83\x5C\x83\x74\x83\x67", "ソフト"},
        RoundTrip{"Mixed", "1-1\x92\xCA\x8F\xED", "1-1通常"},
        RoundTrip{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextEncoding, InvalidBytesBecomeOneQuestionMarkEach) {
  // 0x80 is not a character; 0x81 followed by a space is a broken pair, and
  // the space must survive.
  EXPECT_EQ(ShiftJisToUtf8("a\x80" "b"), "a?b");
  EXPECT_EQ(ShiftJisToUtf8("a\x81 b"), "a? b");
  // A lead byte cut off at the end of the text.
  EXPECT_EQ(ShiftJisToUtf8("ab\x83"), "ab?");
}

TEST(TextEncoding, UnmappableAndMalformedUtf8) {
  // An emoji has no Shift-JIS form: one '?' for the whole character.
  EXPECT_EQ(Utf8ToShiftJis("a\xF0\x9F\x98\x80" "b"), "a?b");
  // A broken sequence loses only its bad byte, not the letter after it.
  EXPECT_EQ(Utf8ToShiftJis("a\xE3" "b"), "a?b");
}

}  // namespace
}  // namespace vh::platform
