#include "sources/TileDump.h"

#include "sources/FileAccess.h"

namespace velmara {

bool SaveTileDump(const QString& path, const std::uint8_t (&tiles)[kMaxTiles], QString* reason,
                  WriteWait wait) {
  return WriteWholeFile(path, QByteArrayView(reinterpret_cast<const char*>(tiles), kMaxTiles),
                        reason, wait);
}

}  // namespace velmara
