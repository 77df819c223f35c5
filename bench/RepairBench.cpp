// How long the repair search takes for the worst case of each kind of
// mistake it undoes, on a Gold password (the longest, with the most rows and
// swaps to try). Each case should be answered well within 20 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "codec/Alphabet.h"
#include "codec/Password.h"
#include "codec/PasswordRepair.h"
#include "codec/VelmaraData.h"

namespace velmara {
namespace {

std::string GoldPassword() {
  const TPasswordData party = MakeDefaultParty(kDefaultMiddle);
  TVelmaraPasswordEncoder encoder;
  return encoder.MakePassword(ptGold, &party);
}

// The character `delta` tiles on from the one at `position`.
std::string Changed(std::string text, std::size_t position, int delta = 7) {
  text[position] = TileToChar(static_cast<std::uint8_t>((CharToTile(text[position]) + delta) % 64));
  return text;
}

std::string Swapped(std::string text, std::size_t position) {
  std::swap(text[position], text[position + 1]);
  return text;
}

void RunRepair(benchmark::State& state, const std::string& text, bool expectFound) {
  for (auto _ : state) benchmark::DoNotOptimize(RepairPassword(ptGold, text));
  const RepairResult result = RepairPassword(ptGold, text);
  if ((result.found > 0) != expectFound) state.SkipWithError("unexpected outcome");
}

// Three wrong rows, the first, a middle and the last: 1,000 combinations,
// the last row's through the check value's own bytes.
void BM_RepairThreeWrongRows(benchmark::State& state) {
  RunRepair(state, Changed(Changed(Changed(GoldPassword(), 2), 134), 251), true);
}
BENCHMARK(BM_RepairThreeWrongRows)->Unit(benchmark::kMicrosecond);

// Three characters outside the alphabet: their positions are known.
void BM_RepairOutsideAlphabet(benchmark::State& state) {
  std::string text = GoldPassword();
  text[2] = '0', text[134] = 'O', text[251] = 'l';
  RunRepair(state, text, true);
}
BENCHMARK(BM_RepairOutsideAlphabet)->Unit(benchmark::kMicrosecond);

// A swap shows in no row: every one of the 259 swaps is tried.
void BM_RepairSwap(benchmark::State& state) {
  RunRepair(state, Swapped(GoldPassword(), 3), true);
}
BENCHMARK(BM_RepairSwap)->Unit(benchmark::kMicrosecond);

// One wrong row and a swap anywhere: ten substitutions for each swap.
void BM_RepairSwapAndWrongCharacter(benchmark::State& state) {
  RunRepair(state, Changed(Swapped(GoldPassword(), 3), 251), true);
}
BENCHMARK(BM_RepairSwapAndWrongCharacter)->Unit(benchmark::kMicrosecond);

// A character missing from the first row shifts every row after it.
void BM_RepairMissingCharacter(benchmark::State& state) {
  std::string text = GoldPassword();
  text.erase(text.begin() + 1);
  RunRepair(state, text, true);
}
BENCHMARK(BM_RepairMissingCharacter)->Unit(benchmark::kMicrosecond);

void BM_RepairExtraCharacter(benchmark::State& state) {
  std::string text = GoldPassword();
  text.insert(text.begin() + 1, 'A');
  RunRepair(state, text, true);
}
BENCHMARK(BM_RepairExtraCharacter)->Unit(benchmark::kMicrosecond);

// Beyond the model: one wrong row besides a swap and two more wrong rows.
// Every swap is tried and refused.
void BM_RepairBeyondTheModel(benchmark::State& state) {
  RunRepair(state, Changed(Changed(Changed(Changed(GoldPassword(), 2), 60), 134), 251), false);
}
BENCHMARK(BM_RepairBeyondTheModel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmara
