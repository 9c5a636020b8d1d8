#include "settings/entered_tools.h"

#include <filesystem>

#include "core/paths.h"
#include "settings/trusted_programs.h"

namespace ruvo {

std::vector<std::string> enteredPrograms(const std::vector<EnteredTool>& tools) {
  std::vector<std::string> programs;
  for (const auto& tool : tools) {
    if (tool.after == tool.before) continue;
    std::filesystem::path path(nativePath(tool.after));
    if (path.is_absolute()) programs.push_back(path.lexically_normal().string());
  }
  return programs;
}

Result<void> trustEnteredTools(const std::string& file, const std::vector<EnteredTool>& tools) {
  std::vector<std::string> programs = enteredPrograms(tools);
  if (programs.empty()) return {};
  return TrustedPrograms::addToFile(file, programs);
}

}  // namespace ruvo
