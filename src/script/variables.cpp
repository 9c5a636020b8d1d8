#include "script/variables.h"

namespace ruvo::batch {

namespace {
std::string upperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}
}  // namespace

Variables Variables::fromEnvironment(const char* const* entries) {
  Variables result;
  for (; entries && *entries; ++entries) {
    std::string_view entry(*entries);
    size_t eq = entry.find('=');
    if (eq == std::string_view::npos || eq == 0) continue;
    result.set(entry.substr(0, eq), std::string(entry.substr(eq + 1)));
  }
  return result;
}

const std::string* Variables::find(std::string_view name) const {
  auto it = m_entries.find(upperAscii(name));
  return it == m_entries.end() ? nullptr : &it->second.value;
}

void Variables::set(std::string_view name, std::string value) {
  std::string key = upperAscii(name);
  if (value.empty()) {
    m_entries.erase(key);
    return;
  }
  auto [it, inserted] = m_entries.try_emplace(key, Entry{std::string(name), {}});
  it->second.value = std::move(value);
}

std::vector<std::string> Variables::environment() const {
  std::vector<std::string> result;
  result.reserve(m_entries.size());
  for (const auto& [key, entry] : m_entries) result.push_back(entry.name + "=" + entry.value);
  return result;
}

}  // namespace ruvo::batch
