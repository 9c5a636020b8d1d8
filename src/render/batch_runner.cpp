#include "render/batch_runner.h"

#include <filesystem>
#include <sstream>
#include <vector>

#include "core/paths.h"

namespace ruvo {

namespace {

void handLine(const std::string& line, const BatchRunObserver& observer) {
  int k = 0, n = 0;
  if (parseProgressLine(line, k, n)) {
    if (observer.progress) observer.progress(k, n);
  } else if (observer.output) {
    observer.output(line);
  }
}

}  // namespace

bool parseProgressLine(const std::string& line, int& k, int& n) {
  std::istringstream in(line);
  std::string word, rest;
  if (!(in >> word >> k >> n) || word != "progress") return false;
  return !(in >> rest);
}

Result<BatchRun> BatchRun::start(const std::string& interpreter, const std::string& batchPath,
                                 const std::string& outputPath, bool ownProcessGroup, bool waitForGoAhead) {
  std::string folder = folderOf(batchPath);
  if (folder.empty()) return fail(ErrorCode::BadArgument, "the batch path names no folder: " + batchPath);
  folder = nativePath(folder);
  ChildOptions options;
  options.folder = folder;
  options.out = ChildOptions::Output::Pipe;
  options.errToOut = true;
  options.ownProcessGroup = ownProcessGroup;
  options.inputChannel = waitForGoAhead;
  std::vector<std::string> arguments{fileNameOf(batchPath)};
  if (waitForGoAhead) arguments.insert(arguments.begin(), "--go-ahead-on-stdin");
  auto child = ChildProcess::start(interpreter, arguments, options);
  if (!child) return tl::unexpected(child.error());
  std::string output = nativePath(outputPath);
  return BatchRun(std::move(*child), (!output.empty() && output[0] == '/') ? output : joinPath(folder, output));
}

std::optional<BatchRunResult> BatchRun::poll(int timeoutMs, const BatchRunObserver& observer) {
  auto sink = [&](const std::string& line) { handLine(line, observer); };
  bool ended = m_child.poll(timeoutMs, [&](ChildStream, std::string_view bytes) { m_lines.feed(bytes, sink); });
  if (!ended) return std::nullopt;
  m_lines.finish(sink);
  BatchRunResult result;
  result.exitStatus = m_child.exitStatus().value_or(-1);
  result.outputPath = m_outputPath;
  std::error_code ec;
  result.outputExists = std::filesystem::is_regular_file(result.outputPath, ec);
  return result;
}

void BatchRun::stop(int graceMs) { m_child.stop(graceMs); }

Result<void> BatchRun::goAhead() { return m_child.writeInput("\n"); }

void BatchRun::endGoAhead() { m_child.closeInput(); }

Result<BatchRunResult> runBatch(const std::string& interpreter, const std::string& batchPath,
                                const std::string& outputPath, const BatchRunObserver& observer) {
  auto run = BatchRun::start(interpreter, batchPath, outputPath);
  if (!run) return tl::unexpected(run.error());
  while (true) {
    if (auto result = run->poll(1000, observer)) return *result;
  }
}

}  // namespace ruvo
