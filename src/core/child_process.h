#pragma once
// The one way ruvo starts a program: an argument vector (never a shell), a
// working folder, an environment, and optional pipes for its output. Every
// file descriptor and spawn attribute is owned by an RAII object, and every
// pipe is close-on-exec, so no other program inherits it.
//
// A child may also read its standard input from a channel this process
// writes (ChildOptions::inputChannel): writeInput() hands it bytes and
// closeInput() ends its input. Writing to a child that has gone is an error
// returned, never a SIGPIPE.
//
// Three ways to use a started child:
//  - wait(): read its output to the end and wait for its exit status;
//  - poll(): read what output has come within a time limit and return, so the
//    caller's own loop (a window's event loop) goes on between calls;
//  - let the object go while the child still runs: that stops waiting without
//    stopping the child; its output is drained and it is reaped in the
//    background, so it neither blocks on a full pipe nor stays a zombie.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/unique_fd.h"

namespace ruvo {

enum class ChildStream { Out, Err };

struct ChildOptions {
  enum class Output {
    Inherit,  // the child writes where this process writes
    Discard,  // to /dev/null
    Pipe,     // to a pipe this process reads (poll/wait hand the bytes on)
  };
  std::string folder;                                   // empty: the current folder
  std::optional<std::vector<std::string>> environment;  // "NAME=value"; empty: this process's
  Output out = Output::Inherit;
  Output err = Output::Inherit;
  bool errToOut = false;     // stderr goes wherever stdout goes (one stream, in order)
  bool nullInput = true;     // stdin from /dev/null, else inherited
  bool inputChannel = false;  // stdin from writeInput() (overrides nullInput)
  // The child leads a process group of its own, so stop() reaches the
  // programs it starts as well (a batch and the tools it runs).
  bool ownProcessGroup = false;
};

// Receives the piped output in the order it arrives, in chunks of any size.
using ChildOutputSink = std::function<void(ChildStream stream, std::string_view bytes)>;

class ChildProcess {
 public:
  // Starts `program` (a path; no lookup) with argv[1..] = `arguments`.
  [[nodiscard]] static Result<ChildProcess> start(const std::string& program,
                                                  const std::vector<std::string>& arguments,
                                                  const ChildOptions& options);

  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // A child that still runs keeps running (see the top of this file).
  ~ChildProcess();

  pid_t pid() const { return m_pid; }

  // Writes all of `bytes` to the child's input channel, waiting while the
  // channel is full. Fails when there is no channel (not asked for, or
  // closed) or the child no longer reads it.
  [[nodiscard]] Result<void> writeInput(std::string_view bytes);
  // Ends the child's input: its reads then find the end of input. Also done
  // by stop() and when the object is let go.
  void closeInput() { m_in.reset(); }

  // Waits up to `timeoutMs` (0: not at all) for output or the end of the
  // child, hands what was read to `sink`, and reaps the child once its output
  // has ended. True when the child has ended and all its output was read.
  bool poll(int timeoutMs, const ChildOutputSink& sink = {});

  // Reads all output, waits for the end: the exit status, or 128 + the
  // signal number when a signal ended the child.
  int wait(const ChildOutputSink& sink = {});

  // Ends a child that still runs: SIGTERM to it (to its whole process group
  // when it leads one), SIGKILL after `graceMs` to whatever is left of the
  // group, then reaps it. Its unread output is dropped. Afterwards
  // exitStatus() holds 128 + the signal (or its own status if it ended first).
  void stop(int graceMs = 500);

  // The exit status once poll() or wait() has seen the end.
  std::optional<int> exitStatus() const { return m_status; }

 private:
  ChildProcess() = default;
  void reapIfEnded(bool block);
  void release();

  pid_t m_pid = -1;
  bool m_groupLeader = false;
  UniqueFd m_in;
  UniqueFd m_out;
  UniqueFd m_err;
  UniqueFd m_exited;  // the child's pidfd
  std::optional<int> m_status;
};

// Starts a program and waits for it, its output going where `options` say.
[[nodiscard]] Result<int> runChild(const std::string& program, const std::vector<std::string>& arguments,
                                   const ChildOptions& options);

// Splits piped output into lines (LF or CR LF ends). A line not yet ended is
// kept for the next feed; finish() hands on a last line without an end.
class LineSplitter {
 public:
  using Sink = std::function<void(const std::string& line)>;
  void feed(std::string_view bytes, const Sink& sink);
  void finish(const Sink& sink);

 private:
  std::string m_pending;
};

}  // namespace ruvo
