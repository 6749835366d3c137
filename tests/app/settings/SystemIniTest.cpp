#include "app/settings/SystemIni.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

namespace vh::app {
namespace {

using namespace std::string_literals;

using Values = std::array<int32_t, 7>;

Values ToValues(const SystemSettings& s) {
  return {s.Direct3D, s.Window, s.Bpp, s.VSyncMode, s.Reserved, s.ShowFPS, s.ObjectCompat};
}

const Values kDefaults{0, 0, 0, 2, 0, 1, 0};
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

SystemIniStatus Parse(const std::string& text, SystemSettings& settings) {
  return ParseSystemIni(
      std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), settings);
}

TEST(SystemIni, DefaultsAreTheDocumentedOnes) { EXPECT_EQ(ToValues(SystemSettings{}), kDefaults); }

TEST(SystemIni, ReadsSevenValuesByPosition) {
  const std::string seven = "Window=1\nBpp=1\nAny=1\nName=1\nAt=1\nAll=1\nX=1\n";
  struct Case {
    const char* what;
    std::string text;
    Values want;
  };
  const Case cases[] = {
      {"names ignored", seven, {1, 1, 1, 1, 1, 1, 1}},
      {"usual file",
       "Direct3D=1\nWindow=1\nBpp=16\nVSyncMode=0\nReserved=9\nShowFPS=2\nObjectCompat=1\n",
       {1, 1, 16, 0, 9, 2, 1}},
      {"comment after a value",
       "Direct3D=1 /use Direct3D\nWindow=0\t/ full screen\nBpp=32/x\nV=1\nR=0\nS=0\nO=0\n",
       {1, 0, 32, 1, 0, 0, 0}},
      {"CRLF line endings", "D=1\r\nW=1\r\nB=8\r\nV=1\r\nR=0\r\nS=0\r\nO=3\r\n", {1, 1, 8, 1, 0, 0, 3}},
      {"no line break at the end", "a=1\nb=2\nc=3\nd=4\ne=5\nf=6\ng=7", {1, 2, 3, 4, 5, 6, 7}},
      {"blanks after = skipped on every entry", "D=  1\nW= 2\nB=\t3\nV=4\nR=5\nS=6\nO=7\n",
       {1, 2, 0, 4, 5, 6, 7}},
      {"blanks and tabs inside names", "Direct 3D = 1\n\tWin dow\t=1\nB=1\nV=1\nR=1\nS=1\nO=1\n",
       {1, 1, 1, 1, 1, 1, 1}},
      {"atoi conversion", "a=12abc\nb=abc\nc=-3\nd=+4\ne=\nf=99999999999\ng=-99999999999\n",
       {12, 0, -3, 4, 0, kMax, kMin}},
      {"tab ends a value; the rest joins the next name", "a=1\t2=5\nc=3\nd=4\ne=5\nf=6\ng=7\nh=8",
       {1, 5, 3, 4, 5, 6, 7}},
      {"NUL ends a value", "a=1\0" "9\nb=2\nc=3\nd=4\ne=5\nf=6\ng=7\n"s,
       {1, 2, 3, 4, 5, 6, 7}},
      {"binary junk around the entries",
       "\xff\xfe\x01=\x80\x81\n\x00\x02=7\x00\x1b=\x7f\n\x03=-1\xff\n=5\n\x04=6\n\x05=8"s,
       {0, 7, 0, -1, 5, 6, 8}},
      {"anything after the seventh value", seven + "junk without equals", {1, 1, 1, 1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    SystemSettings settings;
    EXPECT_EQ(Parse(c.text, settings), SystemIniStatus::Read) << c.what;
    EXPECT_EQ(ToValues(settings), c.want) << c.what;
  }
}

TEST(SystemIni, AnOptionalEighthEntryFixesTheWindowScale) {
  const std::string seven = "a=1\nb=1\nc=1\nd=1\ne=1\nf=1\ng=1\n";
  const std::string longValue(kSystemIniTextLimit + 1, '2');
  const struct {
    const char* what;
    std::string tail;
    int32_t scale;
  } cases[] = {
      {"absent", "", 0},
      {"given", "Scale=3\n", 3},
      {"largest", "Scale=8", 8},
      {"too large", "Scale=9\n", 0},
      {"zero or negative", "Scale=-2\n", 0},
      {"not a number", "Scale=big\n", 0},
      {"over-long", "Scale=" + longValue, 0},
  };
  for (const auto& c : cases) {
    SystemSettings settings;
    EXPECT_EQ(Parse(seven + c.tail, settings), SystemIniStatus::Read) << c.what;
    EXPECT_EQ(settings.Scale, c.scale) << c.what;
    EXPECT_EQ(ToValues(settings), (Values{1, 1, 1, 1, 1, 1, 1})) << c.what;
  }
}

TEST(SystemIni, DamagedFilesChangeNothing) {
  const std::string longName(kSystemIniTextLimit + 1, 'n');
  const std::string longValue(kSystemIniTextLimit + 1, '1');
  struct Case {
    const char* what;
    std::string text;
    SystemIniStatus want;
  };
  const Case cases[] = {
      {"empty", "", SystemIniStatus::EndedEarly},
      {"six entries", "a=1\nb=1\nc=1\nd=1\ne=1\nf=1\n", SystemIniStatus::EndedEarly},
      {"seventh name without =", "a=1\nb=1\nc=1\nd=1\ne=1\nf=1\ng 1\n", SystemIniStatus::EndedEarly},
      {"no = at all", "\x00\x01\xff\n\r\t"s, SystemIniStatus::EndedEarly},
      {"name too long", "a=1\n" + longName + "=1\n", SystemIniStatus::NameTooLong},
      {"value too long", "a=" + longValue + "\n", SystemIniStatus::ValueTooLong},
  };
  for (const Case& c : cases) {
    SystemSettings settings{5, 5, 5, 5, 5, 5, 5};
    EXPECT_EQ(Parse(c.text, settings), c.want) << c.what;
    EXPECT_EQ(ToValues(settings), (Values{5, 5, 5, 5, 5, 5, 5})) << c.what;
  }
}

TEST(SystemIni, LengthLimitsAreInclusive) {
  const std::string seventh = "b=2\nc=3\nd=4\ne=5\nf=6\ng=7\n";
  SystemSettings settings;
  const std::string name(kSystemIniTextLimit, 'n');
  EXPECT_EQ(Parse(name + "=1\n" + seventh, settings), SystemIniStatus::Read);
  // Blanks are dropped before they count.
  const std::string blanks(3 * kSystemIniTextLimit, ' ');
  EXPECT_EQ(Parse("a" + blanks + "=1\n" + seventh, settings), SystemIniStatus::Read);
  const std::string value = std::string(kSystemIniTextLimit - 2, '0') + "42";
  EXPECT_EQ(Parse("a=" + value + "\n" + seventh, settings), SystemIniStatus::Read);
  EXPECT_EQ(settings.Direct3D, 42);
}

TEST(SystemIni, ReadsFromAFile) {
  const auto dir = std::filesystem::temp_directory_path() / "vh_system_ini_test";
  std::filesystem::create_directories(dir);
  const auto file = dir / "System.ini";
  std::ofstream(file, std::ios::binary) << "D=1\r\nW=1\r\nB=0\r\nV=1\r\nR=0\r\nS=0\r\nO=0\r\n";
  SystemSettings settings;
  EXPECT_EQ(ReadSystemIni(file, settings), SystemIniStatus::Read);
  EXPECT_EQ(ToValues(settings), (Values{1, 1, 0, 1, 0, 0, 0}));

  SystemSettings untouched;
  EXPECT_EQ(ReadSystemIni(dir / "missing.ini", untouched), SystemIniStatus::CannotOpen);
  EXPECT_NE(ReadSystemIni(dir, untouched), SystemIniStatus::Read);
  EXPECT_EQ(ToValues(untouched), kDefaults);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vh::app
