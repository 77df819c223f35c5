// Decodes arbitrary text of an arbitrary type over an arbitrary record.
// Input: the record (the first 2608 bytes, when the input is longer than
// that), one byte for the type, then the text. A refused text must leave the
// record as it was; an accepted one must be stable once normalised: the
// password made from the decoded record decodes to a record that makes that
// same password again.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "codec/Password.h"

using namespace velmara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
  if (size > 4096) return -1;  // a record, a type byte and a Gold password fit well within
  TPasswordData record{};
  if (size > kPasswordDataSize) {
    std::memcpy(&record, input, kPasswordDataSize);
    input += kPasswordDataSize;
    size -= kPasswordDataSize;
  }
  // -1..3: the three types and one unknown type on either side.
  const std::int32_t type = size == 0 ? ptGold : input[0] % 5 - 1;
  const std::string_view text(reinterpret_cast<const char*>(input) + (size ? 1 : 0),
                              size ? size - 1 : 0);

  TPasswordData decoded = record;
  TVelmaraPasswordDecoder decoder;
  if (!decoder.DecodePassword(static_cast<TPasswordType>(type), text, &decoded).empty()) {
    if (std::memcmp(&decoded, &record, sizeof record) != 0) std::abort();
    return 0;
  }
  TVelmaraPasswordEncoder encoder;
  const std::string normalised = encoder.MakePassword(static_cast<TPasswordType>(type), &decoded);
  TPasswordData again = decoded;
  if (!decoder.DecodePassword(static_cast<TPasswordType>(type), normalised, &again).empty())
    std::abort();
  if (encoder.MakePassword(static_cast<TPasswordType>(type), &again) != normalised) std::abort();
  return 0;
}
