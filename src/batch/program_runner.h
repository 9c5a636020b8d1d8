#pragma once
// Starting the programs a script names: looked up without a shell, started
// with posix_spawn with an argument vector, waited for.

#include <optional>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo::batch {

// Finds a program or script: a name holding '/' is taken relative to
// `folder`; a bare name is looked for in `folder` first, then in each entry
// of `searchPath` (':'-separated, as PATH). Only regular files count, and
// only executable ones unless they end in ".bat" or ".cmd".
std::optional<std::string> findProgram(const std::string& name, const std::string& folder, const std::string& searchPath);

// True for a ".bat" or ".cmd" file name, whatever its case.
bool isScriptName(const std::string& path);

// Starts `program` with `arguments` (argv[1]..) in `folder`, with exactly
// `environment` ("NAME=value" entries), and waits for it. The exit status,
// or 128 + the signal number when a signal ended it.
[[nodiscard]] Result<int> spawnAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                       const std::string& folder, const std::vector<std::string>& environment);

}  // namespace ruvo::batch
