#pragma once
// The folder a fuzz target writes its files into: one per process, made on
// first use and removed at exit, so that runs in parallel never share files.

#include <string>
#include <string_view>

namespace ruvo::fuzz {

const std::string& scratchFolder();

// Writes `bytes` to scratchFolder()/name and returns the file's path.
std::string putScratchFile(const std::string& name, std::string_view bytes);

}  // namespace ruvo::fuzz
