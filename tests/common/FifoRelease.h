// Keeps a test of a FIFO reader or writer from hanging: opening a FIFO blocks
// until the other end is opened too. Plain POSIX, for the GoogleTest suites
// and the Qt Test programs alike.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <string>
#include <thread>

namespace velmara::test {

// Gives a writer blocked opening the FIFO at `path` a reader that goes away
// at once; the writer's open then succeeds and its writes fail.
inline void ReleaseWaitingWriter(const std::string& path) {
  const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (reader >= 0) ::close(reader);
}

// Gives a reader blocked opening the FIFO at `path` a writer that goes away
// at once; the reader then sees the end of the file. Opening the write end
// without blocking succeeds only while a reader is there.
inline void ReleaseWaitingReader(const std::string& path) {
  const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
  if (writer >= 0) ::close(writer);
}

// Ignores SIGPIPE for its lifetime, so that a write into a FIFO whose reader
// has gone fails with EPIPE instead of ending the test program.
class SigpipeIgnored {
 public:
  SigpipeIgnored() : saved_(std::signal(SIGPIPE, SIG_IGN)) {}
  ~SigpipeIgnored() { std::signal(SIGPIPE, saved_); }
  SigpipeIgnored(const SigpipeIgnored&) = delete;
  SigpipeIgnored& operator=(const SigpipeIgnored&) = delete;

 private:
  void (*saved_)(int);
};

// Watches the FIFO at `path` while a read or write that must not wait runs
// on the test's own thread (a window's handler, say). Once `grace` has passed
// it releases a waiting reader or writer again and again, so that a call that
// waits after all ends and the test fails instead of hanging.
class FifoWaitRelease {
 public:
  enum class Side { Reader, Writer };  // which end the call under test opens

  FifoWaitRelease(std::string path, Side side,
                  std::chrono::milliseconds grace = std::chrono::seconds(5))
      : path_(std::move(path)), side_(side), watcher_([this, grace] { Watch(grace); }) {}
  ~FifoWaitRelease() { stop(); }
  FifoWaitRelease(const FifoWaitRelease&) = delete;
  FifoWaitRelease& operator=(const FifoWaitRelease&) = delete;

  // Stops watching. True when the call had to be released: it waited.
  bool stop() {
    finished_ = true;
    if (watcher_.joinable()) watcher_.join();
    return released_;
  }

 private:
  void Watch(std::chrono::milliseconds grace) {
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (!finished_ && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    while (!finished_) {
      if (side_ == Side::Writer)
        ReleaseWaitingWriter(path_);
      else
        ReleaseWaitingReader(path_);
      released_ = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  const std::string path_;
  const Side side_;
  const SigpipeIgnored sigpipe_;
  std::atomic<bool> finished_{false};
  std::atomic<bool> released_{false};
  std::thread watcher_;  // last: it starts once the members it reads exist
};

}  // namespace velmara::test
