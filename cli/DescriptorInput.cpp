#include "cli/DescriptorInput.h"

#include <unistd.h>

#include <cerrno>

namespace velmara {

DescriptorInput::DescriptorInput(int descriptor) : descriptor_(descriptor) {
  setg(buffer_.data(), buffer_.data(), buffer_.data());
}

DescriptorInput::int_type DescriptorInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (error_ != 0) return traits_type::eof();
  for (;;) {
    const ssize_t got = ::read(descriptor_, buffer_.data(), buffer_.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error_ = errno;
    if (got <= 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
  }
}

}  // namespace velmara
