#include "codec/CandidateCheck.h"

#include <algorithm>
#include <cstring>

#include "codec/CheckValue.h"
#include "codec/PasswordTiles.h"

namespace velmara {

namespace {

// Joins and unscrambles; true when the stored check value matches.
bool JoinedBytesPass(const std::uint8_t* dataTiles, std::size_t byteCount) {
  std::uint8_t bytes[kMaxPasswordBytes];
  JoinDataTiles(dataTiles, bytes, byteCount);
  ScrambleWithLastByte(bytes, byteCount);
  const auto stored = static_cast<std::uint16_t>(bytes[byteCount - 2] << 8 | bytes[byteCount - 1]);
  return CheckValueMatches(bytes, byteCount - kCheckValueBytes, stored);
}

}  // namespace

bool CheckValueHolds(TPasswordType type, const std::uint8_t* values) {
  std::uint8_t dataTiles[kMaxTiles + 3] = {};
  DropRowChecks(values, PasswordLength(type), dataTiles);
  return JoinedBytesPass(dataTiles, DataBytes(type) + kCheckValueBytes);
}

CandidateCheck::CandidateCheck(TPasswordType type, const std::uint8_t* values)
    : byteCount_(DataBytes(type) + kCheckValueBytes) {
  dataCount_ = DropRowChecks(values, PasswordLength(type), baseTiles_);
  std::memcpy(tiles_, baseTiles_, sizeof tiles_);
  std::uint8_t data[kMaxPasswordBytes];
  JoinDataTiles(baseTiles_, data, byteCount_);
  key_ = data[byteCount_ - 1];
  ScrambleWithLastByte(data, byteCount_);

  const std::size_t dataBytes = byteCount_ - kCheckValueBytes;
  const auto stored = static_cast<std::uint16_t>(data[byteCount_ - 2] << 8 | key_);

  forward_[0] = kCheckValueStart;
  for (std::size_t j = 0; j < dataBytes; ++j)
    forward_[j + 1] = AdvanceCheckValue(forward_[j], data + j, 1);
  backward_[dataBytes] = StateOfCheckValue(stored);
  for (std::size_t j = dataBytes; j-- > 0;)
    backward_[j] = RetreatCheckValue(backward_[j + 1], data + j, 1);
  basePasses_ = forward_[dataBytes] == backward_[dataBytes];
}

bool CandidateCheck::WholePasses() const {
  return JoinedBytesPass(tiles_, byteCount_);
}

bool CandidateCheck::Passes(std::span<const TilePatch> patches) {
  std::size_t first = kMaxTiles, last = 0;
  for (const TilePatch& patch : patches) {
    if (IsRowCheckPosition(patch.position)) continue;
    const std::size_t t = DataTileIndex(patch.position);
    tiles_[t] = patch.value;
    first = std::min(first, t);
    last = std::max(last, t);
  }
  bool passes = basePasses_;
  if (first <= last) {
    const std::size_t lo = first * kTileBits / 8;
    const std::size_t hi = std::min((last * kTileBits + kTileBits - 1) / 8, byteCount_ - 1);
    if (hi + kCheckValueBytes >= byteCount_) {
      passes = WholePasses();
    } else {
      std::uint8_t window[kMaxPasswordBytes];
      for (std::size_t j = lo; j <= hi; ++j)
        window[j - lo] = JoinedByte(tiles_, dataCount_, j) ^ key_;
      passes = AdvanceCheckValue(forward_[lo], window, hi - lo + 1) == backward_[hi + 1];
    }
  }
  for (const TilePatch& patch : patches)
    if (!IsRowCheckPosition(patch.position)) {
      const std::size_t t = DataTileIndex(patch.position);
      tiles_[t] = baseTiles_[t];
    }
  return passes;
}

}  // namespace velmara
