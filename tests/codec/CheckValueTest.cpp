#include <gtest/gtest.h>

#include "Password.h"

namespace velmara {
namespace {

TEST(CheckValue, KnownValues) {
  const std::uint8_t abc[] = {0x61, 0x62, 0x63};
  EXPECT_EQ(CheckValue(abc, 3), 0xBE55);
  EXPECT_EQ(CheckValue(nullptr, 0), 0x0000);
}

}  // namespace
}  // namespace velmara
