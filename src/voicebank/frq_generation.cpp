#include "voicebank/frq_generation.h"

#include <filesystem>
#include <system_error>

#include "core/paths.h"
#include "voicebank/frq_table.h"

namespace ruvo {

namespace {

constexpr int kCancelGraceMs = 500;

}  // namespace

FrqGenerationCommand frqGenerationCommand(std::string_view toolPath, const std::string& recordingPath,
                                          const std::string& tempDir) {
  if (toolPath.size() >= 2 && toolPath.front() == '"' && toolPath.back() == '"')
    toolPath = toolPath.substr(1, toolPath.size() - 2);
  return {std::string(toolPath),
          {recordingPath, joinPath(tempDir, "temp.wav"), "100", "100", "GN", "0", "100"},
          tempDir};
}

Result<FrqGeneration> FrqGeneration::start(const FrqGenerationCommand& command, const std::string& recordingPath) {
  ChildOptions options;
  options.folder = command.folder;
  options.out = ChildOptions::Output::Pipe;
  options.errToOut = true;
  options.ownProcessGroup = true;
  auto child = ChildProcess::start(command.program, command.arguments, options);
  if (!child) return tl::unexpected(child.error());
  return FrqGeneration(std::move(*child), recordingPath);
}

void FrqGeneration::keepLine(const std::string& line) {
  if (!line.empty()) m_lastLine = line;
}

bool FrqGeneration::poll(int timeoutMs) {
  if (m_ended) return true;
  auto sink = [this](ChildStream, std::string_view bytes) {
    m_lines.feed(bytes, [this](const std::string& line) { keepLine(line); });
  };
  if (m_child.poll(timeoutMs, sink)) {
    m_lines.finish([this](const std::string& line) { keepLine(line); });
    m_ended = true;
  }
  return m_ended;
}

void FrqGeneration::cancel() {
  if (m_ended) return;
  m_child.stop(kCancelGraceMs);
  m_cancelled = true;
  m_ended = true;
}

Result<void> FrqGeneration::outcome() const {
  const std::string name = fileNameOf(m_recordingPath);
  if (!m_ended) return fail(ErrorCode::Failed, name + ": the frequency table is still being made");
  if (m_cancelled) return fail(ErrorCode::Failed, name + ": making the frequency table was cancelled");
  const int status = m_child.exitStatus().value_or(-1);
  std::error_code ec;
  auto table = frqPathOf(m_recordingPath);
  if (status == 0 && table && std::filesystem::is_regular_file(*table, ec)) return {};
  std::string message = name + ": the resampler ended with status " + std::to_string(status) +
                        (table && std::filesystem::is_regular_file(*table, ec) ? "" : " and made no frequency table");
  if (!m_lastLine.empty()) message += ": " + m_lastLine;
  return fail(ErrorCode::Failed, message);
}

}  // namespace ruvo
