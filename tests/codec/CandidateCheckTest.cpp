// The repair search's incremental check value agrees with the whole
// computation, wherever the patched tiles lie.
#include <gtest/gtest.h>

#include <random>

#include "codec/CandidateCheck.h"
#include "codec/Password.h"
#include "codec/PasswordTiles.h"
#include "tests/codec/PasswordTestSupport.h"
#include "tests/common/PasswordSupport.h"

namespace velmara {
namespace {

using testing::TileValues;

TEST(CandidateCheck, AgreesWithTheWholeComputation) {
  TVelmaraPasswordEncoder encoder;
  std::mt19937 rng(17);
  for (TPasswordType type : {ptGold, ptSilver, ptBronze}) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      SCOPED_TRACE(std::to_string(type) + "/" + std::to_string(seed));
      TPasswordData party = testing::RandomRecord(seed);
      const std::vector<std::uint8_t> good = TileValues(encoder.MakePassword(type, &party));
      const std::size_t length = good.size();

      // A base one to three tiles away from the password, the last tiles
      // (which hold the check value and its scrambling byte) as likely as any.
      std::vector<std::uint8_t> base = good;
      std::vector<TilePatch> back;
      for (std::size_t k = 1 + rng() % 3; k > 0; --k) {
        const std::size_t at = rng() % 2 ? rng() % length : length - 1 - rng() % 6;
        if (std::any_of(back.begin(), back.end(), [&](auto& p) { return p.position == at; }))
          continue;
        back.push_back({at, good[at]});
        base[at] = static_cast<std::uint8_t>((base[at] + 1 + rng() % 63) & 63);
      }
      std::sort(back.begin(), back.end(),
                [](const TilePatch& a, const TilePatch& b) { return a.position < b.position; });
      CandidateCheck check(type, base.data());
      EXPECT_TRUE(check.Passes(back)) << "patching the password back";
      EXPECT_EQ(check.Passes({}), CheckValueHolds(type, base.data()));

      // Random patches: the same answer as patching a copy and checking it whole.
      for (int round = 0; round < 20; ++round) {
        std::vector<TilePatch> patches;
        std::vector<std::uint8_t> patched = base;
        for (std::size_t at = rng() % length; patches.size() < 3 && at < length;
             at += 1 + rng() % length) {
          patches.push_back({at, static_cast<std::uint8_t>(rng() % 64)});
          patched[at] = patches.back().value;
        }
        EXPECT_EQ(check.Passes(patches), CheckValueHolds(type, patched.data()));
      }
      EXPECT_TRUE(check.Passes(back)) << "a call leaves the base as it was";
    }
  }
}

}  // namespace
}  // namespace velmara
