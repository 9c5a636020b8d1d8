#include "settings/project_properties_form.h"

#include <filesystem>
#include <tuple>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/scripted_answers.h"
#include "support/temp_folder.h"
#include "test_files.h"

using namespace ruvo;
using ruvo::testing::exists;
using ruvo::testing::makeFile;
using ruvo::testing::ScriptedFileChooser;
using ruvo::testing::ScriptedPrompts;
using ruvo::testing::TempFolder;

namespace {

ProjectProperties sample() {
  return {"曲", "mix.wav", "/v/a", "/bin/splicer", "/bin/resampler", "/p/song.cache", "B50"};
}

// Makes a file this process cannot delete: its folder read-only, and for
// root, whom that does not stop, the file immutable. False when neither
// holds here; `pinned = false` undoes it.
bool pin(const std::string& file, bool pinned) {
  const std::string folder = std::filesystem::path(file).parent_path().string();
  ::chmod(folder.c_str(), pinned ? 0500 : 0700);
  if (::geteuid() != 0) return true;
  int fd = ::open(file.c_str(), O_RDONLY);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = pinned ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
  done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  return done;
}

}  // namespace

TEST(ProjectPropertiesForm, ConfirmedTextsBecomeProjectSettings) {
  struct Case {
    const char* output;
    const char* flags;
    const char* name;
    const char* storedOutput;
    const char* storedFlags;
    const char* storedName;
  } cases[] = {
      {"mix.WAV", "B50 ; N", "曲", "mix.WAV", "B50N", "曲"},
      {"mix", " \"g-5\" ", "a b", "mix.wav", "g-5", "a b"},
      {"song.Wav", "", "", "song.Wav.wav", "", ""},
      {"x.wav", "Y;;", "n", "x.wav", "Y", "n"},
      // Empty stays empty: saving then names the output after the project.
      {"", "N", "n", "", "N", "n"},
      // A pasted line break would start a new line in the project file.
      {"a\r\nb", "B1\nN", "p\r\n@del x", "ab.wav", "B1N", "p@del x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.output);
    ProjectPropertiesForm form(sample(), Settings{}, "/tmp/work");
    form.outputFile = c.output;
    form.projectFlags = c.flags;
    form.projectName = c.name;
    ProjectProperties result = form.confirmed();
    EXPECT_EQ(result.outputFile, c.storedOutput);
    EXPECT_EQ(result.projectFlags, c.storedFlags);
    EXPECT_EQ(result.projectName, c.storedName);
    EXPECT_EQ(result.voiceFolder, "/v/a");
    EXPECT_EQ(result.cacheDir, "/p/song.cache");
  }
}

TEST(ProjectPropertiesForm, OpeningListsRegisteredFoldersAndFindsTheCacheFolder) {
  Settings settings;
  settings.OtoList = {"a\t/v/a", "", "name only", "b,x\t/v/b", "c\t/v/c"};
  ProjectPropertiesForm form(sample(), settings, "/tmp/work");
  EXPECT_EQ(form.voiceFolderChoices(), (std::vector<std::string>{"/v/a", "/v/b", "/v/c"}));
  EXPECT_EQ(form.cacheFolder(), "/p/song.cache");

  ProjectProperties unsaved = sample();
  unsaved.cacheDir.clear();
  ProjectPropertiesForm fresh(unsaved, settings, "/tmp/work");
  EXPECT_EQ(fresh.cacheFolder(), "/tmp/work/temp.cache");
  EXPECT_EQ(fresh.confirmed().cacheDir, "");
}

TEST(ProjectPropertiesForm, DeletingTheCacheEmptiesItsWavFilesAndSaysSoOnlyWhenItDeleted) {
  struct Case {
    const char* what;
    std::vector<std::string> files;
    bool hasFiles;
    size_t messages;
  } cases[] = {
      {"no folder", {}, false, 0},
      {"other files only", {"readme.txt"}, false, 0},
      {"recordings", {"a_C4_480.wav", "3_a_C4_480.WAV", "keep.txt"}, true, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder project;
    ProjectProperties properties = sample();
    properties.cacheDir = project / "song.cache";
    if (!c.files.empty()) std::filesystem::create_directory(properties.cacheDir);
    for (const auto& name : c.files) makeFile(properties.cacheDir + "/" + name);
    ProjectPropertiesForm form(properties, Settings{}, project.path());
    EXPECT_EQ(form.cacheHasFiles(), c.hasFiles);
    ScriptedPrompts prompts;
    form.deleteCache(prompts);
    ASSERT_EQ(prompts.messages.size(), c.messages);
    if (c.messages) {
      EXPECT_EQ(prompts.messages[0], "WAV作成時の中間ファイルを全て削除しました。");
    }
    EXPECT_FALSE(form.cacheHasFiles());
    for (const auto& name : c.files) {
      if (name.ends_with(".txt")) {
        EXPECT_TRUE(exists(properties.cacheDir + "/" + name));
      }
    }
  }
}

TEST(ProjectPropertiesForm, CacheFilesThatCannotBeDeletedAreNamedNotCalledDeleted) {
  TempFolder project;
  ProjectProperties properties = sample();
  properties.cacheDir = project / "song.cache";
  std::filesystem::create_directory(properties.cacheDir);
  const std::string kept = properties.cacheDir + "/a_C4_480.wav";
  makeFile(kept);
  if (!pin(kept, true)) GTEST_SKIP() << "no file can be kept from deletion here";
  ProjectPropertiesForm form(properties, Settings{}, project.path());
  ScriptedPrompts prompts;
  form.deleteCache(prompts);
  pin(kept, false);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], std::string(kCacheNotDeletedMessage) + "\n" + kept);
  EXPECT_TRUE(exists(kept));
}

TEST(ProjectPropertiesForm, FileDialogsFillTheBoxesAndCancelLeavesThem) {
  ProjectPropertiesForm form(sample(), Settings{}, "/tmp/work");
  ScriptedFileChooser chooser;
  chooser.paths = {"/banks/声/あ.wav", std::nullopt, "/bin/j", std::nullopt};
  form.browseVoiceFolder(chooser);
  form.browseVoiceFolder(chooser);
  form.browseTool1(chooser);
  form.browseTool2(chooser);
  EXPECT_EQ(form.voiceFolder, "/banks/声");
  EXPECT_EQ(form.joinerPath, "/bin/j");
  EXPECT_EQ(form.resamplerPath, "/bin/resampler");
  EXPECT_EQ(chooser.requests[0].defaultName, "あ.wav");
}

TEST(ProjectProperties, TheSongGivesAndTakesEverythingButTheCacheFolder) {
  Song song;
  song.cacheDir = "/p/old.cache";
  ProjectProperties properties = sample();
  applyProjectProperties(song, properties);
  EXPECT_EQ(song.cacheDir, "/p/old.cache");
  EXPECT_FALSE(song.modified);
  ProjectProperties back = projectPropertiesOf(song);
  properties.cacheDir = "/p/old.cache";
  EXPECT_EQ(std::tie(back.projectName, back.outputFile, back.voiceFolder, back.joinerPath, back.resamplerPath,
                     back.cacheDir, back.projectFlags),
            std::tie(properties.projectName, properties.outputFile, properties.voiceFolder, properties.joinerPath,
                     properties.resamplerPath, properties.cacheDir, properties.projectFlags));
}
