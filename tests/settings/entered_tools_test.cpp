#include "settings/entered_tools.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "core/text_file.h"
#include "settings/trusted_programs.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

TEST(EnteredTools, OnlyChangedAbsolutePathsAreEntered) {
  const std::vector<EnteredTool> tools = {
      {"/bin/old", "/bin/old"},  // shown and confirmed: not the user's act
      {"/bin/old", "/opt/tools/./x/../resampler"},
      {"", "\\opt\\splicer"},
      {"/bin/a", ""},           // emptied
      {"/bin/a", "resampler"},  // relative: depends on the project folder
      {"/bin/a", "tools/splicer"},
  };
  EXPECT_EQ(enteredPrograms(tools), (std::vector<std::string>{"/opt/tools/resampler", "/opt/splicer"}));
}

TEST(EnteredTools, TheTrustFileGainsTheEnteredProgramsUnlessItIsDamaged) {
  TempFolder dir;
  const std::string file = dir / "trusted_programs.txt";
  ASSERT_TRUE(trustEnteredTools(file, {{"/a", "/a"}, {"", "relative"}}));
  EXPECT_FALSE(std::filesystem::exists(file));  // nothing entered: nothing written

  ASSERT_TRUE(trustEnteredTools(file, {{"", "/opt/one"}}));
  ASSERT_TRUE(trustEnteredTools(file, {{"/opt/one", "/opt/two"}}));
  auto trusted = TrustedPrograms::load(file);
  ASSERT_TRUE(trusted);
  EXPECT_EQ(trusted->programs(), (std::set<std::string>{"/opt/one", "/opt/two"}));

  const std::string damaged = "not a trust list\n/opt/evil\n";
  ASSERT_TRUE(writeFileBytes(file, damaged));
  auto refused = trustEnteredTools(file, {{"", "/opt/three"}});
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().code, ErrorCode::BadFormat);
  EXPECT_EQ(*readFileBytes(file), damaged);
}
