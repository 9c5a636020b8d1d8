#include "core/program_info.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ruvo {
namespace {

// Only a command line of exactly "--help" or "--version" is answered; every
// other one (a tool's own arguments, the option among others) is left alone.
TEST(ProgramInfo, AnswersExactlyTheTwoQuestions) {
  const std::string version = "tool " + std::string(programVersion()) + "\n";
  const struct {
    std::vector<std::string> args;
    std::optional<int> status;
    std::string out;
  } cases[] = {
      {{"--help"}, 0, "usage: tool X\n"},
      {{"--version"}, 0, version},
      {{}, std::nullopt, ""},
      {{"--help", "x"}, std::nullopt, ""},
      {{"a.wav", "--version"}, std::nullopt, ""},
      {{"-h"}, std::nullopt, ""},
      {{"--HELP"}, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    EXPECT_EQ(answerInfoRequest(c.args, "tool", "usage: tool X\n", out), c.status) << c.args.size();
    EXPECT_EQ(out.str(), c.out);
  }
  EXPECT_EQ(std::string(programVersion()), RUVO_PROJECT_VERSION);
}

}  // namespace
}  // namespace ruvo
