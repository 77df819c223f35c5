#include "core/SaveImage.h"

#include <algorithm>
#include <cstring>

namespace velmara {

namespace {

// A name byte is printable ASCII other than * \ ` { }, or a zero byte, which
// pads the name and is allowed anywhere.
bool IsAcceptableNameByte(std::uint8_t byte) {
  if (byte == 0) return true;
  if (byte < 0x20 || byte > 0x7E) return false;
  constexpr std::string_view kRefused = "*\\`{}";
  return kRefused.find(static_cast<char>(byte)) == std::string_view::npos;
}

constexpr std::size_t kPartyEnd = kSaveBlockPartyOffset + kPasswordDataSize;  // 2624

}  // namespace

bool IsUsableSaveBlock(std::span<const std::uint8_t> block) {
  if (block.size() < kPartyEnd) return false;
  if (!std::equal(kSaveSignature.begin(), kSaveSignature.end(), block.begin(),
                  [](char expected, std::uint8_t byte) {
                    return static_cast<std::uint8_t>(expected) == byte;
                  }))
    return false;
  if (block[kSaveBlockSlotOffset] > kMaxSaveSlot) return false;
  // Every name byte is tested: a zero byte does not end the test.
  const auto name = block.subspan(kSaveNameOffset, kSaveNameLength);
  return std::all_of(name.begin(), name.end(), IsAcceptableNameByte);
}

std::string SaveBlockEntryText(std::span<const std::uint8_t> block) {
  // The block test admits only printable ASCII, so the name bytes are UTF-8 as they stand.
  const auto name = block.subspan(kSaveNameOffset, kSaveNameLength);
  const auto end = std::find(name.begin(), name.end(), std::uint8_t{0});
  std::string text(name.begin(), end);
  if (block[kClearMarkOffset] == 1) text += kClearedSlotSuffix;
  return text;
}

std::vector<SaveBlockEntry> ListSaveBlocks(std::span<const std::uint8_t> image) {
  std::vector<SaveBlockEntry> entries;
  if (image.size() < kSaveImageSize) return entries;
  for (std::size_t i = 0; i < kSaveBlockCount; ++i) {
    const auto block = image.subspan(i * kSaveBlockSize, kSaveBlockSize);
    if (IsUsableSaveBlock(block))
      entries.push_back({SaveBlockEntryText(block), static_cast<std::int32_t>(i * kSaveBlockSize)});
  }
  return entries;
}

bool ReadSaveBlock(std::span<const std::uint8_t> image, std::size_t offset, TPasswordData& data) {
  if (offset > image.size() || image.size() - offset < kPartyEnd) return false;
  std::memcpy(&data, image.data() + offset + kSaveBlockPartyOffset, kPasswordDataSize);
  return true;
}

}  // namespace velmara
