#include "voicebank/oto_settings_form.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/text_file.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

void writeBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const std::string& path) { return *readFileBytes(path); }

// A voice folder with the given recordings (tiny sine-free WAVs) and oto.ini
// bytes ("" writes no oto.ini).
struct Bank {
  Bank(std::initializer_list<const char*> recordings, const std::string& oto) {
    for (const char* name : recordings) writeBytes(dir / name, ruvo::testing::monoWave({0, 1, 2, 3}));
    if (!oto.empty()) writeBytes(dir / "oto.ini", oto);
  }
  std::string oto() const { return readBytes(dir / "oto.ini"); }
  TempFolder dir{"oto_form"};
};

std::vector<std::string> rowTexts(const OtoSettingsForm& form) {
  std::vector<std::string> texts;
  for (const OtoRow& row : form.rows()) texts.push_back(row.text());
  return texts;
}

std::optional<size_t> rowOf(const OtoSettingsForm& form, const std::string& text) {
  for (size_t i = 0; i < form.rows().size(); ++i)
    if (form.rows()[i].text() == text) return i;
  return std::nullopt;
}

}  // namespace

// The rows, the pre-selection and what OK writes, from the files and oto.ini
// of a folder, with no command in between.
TEST(OtoSettingsForm, RowsFromFilesAndTableAndWhatOkWritesBack) {
  struct Case {
    const char* what;
    std::initializer_list<const char*> recordings;
    std::string oto;
    std::string target;
    std::vector<std::string> rows;
    std::optional<size_t> selected;
    std::string written;
  } cases[] = {
      {"claimed and unclaimed",
       {"a.wav", "i.wav"},
       "i.wav=い,1,2,3,4\r\nx.wav=え,5,6,7,8\r\n",
       "い",
       {"a.wav", "i.wav\tい\t1\t2\t3\t4", "x.wav\tえ\t5\t6\t7\t8"},
       1,
       "i.wav=い,1,2,3,4\r\nx.wav=え,5,6,7,8\r\n"},
      {"two entries for one file, sorted back without regard to case",
       {"a.wav", "B.wav"},
       "B.wav=b,1,2,3,4\r\na.wav=あ2,1,2,3,4\r\na.wav=あ,1,2,3,4\r\n",
       "",
       {"a.wav\tあ\t1\t2\t3\t4", "a.wav\tあ2\t1\t2\t3\t4", "B.wav\tb\t1\t2\t3\t4"},
       std::nullopt,
       "a.wav=あ,1,2,3,4\r\na.wav=あ2,1,2,3,4\r\nB.wav=b,1,2,3,4\r\n"},
      {"the empty target selects the first row without alias; lines the table skips are kept",
       {"ka.wav", "b.wav"},
       "ka.wav=か\r\nnot an entry\r\nka.wav=,10,20,30,40,50,x\r\n",
       "",
       {"b.wav", "ka.wav", "ka.wav\t\t10\t20\t30\t40\t50\tx"},
       0,
       "ka.wav=か\r\nka.wav=,10,20,30,40,50,x\r\nnot an entry\r\n"},
      {"a file name target and recordings in a subfolder",
       {"A3/ka.wav", "A3/sa.wav"},
       "A3/ka.wav=か↑,1,2,3,4\n",
       "A3/sa",
       {"A3/ka.wav\tか↑\t1\t2\t3\t4", "A3/sa.wav"},
       1,
       "A3/ka.wav=か↑,1,2,3,4\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bank bank(c.recordings, c.oto);
    OtoSettingsForm form({});
    ASSERT_TRUE(form.open(bank.dir.path(), c.target));
    EXPECT_EQ(rowTexts(form), c.rows);
    EXPECT_EQ(form.selected(), c.selected);
    ASSERT_TRUE(form.ok());
    EXPECT_EQ(bank.oto(), c.written);
  }
}

// Set, Clear, Delete, Copy and the sample editor's values: the row, the
// boxes, the cache hook and the written file.
TEST(OtoSettingsForm, CommandsChangeTheSelectedRowOnly) {
  const std::string oto = "a.wav=あ,1,2,3,4,overlap\r\ni.wav=い,1,2,3,4\r\n";
  struct Case {
    const char* what;
    std::function<void(OtoSettingsForm&)> command;
    std::string written;
    std::vector<std::string> deleted;
  } cases[] = {
      {"Set normalises the offset only and keeps the further value",
       [](OtoSettingsForm& f) {
         f.boxes.alias = "ア";
         f.boxes.offset = "007";
         f.boxes.consonant = "007";
         f.set();
         EXPECT_EQ(f.boxes.offset, "7");
       },
       "a.wav=ア,7,007,3,4,overlap\r\ni.wav=い,1,2,3,4\r\n",
       {"a"}},
      {"Set with another name in the box does nothing",
       [](OtoSettingsForm& f) {
         f.boxes.name = "i.wav";
         f.boxes.offset = "x";
         f.set();
         EXPECT_EQ(f.boxes.offset, "0");
       },
       "a.wav=あ,1,2,3,4,overlap\r\ni.wav=い,1,2,3,4\r\n",
       {}},
      {"Clear removes the line at OK",
       [](OtoSettingsForm& f) {
         f.clear();
         EXPECT_EQ(f.boxes.alias, "");
       },
       "i.wav=い,1,2,3,4\r\n",
       {}},
      {"Delete removes the row", [](OtoSettingsForm& f) { f.remove(); }, "i.wav=い,1,2,3,4\r\n", {}},
      {"Copy writes the line twice", [](OtoSettingsForm& f) { f.copy(); },
       "a.wav=あ,1,2,3,4,overlap\r\na.wav=あ,1,2,3,4,overlap\r\ni.wav=い,1,2,3,4\r\n", {}},
      {"the editor's values",
       [](OtoSettingsForm& f) {
         EXPECT_EQ(f.sampleTimes(), (SampleTimes{1, 2, 3, 4}));
         f.applySampleTimes({10, 20, -30, 40});
         EXPECT_EQ(f.boxes.blank, "-30");
       },
       "a.wav=あ,10,20,-30,40,overlap\r\ni.wav=い,1,2,3,4\r\n",
       {"a"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bank bank({"a.wav", "i.wav"}, oto);
    std::vector<std::string> deleted;
    OtoSettingsForm form([&](const std::string& name) { deleted.push_back(name); });
    ASSERT_TRUE(form.open(bank.dir.path(), "あ"));
    ASSERT_EQ(form.selected(), 0u);
    c.command(form);
    ASSERT_TRUE(form.ok());
    EXPECT_EQ(bank.oto(), c.written);
    EXPECT_EQ(deleted, c.deleted);
  }
}

// An untouched UTF-8 file with a byte-order mark and CR LF comes back byte
// for byte; one edited entry changes that line only.
TEST(OtoSettingsForm, UntouchedLinesKeepTheirBytes) {
  const std::string bom = "\xEF\xBB\xBF";
  const std::string lines[] = {"a.wav=- あ,-1.50,2,-300,4,5", "a.wav=a い,0,0,0,0", "ka.wav=か"};
  const std::string file = bom + lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2];
  Bank bank({"a.wav", "ka.wav"}, file);
  OtoSettingsForm form({});
  ASSERT_TRUE(form.open(bank.dir.path(), "a い"));
  ASSERT_TRUE(form.ok());
  EXPECT_EQ(bank.oto(), file);

  form.boxes.consonant = "12";
  form.set();
  ASSERT_TRUE(form.ok());
  EXPECT_EQ(bank.oto(), bom + lines[0] + "\r\na.wav=a い,0,12,0,0\r\n" + lines[2]);
}

// A folder that cannot take oto.ini, a line its encoding cannot hold, and an
// oto.ini that could not be read: OK reports and writes nothing.
TEST(OtoSettingsForm, OkRefusesWhatWouldLoseData) {
  {
    Bank bank({"a.wav"}, "a.wav=\x82\xa0,1,2,3,4\r\n");
    OtoSettingsForm form({});
    ASSERT_TRUE(form.open(bank.dir.path(), "あ"));
    form.boxes.alias = "😀";
    form.set();
    auto written = form.ok();
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().message.find("CP932"), std::string::npos) << written.error().message;
    EXPECT_EQ(bank.oto(), "a.wav=\x82\xa0,1,2,3,4\r\n");
  }
  {
    Bank bank({"a.wav"}, "");
    std::filesystem::create_directories(bank.dir / "oto.ini/inside");
    OtoSettingsForm form({});
    EXPECT_FALSE(form.open(bank.dir.path(), ""));
    EXPECT_EQ(form.rows().size(), 1u);
    EXPECT_FALSE(form.ok());
    EXPECT_TRUE(std::filesystem::is_directory(bank.dir / "oto.ini/inside"));
  }
  {
    Bank bank({"a.wav"}, "a.wav=あ,1,2,3,4\r\n");
    OtoSettingsForm form({});
    ASSERT_TRUE(form.open(bank.dir.path(), ""));
    std::filesystem::remove_all(bank.dir.path());
    EXPECT_FALSE(form.ok());
    EXPECT_EQ(form.rows().size(), 1u);
  }
}

// The frequency-table edit is offered only for a ".wav" recording whose
// "_wav.frq" exists.
TEST(OtoSettingsForm, FrequencyTableOfferedForLowerCaseWavWithTable) {
  Bank bank({"a.wav", "B.WAV", "c.wav"}, "");
  writeBytes(bank.dir / "a_wav.frq", "x");
  writeBytes(bank.dir / "B_wav.frq", "x");
  OtoSettingsForm form({});
  ASSERT_TRUE(form.open(bank.dir.path(), ""));
  const std::pair<const char*, bool> cases[] = {{"a.wav", true}, {"B.WAV", false}, {"c.wav", false}};
  for (auto [name, offered] : cases) {
    form.select(rowOf(form, name));
    EXPECT_EQ(form.frequencyTableExists(), offered) << name;
    EXPECT_TRUE(form.recordingPath()) << name;
  }
}

// "...": the folder of the chosen file is listed afresh, with nothing
// selected, and OK writes that folder's oto.ini.
TEST(OtoSettingsForm, ChangeFolderListsTheChosenFilesFolder) {
  Bank first({"a.wav"}, "a.wav=あ,1,2,3,4\r\n");
  Bank second({"u.wav", "e.wav"}, "");
  OtoSettingsForm form({});
  ASSERT_TRUE(form.open(first.dir.path(), "あ"));
  ASSERT_TRUE(form.changeFolder(second.dir / "e.wav"));
  EXPECT_EQ(form.folder(), second.dir.path());
  EXPECT_EQ(rowTexts(form), (std::vector<std::string>{"e.wav", "u.wav"}));
  EXPECT_FALSE(form.selected());
  form.select(1);
  form.boxes.alias = "う";
  form.set();
  ASSERT_TRUE(form.ok());
  EXPECT_EQ(second.oto(), "u.wav=\x82\xa4,,,,\r\n");
  EXPECT_EQ(first.oto(), "a.wav=あ,1,2,3,4\r\n");
}
