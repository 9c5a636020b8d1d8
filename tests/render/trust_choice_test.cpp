// The editor's tool trust: what it starts with and what each answer does.

#include <gtest/gtest.h>

#include <fstream>

#include "render/trust_choice.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

TEST(TrustChoice, StartsFromTheSettingsAndTheTrustFile) {
  TempFolder dir("ruvo_trust");
  Settings settings;
  settings.Tool1Path = "/opt/tools/joiner";
  settings.Tool2Path = "/opt/tools/resampler";
  const std::string settingsFile = dir / "setting.ini";
  LoadedTrust loaded = loadToolTrust(settings, "/usr/lib/ruvo", settingsFile);
  EXPECT_EQ(loaded.trust.chosen,
            (std::vector<std::string>{"/opt/tools/joiner", "/opt/tools/resampler", "/usr/lib/ruvo/splicer",
                                      "/usr/lib/ruvo/resampler"}));
  EXPECT_TRUE(loaded.problem.empty());
  EXPECT_FALSE(loaded.trust.trustAll);

  std::ofstream(TrustedPrograms::fileBeside(settingsFile)) << "something else\n/bin/x\n";
  loaded = loadToolTrust(settings, "/usr/lib/ruvo", settingsFile);
  EXPECT_FALSE(loaded.problem.empty());
  EXPECT_TRUE(loaded.trust.remembered.programs().empty());
}

TEST(TrustChoice, EachAnswerDoesItsPart) {
  TempFolder dir("ruvo_trust");
  const std::string trustFile = dir / "trusted_programs.txt";
  Settings settings;
  settings.Tool1Path = "/opt/tools/joiner";
  settings.Tool2Path = "/opt/tools/resampler";
  Song song;
  song.joinerPath = "/home/x/joiner";
  song.resamplerPath = "/home/x/resampler";
  const UntrustedTool joiner{"joiner", song.joinerPath, "/home/x/joiner"};
  const UntrustedTool resampler{"resampler", song.resamplerPath, "/home/x/resampler"};
  ToolTrust trust;

  ASSERT_TRUE(applyTrustChoice(TrustChoice::Cancel, joiner, trust, song, settings, trustFile));
  EXPECT_EQ(song.joinerPath, "/home/x/joiner");
  EXPECT_FALSE(song.modified);

  ASSERT_TRUE(applyTrustChoice(TrustChoice::UseConfigured, joiner, trust, song, settings, trustFile));
  EXPECT_EQ(song.joinerPath, "/opt/tools/joiner");
  EXPECT_EQ(song.resamplerPath, "/home/x/resampler");
  EXPECT_TRUE(song.modified);

  // Run keeps what the file held and adds the program, in the file and now.
  TrustedPrograms before;
  before.add("/usr/local/bin/other");
  ASSERT_TRUE(before.save(trustFile));
  ASSERT_TRUE(applyTrustChoice(TrustChoice::Run, resampler, trust, song, settings, trustFile));
  EXPECT_TRUE(trust.remembered.contains("/home/x/resampler"));
  auto stored = TrustedPrograms::load(trustFile);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->programs(), (std::set<std::string>{"/home/x/resampler", "/usr/local/bin/other"}));

  // A damaged file is not written over; the program is trusted for now.
  std::ofstream(trustFile) << "not the header\n";
  ToolTrust fresh;
  EXPECT_FALSE(applyTrustChoice(TrustChoice::Run, joiner, fresh, song, settings, trustFile));
  EXPECT_TRUE(fresh.remembered.contains("/home/x/joiner"));
  std::ifstream in(trustFile);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "not the header");
}
