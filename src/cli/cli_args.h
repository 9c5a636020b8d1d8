#pragma once
// Command-line parsing for ruvo-cli: a command word, its positional
// arguments and its options, each checked against what the command accepts.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo::cli {

struct CommandSpec {
  std::string name;
  size_t positionals = 0;               // exact number of positional arguments
  std::set<std::string> valueOptions;   // options followed by a value
  std::set<std::string> flagOptions;    // options without a value
};

struct ParsedArgs {
  std::string command;
  std::vector<std::string> positionals;
  std::map<std::string, std::string> options;  // flags map to ""

  bool has(const std::string& option) const { return options.count(option) != 0; }
  std::optional<std::string> value(const std::string& option) const;
};

// Parses argv[1..]; an unknown command or option, a missing value or the
// wrong number of positional arguments is an error naming the culprit.
[[nodiscard]] Result<ParsedArgs> parseArgs(const std::vector<std::string>& args,
                                           const std::vector<CommandSpec>& commands);

}  // namespace ruvo::cli
