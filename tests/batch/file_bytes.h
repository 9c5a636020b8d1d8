#pragma once
// Whole files as bytes, for tests that build and check script folders.

#include <string>

namespace ruvo::batch::test {

// The file's bytes, or "" when it cannot be read.
std::string slurp(const std::string& path);
// Writes the bytes, creating the parent folders first.
void put(const std::string& path, const std::string& bytes);

}  // namespace ruvo::batch::test
