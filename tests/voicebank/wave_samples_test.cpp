#include "voicebank/wave_samples.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/text_file.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo;
using namespace ruvo::testing;
using namespace std::string_literals;

TEST(WaveSamples, ReadsMonoSamplesExactly) {
  auto wave = parseWaveSamples(monoWave({0, 1, -1, 32767, -32768}, 22050), "t.wav");
  ASSERT_TRUE(wave) << wave.error().message;
  EXPECT_EQ(wave->sampleRate, 22050);
  EXPECT_EQ(wave->channels, 1);
  EXPECT_EQ(wave->samples, (std::vector<int16_t>{0, 1, -1, 32767, -32768}));
  EXPECT_TRUE(wave->warnings.empty());
}

TEST(WaveSamples, KeepsTheFirstChannelOfInterleavedFrames) {
  auto bytes = riff(chunk("fmt ", fmtBody(3, 44100)) + chunk("data", pcmBody({1, 100, 200, 2, 101, 201, 3, 102, 202})));
  auto wave = parseWaveSamples(bytes, "t.wav");
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->channels, 3);
  EXPECT_EQ(wave->samples, (std::vector<int16_t>{1, 2, 3}));
}

TEST(WaveSamples, SkipsOtherChunksIncludingOddSizedOnes) {
  // A 3-byte chunk is followed by one pad byte; reading it as 3 would land
  // the next chunk id one byte early.
  auto bytes = riff(chunk("LIST", "abc") + chunk("fmt ", fmtBody(1, 8000)) + chunk("junk", std::string(7, 'x')) +
                    chunk("data", pcmBody({-5, 5})));
  auto wave = parseWaveSamples(bytes, "t.wav");
  ASSERT_TRUE(wave) << wave.error().message;
  EXPECT_EQ(wave->samples, (std::vector<int16_t>{-5, 5}));
}

TEST(WaveSamples, AcceptsExtensiblePcmAndRefusesExtensibleFloat) {
  auto extensible = [](uint16_t subFormat) {
    std::string body = fmtBody(1, 44100, 16, 0xFFFE);
    putU16(body, 22);          // extension size
    putU16(body, 16);          // valid bits
    putU32(body, 4);           // channel mask
    putU16(body, subFormat);   // first two bytes of the sub-format GUID
    body += std::string(14, '\0');
    return riff(chunk("fmt ", body) + chunk("data", pcmBody({7})));
  };
  auto pcm = parseWaveSamples(extensible(1), "t.wav");
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->samples, std::vector<int16_t>{7});
  EXPECT_FALSE(parseWaveSamples(extensible(3), "t.wav"));
}

TEST(WaveSamples, CutsADataChunkThatRunsPastTheEndAndSaysSo) {
  std::string bytes = monoWave({10, 20, 30});
  bytes.resize(bytes.size() - 1);  // half of the last sample is gone
  auto wave = parseWaveSamples(bytes, "t.wav");
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->samples, (std::vector<int16_t>{10, 20}));
  ASSERT_EQ(wave->warnings.size(), 2u);
  EXPECT_EQ(wave->warnings[0], "t.wav: data chunk of 6 bytes cut to the 5 bytes in the file");
}

TEST(WaveSamples, RefusesDamagedStructureWithAReason) {
  struct Case {
    std::string bytes;
    std::string message;
  };
  const std::string data = chunk("data", pcmBody({1}));
  const std::vector<Case> cases = {
      {"", "x: not a RIFF WAVE file"},
      {"RIFF\x04\0\0\0WAV"s, "x: not a RIFF WAVE file"},
      {riff(data), "x: data chunk before any fmt chunk"},
      {riff(chunk("fmt ", fmtBody(1, 44100))), "x: no data chunk"},
      {riff(chunk("LIST", "ab")), "x: no fmt chunk"},
      {riff(chunk("fmt ", fmtBody(1, 44100).substr(0, 14)) + data), "x: fmt chunk shorter than 16 bytes"},
      {riff(chunk("fmt ", fmtBody(0, 44100)) + data), "x: zero channels"},
      {riff(chunk("fmt ", fmtBody(1, 0)) + data), "x: sample rate 0"},
      {riff(chunk("fmt ", fmtBody(1, 44100, 8)) + data), "x: 8-bit samples, only 16-bit is read"},
      {riff(chunk("fmt ", fmtBody(1, 44100, 32, 3)) + data), "x: not PCM (format tag 3)"},
      {riff(chunk("fmt ", fmtBody(2, 44100)).replace(20, 2, "\x02\0"s) + data),
       "x: block align 2 does not fit 2 channels of 16 bits"},
      // A fmt chunk that claims 4 GiB must not be read past the file.
      {"RIFF\0\0\0\0WAVEfmt \xff\xff\xff\xff"s + fmtBody(1, 44100) + data, "x: fmt chunk runs past the end of the file"},
  };
  for (const auto& c : cases) {
    auto wave = parseWaveSamples(c.bytes, "x");
    ASSERT_FALSE(wave) << c.message;
    EXPECT_EQ(wave.error().code, ErrorCode::BadFormat);
    EXPECT_EQ(wave.error().message, c.message);
  }
}

TEST(WaveSamples, ReadsFromDiskAndReportsAMissingFile) {
  const TempFolder dir("ruvo_wave_samples");
  const auto path = dir / "t.wav";
  ASSERT_TRUE(writeFileBytes(path, monoWave({3, -3})));
  auto wave = readWaveSamples(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->samples, (std::vector<int16_t>{3, -3}));
  auto missing = readWaveSamples(path);
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ErrorCode::NotFound);
}

TEST(WaveSamples, UnitFloatScalesFullScaleToMinusOne) {
  EXPECT_EQ(toUnitFloat({-32768, 0, 16384}), (std::vector<float>{-1.0f, 0.0f, 0.5f}));
}
