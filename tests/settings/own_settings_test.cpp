#include "settings/own_settings.h"

#include <gtest/gtest.h>

#include "core/text_file.h"
#include "settings/worker_count.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

TEST(OwnSettings, ADamagedFileSetsNothingAndSaysSo) {
  const std::string header = "# ruvo: settings of its own\n";
  const struct {
    const char* name;
    std::string content;
    bool damaged;
    std::optional<std::string> workers;
  } cases[] = {
      {"header only", header, false, std::nullopt},
      {"set, with an unknown name and a blank line", header + "Later=1\n\nResamplerWorkers=4", false, "4"},
      {"empty value", header + "ResamplerWorkers=\n", false, ""},
      {"no header", "ResamplerWorkers=4\n", true, std::nullopt},
      {"empty file", "", true, std::nullopt},
      {"line without =", header + "ResamplerWorkers 4\n", true, std::nullopt},
      {"line without a name", header + "=4\n", true, std::nullopt},
      {"CR LF", header + "ResamplerWorkers=4\r\n", true, std::nullopt},
  };
  TempFolder dir;
  const std::string file = OwnSettings::fileBeside(dir / "setting.ini");
  EXPECT_EQ(file, dir / "ruvo_settings.txt");
  EXPECT_TRUE(OwnSettings::load(file));  // missing: nothing set
  for (const auto& c : cases) {
    ASSERT_TRUE(writeFileBytes(file, c.content));
    auto loaded = OwnSettings::load(file);
    EXPECT_EQ(!loaded, c.damaged) << c.name;
    if (loaded) {
      EXPECT_EQ(loaded->value(kWorkersSetting), c.workers) << c.name;
    }
  }

  // Names this version does not know survive a save, in their order.
  ASSERT_TRUE(writeFileBytes(file, header + "Later=1\nResamplerWorkers=4\n"));
  auto loaded = OwnSettings::load(file);
  ASSERT_TRUE(loaded);
  loaded->set(kWorkersSetting, "2");
  loaded->set("Bad\nName", "x");
  ASSERT_TRUE(loaded->save(file));
  EXPECT_EQ(readFileBytes(file).value_or(""), header + "Later=1\nResamplerWorkers=2\n");
}

TEST(WorkerCount, RequestsOutsideTheRangeAreClampedWithAMessage) {
  const struct {
    const char* stored;  // nullptr: none stored
    int used;
    bool told;
  } cases[] = {{nullptr, defaultWorkerCount(), false}, {"1", 1, false},  {"8", 8, false},
               {"64", 64, false},                      {"0", 1, true},   {"-3", 1, true},
               {"10000", 64, true},                    {"99999999999999999999", 64, true}, {"two", defaultWorkerCount(), true},
               {"2.5", defaultWorkerCount(), true}};
  for (const auto& c : cases) {
    OwnSettings settings;
    if (c.stored) settings.set(kWorkersSetting, c.stored);
    WorkerCount count = storedWorkerCount(settings);
    EXPECT_EQ(count.count, c.used) << (c.stored ? c.stored : "none");
    EXPECT_EQ(count.message.empty(), !c.told) << (c.stored ? c.stored : "none");
  }
  EXPECT_EQ(clampWorkerCount(0).message, "the number of resampler workers must be 1 to 64; 0 asked, 1 used");
}
