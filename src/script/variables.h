#pragma once
// The interpreter's variables. Names are compared without regard to ASCII
// case, as the Windows command interpreter does; a name keeps the spelling
// it was first given. The table doubles as the environment of every program
// the script starts.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo::batch {

class Variables {
 public:
  // Reads "NAME=value" entries (as in environ); entries without '=' are skipped.
  static Variables fromEnvironment(const char* const* entries);

  // nullptr when the name is not defined.
  const std::string* find(std::string_view name) const;
  // An empty value removes the name, as "set name=" does.
  void set(std::string_view name, std::string value);
  // "NAME=value" for every variable, for a child's environment.
  std::vector<std::string> environment() const;

 private:
  struct Entry {
    std::string name;
    std::string value;
  };
  std::map<std::string, Entry> m_entries;  // keyed by the upper-cased name
};

}  // namespace ruvo::batch
