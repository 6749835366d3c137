#include "app/settings/BootSettings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace vh::app {
namespace {

namespace fs = std::filesystem;

class BootFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vh_boot_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Write(const std::vector<uint8_t>& bytes) {
    std::ofstream(file(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file();
  }
  std::vector<uint8_t> Bytes() const {
    std::ifstream in(file(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  fs::path file() const { return dir_ / "Boot.dat"; }

  fs::path dir_;
};

TEST_F(BootFile, DefaultsShowTheDialogWithDirect3D) {
  const BootSettings defaults;
  EXPECT_EQ(defaults.drawMode, 1);
  EXPECT_EQ(defaults.hideDialog, 0);
}

TEST_F(BootFile, ReadsExactlyEightLittleEndianBytes) {
  BootSettings settings;
  ASSERT_TRUE(ReadBoot(Write({0, 0, 0, 0, 0x01, 0x02, 0x03, 0x84}), settings));
  EXPECT_EQ(settings.drawMode, 0);
  EXPECT_EQ(settings.hideDialog, static_cast<int32_t>(0x84030201u));
}

TEST_F(BootFile, MissingShortOrLongFileKeepsEverything) {
  const std::vector<std::vector<uint8_t>> damaged = {
      {}, {0, 0, 0, 0}, {0, 0, 0, 0, 1, 0, 0}, {0, 0, 0, 0, 1, 0, 0, 0, 0}};
  for (const auto& bytes : damaged) {
    BootSettings settings{7, 9};
    EXPECT_FALSE(ReadBoot(Write(bytes), settings)) << bytes.size();
    EXPECT_EQ(settings.drawMode, 7);
    EXPECT_EQ(settings.hideDialog, 9);
  }
  BootSettings settings{7, 9};
  EXPECT_FALSE(ReadBoot(dir_ / "absent.dat", settings));
  EXPECT_EQ(settings.drawMode, 7);
}

TEST_F(BootFile, WriteThenReadRoundTrips) {
  ASSERT_TRUE(WriteBoot(file(), {-2, 1}));
  EXPECT_EQ(Bytes(), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}));
  ASSERT_TRUE(WriteBoot(file(), {0, 0x12345678}));  // replaces the old file
  BootSettings settings;
  ASSERT_TRUE(ReadBoot(file(), settings));
  EXPECT_EQ(settings.drawMode, 0);
  EXPECT_EQ(settings.hideDialog, 0x12345678);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(BootFile, FailedWriteReportsFalseAndLeavesNoTrace) {
  EXPECT_FALSE(WriteBoot(dir_ / "no_such_folder" / "Boot.dat", {}));
  // A folder in the file's place: the rename fails, the temporary goes away.
  fs::create_directories(file());
  fs::create_directories(file() / "occupied");
  EXPECT_FALSE(WriteBoot(file(), {}));
  EXPECT_FALSE(fs::exists(dir_ / "Boot.dat.tmp"));
}

}  // namespace
}  // namespace vh::app
