#include "voicebank/frq_generation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

TEST(FrqGeneration, CommandLine) {
  FrqGenerationCommand command = frqGenerationCommand("\"/opt/tools/resampler\"", "/bank/a.wav", "/tmp/work");
  EXPECT_EQ(command.program, "/opt/tools/resampler");
  EXPECT_EQ(command.arguments,
            (std::vector<std::string>{"/bank/a.wav", "/tmp/work/temp.wav", "100", "100", "GN", "0", "100"}));
  EXPECT_EQ(command.folder, "/tmp/work");
  EXPECT_EQ(frqGenerationCommand("/bin/r", "/bank/a.wav", "/w").program, "/bin/r");
}

// A stand-in resampler: a shell script that does what `body` says.
class FrqGenerationRun : public ::testing::Test {
 protected:
  Result<void> run(const std::string& body, bool cancel = false) {
    const std::string tool = m_dir / "tool.sh";
    EXPECT_TRUE(writeFileBytes(tool, "#!/bin/sh\n" + body + "\n"));
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    auto generation = FrqGeneration::start(frqGenerationCommand(tool, m_recording, m_dir.path()), m_recording);
    if (!generation) return tl::unexpected(generation.error());
    if (cancel) {
      generation->poll(50);
      generation->cancel();
    }
    while (!generation->poll(100)) {
    }
    return generation->outcome();
  }

  TempFolder m_dir{"ruvo_frq_generation"};
  std::string m_recording = m_dir / "a.wav";
};

TEST_F(FrqGenerationRun, ReportsWhatTheProgramLeft) {
  struct Case {
    const char* body;
    bool ok;
    const char* message;
  };
  for (const Case& c : std::vector<Case>{
           {"[ \"$5\" = GN ] && echo table > \"${1%.wav}_wav.frq\"", true, ""},
           {"echo analysing; echo cannot read the recording >&2; exit 3", false,
            "a.wav: the resampler ended with status 3 and made no frequency table: cannot read the recording"},
           {"echo table > \"${1%.wav}_wav.frq\"; exit 1", false, "a.wav: the resampler ended with status 1"},
       }) {
    std::filesystem::remove(m_dir / "a_wav.frq");
    auto outcome = run(c.body);
    EXPECT_EQ(outcome.has_value(), c.ok) << c.body;
    if (!c.ok) {
      EXPECT_EQ(outcome.error().message, c.message) << c.body;
    }
  }
}

TEST_F(FrqGenerationRun, CancelEndsTheProgramAndWhatItStarted) {
  const auto started = std::chrono::steady_clock::now();
  auto outcome = run("sleep 30 & sleep 30; wait", true);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.error().message, "a.wav: making the frequency table was cancelled");
}

TEST_F(FrqGenerationRun, AMissingProgramDoesNotStart) {
  auto generation = FrqGeneration::start(frqGenerationCommand(m_dir / "none", m_recording, m_dir.path()), m_recording);
  EXPECT_FALSE(generation);
}

}  // namespace
