#include "cli/cli_args.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::cli;

namespace {
const std::vector<CommandSpec> kSpecs = {{"dump", 1, {"--voice-folder"}, {}},
                                         {"convert", 2, {}, {"--no-cache"}}};
}

TEST(CliArgs, ParsesPositionalsAndOptionsInAnyOrder) {
  auto parsed = parseArgs({"convert", "--no-cache", "a.bat", "b"}, kSpecs);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->positionals, (std::vector<std::string>{"a.bat", "b"}));
  EXPECT_TRUE(parsed->has("--no-cache"));
  parsed = parseArgs({"dump", "--voice-folder", "/vb", "x.bat"}, kSpecs);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed->value("--voice-folder"), "/vb");
  EXPECT_FALSE(parsed->value("--track"));
}

TEST(CliArgs, RejectsWhatTheCommandDoesNotTake) {
  EXPECT_FALSE(parseArgs({}, kSpecs));
  EXPECT_FALSE(parseArgs({"play"}, kSpecs));
  EXPECT_FALSE(parseArgs({"dump"}, kSpecs));
  EXPECT_FALSE(parseArgs({"dump", "a", "b"}, kSpecs));
  EXPECT_FALSE(parseArgs({"dump", "a", "--no-cache"}, kSpecs));
  auto missing = parseArgs({"dump", "a", "--voice-folder"}, kSpecs);
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.error().message.find("--voice-folder needs a value"), std::string::npos);
  EXPECT_EQ(missing.error().code, ErrorCode::BadArgument);
}
