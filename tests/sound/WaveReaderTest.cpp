#include "sound/WaveReader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sound/SoundFiles.h"

namespace vh::sound {
namespace {

using test::Bytes;
using test::Chunk;
using test::Concat;
using test::FormatBody;
using test::RiffWave;

const Bytes kSamples{0x80, 0xff, 0x00, 0x7f, 0x81};

struct AcceptCase {
  const char* name;
  Bytes file;
  int rate, bits, channels, blockAlign;
};

class WaveAccepts : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(WaveAccepts, ReadsFormatAndSamples) {
  const AcceptCase& c = GetParam();
  WaveData wave;
  std::string why;
  ASSERT_TRUE(ReadWave(c.file, wave, why)) << why;
  EXPECT_EQ(wave.format.samplesPerSec, c.rate);
  EXPECT_EQ(wave.format.bitsPerSample, c.bits);
  EXPECT_EQ(wave.format.channels, c.channels);
  EXPECT_EQ(wave.blockAlign, c.blockAlign);
  EXPECT_EQ(wave.samples, kSamples);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveAccepts,
    ::testing::Values(
        AcceptCase{"Plain8BitMono", test::PcmWave(kSamples), 22050, 8, 1, 1},
        AcceptCase{"SixteenBitStereo", test::PcmWave(kSamples, 44100, 2, 16), 44100, 16, 2, 4},
        // An 18-byte format (with the extra-size field) is still accepted.
        AcceptCase{"EighteenByteFormat",
                   RiffWave(Concat({Chunk("fmt ", FormatBody(1, 1, 11025, 8, 2)),
                                    Chunk("data", kSamples)})),
                   11025, 8, 1, 1},
        // Chunks before and between are skipped, odd ones with their pad byte.
        AcceptCase{"OtherChunksSkipped",
                   RiffWave(Concat({Chunk("LIST", Bytes{1, 2, 3}),
                                    Chunk("fmt ", FormatBody(1, 1, 22050, 8)),
                                    Chunk("fact", Bytes{9}), Chunk("data", kSamples)})),
                   22050, 8, 1, 1},
        // A RIFF size larger than the file does not matter when the chunks are whole.
        AcceptCase{"OversizedRiffLength",
                   Concat({Bytes{'R', 'I', 'F', 'F', 0xff, 0xff, 0xff, 0x7f, 'W', 'A', 'V', 'E'},
                           Chunk("fmt ", FormatBody(1, 1, 22050, 8)), Chunk("data", kSamples)}),
                   22050, 8, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
  const char* name;
  Bytes file;
  const char* reason;  // part of the message
};

class WaveRejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(WaveRejects, FailsWithReasonAndLeavesOutputAlone) {
  const RejectCase& c = GetParam();
  WaveData wave;
  wave.blockAlign = 77;
  std::string why;
  EXPECT_FALSE(ReadWave(c.file, wave, why));
  EXPECT_NE(why.find(c.reason), std::string::npos) << why;
  EXPECT_EQ(wave.blockAlign, 77);
  EXPECT_TRUE(wave.samples.empty());
}

const Bytes kFmt = Chunk("fmt ", FormatBody(1, 1, 22050, 8));

Bytes Truncated(Bytes file, size_t drop) {
  file.erase(file.end() - static_cast<std::ptrdiff_t>(std::min(drop, file.size())), file.end());
  return file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveRejects,
    ::testing::Values(
        RejectCase{"Empty", Bytes{}, "not a RIFF WAVE"},
        RejectCase{"Junk", Bytes(64, 0x5a), "not a RIFF WAVE"},
        RejectCase{"OtherForm", RiffWave(Concat({kFmt, Chunk("data", kSamples)}), "AVI "),
                   "not a RIFF WAVE"},
        RejectCase{"HeaderOnly", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A'}, "not a RIFF WAVE"},
        RejectCase{"NoFormat", RiffWave(Chunk("data", kSamples)), "no \"fmt \""},
        RejectCase{"FormatLargerThan18",
                   RiffWave(Concat({Chunk("fmt ", FormatBody(1, 1, 22050, 8, 4)),
                                    Chunk("data", kSamples)})),
                   "larger than 18"},
        RejectCase{"Extensible",
                   RiffWave(Concat({Chunk("fmt ", FormatBody(0xfffe, 1, 22050, 16, 24)),
                                    Chunk("data", kSamples)})),
                   "larger than 18"},
        RejectCase{"FloatSamples",
                   RiffWave(Concat({Chunk("fmt ", FormatBody(3, 1, 22050, 32)),
                                    Chunk("data", kSamples)})),
                   "not plain PCM"},
        RejectCase{"AdpcmInShortChunk",
                   RiffWave(Concat({Chunk("fmt ", FormatBody(2, 1, 22050, 4, 2)),
                                    Chunk("data", kSamples)})),
                   "not plain PCM"},
        RejectCase{"FormatTooShort",
                   RiffWave(Concat({Chunk("fmt ", Bytes{1, 0, 1, 0, 0x22, 0x56, 0, 0}),
                                    Chunk("data", kSamples)})),
                   "too short"},
        RejectCase{"FormatCutOffByEndOfFile",
                   Concat({Bytes{'R', 'I', 'F', 'F', 20, 0, 0, 0, 'W', 'A', 'V', 'E'},
                           Bytes{'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0}}),
                   "too short"},
        RejectCase{"NoData", RiffWave(kFmt), "no \"data\""},
        RejectCase{"DataBeforeFormat", RiffWave(Concat({Chunk("data", kSamples), kFmt})),
                   "no \"data\""},
        RejectCase{"TruncatedData", Truncated(test::PcmWave(Bytes(100, 0x80)), 10), "truncated"},
        RejectCase{"DataSizeHuge",
                   RiffWave(Concat({kFmt, Chunk("data", kSamples, 0xfffffff0)})), "truncated"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vh::sound
