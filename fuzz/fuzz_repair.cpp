// Repairs arbitrary text as an arbitrary type. Input: one byte for the type
// (-1..3, as fuzz_decode), then the text. Every candidate must decode, the
// outcome must agree with the candidates, and a text the decoder accepts
// must come back alone and unchanged. The search refuses any text more than
// one character away from the type's length at once, so each input costs at
// most a few milliseconds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "codec/Password.h"
#include "codec/PasswordRepair.h"

using namespace velmara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
  if (size == 0 || size > 2048) return -1;  // 261 characters of up to four bytes fit
  const auto type = static_cast<TPasswordType>(input[0] % 5 - 1);
  const std::string_view text(reinterpret_cast<const char*>(input) + 1, size - 1);

  const RepairResult result = RepairPassword(type, text, 8);
  TVelmaraPasswordDecoder decoder;
  TPasswordData data{};
  const bool valid = decoder.DecodePassword(type, text, &data).empty();
  if (valid != (result.outcome == RepairOutcome::AlreadyValid)) std::abort();
  if (valid && (result.candidates.size() != 1 || result.candidates[0].password != text))
    std::abort();
  if ((result.found > 0) != (valid || result.outcome == RepairOutcome::Repaired)) std::abort();
  if (result.candidates.size() > 8 || result.candidates.size() > result.found) std::abort();
  for (const RepairCandidate& candidate : result.candidates) {
    TPasswordData decoded{};
    if (!decoder.DecodePassword(type, candidate.password, &decoded).empty()) std::abort();
    if (!valid && candidate.changes.empty()) std::abort();
  }
  return 0;
}
