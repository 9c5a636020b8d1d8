#include "cli/cli_args.h"

#include <algorithm>

namespace ruvo::cli {

std::optional<std::string> ParsedArgs::value(const std::string& option) const {
  auto it = options.find(option);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

Result<ParsedArgs> parseArgs(const std::vector<std::string>& args, const std::vector<CommandSpec>& commands) {
  if (args.empty()) return fail(ErrorCode::BadArgument, "no command given (try --help)");
  auto spec = std::find_if(commands.begin(), commands.end(),
                           [&](const CommandSpec& command) { return command.name == args[0]; });
  if (spec == commands.end()) return fail(ErrorCode::BadArgument, "unknown command '" + args[0] + "' (try --help)");
  ParsedArgs parsed;
  parsed.command = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() > 1 && arg[0] == '-' && !parsed.options.count("--")) {
      if (spec->flagOptions.count(arg)) {
        parsed.options[arg] = "";
      } else if (spec->valueOptions.count(arg)) {
        if (i + 1 >= args.size()) return fail(ErrorCode::BadArgument, "option " + arg + " needs a value");
        parsed.options[arg] = args[++i];
      } else {
        return fail(ErrorCode::BadArgument, "unknown option '" + arg + "' for " + spec->name + " (try --help)");
      }
    } else {
      parsed.positionals.push_back(arg);
    }
  }
  if (parsed.positionals.size() != spec->positionals) {
    return fail(ErrorCode::BadArgument, spec->name + " takes " + std::to_string(spec->positionals) +
                                            " file argument" + (spec->positionals == 1 ? "" : "s") +
                                            ", got " + std::to_string(parsed.positionals.size()) + " (try --help)");
  }
  return parsed;
}

}  // namespace ruvo::cli
