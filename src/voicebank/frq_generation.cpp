#include "voicebank/frq_generation.h"

#include <filesystem>
#include <system_error>

#include "core/paths.h"
#include "voicebank/frq_table.h"

namespace ruvo {

std::vector<std::string> frqGenerationArguments(const std::string& recordingPath, const std::string& workFolder) {
  return {recordingPath, joinPath(workFolder, "temp.wav"), "100", "100", "GN", "0", "100"};
}

namespace {

std::string unquoted(std::string_view path) {
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  return std::string(path);
}

}  // namespace

FrqGeneration::FrqGeneration(std::string toolPath, std::string workFolder, std::vector<std::string> recordings,
                             Touched touched)
    : m_toolPath(unquoted(toolPath)),
      m_workFolder(std::move(workFolder)),
      m_recordings(std::move(recordings)),
      m_touched(std::move(touched)) {}

bool FrqGeneration::step(int waitMs) {
  if (m_cancelled) return true;
  if (m_child) {
    auto keep = [this](const std::string& line) {
      if (!line.empty()) m_lastLine = line;
    };
    if (!m_child->poll(waitMs, [&](ChildStream, std::string_view bytes) { m_output.feed(bytes, keep); })) return false;
    m_output.finish(keep);
    finishCurrent();
    return m_next == m_recordings.size();
  }
  if (m_next == m_recordings.size()) return true;
  const std::string& recording = m_recordings[m_next++];
  ChildOptions options;
  options.folder = m_workFolder;
  options.out = ChildOptions::Output::Pipe;
  options.errToOut = true;
  options.ownProcessGroup = true;
  auto child = ChildProcess::start(m_toolPath, frqGenerationArguments(recording, m_workFolder), options);
  if (!child) {
    m_problems.push_back(fileNameOf(recording) + ": " + child.error().message);
    return m_next == m_recordings.size();
  }
  m_child.emplace(std::move(*child));
  m_output = {};
  m_lastLine.clear();
  return false;
}

void FrqGeneration::finishCurrent() {
  const std::string& recording = m_recordings[m_next - 1];
  const int status = m_child->exitStatus().value_or(-1);
  std::error_code ec;
  auto table = frqPathOf(recording);
  const bool made = table && std::filesystem::is_regular_file(*table, ec);
  if ((status != 0 || !made) && !m_cancelled) {
    std::string problem = fileNameOf(recording) + ": the resampler ended with status " + std::to_string(status) +
                          (made ? "" : " and made no frequency table");
    if (!m_lastLine.empty()) problem += ": " + m_lastLine;
    m_problems.push_back(problem);
  }
  m_child.reset();
  if (m_touched) m_touched(recording);
}

void FrqGeneration::cancel() {
  if (m_cancelled) return;
  m_cancelled = true;
  if (!m_child) return;
  m_child->stop();
  finishCurrent();
}

}  // namespace ruvo
