// Projects and voice banks from strangers: a render starts only the programs
// the user chose, never reads or writes outside the bank and cache folders,
// and says which notes it could not make.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/paths.h"
#include "core/text_file.h"
#include "project/project_batch.h"
#include "settings/trusted_programs.h"
#include "support/run_process.h"
#include "support/temp_folder.h"
#include "support/test_bank.h"

using namespace ruvo;
using ruvo::testing::runProcess;
using ruvo::testing::TempFolder;
using ruvo::testing::testBank;

namespace {

const std::string kBin = RUVO_BIN_DIR;

class UntrustedProject : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto& bank = testBank(RUVO_SOURCE_DIR, kBin);
    ASSERT_EQ(bank.error, "");
    s_bank = bank.folder;
  }

  // song.bat: the given lyrics as quarter notes from C4, rendered by `resampler` from `bank`.
  void writeProject(const std::string& resampler, const std::string& bank, const std::vector<std::string>& lyrics) {
    Song song;
    song.tempoText = "120";
    song.voiceFolder = bank;
    song.joinerPath = kBin + "/splicer";
    song.resamplerPath = resampler;
    song.outputFile = "out.wav";
    song.projectName = "stranger";
    for (const auto& lyric : lyrics) {
      song.at(song.noteCount) = Note{lyric, 960, 36 + song.noteCount, "\t\t\t\t\t"};
      ++song.noteCount;
    }
    VoiceBankTables tables;
    tables.oto = *OtoTable::load(bank);
    ASSERT_TRUE(saveAsProjectBatch(song, tables, dir / "song.bat", {dir.path(), true}));
  }

  ruvo::testing::ProcessResult render(std::vector<std::string> options = {}) {
    std::vector<std::string> args{"render", dir / "song.bat", "--settings", dir / "setting.ini"};
    args.insert(args.end(), options.begin(), options.end());
    return runProcess(kBin + "/ruvo-cli", args, dir.path());
  }

  static std::string s_bank;
  TempFolder dir{"ruvo_untrusted"};
};

std::string UntrustedProject::s_bank;

TEST_F(UntrustedProject, AProgramNobodyChoseDoesNotRunUnlessTheUserSaysSo) {
  // A bank whose "recording" is a shell script, and a project whose resampler is the shell.
  const std::string marker = dir / "ran";
  std::filesystem::create_directory(dir / "evil");
  ASSERT_TRUE(writeTextLines(dir / "evil/oto.ini", {"a.wav=あ,0,0,0,0"}));
  std::ofstream(dir / "evil/a.wav") << "echo pwned > " << marker << "\n";
  writeProject("/bin/sh", dir / "evil", {"あ"});

  auto refused = render();
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("ruvo-cli: error: the project names a resampler you have not chosen: /bin/sh"),
            std::string::npos)
      << refused.err;
  EXPECT_FALSE(std::filesystem::exists(marker));
  EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));

  render({"--trust-tools"});
  EXPECT_TRUE(std::filesystem::exists(marker));

  // With the configured tools the same project renders from a real bank.
  writeProject("/bin/sh", s_bank, {"あ", "か"});
  std::filesystem::remove(marker);
  auto configured = render({"--use-configured-tools"});
  EXPECT_EQ(configured.status, 0) << configured.err;
  EXPECT_TRUE(std::filesystem::exists(dir / "out.wav"));
  EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(UntrustedProject, TheConfiguredAndTheRememberedToolsRenderWithoutAQuestion) {
  writeProject(kBin + "/resampler", s_bank, {"あ"});
  auto configured = render();
  EXPECT_EQ(configured.status, 0) << configured.err;

  writeProject(RUVO_SILENT_RESAMPLER, s_bank, {"あ"});
  EXPECT_EQ(render().status, 1);
  TrustedPrograms trusted;
  trusted.add(RUVO_SILENT_RESAMPLER);
  ASSERT_TRUE(trusted.save(TrustedPrograms::fileBeside(dir / "setting.ini")));
  auto remembered = render();
  EXPECT_EQ(remembered.status, 0) << remembered.err;
}

TEST_F(UntrustedProject, RecordingsOutsideTheBankAreRefusedAndTheRestRenders) {
  std::filesystem::create_directory(dir / "bank");
  std::filesystem::copy_file(s_bank + "/a.wav", dir / "bank/a.wav");
  ASSERT_TRUE(writeTextLines(dir / "bank/oto.ini",
                             {"../x.wav=い,0,0,0,0", "/etc/passwd=う,0,0,0,0", "a.wav=あ,0,0,0,0"}));
  writeProject(kBin + "/resampler", dir / "bank", {"あ", "あ"});
  auto run = render();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("oto.ini line 1: the recording '../x.wav' lies outside the voice folder"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("oto.ini line 2: the recording '/etc/passwd' lies outside the voice folder"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / "out.wav"));

  // A lyric that is itself a path out of the bank is not rendered at all.
  writeProject(kBin + "/resampler", dir / "bank", {"あ", "../../x"});
  auto escaping = render();
  EXPECT_EQ(escaping.status, 1);
  EXPECT_NE(escaping.err.find("note 1 (../../x): the recording '../../x' lies outside the voice folder"),
            std::string::npos)
      << escaping.err;
}

TEST_F(UntrustedProject, NotesTheResamplerDidNotWriteAreNamedAndTheWavIsKept) {
  TrustedPrograms trusted;
  trusted.add(RUVO_SILENT_RESAMPLER);
  ASSERT_TRUE(trusted.save(TrustedPrograms::fileBeside(dir / "setting.ini")));
  writeProject(RUVO_SILENT_RESAMPLER, s_bank, {"あ", "か", "さ", "か"});
  auto run = render();
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("次のノートの音は作成されませんでした: 1「か」、3「か」"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::exists(dir / "out.wav"));
}

}  // namespace
