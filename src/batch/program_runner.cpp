#include "batch/program_runner.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/paths.h"

namespace ruvo::batch {

namespace {

// Owns the spawn attribute objects for the duration of one start.
class SpawnActions {
 public:
  SpawnActions() { m_ok = posix_spawn_file_actions_init(&m_actions) == 0; }
  ~SpawnActions() {
    if (m_ok) posix_spawn_file_actions_destroy(&m_actions);
  }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  bool ok() const { return m_ok; }
  posix_spawn_file_actions_t* get() { return &m_actions; }

 private:
  posix_spawn_file_actions_t m_actions{};
  bool m_ok = false;
};

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

Result<int> spawnAndWait(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::vector<std::string>& environment) {
  std::vector<std::string> argv;
  argv.reserve(arguments.size() + 1);
  argv.push_back(program);
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envp = environment;
  std::vector<char*> argvPointers = pointersTo(argv);
  std::vector<char*> envPointers = pointersTo(envp);

  SpawnActions actions;
  if (!actions.ok()) return fail(ErrorCode::Failed, "cannot prepare to start " + program);
  if (int rc = posix_spawn_file_actions_addchdir_np(actions.get(), folder.c_str()); rc != 0)
    return fail(ErrorCode::Failed, "cannot start " + program + ": " + std::strerror(rc));
  pid_t pid = 0;
  if (int rc = posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argvPointers.data(), envPointers.data()); rc != 0)
    return fail(ErrorCode::Failed, "cannot start " + program + ": " + std::strerror(rc));
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return fail(ErrorCode::Failed, "lost track of " + program + ": " + std::strerror(errno));
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

}  // namespace ruvo::batch
