#include "batch/program_runner.h"

#include "core/child_process.h"

namespace ruvo::batch {

Result<int> spawnAndWait(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::vector<std::string>& environment) {
  ChildOptions options;
  options.folder = folder;
  options.environment = environment;
  // A script's programs share the interpreter's input and output, as in a
  // console: their diagnostics reach whoever reads the interpreter.
  options.nullInput = false;
  return runChild(program, arguments, options);
}

}  // namespace ruvo::batch
