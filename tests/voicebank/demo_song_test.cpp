// The demo song must stay a well-formed project script for the demo bank:
// CP932 with CR LF, every sung note naming a recording the bank builds.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/text_codec.h"
#include "core/text_file.h"

using namespace ruvo;

TEST(DemoSong, IsACompleteScriptForTheDemoBank) {
  auto bytes = readFileBytes(RUVO_FUZZ_CORPUS_DIR "/../../../examples/sakura.bat");
  ASSERT_TRUE(bytes);
  // Every line ends in CR LF, and no bare LF hides in between.
  size_t lf = 0, crlf = 0;
  for (size_t i = 0; i < bytes->size(); ++i)
    if ((*bytes)[i] == '\n') {
      ++lf;
      if (i > 0 && (*bytes)[i - 1] == '\r') ++crlf;
    }
  EXPECT_EQ(lf, crlf);
  EXPECT_EQ(bytes->substr(0, 13), "@rem project=");

  auto syllables = readFileBytes(RUVO_FUZZ_CORPUS_DIR "/../../../voicebanks/demo_syllables.txt");
  ASSERT_TRUE(syllables);
  std::set<std::string> recordings;
  for (const auto& line : splitLines(*syllables))
    if (!line.empty() && line[0] != '#') recordings.insert(line.substr(0, line.find(' ')));

  int notes = 0, rests = 0, tempoLines = 0;
  for (const auto& line : splitLines(cp932ToUtf8(*bytes))) {
    if (line.starts_with("call %helper% ")) {
      std::istringstream words(line.substr(14));
      std::vector<std::string> args;
      for (std::string word; words >> word;) args.push_back(word);
      ASSERT_EQ(args.size(), 9u) << line;
      EXPECT_TRUE(recordings.count(args[0])) << line;
      EXPECT_EQ(args[8], std::to_string(notes + rests)) << line;
      ++notes;
    } else if (line.starts_with("\"%tool%\" \"%output%\" \"%oto%\\R.wav\" 0 ")) {
      ++rests;
    } else if (line.starts_with("@set tempo=")) {
      ++tempoLines;
    }
  }
  EXPECT_GE(notes, 32);
  EXPECT_GE(rests, 4);
  EXPECT_GE(tempoLines, 3);  // the header and two changes
}
