// Starts `vormholt --headless` on a copy of the default data folder and checks
// what a user would see: exit codes, Report.txt, message boxes, screenshots.
#include <gtest/gtest.h>
#include <stb/stb_image.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/InstanceLock.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct RunResult {
  int exitCode = -1;
  std::string stderrText;
};

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* game = VH_GAME_DIR;
    root = fs::temp_directory_path() /
           (std::string("vh_e2e_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::copy(game, root, fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(root); }

  void WriteFile(const fs::path& relative, const std::string& text) {
    std::ofstream(root / relative, std::ios::binary) << text;
  }

  RunResult Run(const std::string& arguments) {
    const fs::path errors = root / "stderr.txt";
    const std::string command = std::string(VH_VORMHOLT) + " --headless --root " +
                                root.string() + " " + arguments + " 2>" + errors.string();
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.stderrText = ReadAll(errors);
    return result;
  }

  fs::path root;
};

TEST_F(EndToEnd, EscapeEndsThroughTheNormalShutdown) {
  WriteFile("script.txt", "# wait, then press Escape\n30 Escape\n");
  const RunResult result = Run("--script " + (root / "script.txt").string());
  EXPECT_EQ(result.exitCode, 0) << result.stderrText;
  EXPECT_EQ(result.stderrText, "") << "no message box on a normal start";
  const std::string report = ReadAll(root / "Report.txt");
  EXPECT_EQ(report.rfind("App : ver 432\nOS : ", 0), 0u) << report;
  EXPECT_NE(report.find("Mode : Window\nBpp : 32\n"), std::string::npos) << report;
  EXPECT_FALSE(fs::exists(root / "EC_Game.txt"));
}

TEST_F(EndToEnd, ASecondCopyLeavesTheFirstCopysReportAlone) {
  WriteFile("Report.txt", "the running copy's report\n");
  vh::platform::InstanceLock firstCopy;
  ASSERT_EQ(firstCopy.Acquire(root, "ゲーム"), vh::platform::InstanceLock::Result::Acquired);
  const RunResult result = Run("--frames 5");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.stderrText, "二重起動: 既に起動しています\n");
  EXPECT_EQ(ReadAll(root / "Report.txt"), "the running copy's report\n");
}

TEST_F(EndToEnd, AMissingSystemIniIsReportedAndDefaultsApply) {
  fs::remove(root / "System.ini");
  const RunResult result = Run("--frames 3");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.stderrText.find("エラー: System.ini の読み込みに失敗しました！"),
            std::string::npos);
  EXPECT_NE(ReadAll(root / "Report.txt").find("Mode : Fullscreen\nBpp : 8\n"), std::string::npos)
      << "the defaults ask for full screen at 8 bits";
}

TEST_F(EndToEnd, TheLaunchDialogChoosesTheRendererAndRemembersIt) {
  WriteFile("System.ini", "Direct3D=2\nWindow=1\nBpp=32\nVSync=0\nR=0\nShowFPS=0\nO=0\n");
  fs::create_directories(root / "user_data");
  fs::remove(root / "user_data" / "Boot.dat");
  RunResult result = Run("--frames 2");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.stderrText.find("描画モード: 詳細な設定は環境設定ファイル「System.ini」で行って下さい。"),
            std::string::npos)
      << result.stderrText;
  EXPECT_NE(ReadAll(root / "Report.txt").find("Draw : Direct3D\n"), std::string::npos)
      << "a first start preselects Direct3D";
  const std::string boot = ReadAll(root / "user_data" / "Boot.dat");
  EXPECT_EQ(boot, std::string("\x01\0\0\0\0\0\0\0", 8)) << "draw mode 1, ask again next time";

  // Hidden dialog: the stored choice is used without asking.
  WriteFile("user_data/Boot.dat", std::string("\0\0\0\0\x01\0\0\0", 8));
  result = Run("--frames 2");
  EXPECT_EQ(result.stderrText, "");
  EXPECT_NE(ReadAll(root / "Report.txt").find("Draw : DirectDraw\n"), std::string::npos);
}

// Decodes a screenshot into XRGB pixels (alpha dropped).
std::vector<uint32_t> LoadPicture(const fs::path& file) {
  int width = 0, height = 0, channels = 0;
  unsigned char* data = stbi_load(file.c_str(), &width, &height, &channels, 3);
  std::vector<uint32_t> pixels;
  if (data == nullptr) return pixels;
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
  for (int i = 0; i < width * height; ++i) {
    pixels.push_back(uint32_t{data[i * 3]} << 16 | uint32_t{data[i * 3 + 1]} << 8 | data[i * 3 + 2]);
  }
  stbi_image_free(data);
  return pixels;
}

TEST_F(EndToEnd, TheFpsTextShowsOnlyWhenShowFpsIsExactlyOne) {
  std::vector<std::vector<uint32_t>> shots;
  for (int showFps : {1, 2}) {
    WriteFile("System.ini", "Direct3D=1\nWindow=1\nBpp=32\nVSync=0\nR=0\nShowFPS=" +
                                std::to_string(showFps) + "\nObjectCompat=0\n");
    const fs::path shot = root / ("fps" + std::to_string(showFps) + ".png");
    const RunResult result = Run("--frames 40 --screenshot 30:" + shot.string());
    ASSERT_EQ(result.exitCode, 0) << result.stderrText;
    shots.push_back(LoadPicture(shot));
    ASSERT_EQ(shots.back().size(), 640u * 480u);
  }
  int differing = 0, differingOutside = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      if (shots[0][y * 640 + x] == shots[1][y * 640 + x]) continue;
      const bool inFpsArea = x >= 584 && y >= 460 && y < 476;
      ++(inFpsArea ? differing : differingOutside);
    }
  }
  EXPECT_GT(differing, 20) << "the FPS text is drawn at (584, 460)";
  EXPECT_EQ(differingOutside, 0);
}

}  // namespace
