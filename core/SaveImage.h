// The first game's battery save (.sav) as bytes in memory: sixteen 4096-byte
// blocks, each usable one signed "CAMELOT" and carrying a party record at
// byte 16. Reading the file is the caller's business.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codec/PasswordData.h"

namespace velmara {

constexpr std::size_t kSaveImageSize = 65536;  // only this much of a file is looked at
constexpr std::size_t kSaveBlockSize = 4096;
constexpr std::size_t kSaveBlockCount = 16;
constexpr std::size_t kSaveBlockPartyOffset = 16;  // the party record inside a block
constexpr std::size_t kSaveBlockSlotOffset = 7;
constexpr std::uint8_t kMaxSaveSlot = 2;
// Every block that holds a saved game starts with these bytes, no terminator.
constexpr std::string_view kSaveSignature = "CAMELOT";
// The record's SaveName and ClearMark, as offsets inside a block.
constexpr std::size_t kSaveNameOffset = kSaveBlockPartyOffset + offsetof(TPasswordData, SaveName);
constexpr std::size_t kSaveNameLength = sizeof(TPasswordData::SaveName);
constexpr std::size_t kClearMarkOffset = kSaveBlockPartyOffset + offsetof(TPasswordData, ClearMark);
static_assert(kSaveNameOffset == 16 && kSaveNameLength == 5 && kClearMarkOffset == 49);
// Appended to the entry text of a block whose ClearMark is 1 ("cleared").
inline constexpr char kClearedSlotSuffix[] = "（清空）";

// One usable block: its entry text in UTF-8 (the save name up to its first
// zero byte, plus "（清空）" for a cleared slot) and its byte offset in the file.
struct SaveBlockEntry {
  std::string text;
  std::int32_t offset;
};

// The block test: signature, slot number 0..2, five acceptable name bytes.
// A span too short to hold a block's party record is never usable.
bool IsUsableSaveBlock(std::span<const std::uint8_t> block);

// The entry text of a block that passes the block test.
std::string SaveBlockEntryText(std::span<const std::uint8_t> block);

// The usable blocks of a save image in block order; none if the image is
// shorter than 65,536 bytes. Bytes past the first 65,536 are ignored.
std::vector<SaveBlockEntry> ListSaveBlocks(std::span<const std::uint8_t> image);

// Copies the party record of the block at `offset` out of the image.
// Returns false (and leaves `data` alone) if the block lies outside the image.
bool ReadSaveBlock(std::span<const std::uint8_t> image, std::size_t offset, TPasswordData& data);

}  // namespace velmara
