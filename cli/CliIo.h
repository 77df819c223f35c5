// Bounded reading and all-or-nothing writing for velmara-pw. A name of "-"
// stands for the command's input or output stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <iosfwd>
#include <span>
#include <string>

#include "codec/PasswordData.h"
#include "codec/PasswordFormat.h"

namespace velmara {

// Input the command refuses, or a file it cannot read or write (exit status 1).
class CliRejection : public std::exception {
 public:
  explicit CliRejection(std::string line) : line_(std::move(line)) {}
  // The whole line shown to the user. It may hold a NUL character taken from
  // the input, which what() would cut short.
  const std::string& line() const { return line_; }
  const char* what() const noexcept override { return line_.c_str(); }

 private:
  std::string line_;
};

// Longest password text read from standard input; a Gold password in the
// clipboard layout is about 300 bytes.
constexpr std::size_t kMaxPasswordTextBytes = 64 * 1024;

// Reads a password data file, or standard input for "-", never more than one
// byte past the record. Throws CliRejection when it cannot be read (naming the
// system's reason) or is not exactly 2608 bytes.
TPasswordData ReadRecord(const std::string& name, std::istream& in);

// Reads at most kMaxPasswordTextBytes from `in`; longer input is rejected.
std::string ReadPasswordText(std::istream& in);

// Writes the record to the file `name` or, for "-", to `out`. A regular file
// is replaced only when complete, a device or FIFO is written in place, a
// directory is refused. Throws CliRejection when it cannot be written.
void WriteRecord(const std::string& name, const TPasswordData& data, std::ostream& out);

// The same for a 260-byte tile dump.
void WriteTiles(const std::string& name, const std::uint8_t (&tiles)[kMaxTiles], std::ostream& out);

// Writes raw bytes to a stream; throws CliRejection when the stream fails.
void WriteBytes(std::ostream& out, std::span<const std::uint8_t> bytes);

// The line that reports a failed write of `out`, with the system's reason
// when `out` writes to a DescriptorOutput.
std::string OutputFailure(const std::ostream& out);

// True when `out` writes to a DescriptorOutput whose descriptor is a terminal.
bool WritesToTerminal(const std::ostream& out);

// "velmara-pw: cannot read NAME: REASON", REASON in the system's words.
CliRejection CannotRead(const std::string& name, const std::string& reason);

// "standard input" for "-", else the name in quotes, with control characters
// shown as \xHH so that the message stays on one line.
std::string DisplayName(const std::string& name);

}  // namespace velmara
