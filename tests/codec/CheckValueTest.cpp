#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "codec/Password.h"

namespace velmara {
namespace {

// The value bit by bit, as the sequel computes it: the reference for the
// table-driven code.
std::uint16_t BitwiseCheckValue(const std::uint8_t* bytes, std::size_t count) {
  std::uint32_t c = 0xFFFF;
  for (std::size_t i = 0; i < count; ++i) {
    c ^= std::uint32_t{bytes[i]} << 8;
    for (int bit = 0; bit < 8; ++bit) c = ((c & 0x8000) ? 2 * c - 0x1021 : 2 * c) & 0xFFFF;
  }
  return static_cast<std::uint16_t>(~c & 0xFFFF);
}

TEST(CheckValue, KnownValues) {
  const std::uint8_t abc[] = {0x61, 0x62, 0x63};
  EXPECT_EQ(CheckValue(abc, 3), 0xBE55);
  EXPECT_EQ(CheckValue(nullptr, 0), 0x0000);
}

// Every byte value in every state is reached: random sequences of every
// length up to a Gold password's, and runs of one byte value.
TEST(CheckValue, TableAgreesWithTheBitwiseDefinition) {
  std::mt19937 rng(13);
  std::vector<std::uint8_t> bytes(175);
  for (int round = 0; round < 20; ++round) {
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    for (std::size_t count = 0; count <= bytes.size(); ++count)
      ASSERT_EQ(CheckValue(bytes.data(), count), BitwiseCheckValue(bytes.data(), count))
          << "round " << round << ", " << count << " bytes";
  }
  for (int value = 0; value < 256; ++value) {
    const std::vector<std::uint8_t> run(9, static_cast<std::uint8_t>(value));
    ASSERT_EQ(CheckValue(run.data(), run.size()), BitwiseCheckValue(run.data(), run.size()))
        << value;
  }
}

// The running state resumes where it stopped, and walking back over the same
// bytes returns to where it started, for any bytes and any state.
TEST(CheckValue, RunningStateResumesAndWalksBack) {
  std::mt19937 rng(5);
  std::vector<std::uint8_t> bytes(173);
  for (int round = 0; round < 50; ++round) {
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    const std::size_t split = rng() % (bytes.size() + 1);
    const std::uint16_t middle = AdvanceCheckValue(kCheckValueStart, bytes.data(), split);
    const std::uint16_t end = AdvanceCheckValue(middle, bytes.data() + split, bytes.size() - split);
    EXPECT_EQ(CheckValueOfState(end), CheckValue(bytes.data(), bytes.size()));
    EXPECT_EQ(RetreatCheckValue(end, bytes.data() + split, bytes.size() - split), middle);

    const auto state = static_cast<std::uint16_t>(rng());
    EXPECT_EQ(RetreatCheckValue(AdvanceCheckValue(state, bytes.data(), 1), bytes.data(), 1), state);
  }
  EXPECT_EQ(StateOfCheckValue(CheckValueOfState(0x1234)), 0x1234);
}

// The comparison that meets in the middle gives the same answer as
// computing the value, for every length up to a Gold password's.
TEST(CheckValue, MatchesAgreesWithTheValue) {
  std::mt19937 rng(8);
  std::vector<std::uint8_t> bytes(175);
  for (std::size_t count = 0; count <= bytes.size(); ++count) {
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    const std::uint16_t value = CheckValue(bytes.data(), count);
    EXPECT_TRUE(CheckValueMatches(bytes.data(), count, value)) << count;
    EXPECT_FALSE(CheckValueMatches(bytes.data(), count, value ^ (1u << (rng() % 16)))) << count;
  }
}

}  // namespace
}  // namespace velmara
