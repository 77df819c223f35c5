#include "cli/DescriptorOutput.h"

#include <unistd.h>

#include <cerrno>

namespace velmara {

DescriptorOutput::DescriptorOutput(int descriptor) : descriptor_(descriptor) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput() {
  Drain();
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int DescriptorOutput::sync() {
  return Drain() ? 0 : -1;
}

bool DescriptorOutput::Drain() {
  const char* next = pbase();
  const char* const end = pptr();
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  if (error_ != 0) return false;
  while (next < end) {
    const ssize_t written = ::write(descriptor_, next, static_cast<std::size_t>(end - next));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      // write() returns 0 only for an empty request; count it as an I/O error.
      error_ = written < 0 ? errno : EIO;
      return false;
    }
    next += written;
  }
  return true;
}

}  // namespace velmara
