// The 64-character password alphabet and the two mappings between tiles
// (6-bit values) and password characters.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmara {

// Tile t is written as kPasswordAlphabet[t]. I, O, l, o, 0 and 1 are left out
// so that no two characters look alike on the handheld's screen.
constexpr std::string_view kPasswordAlphabet =
    "ABCDEFGHJKLMNPQRSTUVWXYZ23456789abcdefghijkmnpqrstuvwxyz!?#&$%+=";
static_assert(kPasswordAlphabet.size() == 64);

// Marker for a byte that is not a password character; outside 0..63 so that
// one byte holds either a tile or the marker.
constexpr std::uint8_t kInvalidTile = 99;

// Requires tile < 64.
constexpr char TileToChar(std::uint8_t tile) {
  return kPasswordAlphabet[tile];
}

// Total on all byte values: the tile of an alphabet character, else kInvalidTile.
constexpr std::uint8_t CharToTile(unsigned char c) {
  if (c >= 'A' && c <= 'H') return static_cast<std::uint8_t>(c - 'A');
  if (c >= 'J' && c <= 'N') return static_cast<std::uint8_t>(c - 'J' + 8);
  if (c >= 'P' && c <= 'Z') return static_cast<std::uint8_t>(c - 'P' + 13);
  if (c >= '2' && c <= '9') return static_cast<std::uint8_t>(c - '2' + 24);
  if (c >= 'a' && c <= 'k') return static_cast<std::uint8_t>(c - 'a' + 32);
  if (c == 'm' || c == 'n') return static_cast<std::uint8_t>(c - 'm' + 43);
  if (c >= 'p' && c <= 'z') return static_cast<std::uint8_t>(c - 'p' + 45);
  switch (c) {
    case '!':
      return 56;
    case '?':
      return 57;
    case '#':
      return 58;
    case '&':
      return 59;
    case '$':
      return 60;
    case '%':
      return 61;
    case '+':
      return 62;
    case '=':
      return 63;
    default:
      return kInvalidTile;
  }
}

// CharToTile as a table, for the loops that map a whole text.
inline constexpr std::array<std::uint8_t, 256> kCharToTileTable = [] {
  std::array<std::uint8_t, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = CharToTile(static_cast<unsigned char>(c));
  return table;
}();
// Valid tiles are below 64, so OR-ing the tiles of a text and testing this
// bit tells whether any character was invalid.
constexpr std::uint8_t kInvalidTileBit = 64;
static_assert((kInvalidTile & kInvalidTileBit) != 0 && kPasswordAlphabet.size() == kInvalidTileBit);

}  // namespace velmara
