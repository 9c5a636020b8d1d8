// A clip read while its data file grows, and the rule that holds playback
// while too little of it is ready.

#include "media/growing_clip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "media/media_service.h"
#include "media/play_ahead.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo;
using namespace ruvo::testing;

namespace {

constexpr uint32_t kRate = 1000;  // 0.5 s unsettled = 500 frames

void writeBytes(const std::string& path, const std::string& bytes, std::ios::openmode mode) {
  std::ofstream(path, std::ios::binary | mode) << bytes;
}

// Frames whose value is their index (stereo: the right channel negated).
std::string frames(size_t first, size_t count, int channels) {
  std::vector<int16_t> samples;
  for (size_t i = first; i < first + count; ++i) {
    samples.push_back(static_cast<int16_t>(i % 30000));
    if (channels == 2) samples.push_back(static_cast<int16_t>(-static_cast<int>(i % 30000)));
  }
  return pcmBody(samples);
}

class FakeStream final : public AudioStream {
 public:
  explicit FakeStream(bool& running) : m_running(running) {}
  void start() override { m_running = true; }
  void hold() override { m_running = false; }

 private:
  bool& m_running;
};

class FakeOutput final : public AudioOutput {
 public:
  Result<std::unique_ptr<AudioStream>> open(std::shared_ptr<PlayCursor> cursor) override {
    this->cursor = std::move(cursor);
    return std::make_unique<FakeStream>(running);
  }
  std::shared_ptr<PlayCursor> cursor;
  bool running = false;
};

}  // namespace

TEST(PlayAhead, WaitsBelowHalfASecondAndGoesOnAtOneOrAtTheEnd) {
  struct Row {
    bool waiting;
    double ahead;
    bool complete;
    bool waits;
  };
  for (const Row& row :
       {Row{false, 0.6, false, false}, Row{false, 0.49, false, true}, Row{true, 0.8, false, true},
        Row{true, 1.0, false, false}, Row{true, 0.0, true, false}, Row{false, 0.0, true, false}}) {
    EXPECT_EQ(playAheadWaits(row.waiting, row.ahead, row.complete), row.waits)
        << row.waiting << " " << row.ahead << " " << row.complete;
  }
}

TEST(GrowingClip, SettlesWhatLiesHalfASecondBeforeTheEndAndAllWhenComplete) {
  struct Step {
    std::string header;  // written when not empty
    size_t append;       // frames added to the data file
    size_t rewriteFrom;  // frames from here on are written again as index + 7
    bool complete;
    size_t settled;
  };
  for (int channels : {1, 2}) {
    TempFolder dir{"ruvo_growing"};
    const std::string header = dir / "t.wav.whd";
    const std::string data = dir / "t.wav.dat";
    const std::string good =
        riff(chunk("fmt ", fmtBody(static_cast<uint16_t>(channels), kRate)) + chunk("data", ""));
    GrowingClip clip(header, data);
    size_t written = 0;
    const std::vector<Step> steps = {
        {"", 0, 0, false, 0},          // nothing there yet
        {good, 0, 0, false, 0},        // header, no data file
        {"", 300, 0, false, 0},        // less than the unsettled part
        {"", 70000, 0, false, 69800},  // across a chunk boundary
        {"", 100, 69900, false, 69900}, {"", 0, 0, true, 70400},
    };
    for (const Step& step : steps) {
      if (!step.header.empty()) writeBytes(header, step.header, std::ios::trunc);
      if (step.rewriteFrom > 0) {
        // A blend over the unsettled tail, as the joiner's overlap does.
        std::fstream file(data, std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(static_cast<std::streamoff>(step.rewriteFrom * 2 * channels));
        file << frames(step.rewriteFrom + 7, written - step.rewriteFrom, channels);
      }
      if (step.append > 0) writeBytes(data, frames(written, step.append, channels), std::ios::app);
      written += step.append;
      if (step.complete) std::filesystem::remove(data);  // joined into the output and deleted
      ASSERT_TRUE(step.complete ? clip.complete() : clip.refresh());
      EXPECT_EQ(clip.settledFrames(), step.settled) << channels << " channels, " << written << " written";
    }
    ASSERT_EQ(clip.channels(), channels);
    std::vector<float> out(4 * static_cast<size_t>(channels));
    for (size_t first : {size_t{0}, size_t{65534}, size_t{69898}, size_t{70396}}) {
      clip.copy(first, 4, out.data());
      for (size_t i = 0; i < 4; ++i) {
        const size_t frame = first + i;
        const size_t value = frame >= 69900 && frame < 70300 ? frame + 7 : frame;
        const float expected = static_cast<float>(value % 30000) / 32768.0f;
        EXPECT_EQ(out[i * static_cast<size_t>(channels)], expected) << "frame " << frame;
        if (channels == 2) {
          EXPECT_EQ(out[i * 2 + 1], -expected);
        }
      }
    }
  }
}

TEST(GrowingClip, AHeaderNotOf16BitPcmIsAnError) {
  TempFolder dir{"ruvo_growing"};
  for (const std::string& header :
       {riff(chunk("fmt ", fmtBody(1, kRate, 8)) + chunk("data", "")),
        riff(chunk("fmt ", fmtBody(3, kRate)) + chunk("data", "")),
        riff(chunk("fmt ", fmtBody(1, kRate, 16, 3)) + chunk("data", "")), std::string(44, 'x')}) {
    writeBytes(dir / "h.whd", header, std::ios::trunc);
    writeBytes(dir / "h.dat", frames(0, 10, 1), std::ios::trunc);
    GrowingClip clip(dir / "h.whd", dir / "h.dat");
    EXPECT_FALSE(clip.refresh());
    EXPECT_FALSE(clip.hasFormat());
  }
}

TEST(GrowingClip, PlaybackHoldsWhenTheRenderFallsBehindAndNeverPassesWhatIsReady) {
  struct Step {
    size_t append;  // frames joined
    size_t played;  // frames the device asks for
    bool complete;
    bool running;  // the stream after keepAhead()
    size_t at;     // the play position
  };
  TempFolder dir{"ruvo_growing"};
  writeBytes(dir / "s.whd", riff(chunk("fmt ", fmtBody(1, kRate)) + chunk("data", "")), std::ios::trunc);
  writeBytes(dir / "s.dat", "", std::ios::trunc);
  auto clip = std::make_shared<GrowingClip>(dir / "s.whd", dir / "s.dat");
  ASSERT_TRUE(clip->refresh());
  FakeOutput output;
  MediaService media(output);
  ASSERT_TRUE(media.openGrowing(clip, "temp"));
  ASSERT_TRUE(media.play("temp"));
  EXPECT_FALSE(output.running);
  size_t written = 0;
  std::vector<float> buffer(2000);
  for (const Step& step : std::vector<Step>{{1400, 0, false, false, 0},     // 0.9 s ready
                                            {100, 0, false, true, 0},       // 1.0 s: plays
                                            {0, 600, false, false, 600},    // 0.4 s left: holds
                                            {500, 0, false, false, 600},    // 0.9 s: still holds
                                            {100, 0, false, true, 600},     // 1.0 s: goes on
                                            {0, 2000, false, false, 1600},  // played up to what is ready
                                            {300, 0, true, true, 1600}}) {  // the end: plays out
    writeBytes(dir / "s.dat", frames(written, step.append, 1), std::ios::app);
    written += step.append;
    if (step.played > 0) output.cursor->fill(buffer.data(), step.played);
    ASSERT_TRUE(step.complete ? clip->complete() : clip->refresh());
    media.keepAhead("temp");
    EXPECT_EQ(output.running, step.running) << written << " written";
    EXPECT_EQ(output.cursor->frame(), step.at);
    EXPECT_EQ(media.mode("temp"), "playing");
  }
  output.cursor->fill(buffer.data(), 2000);
  EXPECT_EQ(output.cursor->frame(), written);
  EXPECT_EQ(media.mode("temp"), "stopped");
}
