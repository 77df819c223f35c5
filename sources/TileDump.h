// The raw tile dump (.dmp): the encoder's 260-byte tile buffer, written only.
#pragma once

#include <QString>
#include <cstdint>

#include "codec/PasswordFormat.h"
#include "sources/FileAccess.h"

namespace velmara {

// Writes the 260 tiles as WriteWholeFile does (FileAccess.h): a regular file is
// replaced only when complete, a device or FIFO written in place, a directory
// refused; `wait` as there. False, with `*reason` when given, when it could not
// be written.
bool SaveTileDump(const QString& path, const std::uint8_t (&tiles)[kMaxTiles],
                  QString* reason = nullptr, WriteWait wait = WriteWait::MayWait);

}  // namespace velmara
