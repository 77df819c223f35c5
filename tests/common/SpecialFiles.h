// Device nodes and FIFOs for the tests of writers that must write to such a
// path as it is instead of replacing it.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <string>

#include "tests/common/FifoRelease.h"

namespace velmara::test {

// Linux's memory devices: a null device drops what is written to it, a write
// to a full device fails with "No space left on device".
struct DeviceNumber {
  unsigned major;
  unsigned minor;
};
inline constexpr DeviceNumber kNullDevice{1, 3};
inline constexpr DeviceNumber kFullDevice{1, 7};

// Makes a character device node at `path`. Returns why it could not, or an
// empty text. Only root (CAP_MKNOD) may do this.
inline std::string MakeCharacterDevice(const std::string& path, DeviceNumber device) {
  if (::geteuid() != 0) return "not running as root";
  if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(device.major, device.minor)) == 0) return {};
  return std::strerror(errno);
}

// The type bits of the node at `path` itself (a link is not followed); 0 when
// there is none.
inline mode_t NodeType(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return 0;
  return status.st_mode & S_IFMT;
}

struct FifoCapture {
  bool closed = false;  // a writer opened the FIFO and closed it again in time
  std::string bytes;    // what arrived meanwhile
};

// Makes a FIFO at `path`, holds its read end open and runs `write` on another
// thread, collecting what arrives until the writer closes the FIFO or `limit`
// has passed. A writer that never opens the FIFO (say, it renamed a file over
// it) shows as not closed. Nothing can hang: a writer still waiting to open the
// FIFO at the end is given a reader that goes away at once, and a write after
// that fails with EPIPE instead of raising SIGPIPE.
inline FifoCapture CaptureFifo(const std::string& path, const std::function<void()>& write,
                               std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  FifoCapture capture;
  if (::mkfifo(path.c_str(), 0600) != 0) {
    ADD_FAILURE() << "mkfifo failed: " << std::strerror(errno);
    return capture;
  }
  // Not blocking: no writer is needed to open it, and until one has come and
  // gone poll() reports nothing.
  const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (reader < 0) {
    ADD_FAILURE() << "cannot open FIFO: " << std::strerror(errno);
    return capture;
  }
  const SigpipeIgnored sigpipe;
  auto done = std::async(std::launch::async, write);
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd event{reader, POLLIN, 0};
    if (::poll(&event, 1, static_cast<int>(left.count())) <= 0) continue;
    char chunk[4096];
    const ssize_t got = ::read(reader, chunk, sizeof chunk);
    if (got > 0) {
      capture.bytes.append(chunk, static_cast<std::size_t>(got));
    } else if (got == 0) {
      capture.closed = true;
      break;
    } else if (errno != EAGAIN && errno != EINTR) {
      break;
    }
  }
  ::close(reader);
  while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
    ReleaseWaitingWriter(path);
  done.get();
  return capture;
}

}  // namespace velmara::test
