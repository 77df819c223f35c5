// Scans an arbitrary file image for save blocks as the battery save reader
// does. Every listed entry must be a whole block inside the first 64 KiB, in
// ascending order, pass the block test, and load the bytes at its offset + 16.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "sources/SaveFile.h"

using namespace velmara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
  if (size > 128 * 1024) return -1;  // twice a save image is plenty
  const std::span<const std::uint8_t> image(input, size);
  const auto entries = ListSaveSlots(image);
  if (size < kSaveImageSize && !entries.empty()) std::abort();

  std::int64_t previous = -1;
  for (const SaveSlotEntry& entry : entries) {
    const auto offset = static_cast<std::size_t>(entry.offset);
    if (entry.offset <= previous || offset % kSaveBlockSize != 0 ||
        offset + kSaveBlockSize > kSaveImageSize)
      std::abort();
    previous = entry.offset;
    if (!IsUsableSaveBlock(image.subspan(offset, kSaveBlockSize))) std::abort();
    TPasswordData data;
    if (!ReadSaveBlock(image, offset, data)) std::abort();
    if (std::memcmp(&data, input + offset + kSaveBlockPartyOffset, sizeof data) != 0) std::abort();
  }
  return 0;
}
