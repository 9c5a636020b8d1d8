#include "render/batch_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

#include "core/paths.h"

extern char** environ;

namespace ruvo {

namespace {

// Closes a file descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : m_fd(fd) {}
  ~Fd() { reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return m_fd; }
  void reset() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
  }

 private:
  int m_fd;
};

// Splits a byte stream into lines and hands each complete one on.
class LineSplitter {
 public:
  explicit LineSplitter(std::function<void(const std::string&)> sink) : m_sink(std::move(sink)) {}
  void feed(const char* data, size_t size) {
    m_pending.append(data, size);
    size_t start = 0;
    for (size_t end; (end = m_pending.find('\n', start)) != std::string::npos; start = end + 1) emit(start, end);
    m_pending.erase(0, start);
  }
  void finish() {
    if (!m_pending.empty()) emit(0, m_pending.size());
    m_pending.clear();
  }

 private:
  void emit(size_t start, size_t end) {
    if (end > start && m_pending[end - 1] == '\r') --end;
    m_sink(m_pending.substr(start, end - start));
  }
  std::function<void(const std::string&)> m_sink;
  std::string m_pending;
};

}  // namespace

bool parseProgressLine(const std::string& line, int& k, int& n) {
  std::istringstream in(line);
  std::string word, rest;
  if (!(in >> word >> k >> n) || word != "progress") return false;
  return !(in >> rest);
}

Result<BatchRunResult> runBatch(const std::string& interpreter, const std::string& batchPath,
                                const std::string& outputPath, const BatchRunObserver& observer) {
  std::string folder = folderOf(batchPath);
  if (folder.empty()) return fail(ErrorCode::BadArgument, "the batch path names no folder: " + batchPath);
  folder = nativePath(folder);
  std::string script = fileNameOf(batchPath);

  int pipeFds[2];
  // Close-on-exec keeps the pipe out of every program the batch starts,
  // except as their own output.
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return fail(ErrorCode::Failed, std::string("pipe: ") + std::strerror(errno));
  Fd readEnd(pipeFds[0]);
  Fd writeEnd(pipeFds[1]);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), 1);
  posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), 2);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  std::vector<char*> argv{const_cast<char*>(interpreter.c_str()), const_cast<char*>(script.c_str()), nullptr};
  pid_t pid = 0;
  int spawned = ::posix_spawn(&pid, interpreter.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0)
    return fail(ErrorCode::Failed, "cannot start " + interpreter + ": " + std::strerror(spawned));
  writeEnd.reset();

  LineSplitter lines([&](const std::string& line) {
    int k = 0, n = 0;
    if (parseProgressLine(line, k, n)) {
      if (observer.progress) observer.progress(k, n);
    } else if (observer.output) {
      observer.output(line);
    }
  });
  char buffer[4096];
  while (true) {
    ssize_t got = ::read(readEnd.get(), buffer, sizeof buffer);
    if (got > 0) {
      lines.feed(buffer, static_cast<size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  lines.finish();

  BatchRunResult result;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::string output = nativePath(outputPath);
  result.outputPath = (!output.empty() && output[0] == '/') ? output : joinPath(folder, output);
  std::error_code ec;
  result.outputExists = std::filesystem::is_regular_file(result.outputPath, ec);
  return result;
}

}  // namespace ruvo
