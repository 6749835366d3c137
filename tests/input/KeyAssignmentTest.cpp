#include "input/KeyAssignment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "platform/VirtualKeys.h"

namespace vh::input {
namespace {

namespace fs = std::filesystem;

void PutInt(std::vector<uint8_t>& bytes, size_t at, uint32_t v, int width) {
  for (int i = 0; i < width; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

// A stored record: joystick 3 on every entry with code 0x100 + i, the
// reserved halves 0xBEEF, count 7, two joysticks, in use.
std::vector<uint8_t> SampleImage() {
  std::vector<uint8_t> bytes(kKeyAssignmentBytes);
  for (size_t i = 0; i < 8; ++i) {
    PutInt(bytes, i * 8, 3, 4);
    PutInt(bytes, i * 8 + 4, 0x100 + static_cast<uint32_t>(i), 2);
    PutInt(bytes, i * 8 + 6, 0xBEEF, 2);
  }
  PutInt(bytes, 64, 7, 4);
  PutInt(bytes, 68, 2, 4);
  PutInt(bytes, 72, 1, 4);
  return bytes;
}

void ExpectDefaults(const KeyAssignment& keys) {
  namespace vk = platform::vk;
  const uint16_t codes[] = {vk::kLeft, vk::kRight, vk::kUp, vk::kDown, 'Z', 'X', 'C', 'V'};
  for (int i = 0; i < kKeyEntryCount; ++i) {
    EXPECT_EQ(keys.entries[i].device, kKeyboardDevice);
    EXPECT_EQ(keys.entries[i].code, codes[i]);
  }
  EXPECT_EQ(keys.entryCount, 8);
  EXPECT_EQ(keys.joystickCount, 1);
  EXPECT_EQ(keys.customInUse, 0);
}

TEST(KeyAssignmentRecord, Defaults) { ExpectDefaults(DefaultKeyAssignment()); }

TEST(KeyAssignmentRecord, DecodesLittleEndianImage) {
  const auto keys = ParseKeyAssignment(SampleImage());
  ASSERT_TRUE(keys);
  for (int i = 0; i < kKeyEntryCount; ++i) {
    EXPECT_EQ(keys->entries[i].device, 3);
    EXPECT_EQ(keys->entries[i].code, 0x100 + i);
    EXPECT_EQ(keys->entries[i].reserved, 0xBEEF);
  }
  EXPECT_EQ(keys->entryCount, 7);
  EXPECT_EQ(keys->joystickCount, 2);
  EXPECT_EQ(keys->customInUse, 1);

  auto negative = SampleImage();
  PutInt(negative, 0, 0xFFFFFFFE, 4);
  EXPECT_EQ(ParseKeyAssignment(negative)->entries[0].device, -2);
}

class KeyAssignmentFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vh_keys_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Write(const std::vector<uint8_t>& bytes) {
    const fs::path file = dir_ / "CustomKey.dat";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

  fs::path dir_;
};

TEST_F(KeyAssignmentFile, ExactRecordLoads) {
  KeyAssignment keys;
  EXPECT_EQ(LoadKeyAssignment(Write(SampleImage()), keys), KeyFileStatus::Loaded);
  EXPECT_EQ(keys.entryCount, 7);
  EXPECT_EQ(keys.entries[5].code, 0x105);
}

TEST_F(KeyAssignmentFile, MissingOrDamagedGivesDefaults) {
  struct Case {
    const char* what;
    size_t size;
    KeyFileStatus status;
  };
  const Case cases[] = {
      {"empty", 0, KeyFileStatus::WrongSize},
      {"one short", kKeyAssignmentBytes - 1, KeyFileStatus::WrongSize},
      {"one long", kKeyAssignmentBytes + 1, KeyFileStatus::WrongSize},
      {"far too long", 5000, KeyFileStatus::WrongSize},
  };
  for (const Case& c : cases) {
    auto bytes = SampleImage();
    bytes.resize(c.size, 0xFF);
    KeyAssignment keys = *ParseKeyAssignment(SampleImage());
    EXPECT_EQ(LoadKeyAssignment(Write(bytes), keys), c.status) << c.what;
    ExpectDefaults(keys);
  }
  KeyAssignment keys = *ParseKeyAssignment(SampleImage());
  EXPECT_EQ(LoadKeyAssignment(dir_ / "absent.dat", keys), KeyFileStatus::Missing);
  ExpectDefaults(keys);
  EXPECT_FALSE(fs::exists(dir_ / "absent.dat"));
  keys = *ParseKeyAssignment(SampleImage());
  EXPECT_NE(LoadKeyAssignment(dir_, keys), KeyFileStatus::Loaded);  // a folder
  ExpectDefaults(keys);
}

}  // namespace
}  // namespace vh::input
