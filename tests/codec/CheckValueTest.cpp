#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "codec/Password.h"

namespace velmara {
namespace {

TEST(CheckValue, KnownValues) {
  const std::uint8_t abc[] = {0x61, 0x62, 0x63};
  EXPECT_EQ(CheckValue(abc, 3), 0xBE55);
  EXPECT_EQ(CheckValue(nullptr, 0), 0x0000);
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
