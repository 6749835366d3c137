#include "platform/PathMapping.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vh::platform {
namespace {

namespace fs = std::filesystem;

class PathMappingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("vh_path_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "user_data" / "stg3");
    fs::create_directories(root_ / "Wave");
    fs::create_directories(root_ / "data");
    std::ofstream(root_ / "Wave" / "カーソル移動.wav") << "x";
    std::ofstream(root_ / "data" / "ソフト.stg3p432") << "x";
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
};

TEST_F(PathMappingTest, BackslashesBecomeSeparators) {
  EXPECT_EQ(MapPath(root_, "user_data\\stg3\\new.stg3p432"),
            root_ / "user_data" / "stg3" / "new.stg3p432");
}

TEST_F(PathMappingTest, ShiftJisComponentFindsUtf8File) {
  // "ソ" ends in 0x5C: it must not split the name.
  EXPECT_EQ(MapPath(root_, "data\\\x83\x5C\x83\x74\x83\x67.stg3p432"), root_ / "data" / "ソフト.stg3p432");
}

TEST_F(PathMappingTest, LetterCaseFallsBackPerComponent) {
  const fs::path mapped = MapPath(root_, "WAVE\\\x83\x4A\x81\x5B\x83\x5C\x83\x8B\x88\xDA\x93\xAE.WAV");
  EXPECT_EQ(mapped, root_ / "Wave" / "カーソル移動.wav");
  EXPECT_TRUE(fs::exists(mapped));
}

TEST_F(PathMappingTest, MissingComponentsAreKeptAsWritten) {
  EXPECT_EQ(MapPath(root_, "USER_DATA\\rpl3\\Replay.rpl3p432"),
            root_ / "user_data" / "rpl3" / "Replay.rpl3p432");
}

TEST_F(PathMappingTest, EmptyComponentsAreSkipped) {
  EXPECT_EQ(MapPath(root_, "data\\\\\x83\x5C\x83\x74\x83\x67.stg3p432"), root_ / "data" / "ソフト.stg3p432");
}

}  // namespace
}  // namespace vh::platform
