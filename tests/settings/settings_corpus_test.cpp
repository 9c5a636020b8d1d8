#include <filesystem>
#include <gtest/gtest.h>

#include "core/text_file.h"
#include "settings/settings_file.h"
#include "settings_round_trip.h"

using namespace ruvo;

namespace {

std::vector<std::filesystem::path> corpusFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(RUVO_FUZZ_CORPUS_DIR "/settings"))
    if (entry.path().extension() == ".ini") files.push_back(entry.path());
  return files;
}

Settings load(const std::string& name) {
  auto loaded = loadSettings(std::string(RUVO_FUZZ_CORPUS_DIR "/settings") + "/" + name, "/prog");
  EXPECT_TRUE(loaded) << name;
  return loaded ? loaded->settings : Settings{};
}

}  // namespace

TEST(SettingsCorpus, EveryFileLoadsAndItsRoundTripSettles) {
  auto files = corpusFiles();
  ASSERT_GE(files.size(), 8u);
  for (const auto& path : files) {
    auto bytes = readFileBytes(path.string());
    ASSERT_TRUE(bytes) << path;
    EXPECT_TRUE(ruvo::testing::settingsRoundTripSettles(*bytes)) << path;
    auto loaded = loadSettings(path.string(), "/prog");
    ASSERT_TRUE(loaded) << path;
    EXPECT_TRUE(loaded->fileExisted);
  }
}

TEST(SettingsCorpus, DamagedFilesGiveTheDefaults) {
  for (const char* name : {"binary_junk.ini", "no_equals.ini", "empty.ini", "nul_bytes.ini"}) {
    Settings s = load(name);
    EXPECT_TRUE(s.OtoList.empty()) << name;
    EXPECT_FALSE(s.CacheEnable) << name;
    EXPECT_EQ(s.Tool1Path, "/prog/splicer") << name;
    EXPECT_EQ(s.colours, defaultColours()) << name;
  }
}

TEST(SettingsCorpus, BytesOutsideCp932StillLoadTheRest) {
  Settings s = load("bad_cp932.ini");
  ASSERT_EQ(s.OtoList.size(), 1u);
  // One U+FFFD per bad byte; the comma after them still splits the entry.
  EXPECT_EQ(s.OtoList[0], "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\t/v");
  EXPECT_TRUE(s.CacheEnable);
  EXPECT_EQ(s.TransformTitle, "題");
}
