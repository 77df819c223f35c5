// Whole-file reads and writes shared by the loaders and writers of this layer.
// Reads are bounded and writes never leave a half-written target behind.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace velmara {

// Reads at most `maxBytes` from the start of the regular file at `path`; a
// shorter file yields all of it. nullopt when the path is missing, is not a
// regular file (a directory, FIFO, socket or device, which could block or never
// end), cannot be opened or fails while being read.
std::optional<QByteArray> ReadFileHead(const QString& path, qint64 maxBytes);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`
// only when every byte has been written. False when any step fails; then the
// file at `path`, if there was one, is as it was.
bool WriteFileAtomically(const QString& path, QByteArrayView bytes);

}  // namespace velmara
