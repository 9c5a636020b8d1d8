#include "settings/options_form.h"

#include <gtest/gtest.h>

#include "support/scripted_answers.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::ScriptedFileChooser;
using ruvo::testing::ScriptedPrompts;

namespace {

Settings cacheSettings(bool enable, bool unload, bool bySize, bool byDate, int32_t size = 250,
                       int32_t days = 7) {
  Settings s;
  s.CacheEnable = enable;
  s.CacheDeleteOnUnload = unload;
  s.CacheDeleteBySize = bySize;
  s.CacheDeleteByDate = byDate;
  s.CacheDeleteSize = size;
  s.CacheDeleteInterval = days;
  return s;
}

}  // namespace

TEST(OptionsForm, LoadingShowsTheCachePolicyThatRunsAtExit) {
  struct Case {
    Settings settings;
    bool enabled;
    CacheRule rule;
    const char* size;
    const char* days;
  } cases[] = {
      {cacheSettings(false, true, true, true), false, CacheRule::Keep, "1000", "30"},
      {cacheSettings(true, false, false, false), true, CacheRule::Keep, "250", "7"},
      {cacheSettings(true, true, false, false), true, CacheRule::DeleteOnUnload, "250", "7"},
      {cacheSettings(true, false, true, false), true, CacheRule::DeleteBySize, "250", "7"},
      {cacheSettings(true, false, false, true), true, CacheRule::DeleteByDate, "250", "7"},
      // A hand-edited file with several rules: unload wins, then size.
      {cacheSettings(true, true, true, true), true, CacheRule::DeleteOnUnload, "250", "7"},
      {cacheSettings(true, false, true, true), true, CacheRule::DeleteBySize, "250", "7"},
      // A first run: cache on, deletion at exit, both limits 0.
      {cacheSettings(true, true, false, false, 0, 0), true, CacheRule::DeleteOnUnload, "0", "0"},
  };
  for (const auto& c : cases) {
    OptionsForm form(c.settings, "/prog");
    SCOPED_TRACE(c.size);
    EXPECT_EQ(form.cacheEnabled, c.enabled);
    EXPECT_EQ(form.cacheRuleEnabled(), c.enabled);
    EXPECT_EQ(form.cacheRule, c.rule);
    EXPECT_EQ(form.cacheLimitSize, c.size);
    EXPECT_EQ(form.cacheDeleteDays, c.days);
  }
}

TEST(OptionsForm, OkChecksTheSelectedLimitThenWritesTheCachePolicy) {
  struct Case {
    bool enabled;
    CacheRule rule;
    const char* size;
    const char* days;
    OptionsCheck check;
    const char* message;  // "" when none
    bool enable = false, unload = false, bySize = false, byDate = false;
    int32_t storedSize = 0, storedDays = 0;
  } cases[] = {
      {true, CacheRule::DeleteByDate, "1000", "abc", OptionsCheck::BadDeleteDays, "期限の設定が不正"},
      {true, CacheRule::DeleteByDate, "1000", "0", OptionsCheck::BadDeleteDays, "期限の設定が不正"},
      // 0.4 would be stored as 0, a rule that never deletes anything.
      {true, CacheRule::DeleteByDate, "1000", "0.4", OptionsCheck::BadDeleteDays, "期限の設定が不正"},
      {true, CacheRule::DeleteBySize, "", "30", OptionsCheck::BadLimitSize, "上限の設定が不正"},
      // The checks run with the cache off too.
      {false, CacheRule::DeleteBySize, "x", "30", OptionsCheck::BadLimitSize, "上限の設定が不正"},
      // Only the selected rule's box is checked.
      {true, CacheRule::DeleteBySize, "12", "abc", OptionsCheck::Accepted, "", true, false, true, false, 12, 99},
      {true, CacheRule::DeleteByDate, "abc", "-5", OptionsCheck::Accepted, "", true, false, false, true, 99, -5},
      {true, CacheRule::DeleteByDate, "0", "2.5日", OptionsCheck::Accepted, "", true, false, false, true, 99, 2},
      {true, CacheRule::DeleteBySize, "1e12", "0", OptionsCheck::Accepted, "", true, false, true, false,
       2147483647, 99},
      {true, CacheRule::DeleteOnUnload, "0", "0", OptionsCheck::Accepted, "", true, true, false, false, 99, 99},
      {true, CacheRule::Keep, "0", "0", OptionsCheck::Accepted, "", true, false, false, false, 99, 99},
      // Unchecking the cache clears every switch, whatever rule is selected.
      {false, CacheRule::DeleteOnUnload, "5", "5", OptionsCheck::Accepted, "", false, false, false, false, 99, 99},
      {false, CacheRule::DeleteBySize, "5", "5", OptionsCheck::Accepted, "", false, false, false, false, 99, 99},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.size) + " / " + c.days);
    Settings settings = cacheSettings(true, true, true, true);
    settings.CacheDeleteSize = 99;
    settings.CacheDeleteInterval = 99;
    settings.Tool1Path = "/old/splicer";
    const Settings before = settings;
    OptionsForm form(settings, "/prog");
    form.cacheEnabled = c.enabled;
    form.cacheRule = c.rule;
    form.cacheLimitSize = c.size;
    form.cacheDeleteDays = c.days;
    form.tool1Path = "/new/splicer";
    ScriptedPrompts prompts;
    EXPECT_EQ(form.accept(settings, prompts), c.check);
    if (c.check != OptionsCheck::Accepted) {
      ASSERT_EQ(prompts.messages.size(), 1u);
      EXPECT_EQ(prompts.messages[0], c.message);
      EXPECT_EQ(settings.Tool1Path, before.Tool1Path);
      EXPECT_TRUE(settings.CacheDeleteOnUnload);
      continue;
    }
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(settings.CacheEnable, c.enable);
    EXPECT_EQ(settings.CacheDeleteOnUnload, c.unload);
    EXPECT_EQ(settings.CacheDeleteBySize, c.bySize);
    EXPECT_EQ(settings.CacheDeleteByDate, c.byDate);
    EXPECT_EQ(settings.CacheDeleteSize, c.storedSize);
    EXPECT_EQ(settings.CacheDeleteInterval, c.storedDays);
    EXPECT_EQ(settings.Tool1Path, "/new/splicer");
  }
}

TEST(OptionsForm, VoiceBankRowsAreEditedThroughTheTwoBoxes) {
  enum class Op { Pick, Add, Set, Remove };
  struct Case {
    const char* what;
    int select;  // row picked first (-1: none)
    const char* name;
    const char* folder;
    Op op;
    RowEdit outcome;
    std::vector<std::string> rows;
    const char* nameAfter;
    const char* folderAfter;
    int selectedAfter;
  } cases[] = {
      {"add appends and empties", -1, "c", "/c", Op::Add, RowEdit::Done, {"a\t/a", "b,x\t/b", "c\t/c"}, "", "", -1},
      {"add without name", -1, "", "/c", Op::Add, RowEdit::NeedName, {"a\t/a", "b,x\t/b"}, "", "/c", -1},
      {"add without folder", -1, "c", "", Op::Add, RowEdit::NeedFolder, {"a\t/a", "b,x\t/b"}, "c", "", -1},
      {"set replaces the selected row", 1, "n", "/n", Op::Set, RowEdit::Done, {"a\t/a", "n\t/n"}, "n", "/n", 1},
      {"set without selection", -1, "n", "/n", Op::Set, RowEdit::Done, {"a\t/a", "b,x\t/b"}, "n", "/n", -1},
      {"set without folder", 0, "n", "", Op::Set, RowEdit::NeedFolder, {"a\t/a", "b,x\t/b"}, "n", "", 0},
      {"remove the selected row", 0, "", "", Op::Remove, RowEdit::Done, {"b,x\t/b"}, "", "", -1},
      {"remove without selection", -1, "", "", Op::Remove, RowEdit::Done, {"a\t/a", "b,x\t/b"}, "", "", -1},
      {"pick fills both boxes", 1, "", "", Op::Pick, RowEdit::Done, {"a\t/a", "b,x\t/b"}, "b,x", "/b", 1},
      {"pick out of range", 7, "k", "", Op::Pick, RowEdit::Done, {"a\t/a", "b,x\t/b"}, "k", "", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    VoiceBankRows rows({"a\t/a", "", "b,x\t/b"});
    if (c.op != Op::Pick && c.select >= 0) rows.pick(c.select);
    rows.name = c.name;
    rows.folder = c.folder;
    if (c.op == Op::Pick) rows.pick(c.select);
    RowEdit outcome = RowEdit::Done;
    if (c.op == Op::Add) outcome = rows.add();
    if (c.op == Op::Set) outcome = rows.set();
    if (c.op == Op::Remove) rows.remove();
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(rows.rows(), c.rows);
    EXPECT_EQ(rows.name, c.nameAfter);
    EXPECT_EQ(rows.folder, c.folderAfter);
    EXPECT_EQ(rows.selected(), c.selectedAfter);
  }
  VoiceBankRows none({});
  EXPECT_EQ(none.otoList(), std::vector<std::string>{""});
  EXPECT_TRUE(isAcceptedVoiceBankName("声 1"));
  EXPECT_FALSE(isAcceptedVoiceBankName("a,b"));
  EXPECT_FALSE(isAcceptedVoiceBankName("a\tb"));
}

TEST(OptionsForm, AVoiceFolderThatDoesNotExistIsNamed) {
  ruvo::testing::TempFolder banks;
  OptionsForm form(Settings{}, "/prog");
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {banks.path(), ""},
      {banks / "gone", "音声フォルダが見つかりません: " + (banks / "gone")},
  };
  for (const auto& [folder, message] : cases) {
    form.voiceBanks.folder = folder;
    EXPECT_EQ(form.missingVoiceFolder(), message) << folder;
  }
}

TEST(OptionsForm, FileDialogsFillTheBoxesAndCancelLeavesThem) {
  OptionsForm form(Settings{}, "/prog");
  form.voiceBanks.folder = "/before";
  form.tool1Path = "/t1";
  form.tool2Path = "/t2";
  ScriptedFileChooser chooser;
  chooser.paths = {"/banks/voice/あ.wav", std::nullopt, "/bin/join", std::nullopt, "/bin/resample"};
  form.browseVoiceFolder(chooser);
  EXPECT_EQ(form.voiceBanks.folder, "/banks/voice");
  form.browseVoiceFolder(chooser);
  EXPECT_EQ(form.voiceBanks.folder, "/banks/voice");
  form.browseTool1(chooser);
  form.browseTool2(chooser);
  EXPECT_EQ(form.tool1Path, "/bin/join");
  EXPECT_EQ(form.tool2Path, "/t2");
  form.browseTool2(chooser);
  EXPECT_EQ(form.tool2Path, "/bin/resample");
  ASSERT_EQ(chooser.requests.size(), 5u);
  EXPECT_EQ(chooser.requests[0].filter, "wavファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*");
  EXPECT_EQ(chooser.requests[0].defaultName, "あ.wav");
  EXPECT_EQ(chooser.requests[2].filter, "実行ファイル(*.exe)|*.exe|全てのファイル(*.*)|*.*");
  EXPECT_EQ(chooser.requests[2].selectedFilter, 1);

  form.resetToolPaths();
  EXPECT_EQ(form.tool1Path, "/prog/splicer");
  EXPECT_EQ(form.tool2Path, "/prog/resampler");
}
