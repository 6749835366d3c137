#include "app/report/ReportLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vh::app {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ReportLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("vh_report_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

TEST_F(ReportLogTest, CreateTruncatesAndEveryWriteAppendsALine) {
  const auto path = dir / "Report.txt";
  std::ofstream(path) << "old content\n";
  ReportLog report;
  ASSERT_TRUE(report.ReportCreate(path));
  EXPECT_EQ(ReadAll(path), "");
  report.ReportPrintf("App : ver 432");
  report.ReportError("CreateSurface System Err");
  EXPECT_EQ(ReadAll(path), "App : ver 432\nCreateSurface System Err\n");
}

TEST_F(ReportLogTest, TheDebugLogIsNeverCreated) {
  ReportLog report;
  report.SetDebugLogPath(dir / "EC_Game.txt");
  ASSERT_TRUE(report.ReportCreate(dir / "Report.txt"));
  report.ReportError("DDInit失敗");
  report.DebugLogLine("a");
  EXPECT_FALSE(std::filesystem::exists(dir / "EC_Game.txt"));
}

TEST_F(ReportLogTest, WritesFailQuietlyWhenTheReportIsGone) {
  ReportLog report;
  ASSERT_TRUE(report.ReportCreate(dir / "Report.txt"));
  std::filesystem::remove(dir / "Report.txt");
  EXPECT_FALSE(report.ReportPrintf("lost"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Report.txt"));
  EXPECT_FALSE(ReportLog().ReportCreate(dir / "missing" / "Report.txt"));
}

TEST(ReportSystemSection, HasTheLinesInOrder) {
  platform::MachineInfo m;
  m.osName = "Debian";
  m.osVersion = "6.1";
  m.processId = 42;
  m.cpuVendor = "GenuineIntel";
  m.cpuBrand = "Test CPU";
  m.cpuMhz = 2400;
  m.memTotalMb = 1024.5;
  m.memFreeMb = 512.4;
  m.virtTotalMb = 2048;
  m.virtFreeMb = 1000.6;
  m.diskFreeMb = 99.5;
  EXPECT_EQ(FormatSystemSection(m),
            "OS : Debian 6.1 PID 42\n"
            "CPU : GenuineIntel Test CPU 2400\n"
            "Mem Total : 1024.500MB\n"
            "Mem Free : 512MB\n"
            "Vir Total : 2048.000MB\n"
            "Vir Free : 1001MB\n"
            "HD Free : 100MB");
}

}  // namespace
}  // namespace vh::app
