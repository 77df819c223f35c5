// The check value of many variants of one text, each a few tiles away from
// it, without running over all the bytes for each. Used by the repair search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "codec/PasswordFormat.h"

namespace velmara {

// A tile value (position offset removed) put at a position of the text.
struct TilePatch {
  std::size_t position;
  std::uint8_t value;
};

// Whether the tiles of a whole text of `type` (offset removed; row check
// positions are skipped) pass the check value.
bool CheckValueHolds(TPasswordType type, const std::uint8_t* values);

class CandidateCheck {
 public:
  // `values`: the PasswordLength(type) tiles of the base text, offset removed.
  CandidateCheck(TPasswordType type, const std::uint8_t* values);

  // Whether the base text with `patches` applied passes the check value.
  // Patches at row check positions are ignored (those carry no data); each
  // position may appear once. A patch changes at most two bytes; when the
  // bytes changed lie before the stored check value, the state stored
  // before the first of them is advanced over them and compared with the
  // state walked back from the stored check value over the rest. A change
  // to the check value's own bytes (the text's last few tiles, which hold
  // the scrambling byte) falls back to the whole computation.
  bool Passes(std::span<const TilePatch> patches);

 private:
  bool WholePasses() const;

  std::size_t byteCount_;
  std::size_t dataCount_;
  std::uint8_t baseTiles_[kMaxTiles + 3] = {};  // data tiles, row checks dropped
  std::uint8_t tiles_[kMaxTiles + 3] = {};      // the same with the patches of a call
  std::uint8_t key_ = 0;  // the last password byte, which scrambles the others
  // forward_[j]: the running state after data bytes 0 .. j - 1 (unscrambled);
  // backward_[j]: the state before byte j from which the rest reaches the
  // state that the stored check value calls for.
  std::uint16_t forward_[kMaxPasswordBytes + 1] = {};
  std::uint16_t backward_[kMaxPasswordBytes + 1] = {};
  bool basePasses_ = false;
};

}  // namespace velmara
