#include "codec/CheckValue.h"

#include <array>

namespace velmara {

namespace {

constexpr std::uint32_t kSubtrahend = 0x1021;
constexpr std::uint32_t kTopBit = 0x8000;

// Eight steps of the check value: the sequel subtracts the constant where a
// CRC-16 would XOR it, so borrows reach every bit and a byte-wide table
// cannot be used; the table maps the whole 16-bit state instead.
constexpr std::uint16_t EightSteps(std::uint32_t c) {
  for (int step = 0; step < 8; ++step) {
    const std::uint32_t subtract = (c & kTopBit) ? kSubtrahend : 0;
    c = ((c << 1) - subtract) & 0xFFFF;
  }
  return static_cast<std::uint16_t>(c);
}

// Built on first use: a compile-time table would exceed the constant
// evaluation limits of some compilers.
const std::uint16_t* StepTable() {
  static std::array<std::uint16_t, 0x10000> table;
  static const bool filled = [] {
    for (std::uint32_t c = 0; c < table.size(); ++c) table[c] = EightSteps(c);
    return true;
  }();
  (void)filled;
  return table.data();
}

// The inverse of StepTable, built on first use like it. Eight steps are a
// permutation of the states: a step doubles the state, which leaves it even,
// and subtracts the odd constant only when the top bit was set, so the
// result's parity tells which happened and the step can be undone.
const std::uint16_t* BackStepTable() {
  static std::array<std::uint16_t, 0x10000> table;
  static const bool filled = [] {
    const std::uint16_t* forward = StepTable();
    for (std::uint32_t c = 0; c < table.size(); ++c)
      table[forward[c]] = static_cast<std::uint16_t>(c);
    return true;
  }();
  (void)filled;
  return table.data();
}

}  // namespace

std::uint16_t AdvanceCheckValue(std::uint16_t state, const std::uint8_t* bytes, std::size_t count) {
  const std::uint16_t* table = StepTable();
  std::uint32_t c = state;
  for (std::size_t i = 0; i < count; ++i)
    c = table[c ^ (static_cast<std::uint32_t>(bytes[i]) << 8)];
  return static_cast<std::uint16_t>(c);
}

std::uint16_t RetreatCheckValue(std::uint16_t state, const std::uint8_t* bytes, std::size_t count) {
  const std::uint16_t* back = BackStepTable();
  std::uint32_t c = state;
  for (std::size_t i = count; i-- > 0;) c = back[c] ^ (static_cast<std::uint32_t>(bytes[i]) << 8);
  return static_cast<std::uint16_t>(c);
}

bool CheckValueMatches(const std::uint8_t* bytes, std::size_t count, std::uint16_t expected) {
  const std::uint16_t* forward = StepTable();
  const std::uint16_t* back = BackStepTable();
  std::uint32_t head = kCheckValueStart, tail = StateOfCheckValue(expected);
  std::size_t i = 0, j = count;
  for (; i + 1 < j; ++i, --j) {
    head = forward[head ^ (static_cast<std::uint32_t>(bytes[i]) << 8)];
    tail = back[tail] ^ (static_cast<std::uint32_t>(bytes[j - 1]) << 8);
  }
  if (i < j) head = forward[head ^ (static_cast<std::uint32_t>(bytes[i]) << 8)];
  return head == tail;
}

std::uint16_t CheckValue(const std::uint8_t* bytes, std::size_t count) {
  return CheckValueOfState(AdvanceCheckValue(kCheckValueStart, bytes, count));
}

}  // namespace velmara
