#include "core/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <memory>
#include <thread>

extern char** environ;

namespace ruvo {

namespace {

// Owns the file actions of one start.
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

// Owns the attributes of one start: the child begins with no blocked signals
// and the default action for SIGPIPE, whatever this process has set.
class SpawnAttributes {
 public:
  explicit SpawnAttributes(bool ownProcessGroup) {
    m_ok = posix_spawnattr_init(&m_attributes) == 0;
    if (!m_ok) return;
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (ownProcessGroup) flags |= POSIX_SPAWN_SETPGROUP;
    m_ok = posix_spawnattr_setsigmask(&m_attributes, &none) == 0 &&
           posix_spawnattr_setsigdefault(&m_attributes, &defaults) == 0 &&
           posix_spawnattr_setpgroup(&m_attributes, 0) == 0 && posix_spawnattr_setflags(&m_attributes, flags) == 0;
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&m_attributes); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  bool ok() const { return m_ok; }
  posix_spawnattr_t* get() { return &m_attributes; }

 private:
  posix_spawnattr_t m_attributes{};
  bool m_ok = false;
};

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

struct Pipe {
  UniqueFd read;
  UniqueFd write;
};

Result<Pipe> makePipe() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return fail(ErrorCode::Failed, std::string("pipe: ") + std::strerror(errno));
  return Pipe{UniqueFd(fds[0]), UniqueFd(fds[1])};
}

// A stream socket rather than a pipe: send() with MSG_NOSIGNAL reports a
// reader that has gone as EPIPE instead of raising SIGPIPE in this process.
Result<Pipe> makeInputChannel() {
  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
    return fail(ErrorCode::Failed, std::string("socketpair: ") + std::strerror(errno));
  return Pipe{UniqueFd(fds[0]), UniqueFd(fds[1])};
}

int statusOf(int waitStatus) {
  if (WIFSIGNALED(waitStatus)) return 128 + WTERMSIG(waitStatus);
  return WEXITSTATUS(waitStatus);
}

// Reads once from `fd`; false at the end of the stream or on an error.
bool readInto(int fd, ChildStream stream, const ChildOutputSink& sink) {
  char buffer[8192];
  while (true) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
      if (sink) sink(stream, std::string_view(buffer, static_cast<size_t>(got)));
      return true;
    }
    if (got < 0 && errno == EINTR) continue;
    return false;
  }
}

}  // namespace

Result<ChildProcess> ChildProcess::start(const std::string& program, const std::vector<std::string>& arguments,
                                         const ChildOptions& options) {
  using Output = ChildOptions::Output;
  SpawnActions actions;
  SpawnAttributes attributes(options.ownProcessGroup);
  if (!actions.ok() || !attributes.ok()) return fail(ErrorCode::Failed, "cannot prepare to start " + program);

  std::optional<Pipe> inChannel, outPipe, errPipe;
  if (options.inputChannel) {
    auto made = makeInputChannel();
    if (!made) return tl::unexpected(made.error());
    inChannel = std::move(*made);
  }
  if (options.out == Output::Pipe) {
    auto made = makePipe();
    if (!made) return tl::unexpected(made.error());
    outPipe = std::move(*made);
  }
  if (options.err == Output::Pipe && !options.errToOut) {
    auto made = makePipe();
    if (!made) return tl::unexpected(made.error());
    errPipe = std::move(*made);
  }

  auto* fileActions = actions.get();
  bool prepared = true;
  if (inChannel)
    prepared &= posix_spawn_file_actions_adddup2(fileActions, inChannel->read.get(), 0) == 0;
  else if (options.nullInput)
    prepared &= posix_spawn_file_actions_addopen(fileActions, 0, "/dev/null", O_RDONLY, 0) == 0;
  if (outPipe) prepared &= posix_spawn_file_actions_adddup2(fileActions, outPipe->write.get(), 1) == 0;
  if (options.out == Output::Discard)
    prepared &= posix_spawn_file_actions_addopen(fileActions, 1, "/dev/null", O_WRONLY, 0) == 0;
  if (options.errToOut) {
    prepared &= posix_spawn_file_actions_adddup2(fileActions, 1, 2) == 0;
  } else if (errPipe) {
    prepared &= posix_spawn_file_actions_adddup2(fileActions, errPipe->write.get(), 2) == 0;
  } else if (options.err == Output::Discard) {
    prepared &= posix_spawn_file_actions_addopen(fileActions, 2, "/dev/null", O_WRONLY, 0) == 0;
  }
  if (!options.folder.empty())
    prepared &= posix_spawn_file_actions_addchdir_np(fileActions, options.folder.c_str()) == 0;
  if (!prepared) return fail(ErrorCode::Failed, "cannot prepare to start " + program);

  std::vector<std::string> argv;
  argv.reserve(arguments.size() + 1);
  argv.push_back(program);
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> argvPointers = pointersTo(argv);
  std::vector<std::string> envp;
  std::vector<char*> envPointers;
  if (options.environment) {
    envp = *options.environment;
    envPointers = pointersTo(envp);
  }

  ChildProcess child;
  int rc = ::posix_spawn(&child.m_pid, program.c_str(), fileActions, attributes.get(), argvPointers.data(),
                         options.environment ? envPointers.data() : environ);
  if (rc != 0) {
    child.m_pid = -1;
    return fail(rc == ENOENT ? ErrorCode::NotFound : ErrorCode::Failed,
                "cannot start " + program + ": " + std::strerror(rc));
  }
  child.m_groupLeader = options.ownProcessGroup;
  // Readable once the child has ended, so that poll() wakes at its end
  // instead of checking for it in turns; without it (an old kernel) poll()
  // checks every 2 ms.
  child.m_exited = UniqueFd(static_cast<int>(::syscall(SYS_pidfd_open, child.m_pid, 0)));
  if (inChannel) child.m_in = std::move(inChannel->write);
  if (outPipe) child.m_out = std::move(outPipe->read);
  if (errPipe) child.m_err = std::move(errPipe->read);
  return child;
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : m_pid(std::exchange(other.m_pid, -1)),
      m_groupLeader(other.m_groupLeader),
      m_in(std::move(other.m_in)),
      m_out(std::move(other.m_out)),
      m_err(std::move(other.m_err)),
      m_exited(std::move(other.m_exited)),
      m_status(other.m_status) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    release();
    m_pid = std::exchange(other.m_pid, -1);
    m_groupLeader = other.m_groupLeader;
    m_in = std::move(other.m_in);
    m_out = std::move(other.m_out);
    m_err = std::move(other.m_err);
    m_exited = std::move(other.m_exited);
    m_status = other.m_status;
  }
  return *this;
}

ChildProcess::~ChildProcess() { release(); }

void ChildProcess::release() {
  // A child waiting for input it will never get would never end.
  m_in.reset();
  if (m_pid < 0 || m_status) return;
  reapIfEnded(false);
  if (m_status) return;
  // Still running: keep reading its pipes (a child writing into a pipe that
  // nobody reads would block or die of SIGPIPE) and reap it when it ends.
  auto running = std::make_shared<ChildProcess>(std::move(*this));
  std::thread([running] { running->wait(); }).detach();
}

void ChildProcess::reapIfEnded(bool block) {
  if (m_pid < 0 || m_status) return;
  int waitStatus = 0;
  pid_t got;
  do {
    got = ::waitpid(m_pid, &waitStatus, block ? 0 : WNOHANG);
  } while (got < 0 && errno == EINTR);
  if (got == m_pid) {
    m_status = statusOf(waitStatus);
  } else if (got < 0) {
    m_status = -1;  // not our child any more: nothing left to wait for
  }
}

bool ChildProcess::poll(int timeoutMs, const ChildOutputSink& sink) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (m_out || m_err) {
    pollfd fds[2];
    UniqueFd* owners[2];
    ChildStream streams[2];
    nfds_t count = 0;
    if (m_out) fds[count] = {m_out.get(), POLLIN, 0}, owners[count] = &m_out, streams[count++] = ChildStream::Out;
    if (m_err) fds[count] = {m_err.get(), POLLIN, 0}, owners[count] = &m_err, streams[count++] = ChildStream::Err;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    int ready = ::poll(fds, count, static_cast<int>(std::max<long long>(0, left)));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    for (nfds_t i = 0; i < count; ++i) {
      if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      if (!readInto(fds[i].fd, streams[i], sink)) owners[i]->reset();
    }
    if (Clock::now() >= deadline) break;
  }
  if (m_out || m_err) return false;
  // The output has ended; the child may still be on its way out.
  while (true) {
    reapIfEnded(false);
    if (m_status || Clock::now() >= deadline) return m_status.has_value();
    if (m_exited) {
      pollfd fd{m_exited.get(), POLLIN, 0};
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      // Rounded up: a wait of 0 ms would turn the rest of the deadline into a busy loop.
      if (::poll(&fd, 1, static_cast<int>(std::max<long long>(1, left))) < 0 && errno != EINTR) m_exited.reset();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
}

void ChildProcess::stop(int graceMs) {
  if (m_pid < 0) return;
  const pid_t target = m_groupLeader ? -m_pid : m_pid;
  m_in.reset();
  m_out.reset();
  m_err.reset();
  reapIfEnded(false);
  if (!m_status) {
    ::kill(target, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs);
    while (!m_status && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      reapIfEnded(false);
    }
  }
  // The group may outlive its leader (a tool the batch started): end it too.
  if (m_groupLeader || !m_status) ::kill(target, SIGKILL);
  reapIfEnded(true);
}

Result<void> ChildProcess::writeInput(std::string_view bytes) {
  if (!m_in) return fail(ErrorCode::Failed, "the program's input is closed");
  while (!bytes.empty()) {
    ssize_t sent = ::send(m_in.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent < 0) return fail(ErrorCode::Failed, std::string("writing to the program: ") + std::strerror(errno));
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return {};
}

int ChildProcess::wait(const ChildOutputSink& sink) {
  while (m_out || m_err) poll(1000, sink);
  reapIfEnded(true);
  return m_status.value_or(-1);
}

Result<int> runChild(const std::string& program, const std::vector<std::string>& arguments,
                     const ChildOptions& options) {
  auto child = ChildProcess::start(program, arguments, options);
  if (!child) return tl::unexpected(child.error());
  return child->wait();
}

void LineSplitter::feed(std::string_view bytes, const Sink& sink) {
  m_pending.append(bytes);
  size_t start = 0;
  for (size_t end; (end = m_pending.find('\n', start)) != std::string::npos; start = end + 1) {
    size_t stop = (end > start && m_pending[end - 1] == '\r') ? end - 1 : end;
    sink(m_pending.substr(start, stop - start));
  }
  m_pending.erase(0, start);
}

void LineSplitter::finish(const Sink& sink) {
  if (!m_pending.empty()) feed("\n", sink);
}

}  // namespace ruvo
