// Bounded reading and all-or-nothing writing for velmara-pw. A name of "-"
// stands for the command's input or output stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>

#include "PasswordData.h"
#include "PasswordFormat.h"

namespace velmara {

// Input the command refuses (exit status 1); `what()` is the whole line shown
// to the user.
class CliRejection : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Longest password text read from standard input; a Gold password in the
// clipboard layout is about 300 bytes.
constexpr std::size_t kMaxPasswordTextBytes = 64 * 1024;

// Reads a password data file, or standard input for "-", never more than one
// byte past the record. Throws CliRejection when it cannot be read or is not
// exactly 2608 bytes.
TPasswordData ReadRecord(const std::string& name, std::istream& in);

// Reads at most kMaxPasswordTextBytes from `in`; longer input is rejected.
std::string ReadPasswordText(std::istream& in);

// Writes the record to the file `name` (replaced only when complete) or, for
// "-", to `out`. Throws CliRejection when it cannot be written.
void WriteRecord(const std::string& name, const TPasswordData& data, std::ostream& out);

// The same for a 260-byte tile dump.
void WriteTiles(const std::string& name, const std::uint8_t (&tiles)[kMaxTiles], std::ostream& out);

// Writes raw bytes to a stream; throws CliRejection when the stream fails.
void WriteBytes(std::ostream& out, std::span<const std::uint8_t> bytes);

// The line that names an unreadable or wrong-sized file.
std::string DisplayName(const std::string& name);

}  // namespace velmara
