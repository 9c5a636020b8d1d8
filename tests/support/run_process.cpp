#include "support/run_process.h"

#include "core/child_process.h"

namespace ruvo::testing {

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder) {
  ProcessResult result;
  ChildOptions options;
  options.folder = folder;
  options.out = ChildOptions::Output::Pipe;
  options.err = ChildOptions::Output::Pipe;
  auto child = ChildProcess::start(program, args, options);
  if (!child) return result;
  result.status = child->wait([&](ChildStream stream, std::string_view bytes) {
    (stream == ChildStream::Out ? result.out : result.err).append(bytes);
  });
  return result;
}

}  // namespace ruvo::testing
