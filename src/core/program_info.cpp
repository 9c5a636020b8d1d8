#include "core/program_info.h"

namespace ruvo {

std::string_view programVersion() { return RUVO_VERSION; }

bool isInfoRequest(std::span<const std::string> args) {
  return args.size() == 1 && (args[0] == "--help" || args[0] == "--version");
}

std::optional<int> answerInfoRequest(std::span<const std::string> args, std::string_view program,
                                     std::string_view help, std::ostream& out) {
  if (!isInfoRequest(args)) return std::nullopt;
  if (args[0] == "--help") {
    out << help;
    return 0;
  }
  if (args[0] == "--version") {
    out << program << ' ' << programVersion() << '\n';
    return 0;
  }
  return std::nullopt;
}

}  // namespace ruvo
