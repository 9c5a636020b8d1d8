#pragma once
// Starting the programs a script names: looked up without a shell, started
// with posix_spawn with an argument vector, waited for.

#include <optional>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo::batch {

// Starts `program` with `arguments` (argv[1]..) in `folder`, with exactly
// `environment` ("NAME=value" entries), and waits for it. The exit status,
// or 128 + the signal number when a signal ended it. The program shares
// this process's standard input.
[[nodiscard]] Result<int> spawnAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                       const std::string& folder, const std::vector<std::string>& environment);

// As spawnAndWait, with /dev/null for the program's standard input.
[[nodiscard]] Result<int> spawnWithoutInput(const std::string& program, const std::vector<std::string>& arguments,
                                            const std::string& folder, const std::vector<std::string>& environment);

}  // namespace ruvo::batch
