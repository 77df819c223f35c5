#include "sources/SaveFile.h"

#include "sources/FileAccess.h"

namespace velmara {

std::vector<SaveSlotEntry> ListSaveSlots(std::span<const std::uint8_t> image) {
  std::vector<SaveSlotEntry> entries;
  for (const SaveBlockEntry& block : ListSaveBlocks(image))
    entries.push_back({QString::fromStdString(block.text), block.offset});
  return entries;
}

std::optional<QByteArray> ReadSaveImage(const QString& path, QString* reason) {
  return ReadFileHead(path, static_cast<qint64>(kSaveImageSize), reason);
}

}  // namespace velmara
