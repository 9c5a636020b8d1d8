#include "render/tool_trust.h"

#include <cstdlib>
#include <filesystem>

#include "core/paths.h"
#include "core/program_lookup.h"

namespace ruvo {

namespace {

// Paths compare by the file they name, whatever links or "." lead there.
std::string identity(const std::string& path) {
  std::error_code ec;
  auto canonical = std::filesystem::weakly_canonical(path, ec);
  return ec ? std::filesystem::path(path).lexically_normal().string() : canonical.string();
}

bool isTrusted(const std::string& program, const ToolTrust& trust) {
  if (trust.trustAll) return true;
  const std::string self = identity(program);
  for (const auto& chosen : trust.chosen)
    if (!chosen.empty() && identity(nativePath(chosen)) == self) return true;
  for (const auto& remembered : trust.remembered.programs())
    if (identity(remembered) == self) return true;
  return false;
}

}  // namespace

std::vector<SongTool> songTools(const Song& song, const std::string& batchFolder) {
  const char* searchPath = std::getenv("PATH");
  std::vector<SongTool> tools;
  for (const auto& [role, named] : {std::pair{"resampler", &song.resamplerPath}, std::pair{"joiner", &song.joinerPath}}) {
    SongTool tool{role, *named, std::nullopt};
    if (auto found = findProgram(nativePath(*named), nativePath(batchFolder), searchPath ? searchPath : ""))
      tool.program = std::filesystem::absolute(*found).lexically_normal().string();
    tools.push_back(std::move(tool));
  }
  return tools;
}

std::vector<UntrustedTool> untrustedTools(const Song& song, const std::string& batchFolder, const ToolTrust& trust) {
  std::vector<UntrustedTool> untrusted;
  for (const auto& tool : songTools(song, batchFolder))
    if (tool.program && !isTrusted(*tool.program, trust)) untrusted.push_back({tool.role, tool.named, *tool.program});
  return untrusted;
}

std::string untrustedToolMessage(const UntrustedTool& tool) {
  const std::string use = tool.role == "joiner" ? "WAVの結合" : "音程と長さの変換";
  return "このプロジェクトは次のプログラムを実行します（" + use + "用）。\n" + tool.program +
         "\n\n設定したことのないプログラムです。信頼できる場合だけ実行してください。";
}

}  // namespace ruvo
