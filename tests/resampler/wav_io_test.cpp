// The resampler's own WAV reader and writer: every encoding it takes read to
// exact values, everything else refused with a message, and notes written
// as 16-bit PCM that appear whole or not at all.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "core/text_file.h"
#include "resampler/wav_reader.h"
#include "resampler/wav_writer.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo;
using namespace ruvo::resampler;
using namespace ruvo::testing;
namespace fs = std::filesystem;

namespace {

std::string rawBytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

std::string wave(const std::string& fmt, const std::string& data) { return riff(chunk("fmt ", fmt) + chunk("data", data)); }

// An extensible format chunk naming PCM (1) or float (3) in its sub-format.
std::string extensible(uint16_t bits, uint16_t subFormat) {
  std::string body = fmtBody(1, 44100, bits, 0xFFFE);
  putU16(body, 22);
  putU16(body, bits);
  putU32(body, 4);
  putU16(body, subFormat);
  body += std::string(14, '\x11');
  return body;
}

}  // namespace

TEST(WavReader, EveryEncodingToFullScaleOneAndOthersRefused) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::string floats;
  for (float v : {0.25f, nan}) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    putU32(floats, bits);
  }
  const double minusThreeQuarters = -0.75;
  uint64_t doubleBits;
  std::memcpy(&doubleBits, &minusThreeQuarters, 8);
  std::string doubles;
  putU32(doubles, static_cast<uint32_t>(doubleBits));
  putU32(doubles, static_cast<uint32_t>(doubleBits >> 32));

  struct Case {
    const char* what;
    std::string bytes;
    std::vector<float> samples;  // expected; empty: refused
    const char* says = "";
  };
  const std::vector<Case> cases = {
      {"8-bit, unsigned", wave(fmtBody(1, 8000, 8), rawBytes({0x80, 0xC0, 0x00, 0xFF})), {0, 0.5f, -1, 127 / 128.0f}},
      {"16-bit stereo, averaged", wave(fmtBody(2, 44100), pcmBody({16384, -16384, 32767, 32767, -32768, 0})),
       {0, 32767 / 32768.0f, -0.5f}},
      {"24-bit", wave(fmtBody(1, 48000, 24), rawBytes({0, 0, 0x40, 0xFF, 0xFF, 0xFF})), {0.5f, -1 / 8388608.0f}},
      {"32-bit integer", wave(fmtBody(1, 96000, 32), rawBytes({0, 0, 0, 0x40, 0, 0, 0, 0x80})), {0.5f, -1}},
      {"32-bit float, NaN made 0", wave(fmtBody(1, 44100, 32, 3), floats), {0.25f, 0}},
      {"64-bit float", wave(fmtBody(1, 44100, 64, 3), doubles), {-0.75f}},
      {"extensible float", wave(extensible(32, 3), floats.substr(0, 4)), {0.25f}},
      {"data cut short, odd byte dropped", riff(chunk("fmt ", fmtBody(1, 44100)) + "data" + rawBytes({100, 0, 0, 0}) +
                                                   pcmBody({8192}) + "x"),
       {0.25f}},
      {"ADPCM", wave(fmtBody(1, 44100, 4, 2), "abcd"), {}, "format tag 2"},
      {"16-bit float", wave(fmtBody(1, 44100, 16, 3), "abcd"), {}, "16-bit samples"},
      {"extensible A-law", wave(extensible(8, 6), "ab"), {}, "format tag 6"},
      {"rate 500", wave(fmtBody(1, 500), "abcd"), {}, "sample rate"},
      {"no channels", wave(fmtBody(0, 44100), "abcd"), {}, "channel count"},
      {"wrong block align", wave(fmtBody(2, 44100, 16, 1, 2), "abcd"), {}, "block align"},
      {"no samples", wave(fmtBody(1, 44100), ""), {}, "no samples"},
      {"no data chunk", riff(chunk("fmt ", fmtBody(1, 44100))), {}, "no data chunk"},
      {"data before fmt", riff(chunk("data", "ab") + chunk("fmt ", fmtBody(1, 44100))), {}, "before any fmt"},
      {"not RIFF", "RIFX0000WAVE", {}, "not a RIFF WAVE"},
  };
  for (const Case& c : cases) {
    auto audio = parseMonoWav(c.bytes, "rec.wav");
    if (c.samples.empty()) {
      ASSERT_FALSE(audio) << c.what;
      EXPECT_NE(audio.error().message.find(c.says), std::string::npos) << c.what << ": " << audio.error().message;
      EXPECT_EQ(audio.error().message.rfind("rec.wav: ", 0), 0u) << c.what;
    } else {
      ASSERT_TRUE(audio) << c.what << ": " << audio.error().message;
      EXPECT_EQ(audio->samples, c.samples) << c.what;
    }
  }
}

TEST(WavWriter, SixteenBitsRoundedDownAndClampedWrittenWhole) {
  const TempFolder folder("ruvo_wav_writer");
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<float> samples = {0,  0.5f, -0.5f, 1,   -1,  2, -2, 1 / 65536.0f, -1 / 65536.0f,
                                      std::numeric_limits<float>::quiet_NaN(), inf, -inf};
  const std::vector<int16_t> expected = {0, 16384, -16384, 32767, -32768, 32767, -32768, 0, -1, 0, 32767, -32768};
  const std::string path = folder / "note.wav";
  ASSERT_TRUE(writeFileBytes(path, "an older note"));
  ASSERT_TRUE(writePcm16Wav(path, samples, 44100));
  EXPECT_EQ(*readFileBytes(path), monoWave(expected));
  // Nothing but the note is left in its folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

  const auto refused = writePcm16Wav(folder / "no/such/folder/note.wav", samples, 44100);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().message.find("note.wav"), std::string::npos);

  // What the float writer writes, the reader reads back unchanged.
  const std::vector<float> values = {0.125f, -0.9f, 3.5f};
  ASSERT_TRUE(writeFloatWav(folder / "float.wav", values, 22050));
  auto back = readMonoWav(folder / "float.wav");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->samples, values);
  EXPECT_EQ(back->sampleRate, 22050);
}
