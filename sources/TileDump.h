// The raw tile dump (.dmp): the encoder's 260-byte tile buffer, written only.
#pragma once

#include <QString>
#include <cstdint>

#include "PasswordFormat.h"

namespace velmara {

// Writes the 260 tiles atomically; false when the file could not be written.
bool SaveTileDump(const QString& path, const std::uint8_t (&tiles)[kMaxTiles]);

}  // namespace velmara
