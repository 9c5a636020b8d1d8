#include "settings/trusted_programs.h"

#include <filesystem>

#include "core/paths.h"
#include "core/text_file.h"

namespace ruvo {

namespace {
constexpr std::string_view kHeader = "# ruvo: programs that projects may start";

bool acceptable(std::string_view path) {
  return !path.empty() && path[0] == '/' && path.find('\0') == std::string_view::npos &&
         path.find('\r') == std::string_view::npos;
}
}  // namespace

std::string TrustedPrograms::fileBeside(const std::string& settingsFile) {
  return joinPath(folderOf(settingsFile), "trusted_programs.txt");
}

Result<TrustedPrograms> TrustedPrograms::load(const std::string& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return TrustedPrograms{};
  auto bytes = readFileBytes(file);
  if (!bytes) return tl::unexpected(bytes.error());
  const auto damaged = [&](const std::string& why) {
    return fail(ErrorCode::BadFormat, file + ": " + why + "; no program is trusted from it");
  };
  std::string_view text = *bytes;
  if (!text.starts_with(kHeader) || (text.size() > kHeader.size() && text[kHeader.size()] != '\n'))
    return damaged("not a list of trusted programs");
  TrustedPrograms trusted;
  size_t start = std::min(text.size(), kHeader.size() + 1);
  for (size_t number = 2; start < text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty()) {
      if (!acceptable(line)) return damaged("line " + std::to_string(number) + " is not an absolute path");
      trusted.m_programs.emplace(line);
    }
    start = end + 1;
  }
  return trusted;
}

Result<void> TrustedPrograms::save(const std::string& file) const {
  std::string text(kHeader);
  text += '\n';
  for (const auto& program : m_programs) text += program + '\n';
  return writeFileBytes(file, text);
}

Result<void> TrustedPrograms::addToFile(const std::string& file, const std::vector<std::string>& programs) {
  auto trusted = load(file);
  if (!trusted) return tl::unexpected(trusted.error());
  for (const auto& program : programs) trusted->add(program);
  return trusted->save(file);
}

void TrustedPrograms::add(const std::string& program) {
  if (acceptable(program) && program.find('\n') == std::string::npos) m_programs.insert(program);
}

}  // namespace ruvo
