#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/text_file.h"
#include "editor/project_session.h"
#include "editor/session_texts.h"
#include "settings/project_properties_form.h"
#include "settings/trusted_programs.h"
#include "interchange/midi_bytes.h"
#include "interchange/sequence_writer.h"
#include "scripted_services.h"
#include "support/temp_folder.h"

using namespace ruvo;
using namespace ruvo::testing;
namespace fs = std::filesystem;

namespace {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest()
      : m_settings(*loadSessionSettings(
            resolveAppFolders(m_dir.path(), FolderEnvironment{m_dir.path(), "", "", "", ""}))),
        m_session(m_settings, SessionServices{m_prompts, m_files, m_dialogs}) {
    m_session.clear();
  }

  void addNote(const std::string& lyric) {
    Song& song = m_session.song();
    song.at(song.noteCount) = Note{lyric, 1920, 36, ""};
    ++song.noteCount;
    song.modified = true;
  }

  std::string bytesOf(const std::string& path) { return readFileBytes(path).value_or("<missing>"); }

  TempFolder m_dir{"ruvo_session"};
  ScriptedPrompts m_prompts;
  ScriptedFileChooser m_files;
  ScriptedDialogs m_dialogs;
  SessionSettings m_settings;
  ProjectSession m_session;
};

}  // namespace

TEST_F(SessionTest, SaveAsWritesBatchAndHelperAndNamesTheWindow) {
  EXPECT_EQ(m_session.title(), "新規プロジェクト - ＲＵＶＯ");
  addNote("あ");
  m_files.paths = {m_dir / "song"};
  ASSERT_TRUE(m_session.save());  // no project path yet: Save As
  EXPECT_EQ(m_files.requests[0].defaultName, "新規プロジェクト");
  EXPECT_EQ(m_files.requests[0].filter, kProjectFilter);
  EXPECT_TRUE(fs::exists(m_dir / "song.bat"));
  EXPECT_TRUE(fs::exists(m_dir / "song_helper.bat"));
  EXPECT_EQ(m_session.song().projectPath, m_dir / "song.bat");
  EXPECT_EQ(m_session.song().cacheDir, m_dir / "song.cache");
  EXPECT_FALSE(m_session.song().modified);
  EXPECT_EQ(m_session.title(), "新規プロジェクト (song.bat) - ＲＵＶＯ");
  EXPECT_EQ(m_session.settings().History, std::vector<std::string>{m_dir / "song.bat"});
  m_session.settings().TransformTitle = "歌";
  EXPECT_EQ(m_session.title(), "新規プロジェクト (song.bat) - 歌");

  // Save As to VSQ is an export: path, flag, title and history stay.
  addNote("い");
  m_files.paths = {m_dir / "x.vsq"};
  ASSERT_TRUE(m_session.saveAs());
  EXPECT_EQ(m_files.requests[1].defaultName, m_dir / "song");
  EXPECT_TRUE(fs::exists(m_dir / "x.vsq"));
  EXPECT_EQ(m_session.song().projectPath, m_dir / "song.bat");
  EXPECT_TRUE(m_session.song().modified);
  EXPECT_EQ(m_session.settings().History.size(), 1u);

  // The sequence file becomes the project and preselects its filter.
  m_files.paths = {m_dir / "seq.wsq", m_dir / "again"};
  ASSERT_TRUE(m_session.saveAs());
  ASSERT_TRUE(m_session.saveAs());
  EXPECT_EQ(m_files.requests[3].selectedFilter, 1);
}

TEST_F(SessionTest, SavePromptAnswers) {
  struct Case {
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> saveAs;
    bool closes;
    bool saved;
  };
  const Case cases[] = {
      {{Answer::Cancel}, {}, false, false},
      {{Answer::No}, {}, true, false},
      {{Answer::Yes}, {std::nullopt}, false, false},  // Save As cancelled keeps the window
      {{Answer::Yes}, {m_dir / "kept"}, true, true},
  };
  for (const auto& c : cases) {
    addNote("あ");
    m_session.song().projectPath.clear();
    fs::remove(m_dir / "kept.bat");
    m_prompts.answers = c.answers;
    m_files.paths = c.saveAs;
    EXPECT_EQ(m_session.close(0), c.closes);
    EXPECT_EQ(fs::exists(m_dir / "kept.bat"), c.saved);
    EXPECT_EQ(m_prompts.questions.back(), kSavePromptText);
  }
  // The close that went through saved the settings.
  EXPECT_TRUE(fs::exists(m_dir / "setting.ini"));
  m_session.song().modified = false;
  size_t asked = m_prompts.questions.size();
  m_files.paths = {std::nullopt};
  EXPECT_FALSE(m_session.open());  // unchanged: no question, cancelled dialog ends quietly
  EXPECT_EQ(m_prompts.questions.size(), asked);
  EXPECT_TRUE(m_prompts.messages.empty());
}

TEST_F(SessionTest, HistoryOrderAndMissingFiles) {
  for (const char* name : {"a", "b"}) {
    addNote("あ");
    m_session.song().projectPath.clear();
    m_files.paths = {m_dir / name};
    ASSERT_TRUE(m_session.saveAs());
  }
  auto& history = m_session.settings().History;
  EXPECT_EQ(history, (std::vector<std::string>{m_dir / "b.bat", m_dir / "a.bat"}));
  ASSERT_TRUE(m_session.openHistory(1));
  EXPECT_EQ(history, (std::vector<std::string>{m_dir / "a.bat", m_dir / "b.bat"}));
  EXPECT_EQ(m_session.song().noteCount, 1);
  EXPECT_EQ(m_session.song().projectPath, m_dir / "a.bat");

  fs::remove(m_dir / "b.bat");
  EXPECT_FALSE(m_session.openHistory(1));
  EXPECT_EQ(history, std::vector<std::string>{m_dir / "a.bat"});
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0], kMissingHistoryText);
  EXPECT_EQ(m_prompts.icons[0], MessageIcon::Warning);
}

TEST_F(SessionTest, NewProjectTakesTheFormOrNothing) {
  addNote("あ");
  m_session.song().modified = false;
  m_session.song().tempoText = "98.5";
  m_dialogs.projects = {std::nullopt};
  EXPECT_FALSE(m_session.newProject());
  EXPECT_EQ(m_session.song().noteCount, 1);
  EXPECT_EQ(m_session.song().tempoText, "98.5");
  const ProjectProperties& shown = m_dialogs.shownFields[0];
  EXPECT_EQ(shown.projectName, "新規プロジェクト");
  EXPECT_EQ(shown.outputFile, "newfile.wav");
  EXPECT_EQ(shown.joinerPath, m_session.settings().Tool1Path);

  ProjectPropertiesForm form(shown, m_session.settings(), m_settings.folders.tempDir);
  EXPECT_EQ(form.cacheFolder(), m_dir / "temp.cache");
  EXPECT_FALSE(form.cacheHasFiles());
  form.projectName = "歌";
  form.outputFile = "mix";
  form.projectFlags = " B50 ; N\"g ";
  m_dialogs.projects = {form.confirmed()};
  ASSERT_TRUE(m_session.newProject());
  const Song& song = m_session.song();
  EXPECT_EQ(song.noteCount, 0);
  EXPECT_EQ(song.tempoText, "120.0");
  EXPECT_EQ(song.projectName, "歌");
  EXPECT_EQ(song.outputFile, "mix.wav");
  EXPECT_EQ(song.projectFlags, "B50Ng");
  EXPECT_TRUE(song.cacheDir.empty());
  EXPECT_FALSE(song.modified);
  EXPECT_EQ(m_session.title(), "歌 - ＲＵＶＯ");
}

TEST_F(SessionTest, ProjectPropertiesLoadTheVoiceFolderAndTrustTheToolsTyped) {
  const std::string bank = m_dir / "bank";
  fs::create_directory(bank);
  ASSERT_TRUE(writeFileBytes(bank + "/oto.ini", "ka.wav=か,10,20,30,44,5\r\n"));
  m_session.song().joinerPath = "/opt/their/splicer";
  m_session.song().cacheDir = m_dir / "song.cache";
  const std::string trustFile = m_dir / "trusted_programs.txt";

  m_dialogs.projects = {std::nullopt};
  EXPECT_FALSE(m_session.editProperties());
  EXPECT_FALSE(m_session.song().modified);
  EXPECT_EQ(m_dialogs.shownFields[0].cacheDir, m_dir / "song.cache");

  ProjectProperties chosen = m_dialogs.shownFields[0];
  chosen.projectName = "うた";
  chosen.voiceFolder = bank;
  chosen.resamplerPath = "/opt/mine/resampler";
  m_dialogs.projects = {chosen};
  ASSERT_TRUE(m_session.editProperties());
  EXPECT_EQ(m_session.title(), "うた - ＲＵＶＯ");
  EXPECT_TRUE(m_session.song().modified);
  EXPECT_EQ(m_session.song().cacheDir, m_dir / "song.cache");
  EXPECT_EQ(m_session.tables().oto.size(), 1u);
  // Only the tool the user typed is trusted, not the one the project came with.
  EXPECT_EQ(TrustedPrograms::load(trustFile)->programs(), std::set<std::string>{"/opt/mine/resampler"});

  // Unchanged and confirmed: still marked changed. A damaged trust file is
  // reported, left alone and trusts nothing new.
  ASSERT_TRUE(writeFileBytes(trustFile, "junk\n"));
  m_session.song().modified = false;
  chosen.joinerPath = "/opt/other/splicer";
  m_dialogs.projects = {projectPropertiesOf(m_session.song()), chosen};
  ASSERT_TRUE(m_session.editProperties());
  EXPECT_TRUE(m_session.song().modified);
  EXPECT_TRUE(m_prompts.messages.empty());
  ASSERT_TRUE(m_session.editProperties());
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_TRUE(m_prompts.messages[0].starts_with(kToolNotTrustedText));
  EXPECT_EQ(bytesOf(trustFile), "junk\n");
}

TEST_F(SessionTest, FailedSaveKeepsTheOldProjectAndSaysSo) {
  addNote("あ");
  m_files.paths = {m_dir / "song"};
  ASSERT_TRUE(m_session.saveAs());
  const std::string oldScript = bytesOf(m_dir / "song.bat");
  const std::string oldHelper = bytesOf(m_dir / "song_helper.bat");
  for (int i = 0; i < 400; ++i) addNote("か");

  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit lowered = saved;
  lowered.rlim_cur = 4096;  // a disk that fills up part way through the save
  ::setrlimit(RLIMIT_FSIZE, &lowered);
  bool ok = m_session.save();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(ok);
  EXPECT_TRUE(m_session.song().modified);
  EXPECT_EQ(bytesOf(m_dir / "song.bat"), oldScript);
  EXPECT_EQ(bytesOf(m_dir / "song_helper.bat"), oldHelper);
  ASSERT_EQ(m_prompts.titles.size(), 1u);
  EXPECT_EQ(m_prompts.titles[0], kUnexpectedErrorTitle);
  EXPECT_NE(m_prompts.messages[0].find("song.bat"), std::string::npos);
}

TEST_F(SessionTest, SaveIntoReadOnlyFolderKeepsTheOldProject) {
  const std::string folder = m_dir / "locked";
  fs::create_directory(folder);
  addNote("あ");
  m_files.paths = {folder + "/song"};
  ASSERT_TRUE(m_session.saveAs());
  const std::string oldScript = bytesOf(folder + "/song.bat");
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  if (::access(folder.c_str(), W_OK) == 0) {
    ::chmod(folder.c_str(), 0755);
    GTEST_SKIP() << "permissions do not bind this user (root)";
  }
  addNote("か");
  EXPECT_FALSE(m_session.save());
  ::chmod(folder.c_str(), 0755);
  EXPECT_EQ(bytesOf(folder + "/song.bat"), oldScript);
  EXPECT_EQ(m_prompts.titles.back(), kUnexpectedErrorTitle);
}

TEST_F(SessionTest, ImportAsksForTheTrackOfAMidiFile) {
  Song source;
  source.notes = {{"あ", 1920, 36, ""}, {"い", 960, 38, ""}};
  source.noteCount = 2;
  std::string bytes = buildSequenceMidi(source, MidiWriteInput{});
  bytes += midiTrackChunk(std::string("\x00\xFF\x2F\x00", 4));
  bytes[11] = 3;  // track count
  const std::string path = m_dir / "three.MID";
  ASSERT_TRUE(writeFileBytes(path, bytes));

  m_files.paths = {path, path};
  m_dialogs.tracks = {-1, 2};
  EXPECT_TRUE(m_session.importFile());  // cancelled choice: an empty, modified song
  EXPECT_EQ(m_session.song().noteCount, 0);
  EXPECT_TRUE(m_session.song().modified);
  m_prompts.answers = {Answer::No};
  ASSERT_TRUE(m_session.importFile());
  ASSERT_EQ(m_dialogs.trackLists.size(), 2u);
  EXPECT_EQ(m_dialogs.trackLists[1].size(), 3u);
  EXPECT_EQ(m_session.song().noteCount, 2);
  EXPECT_EQ(m_session.song()[1].lyric, "い");
  EXPECT_EQ(m_session.song().projectName, "three");
  EXPECT_EQ(m_files.requests[0].filter, kImportFilter);

  // Appending the same file adds the chosen track behind the notes.
  m_files.paths = {path};
  m_dialogs.tracks = {2};
  ASSERT_TRUE(m_session.append());
  EXPECT_EQ(m_session.song().noteCount, 4);
}

TEST_F(SessionTest, AFailedOpenLeavesWindowSongAndHistoryAsTheyWere) {
  addNote("あ");
  m_files.paths = {m_dir / "mine"};
  ASSERT_TRUE(m_session.saveAs());
  addNote("い");  // unsaved
  const std::string title = m_session.title();
  const auto history = m_session.settings().History;
  const std::string damaged = m_dir / "damaged.wsq";
  ASSERT_TRUE(writeFileBytes(damaged, "MThd\x01\x02 not a sequence"));
  std::vector<SessionChange> changes;
  m_session.addListener([&](SessionChange change) { changes.push_back(change); });

  EXPECT_FALSE(m_session.openPath(damaged));
  EXPECT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(m_session.title(), title);
  EXPECT_EQ(m_session.settings().History, history);
  EXPECT_EQ(m_session.song().projectPath, m_dir / "mine.bat");
  EXPECT_EQ(m_session.song().noteCount, 2);
  EXPECT_TRUE(m_session.song().modified);
  // Yes to the save question saves the open song, not over the damaged file.
  const std::string saved = bytesOf(m_dir / "mine.bat");
  m_prompts.answers = {Answer::Yes};
  ASSERT_TRUE(m_session.close(0));
  EXPECT_EQ(bytesOf(damaged), "MThd\x01\x02 not a sequence");
  EXPECT_NE(bytesOf(m_dir / "mine.bat"), saved);
}

TEST_F(SessionTest, ATempoTheSongCannotPlayIsNeverSaved) {
  for (const char* tempo : {"", "0", "abc", "1e9"}) {
    addNote("あ");
    m_session.song().tempoText = tempo;
    m_session.song().projectPath = m_dir / "t.bat";
    m_prompts.messages.clear();
    EXPECT_FALSE(m_session.save()) << tempo;
    EXPECT_FALSE(m_session.saveAsPath(m_dir / "u")) << tempo;
    EXPECT_FALSE(fs::exists(m_dir / "t.bat") || fs::exists(m_dir / "u.bat")) << tempo;
    EXPECT_EQ(m_prompts.messages, std::vector<std::string>(2, "テンポ「" + std::string(tempo) +
                                                                  "」は使えません。1から10000までの数を入力してください。"));
    EXPECT_TRUE(m_session.song().modified);
  }
  m_session.song().tempoText = "96";
  EXPECT_TRUE(m_session.save());
  EXPECT_TRUE(fs::exists(m_dir / "t.bat"));
}

TEST_F(SessionTest, OpeningNamesAMissingVoiceFolderAndBoundsValuesOutOfRange) {
  Song& song = m_session.song();
  song.voiceFolder = m_dir / "gone";
  song.at(0) = Note{"あ", 1920, 119976, ""};
  song.noteCount = 1;
  song.modified = true;
  ASSERT_TRUE(m_session.saveAsPath(m_dir / "far"));
  ASSERT_TRUE(m_session.openPath(m_dir / "far.bat"));
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0], "音声フォルダが見つかりません: " + (m_dir / "gone") +
                                       "\n\n範囲外の値を直しました:\nノート0「あ」のキー 119976 → 103");
  EXPECT_EQ(m_prompts.icons[0], MessageIcon::Warning);
  EXPECT_EQ(m_session.song()[0].noteNumber, 103);
  EXPECT_TRUE(m_session.song().modified);
}

// ReadMe finds "readme.txt" beside the program first, then the user guide and
// the README of an installed copy, then those of the source tree around a
// build folder.
TEST_F(SessionTest, ReadmeIsTheFirstDocumentFoundBesideTheProgram) {
  const std::string program = m_dir / "src/build/bin";
  fs::create_directories(program);
  m_settings.folders.programFolder = program;
  const std::pair<const char*, const char*> found[] = {
      {"src/README.md", "src/README.md"},
      {"src/docs/guide/README.md", "src/docs/guide/README.md"},
      {"src/build/share/doc/ruvo/README.md", "src/build/share/doc/ruvo/README.md"},
      {"src/build/share/doc/ruvo/guide/README.md", "src/build/share/doc/ruvo/guide/README.md"},
      {"src/build/bin/readme.txt", "src/build/bin/readme.txt"}};
  EXPECT_EQ(m_session.readmePath(), std::nullopt);
  for (auto [made, expected] : found) {
    fs::create_directories(fs::path(m_dir / made).parent_path());
    ASSERT_TRUE(writeFileBytes(m_dir / made, "#\n"));
    EXPECT_EQ(m_session.readmePath(), fs::weakly_canonical(m_dir / expected).string()) << made;
  }
}
