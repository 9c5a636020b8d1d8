#pragma once
// The recent-project list of the settings (Settings::History, most recent
// first). Paths are compared exactly, letter case included.

#include <string>
#include <vector>

namespace ruvo {

// Entries a new path can grow the list to; a longer list read from the file
// keeps its length and loses its last entry for each new path.
constexpr size_t kHistoryLimit = 9;

// Moves the path to the front, or puts it there, dropping the last entry
// when the list already holds kHistoryLimit or more.
void addHistory(std::vector<std::string>& history, const std::string& path);

// Removes the first entry equal to the path; does nothing when none is.
void removeHistory(std::vector<std::string>& history, const std::string& path);

}  // namespace ruvo
