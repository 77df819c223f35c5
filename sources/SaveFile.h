// Reading the first game's battery save (.sav) from disk. The block test,
// the entry texts and the block read work on the bytes in memory and live in
// core's SaveImage.h, which this header brings along.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/SaveImage.h"

namespace velmara {

// One usable block as the window lists it: its entry text and its byte
// offset in the file.
struct SaveSlotEntry {
  QString text;
  std::int32_t offset;
};

// The usable blocks of a save image in block order (ListSaveBlocks with the
// texts as QString); none if the image is shorter than 65,536 bytes.
std::vector<SaveSlotEntry> ListSaveSlots(std::span<const std::uint8_t> image);

// Reads at most the first 65,536 bytes of a save file; a longer file is
// accepted. nullopt when the file cannot be opened or read, or is not a regular
// file (a directory, FIFO or device); then `*reason`, when given, says why.
std::optional<QByteArray> ReadSaveImage(const QString& path, QString* reason = nullptr);

// The bytes of a retained save image, for the functions above.
inline std::span<const std::uint8_t> SaveImageBytes(const QByteArray& image) {
  return {reinterpret_cast<const std::uint8_t*>(image.constData()),
          static_cast<std::size_t>(image.size())};
}

}  // namespace velmara
