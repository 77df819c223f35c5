// MSB-first bit streams over a byte region: bit position p is bit 7 - p % 8
// of byte p / 8, so a value's most significant bit is written first.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace velmara {

// Writes values into a zeroed region (bits are OR-ed in). Bits at or past
// `limit` are dropped, so a stream may end in the middle of a value.
class BitWriter {
 public:
  explicit BitWriter(std::uint8_t* region, std::size_t position = 0,
                     std::size_t limit = std::numeric_limits<std::size_t>::max())
      : region_(region), position_(position), limit_(limit) {}

  // Requires 0 < width <= 32.
  void Put(std::uint32_t value, int width) {
    if (position_ + static_cast<std::size_t>(width) <= limit_) {
      // Fast path: OR the value into the (at most five) bytes it spans.
      const std::size_t first = position_ / 8;
      const int offset = static_cast<int>(position_ % 8);
      const int spanned = (offset + width + 7) / 8;
      const int spare = spanned * 8 - offset - width;
      const std::uint64_t bits = (value & ((std::uint64_t{1} << width) - 1)) << spare;
      for (int k = 0; k < spanned; ++k)
        region_[first + static_cast<std::size_t>(k)] |=
            static_cast<std::uint8_t>(bits >> (8 * (spanned - 1 - k)));
      position_ += static_cast<std::size_t>(width);
      return;
    }
    while (width > 0 && position_ < limit_) {
      const int offset = static_cast<int>(position_ % 8);
      const int take = static_cast<int>(
          std::min<std::size_t>({static_cast<std::size_t>(8 - offset),
                                 static_cast<std::size_t>(width), limit_ - position_}));
      const std::uint32_t chunk = (value >> (width - take)) & ((1u << take) - 1);
      region_[position_ / 8] |= static_cast<std::uint8_t>(chunk << (8 - offset - take));
      position_ += static_cast<std::size_t>(take);
      width -= take;
    }
  }

 private:
  std::uint8_t* region_;
  std::size_t position_;
  std::size_t limit_;
};

// Reads values; bits at or past `limit` read as 0.
class BitReader {
 public:
  explicit BitReader(const std::uint8_t* region, std::size_t position = 0,
                     std::size_t limit = std::numeric_limits<std::size_t>::max())
      : region_(region), position_(position), limit_(limit) {}

  // Requires 0 < width <= 32.
  std::uint32_t Get(int width) {
    if (position_ + static_cast<std::size_t>(width) <= limit_) {
      // Fast path: read the (at most five) bytes the value spans.
      const std::size_t first = position_ / 8;
      const int offset = static_cast<int>(position_ % 8);
      const int spanned = (offset + width + 7) / 8;
      std::uint64_t window = 0;
      for (int k = 0; k < spanned; ++k)
        window = window << 8 | region_[first + static_cast<std::size_t>(k)];
      position_ += static_cast<std::size_t>(width);
      return static_cast<std::uint32_t>((window >> (spanned * 8 - offset - width)) &
                                        ((std::uint64_t{1} << width) - 1));
    }
    std::uint32_t value = 0;
    while (width > 0) {
      if (position_ >= limit_) return value << width;
      const int offset = static_cast<int>(position_ % 8);
      const int take = static_cast<int>(
          std::min<std::size_t>({static_cast<std::size_t>(8 - offset),
                                 static_cast<std::size_t>(width), limit_ - position_}));
      const std::uint32_t chunk =
          (region_[position_ / 8] >> (8 - offset - take)) & ((1u << take) - 1);
      value = value << take | chunk;
      position_ += static_cast<std::size_t>(take);
      width -= take;
    }
    return value;
  }

 private:
  const std::uint8_t* region_;
  std::size_t position_;
  std::size_t limit_;
};

// The eight bytes at `bytes` as one big-endian number.
inline std::uint64_t LoadBigEndian64(const std::uint8_t* bytes) {
#if defined(__GNUC__) || defined(__clang__)
  std::uint64_t value;
  std::memcpy(&value, bytes, sizeof value);
  if constexpr (std::endian::native == std::endian::little) value = __builtin_bswap64(value);
  return value;
#else
  std::uint64_t value = 0;
  for (int k = 0; k < 8; ++k) value = value << 8 | bytes[k];
  return value;
#endif
}

// The `width` bits at bit position `position` of `region`, read with one
// eight-byte load. Requires 0 < width <= 32 and eight readable bytes from
// byte position / 8.
inline std::uint32_t ReadBitsAt(const std::uint8_t* region, std::size_t position, int width) {
  const std::uint64_t window = LoadBigEndian64(region + position / 8);
  const int shift = 64 - static_cast<int>(position % 8) - width;
  return static_cast<std::uint32_t>((window >> shift) & ((std::uint64_t{1} << width) - 1));
}

// Reads consecutive fields of a region with ReadBitsAt, MSB-first, from bit
// `position` on; the same requirements hold for every field.
class BitCursor {
 public:
  explicit BitCursor(const std::uint8_t* region, std::size_t position = 0)
      : region_(region), position_(position) {}

  std::uint32_t Next(int width) {
    const std::uint32_t value = ReadBitsAt(region_, position_, width);
    position_ += static_cast<std::size_t>(width);
    return value;
  }

 private:
  const std::uint8_t* region_;
  std::size_t position_;
};

}  // namespace velmara
