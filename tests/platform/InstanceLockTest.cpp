#include "platform/InstanceLock.h"

#include <gtest/gtest.h>

namespace vh::platform {
namespace {

namespace fs = std::filesystem;

class InstanceLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / "vh_instance_lock_test";
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
};

TEST_F(InstanceLockTest, SecondCopyIsRefusedUntilTheFirstEnds) {
  {
    InstanceLock first;
    ASSERT_EQ(first.Acquire(dir_, "ゲーム"), InstanceLock::Result::Acquired);
    EXPECT_TRUE(first.Held());
    EXPECT_TRUE(fs::exists(dir_ / "ゲーム.lock"));

    InstanceLock second;
    EXPECT_EQ(second.Acquire(dir_, "ゲーム"), InstanceLock::Result::AlreadyRunning);
    EXPECT_FALSE(second.Held());

    // Another name is another lock.
    InstanceLock other;
    EXPECT_EQ(other.Acquire(dir_, "other"), InstanceLock::Result::Acquired);
  }
  InstanceLock again;
  EXPECT_EQ(again.Acquire(dir_, "ゲーム"), InstanceLock::Result::Acquired);
}

TEST_F(InstanceLockTest, MovedLockStaysHeld) {
  InstanceLock first;
  ASSERT_EQ(first.Acquire(dir_, "moved"), InstanceLock::Result::Acquired);
  InstanceLock moved(std::move(first));
  EXPECT_TRUE(moved.Held());
  InstanceLock probe;
  EXPECT_EQ(probe.Acquire(dir_, "moved"), InstanceLock::Result::AlreadyRunning);
}

TEST_F(InstanceLockTest, NameCannotLeaveTheFolder) {
  InstanceLock lock;
  ASSERT_EQ(lock.Acquire(dir_, "../escape/x"), InstanceLock::Result::Acquired);
  EXPECT_TRUE(fs::exists(dir_ / ".._escape_x.lock"));
}

TEST_F(InstanceLockTest, MissingFolderIsAnError) {
  InstanceLock lock;
  EXPECT_EQ(lock.Acquire(dir_ / "missing", "ゲーム"), InstanceLock::Result::Error);
  EXPECT_FALSE(lock.Held());
}

}  // namespace
}  // namespace vh::platform
