// A stream buffer over a file descriptor that keeps the system's reason when a
// write fails. std::cout only reports that it failed, so a full disk or a
// closed terminal could not be named.
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace velmara {

class DescriptorOutput : public std::streambuf {
 public:
  explicit DescriptorOutput(int descriptor);
  ~DescriptorOutput() override;  // writes out what is left; a failure is dropped
  DescriptorOutput(const DescriptorOutput&) = delete;
  DescriptorOutput& operator=(const DescriptorOutput&) = delete;

  int descriptor() const { return descriptor_; }
  // errno of the first write that failed; 0 while every write succeeded. After
  // a failure every further write fails too.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  int descriptor_;
  int error_ = 0;
  std::array<char, 64 * 1024> buffer_;  // holds any result of velmara-pw whole
};

}  // namespace velmara
