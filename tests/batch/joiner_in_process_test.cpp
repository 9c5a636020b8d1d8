#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "batch/joiner_in_process.h"
#include "file_bytes.h"
#include "support/temp_folder.h"

using namespace ruvo;
using namespace ruvo::batch;
using ruvo::testing::TempFolder;

TEST(JoinerInProcess, RunsTheJoinerBesideTheInterpreterHereAndStartsEveryOtherProgram) {
  TempFolder dir("ruvo_joiner_here");
  // Never started when it joins in process: its own exit status would show.
  const std::string joiner = dir / "splicer";
  test::put(joiner, "#!/bin/sh\nexit 9\n");
  std::filesystem::permissions(joiner, std::filesystem::perms::owner_all);
  std::filesystem::create_symlink(joiner, dir / "link");
  std::vector<std::string> started;
  const ProgramStarter next = [&](const std::string& program, const std::vector<std::string>&, const std::string&,
                                  const std::vector<std::string>&) -> Result<int> {
    started.push_back(program);
    return 7;
  };
  const std::string here = std::filesystem::current_path().string();
  const ProgramStarter start = joinerInProcess(joiner, here, next);
  struct Case {
    std::string program;
    std::vector<std::string> arguments;
    std::string folder;
    int status;  // 255: the joiner's usage error here, as its process ends; 7: started by `next`
  };
  const Case cases[] = {
      {joiner, {}, here, 255},
      {dir / "link", {"only-one"}, here, 255},
      {joiner, {"--version"}, here, 7},
      {joiner, {}, dir.path(), 7},
      {"/bin/true", {}, here, 7},
  };
  for (const Case& c : cases) {
    started.clear();
    auto status = start(c.program, c.arguments, c.folder, {});
    ASSERT_TRUE(status) << c.program;
    EXPECT_EQ(*status, c.status) << c.program;
    EXPECT_EQ(started.size(), c.status == 7 ? 1u : 0u) << c.program;
  }
}
