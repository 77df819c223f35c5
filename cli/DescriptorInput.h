// A stream buffer over a file descriptor that keeps the system's reason when a
// read fails. std::cin reports a failed read as the end of the input, so
// standard input opened on a folder would read as empty text.
#pragma once

#include <array>
#include <streambuf>

namespace velmara {

class DescriptorInput : public std::streambuf {
 public:
  explicit DescriptorInput(int descriptor);
  DescriptorInput(const DescriptorInput&) = delete;
  DescriptorInput& operator=(const DescriptorInput&) = delete;

  // errno of the read that failed; 0 while every read succeeded. A failed read
  // ends the input.
  int error() const { return error_; }

 protected:
  int_type underflow() override;

 private:
  int descriptor_;
  int error_ = 0;
  std::array<char, 16 * 1024> buffer_;
};

}  // namespace velmara
