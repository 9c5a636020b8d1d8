#include "settings/trusted_programs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

TEST(TrustedPrograms, ADamagedOrUnreadableListTrustsNothingAndSaysSo) {
  const std::string header = "# ruvo: programs that projects may start\n";
  struct Case {
    const char* name;
    std::string content;
    bool damaged;
    std::set<std::string> programs;
  };
  const Case cases[] = {
      {"empty list", header, false, {}},
      {"two programs", header + "/opt/a\n\n/usr/bin/b", false, {"/opt/a", "/usr/bin/b"}},
      {"no header", "/opt/a\n", true, {}},
      {"empty file", "", true, {}},
      {"relative path", header + "/opt/a\nbin/b\n", true, {}},
      {"header run on", "# ruvo: programs that projects may start/opt/a\n", true, {}},
      {"binary", header + std::string("/opt/\0a\n", 8), true, {}},
      {"CR LF", header + "/opt/a\r\n", true, {}},
  };
  TempFolder dir;
  const std::string file = dir / "trusted_programs.txt";
  for (const auto& c : cases) {
    ASSERT_TRUE(writeFileBytes(file, c.content));
    auto loaded = TrustedPrograms::load(file);
    EXPECT_EQ(!loaded, c.damaged) << c.name;
    if (loaded) {
      EXPECT_EQ(loaded->programs(), c.programs) << c.name;
    } else {
      EXPECT_EQ(loaded.error().message.find(file), 0u) << c.name;
      EXPECT_NE(loaded.error().message.find("no program is trusted"), std::string::npos) << c.name;
    }
  }
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);  // exists, cannot be read
  EXPECT_FALSE(TrustedPrograms::load(file));
  EXPECT_TRUE(TrustedPrograms::load(dir / "missing.txt")->programs().empty());
}

TEST(TrustedPrograms, SavedProgramsLoadBackAndOnlyAbsolutePathsAreAdded) {
  TempFolder dir;
  const std::string file = TrustedPrograms::fileBeside(dir / "setting.ini");
  EXPECT_EQ(file, dir / "trusted_programs.txt");
  TrustedPrograms trusted;
  for (const char* path : {"/opt/tools/resampler x", "relative/tool", "", "/a\nb", "/usr/bin/splicer"}) trusted.add(path);
  ASSERT_TRUE(trusted.save(file));
  auto loaded = TrustedPrograms::load(file);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->programs(), (std::set<std::string>{"/opt/tools/resampler x", "/usr/bin/splicer"}));
  EXPECT_TRUE(loaded->contains("/usr/bin/splicer"));
}
