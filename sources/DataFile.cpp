#include "sources/DataFile.h"

#include <cstring>

#include "sources/FileAccess.h"

namespace velmara {

DataFileStatus LoadDataFile(const QString& path, TPasswordData& data, QString* reason) {
  // One byte more than a record tells a longer file from an exact one.
  const auto bytes = ReadFileHead(path, static_cast<qint64>(kPasswordDataSize) + 1, reason);
  if (!bytes) return DataFileStatus::Unreadable;
  if (static_cast<std::size_t>(bytes->size()) != kPasswordDataSize)
    return DataFileStatus::WrongSize;
  std::memcpy(&data, bytes->constData(), kPasswordDataSize);
  return DataFileStatus::Loaded;
}

bool SaveDataFile(const QString& path, const TPasswordData& data, QString* reason, WriteWait wait) {
  return WriteWholeFile(
      path, QByteArrayView(reinterpret_cast<const char*>(&data), kPasswordDataSize), reason, wait);
}

}  // namespace velmara
