#include "batch/joiner_in_process.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

#include "core/program_info.h"
#include "joiner/splice_call.h"

namespace ruvo::batch {

ProgramStarter joinerInProcess(std::string joiner, std::string here, ProgramStarter next) {
  return [joiner = std::move(joiner), next = std::move(next), here = std::move(here)](
             const std::string& program, const std::vector<std::string>& arguments, const std::string& folder,
             const std::vector<std::string>& environment) -> Result<int> {
    std::error_code same;
    if (folder != here || isInfoRequest(arguments) || !std::filesystem::equivalent(program, joiner, same) || same)
      return next(program, arguments, folder, environment);
    const std::vector<std::string_view> words(arguments.begin(), arguments.end());
    joiner::SpliceOutcome outcome;
    try {
      outcome = joiner::runSplice(words);
    } catch (const std::exception& error) {
      outcome.err = std::string("splicer: error: ") + error.what() + "\n";
      outcome.exitStatus = joiner::kWriteFailedStatus;
    }
    // As the program's own output would be: complete before the next line.
    std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
    std::fflush(stdout);
    std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
    return outcome.exitStatus & 0xff;  // as a process's exit status
  };
}

}  // namespace ruvo::batch
