#include "platform/MachineInfo.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vh::platform {
namespace {

TEST(MachineInfo, DescribesThisMachine) {
  const MachineInfo m = ReadMachineInfo(std::filesystem::temp_directory_path());
  EXPECT_FALSE(m.osName.empty());
  EXPECT_FALSE(m.osVersion.empty());
  EXPECT_GT(m.processId, 0);
#if defined(__x86_64__) || defined(__i386__)
  EXPECT_EQ(m.cpuVendor.size(), 12u) << m.cpuVendor;
  EXPECT_EQ(m.cpuBrand.find('\0'), std::string::npos);
#endif
  EXPECT_GT(m.cpuMhz, 0);
  EXPECT_GT(m.memTotalMb, 16.0);
  EXPECT_GT(m.memFreeMb, 0.0);
  EXPECT_LE(m.memFreeMb, m.memTotalMb);
  EXPECT_GE(m.virtTotalMb, m.memTotalMb);
  EXPECT_GT(m.diskFreeMb, 0.0);
}

TEST(MachineInfo, MissingFolderHasNoDiskFigure) {
  const MachineInfo m = ReadMachineInfo("/nonexistent/folder");
  EXPECT_EQ(m.diskFreeMb, 0.0);
  EXPECT_FALSE(m.osName.empty());
}

}  // namespace
}  // namespace vh::platform
