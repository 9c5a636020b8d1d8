#include "voicebank/frq_generation.h"

#include "core/paths.h"

namespace ruvo {

std::vector<std::string> frqGenerationArguments(const std::string& recordingPath, const std::string& workFolder) {
  return {recordingPath, joinPath(workFolder, "temp.wav"), "100", "100", "GN", "0", "100"};
}

FrqGeneration::FrqGeneration(std::string toolPath, std::string workFolder, std::vector<std::string> recordings,
                             Touched touched)
    : m_toolPath(std::move(toolPath)),
      m_workFolder(std::move(workFolder)),
      m_recordings(std::move(recordings)),
      m_touched(std::move(touched)) {}

bool FrqGeneration::step(int waitMs) {
  if (m_cancelled) return true;
  if (m_child) {
    if (!m_child->poll(waitMs)) return false;
    finishCurrent();
    return m_next == m_recordings.size();
  }
  if (m_next == m_recordings.size()) return true;
  const std::string& recording = m_recordings[m_next++];
  ChildOptions options;
  options.folder = m_workFolder;
  options.out = ChildOptions::Output::Discard;
  options.err = ChildOptions::Output::Discard;
  options.ownProcessGroup = true;
  auto child = ChildProcess::start(m_toolPath, frqGenerationArguments(recording, m_workFolder), options);
  if (!child) {
    m_problems.push_back(fileNameOf(recording) + ": " + child.error().message);
    return m_next == m_recordings.size();
  }
  m_child.emplace(std::move(*child));
  return false;
}

void FrqGeneration::finishCurrent() {
  const std::string& recording = m_recordings[m_next - 1];
  const int status = m_child->exitStatus().value_or(-1);
  if (status != 0 && !m_cancelled)
    m_problems.push_back(fileNameOf(recording) + ": " + m_toolPath + " ended with status " + std::to_string(status));
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
