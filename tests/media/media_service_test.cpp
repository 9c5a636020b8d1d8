// The media service and the play commands over the real SDL back end on
// SDL's dummy driver, which plays in real time into nothing.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "media/media_service.h"
#include "media/playback_commands.h"
#include "media/playback_messages.h"
#include "media/sdl_audio/sdl_audio_output.h"
#include "support/scripted_answers.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo;
using namespace ruvo::testing;

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// `seconds` of a quiet 16-bit mono tone.
std::string shortWave(double seconds, uint32_t rate = 44100) {
  std::vector<int16_t> samples(static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>((i % 100) * 10);
  return monoWave(samples, rate);
}

bool waitForMode(MediaService& media, const std::string& name, const std::string& mode, int ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < until) {
    if (media.mode(name) == mode) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return media.mode(name) == mode;
}

class MediaTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
  TempFolder dir{"ruvo_media"};
  SdlAudioOutput output;
  MediaService media{output};
  ScriptedPrompts prompts;
  PlaybackCommands commands{media, prompts, dir.path(), "ＲＵＶＯ"};
};

}  // namespace

TEST_F(MediaTest, ModesFollowPlayPauseResumeAndTheEnd) {
  writeFile(dir / "take.wav", shortWave(0.3));
  EXPECT_EQ(MediaService::aliasOf(dir / "take.wav"), "take");
  ASSERT_TRUE(media.open(dir / "take.wav", "take"));
  EXPECT_EQ(media.mode("take"), "stopped");
  ASSERT_TRUE(media.play("take"));
  EXPECT_EQ(media.mode("take"), "playing");
  ASSERT_TRUE(media.pause("take"));
  EXPECT_EQ(media.mode("take"), "paused");
  const double pausedAt = *media.position("take");
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_EQ(*media.position("take"), pausedAt);
  ASSERT_TRUE(media.play("take"));
  EXPECT_EQ(media.mode("take"), "playing");
  EXPECT_TRUE(waitForMode(media, "take", "stopped", 3000));
  EXPECT_GT(*media.buffersHanded("take"), 0u);
  ASSERT_TRUE(media.seekToStart("take"));
  EXPECT_EQ(*media.position("take"), 0.0);
  media.close("take");
  EXPECT_EQ(media.mode("take"), "NG:「take」は開かれていません。");
  EXPECT_FALSE(media.play("take"));
}

TEST_F(MediaTest, AnyWidthRateAndChannelCountLoads) {
  struct Case {
    uint16_t channels, bits;
    uint32_t rate;
    int expectChannels;
  };
  for (const Case& c :
       {Case{1, 8, 8000, 1}, Case{2, 16, 48000, 2}, Case{1, 24, 96000, 1}, Case{4, 16, 22050, 1}}) {
    std::string data(static_cast<size_t>(c.channels * c.bits / 8) * 100, '\x10');
    writeFile(dir / "f.wav", riff(chunk("fmt ", fmtBody(c.channels, c.rate, c.bits)) + chunk("data", data)));
    auto clip = loadAudioClip(dir / "f.wav");
    ASSERT_TRUE(clip) << c.bits << " bits: " << clip.error().message;
    EXPECT_EQ(clip->channels, c.expectChannels);
    EXPECT_EQ(clip->sampleRate, static_cast<int>(c.rate));
    EXPECT_EQ(clip->frames(), 100u);
  }
}

TEST_F(MediaTest, DamagedOrMissingFileAnswersNgWithTheReason) {
  for (const std::string& bytes : {std::string("RIFF\x04\0\0\0WAVE", 12), std::string("not a wave at all")}) {
    writeFile(dir / "temp.wav", bytes);
    EXPECT_FALSE(media.open(dir / "temp.wav", "temp"));
    const std::string mode = media.mode("temp");
    EXPECT_TRUE(mode.starts_with("NG:" + dir / "temp.wav")) << mode;
    commands.playRendered();
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_TRUE(prompts.messages.back().starts_with(std::string(playback_messages::kCannotPlay)));
  }
  EXPECT_TRUE(media.mode("never").starts_with("NG:"));
}

TEST_F(MediaTest, NoSoundDeviceIsOneMessageNotACrash) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  writeFile(commands.tempWav(), shortWave(0.1));
  commands.playRendered();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("サウンドデバイスを開けません"), std::string::npos)
      << prompts.messages[0];
  EXPECT_TRUE(media.mode("temp").starts_with("NG:"));
  commands.playAgain();  // tries again, says so again, does not hang
  EXPECT_EQ(prompts.messages.size(), 2u);
}

TEST_F(MediaTest, PlaySelectionResumesIgnoresOrRendersAnew) {
  writeFile(commands.tempWav(), shortWave(2.0));
  EXPECT_TRUE(commands.selectionNeedsRender());  // nothing open: render
  commands.playRendered();
  EXPECT_EQ(media.mode("temp"), "playing");
  EXPECT_FALSE(commands.selectionNeedsRender());  // F5 while playing: nothing
  EXPECT_EQ(media.mode("temp"), "playing");
  commands.pauseSelection();  // F6
  EXPECT_EQ(media.mode("temp"), "paused");
  EXPECT_FALSE(commands.selectionNeedsRender());  // F5 resumes
  EXPECT_EQ(media.mode("temp"), "playing");
  commands.stopSelection();  // F7 closes
  EXPECT_TRUE(media.mode("temp").starts_with("NG:"));
  commands.playAgain();  // Shift+F5 reopens and plays from the start
  EXPECT_EQ(media.mode("temp"), "playing");
  EXPECT_LT(*media.position("temp"), 0.5);
  commands.stopSelection();
  EXPECT_TRUE(commands.selectionNeedsRender());  // F7 then F5: render again
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MediaTest, PlayedToTheEndTheNextPlayRendersAnew) {
  writeFile(commands.tempWav(), shortWave(0.1));
  commands.playRendered();
  ASSERT_TRUE(waitForMode(media, "temp", "stopped", 3000));
  EXPECT_TRUE(commands.selectionNeedsRender());
  EXPECT_TRUE(media.mode("temp").starts_with("NG:"));  // closed before the render
}

TEST_F(MediaTest, PlayAgainWithoutARenderAndSavingTheLastOne) {
  commands.playAgain();
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(media.mode("temp").starts_with("NG:"));

  ScriptedFileChooser files;
  files.paths = {dir / "kept.wav"};
  commands.saveLastRender(files);  // no render yet: nothing said
  EXPECT_FALSE(std::filesystem::exists(dir / "kept.wav"));
  writeFile(commands.tempWav(), shortWave(0.1));
  files.paths = {dir / "kept.wav", std::nullopt};
  commands.saveLastRender(files);
  EXPECT_EQ(std::filesystem::file_size(dir / "kept.wav"), std::filesystem::file_size(commands.tempWav()));
  EXPECT_EQ(files.requests[1].defaultName, "temp.wav");
  EXPECT_EQ(files.requests[1].filter, playback_messages::kSaveRenderFilter);
  commands.saveLastRender(files);  // cancelled
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MediaTest, GeneratedFileCommands) {
  Song song;
  commands.playGenerated(song);
  commands.pauseGenerated(song);
  commands.stopGenerated(song);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], playback_messages::kSaveFirst);

  song.projectPath = dir / "song.bat";
  song.outputFile = "out.wav";
  commands.playGenerated(song);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1], playback_messages::kNotGenerated);

  // A bare name is taken from the project's folder; an absolute one as it is.
  writeFile(dir / "out.wav", shortWave(2.0));
  commands.playGenerated(song);
  EXPECT_EQ(media.mode("out"), "playing");
  commands.pauseGenerated(song);
  EXPECT_EQ(media.mode("out"), "paused");
  commands.playGenerated(song);  // from the start again
  EXPECT_EQ(media.mode("out"), "playing");
  EXPECT_LT(*media.position("out"), 0.5);
  commands.stopGenerated(song);
  EXPECT_TRUE(media.mode("out").starts_with("NG:"));
  song.outputFile = dir / "out.wav";
  song.projectPath = "/elsewhere/song.bat";
  commands.playGenerated(song);
  EXPECT_EQ(media.mode("out"), "playing");
  EXPECT_EQ(prompts.messages.size(), 2u);
}
