#include "voicebank/bank_check.h"

#include <gtest/gtest.h>

#include "core/text_file.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo;
using namespace ruvo::testing;

TEST(BankCheck, ListsEveryProblemOfAnEntryByItsLine) {
  const TempFolder dir("ruvo_bank_check");
  // One second of silence, and the same at 8 bits per sample.
  ASSERT_TRUE(writeFileBytes(dir / "a.wav", monoWave(std::vector<int16_t>(44100))));
  ASSERT_TRUE(writeFileBytes(dir / "eight.wav", riff(chunk("fmt ", fmtBody(1, 44100, 8)) + chunk("data", "\x80\x80"))));
  ASSERT_TRUE(writeFileBytes(dir / "oto.ini",
                             "a.wav=- あ,100,50,-300,60\r\n"     // fine
                             "a.wav=a あ,900,50,200,60\r\n"      // ends before it starts
                             "a.wav=- あ,0,0,0,0\r\n"            // given before
                             "gone.wav=a か,0,0,0,0\r\n"         // missing
                             "eight.wav=a さ,0,0,0,0\r\n"        // not 16-bit
                             "../x.wav=a た,0,0,0,0\r\n"         // outside the folder
                             "a.wav=a な,-5,0,0,0\r\n"));        // negative offset
  ASSERT_TRUE(writeFileBytes(dir / "prefix.map", "\xEF\xBB\xBF" "C5\t\t↑\r\nC6\t\t↑↑\r\n"));
  const BankReport report = checkBank(dir.path());
  EXPECT_EQ(report.encoding, TextEncoding::Utf8);
  EXPECT_EQ(report.entries, 6u);
  EXPECT_TRUE(report.vcv);
  EXPECT_EQ(report.prefixMapEncoding, TextEncoding::Utf8WithBom);
  EXPECT_EQ(report.suffixes, (std::vector<std::string>{"↑", "↑↑"}));
  std::vector<std::pair<size_t, std::string>> problems;
  for (const auto& problem : report.problems) problems.emplace_back(problem.line, problem.message);
  ASSERT_EQ(problems.size(), 6u);
  EXPECT_EQ(problems[0], std::make_pair(size_t{2}, std::string("oto.ini line 2 (a あ): the regions (offset 900, consonant 50, "
                                                              "blank 200 ms) lie outside the recording of 1000 ms")));
  EXPECT_EQ(problems[1], std::make_pair(size_t{3}, std::string("oto.ini line 3 (- あ): the alias is given before on line 1; "
                                                              "this entry is never sung")));
  EXPECT_EQ(problems[2], std::make_pair(size_t{4}, std::string("oto.ini line 4 (a か): the recording 'gone.wav' does not exist")));
  EXPECT_TRUE(problems[3].second.starts_with("oto.ini line 5 (a さ): the recording 'eight.wav' cannot be used: ")) << problems[3].second;
  EXPECT_EQ(problems[4].second, "oto.ini line 6: the recording '../x.wav' lies outside the voice folder; the entry is skipped");
  EXPECT_TRUE(problems[5].second.starts_with("oto.ini line 7 (a な): the regions (offset -5,")) << problems[5].second;

  EXPECT_EQ(checkBank(dir / "none").problems.size(), 1u);
}

TEST(BankCheck, RegionsInsideOrOutside) {
  struct Case {
    double offset, consonant, blank, duration;
    bool outside;
  };
  const std::vector<Case> cases = {
      {0, 0, 0, 1000, false},     {100, 50, -300, 1000, false}, {100, 50, 800, 1000, false},
      {100, 50, 860, 1000, true},  {100, 50, -950, 1000, true},  {-1, 0, 0, 1000, true},
      {1001, 0, 0, 1000, true},    {100, 400, -300, 1000, true}, {0, 0, 1000, 1000, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(regionsOutside(c.offset, c.consonant, c.blank, c.duration), c.outside)
        << c.offset << " " << c.consonant << " " << c.blank;
}
