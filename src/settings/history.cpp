#include "settings/history.h"

#include <algorithm>

namespace ruvo {

void addHistory(std::vector<std::string>& history, const std::string& path) {
  auto found = std::find(history.begin(), history.end(), path);
  if (found == history.end()) {
    if (history.size() < kHistoryLimit) history.emplace_back();
    found = history.end() - 1;
  }
  std::rotate(history.begin(), found, found + 1);
  history.front() = path;
}

void removeHistory(std::vector<std::string>& history, const std::string& path) {
  auto found = std::find(history.begin(), history.end(), path);
  if (found != history.end()) history.erase(found);
}

}  // namespace ruvo
