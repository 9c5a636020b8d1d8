// batch_spawn_loop PROGRAM COUNT: starts PROGRAM (with three arguments) COUNT
// times, one after the other, with posix_spawn and waitpid. The baseline the
// interpreter's per-call cost is measured against.

#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string program = argv[1];
  std::string a = "a", b = "C4", c = "500.000";
  char* args[] = {program.data(), a.data(), b.data(), c.data(), nullptr};
  for (long i = 0, n = std::atol(argv[2]); i < n; ++i) {
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, args, environ) != 0) return 1;
    int status = 0;
    waitpid(pid, &status, 0);
  }
  return 0;
}
