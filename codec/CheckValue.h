// The password check value and the running state behind it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmara {

// The password check value: a CRC-like sum that subtracts 0x1021 where a
// CRC-16 would XOR it. The sequel checks it bit for bit. "abc" gives 0xBE55;
// an empty sequence gives 0.
std::uint16_t CheckValue(const std::uint8_t* bytes, std::size_t count);

// The same value as a running state, for callers that check many variants of
// one byte sequence: CheckValue(b, n) == CheckValueOfState(AdvanceCheckValue(
// kCheckValueStart, b, n)). Each byte's step is a permutation of the 16-bit
// states, so a state can also be walked back over known bytes: a variant that
// differs only in bytes i..j passes when the state advanced from the stored
// prefix over i..j meets the state walked back from the expected end over
// the unchanged suffix.
constexpr std::uint16_t kCheckValueStart = 0xFFFF;

constexpr std::uint16_t CheckValueOfState(std::uint16_t state) {
  return static_cast<std::uint16_t>(~state);
}
// The end state whose check value is `value` (CheckValueOfState is its own inverse).
constexpr std::uint16_t StateOfCheckValue(std::uint16_t value) {
  return static_cast<std::uint16_t>(~value);
}

// The state after `count` more bytes.
std::uint16_t AdvanceCheckValue(std::uint16_t state, const std::uint8_t* bytes, std::size_t count);

// The state before `count` bytes that AdvanceCheckValue turns into `state`.
std::uint16_t RetreatCheckValue(std::uint16_t state, const std::uint8_t* bytes, std::size_t count);

// CheckValue(bytes, count) == expected, found by running forward from the
// start over the first half and back from `expected` over the second half:
// two independent chains of table look-ups instead of one twice as long.
bool CheckValueMatches(const std::uint8_t* bytes, std::size_t count, std::uint16_t expected);

}  // namespace velmara
