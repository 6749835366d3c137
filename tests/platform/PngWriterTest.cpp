#include "platform/PngWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace vh::platform {
namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads a big-endian 32-bit field of the PNG header.
uint32_t BigEndian(const std::vector<unsigned char>& b, std::size_t at) {
  return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) |
         b[at + 3];
}

TEST(PngWriter, WritesAPngOfTheGivenSizeHonouringThePitch) {
  const fs::path file = fs::temp_directory_path() / "vh_png_writer_test.png";
  // 3 x 2 picture inside rows of 5 pixels.
  std::vector<uint32_t> pixels(5 * 2, 0xFF00FF);
  ASSERT_TRUE(WritePng(file, pixels.data(), 3, 2, 5));
  const std::vector<unsigned char> bytes = ReadAll(file);
  fs::remove(file);
  ASSERT_GE(bytes.size(), 33u);
  const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin()));
  EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR");
  EXPECT_EQ(BigEndian(bytes, 16), 3u);
  EXPECT_EQ(BigEndian(bytes, 20), 2u);
}

TEST(PngWriter, RefusesBadArgumentsAndUnwritablePaths) {
  const std::vector<uint32_t> pixels(16);
  const fs::path file = fs::temp_directory_path() / "vh_png_writer_bad.png";
  EXPECT_FALSE(WritePng(file, nullptr, 4, 4, 4));
  EXPECT_FALSE(WritePng(file, pixels.data(), 0, 4, 4));
  EXPECT_FALSE(WritePng(file, pixels.data(), 4, 4, 3));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(WritePng("/nonexistent/dir/x.png", pixels.data(), 4, 4, 4));
}

}  // namespace
}  // namespace vh::platform
