#include "batch/program_runner.h"

#include "core/child_process.h"

namespace ruvo::batch {

namespace {

Result<int> start(const std::string& program, const std::vector<std::string>& arguments, const std::string& folder,
                  const std::vector<std::string>& environment, bool shareInput) {
  ChildOptions options;
  options.folder = folder;
  options.environment = environment;
  // A script's programs share the interpreter's input and output, as in a
  // console: their diagnostics reach whoever reads the interpreter.
  options.nullInput = !shareInput;
  return runChild(program, arguments, options);
}

}  // namespace

Result<int> spawnAndWait(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::vector<std::string>& environment) {
  return start(program, arguments, folder, environment, true);
}

Result<int> spawnWithoutInput(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& folder, const std::vector<std::string>& environment) {
  return start(program, arguments, folder, environment, false);
}

}  // namespace ruvo::batch
