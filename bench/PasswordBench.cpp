// How fast the codec makes and reads passwords. The window rebuilds the
// password on every refresh, so a Gold password should take well under a
// microsecond or two.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "codec/Password.h"
#include "codec/VelmaraData.h"

namespace velmara {
namespace {

void BM_MakePassword(benchmark::State& state) {
  const auto type = static_cast<TPasswordType>(state.range(0));
  const TPasswordData party = MakeDefaultParty(kDefaultHigh);
  TVelmaraPasswordEncoder encoder;
  for (auto _ : state) benchmark::DoNotOptimize(encoder.MakePassword(type, &party));
  state.SetLabel(type == ptGold ? "gold" : type == ptSilver ? "silver" : "bronze");
}
BENCHMARK(BM_MakePassword)->Arg(ptGold)->Arg(ptSilver)->Arg(ptBronze);

void BM_DecodeGoldPassword(benchmark::State& state) {
  const std::string_view password = kDefaultPasswords[kDefaultHigh];
  TVelmaraPasswordDecoder decoder;
  TPasswordData data{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(decoder.DecodePassword(ptGold, password, &data));
    benchmark::ClobberMemory();
  }
  if (!decoder.DecodePassword(ptGold, password, &data).empty())
    state.SkipWithError("the default password was refused");
}
BENCHMARK(BM_DecodeGoldPassword);

void BM_CheckValue(benchmark::State& state) {
  std::vector<std::uint8_t> bytes(DataBytes(ptGold));
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
  for (auto _ : state) benchmark::DoNotOptimize(CheckValue(bytes.data(), bytes.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CheckValue);

}  // namespace
}  // namespace velmara
