// The tile layer under the alphabet: each tile carries its position, every
// tenth tile checks the nine before it, and the data tiles join into the
// scrambled password bytes. The encoder, the decoder, the live check and the
// repair search all go through these.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "codec/PasswordFormat.h"

namespace velmara {

// A tile as written is its value plus its position, mod 64.
constexpr std::uint8_t AddPositionOffset(unsigned value, std::size_t position) {
  return static_cast<std::uint8_t>((value + position) & 63);
}
constexpr std::uint8_t RemovePositionOffset(unsigned tile, std::size_t position) {
  return static_cast<std::uint8_t>((tile - position) & 63);
}
// RemovePositionOffset on tiles 0 .. count - 1 (at most 260) of a text, in
// place; the offsets come from a table so that the loop runs on vectors.
inline void RemovePositionOffsets(std::uint8_t* tiles, std::size_t count) {
  static constexpr auto kOffsets = [] {
    std::array<std::uint8_t, kMaxTiles> offsets{};
    for (std::size_t i = 0; i < offsets.size(); ++i) offsets[i] = static_cast<std::uint8_t>(i & 63);
    return offsets;
  }();
  for (std::size_t i = 0; i < count; ++i)
    tiles[i] = static_cast<std::uint8_t>((tiles[i] - kOffsets[i]) & 63);
}

constexpr bool IsRowCheckPosition(std::size_t position) {
  return position % kRowLength == kRowDataTiles;
}
// Index among the data tiles of the data tile at `position` (not a row check).
constexpr std::size_t DataTileIndex(std::size_t position) {
  return position - position / kRowLength;
}
// Rows that have all ten characters among the first `count`.
constexpr std::size_t CompleteRows(std::size_t count) {
  return count / kRowLength;
}

// The check tile that a row's nine data values (offset removed) call for.
inline std::uint8_t RowCheckValue(const std::uint8_t* rowValues) {
  unsigned sum = 0;
  for (std::size_t k = 0; k < kRowDataTiles; ++k) sum += rowValues[k];
  return static_cast<std::uint8_t>(sum & 63);
}

// Data tiles needed for `byteCount` bytes; the last holds padding bits.
constexpr std::size_t DataTilesFor(std::size_t byteCount) {
  return (byteCount * 8 + kTileBits - 1) / kTileBits;
}

// Copies the data tiles among the first `length` values (offset removed) to
// `dataTiles`, leaving out every row check; returns how many there are.
inline std::size_t DropRowChecks(const std::uint8_t* values, std::size_t length,
                                 std::uint8_t* dataTiles) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < length; ++i)
    if (!IsRowCheckPosition(i)) dataTiles[count++] = values[i];
  return count;
}

// Whether the bits of the last of `dataCount` data tiles past the last of
// `byteCount` bytes, which the encoder leaves zero, are zero.
inline bool PaddingBitsZero(const std::uint8_t* dataTiles, std::size_t dataCount,
                            std::size_t byteCount) {
  const std::size_t paddingBits = dataCount * kTileBits - byteCount * 8;
  return (dataTiles[dataCount - 1] & ((1u << paddingBits) - 1)) == 0;
}

// Byte `j` of the stream that the data tiles form, six bits to a tile with
// the first bit as bit 5; tiles past `dataCount` read as 0.
inline std::uint8_t JoinedByte(const std::uint8_t* dataTiles, std::size_t dataCount,
                               std::size_t j) {
  const std::size_t first = j * 8 / kTileBits;
  const unsigned skip = static_cast<unsigned>(j * 8 - first * kTileBits);  // 0, 2 or 4
  const unsigned high = first < dataCount ? dataTiles[first] : 0;
  const unsigned low = first + 1 < dataCount ? dataTiles[first + 1] : 0;
  return static_cast<std::uint8_t>(((high << kTileBits | low) >> (4 - skip)) & 0xFF);
}

// Joins data tiles (offset removed, no row checks) into `byteCount` bytes,
// four tiles to three bytes; bits after the last whole byte are dropped.
// `dataTiles` must hold DataTilesFor(byteCount) tiles and be readable up to
// the next multiple of four.
inline void JoinDataTiles(const std::uint8_t* dataTiles, std::uint8_t* bytes,
                          std::size_t byteCount) {
  auto group = [&](std::size_t t) {
    return static_cast<std::uint32_t>(dataTiles[t]) << 18 |
           static_cast<std::uint32_t>(dataTiles[t + 1]) << 12 |
           static_cast<std::uint32_t>(dataTiles[t + 2]) << 6 | dataTiles[t + 3];
  };
  std::size_t t = 0, byte = 0;
  for (; byte + 3 <= byteCount; t += 4, byte += 3) {
    const std::uint32_t bits = group(t);
    bytes[byte] = static_cast<std::uint8_t>(bits >> 16);
    bytes[byte + 1] = static_cast<std::uint8_t>(bits >> 8);
    bytes[byte + 2] = static_cast<std::uint8_t>(bits);
  }
  if (byte < byteCount) {
    const std::uint32_t bits = group(t);
    for (std::size_t k = 0; byte + k < byteCount; ++k)
      bytes[byte + k] = static_cast<std::uint8_t>(bits >> (16 - 8 * k));
  }
}

// Every byte but the last is XOR-ed with the last, the low byte of the check
// value; the same call undoes it.
inline void ScrambleWithLastByte(std::uint8_t* bytes, std::size_t count) {
  if (count < 2) return;
  const std::uint8_t key = bytes[count - 1];
  for (std::size_t i = 0; i + 1 < count; ++i) bytes[i] ^= key;
}

}  // namespace velmara
