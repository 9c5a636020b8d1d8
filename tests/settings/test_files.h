#pragma once
// Files with a given size and modification time, for the cleanup tests.

#include <cstdint>
#include <ctime>
#include <string>

namespace ruvo::testing {

// Writes `size` bytes to the file and sets its modification time.
void makeFile(const std::string& path, int64_t size, std::time_t modified);
void makeFile(const std::string& path, const std::string& content = "x");
// True for anything at the path, a link that leads nowhere included.
bool exists(const std::string& path);

}  // namespace ruvo::testing
