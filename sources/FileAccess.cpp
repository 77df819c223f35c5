#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmara {

std::optional<QByteArray> ReadFileHead(const QString& path, qint64 maxBytes) {
  // Opening a FIFO for reading blocks until a writer appears, so the type is
  // checked before the open; the open file is checked again in case the path
  // was replaced in between.
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return std::nullopt;

  QByteArray bytes(maxBytes, Qt::Uninitialized);
  qint64 total = 0;
  while (total < maxBytes) {
    const qint64 got = file.read(bytes.data() + total, maxBytes - total);
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    total += got;
  }
  bytes.truncate(total);
  return bytes;
}

bool WriteFileAtomically(const QString& path, QByteArrayView bytes) {
  // Unbuffered, so that a short or failed write shows in write()'s result: a
  // buffered write that fails only when commit() flushes it is not noticed by
  // commit(), which would then rename a truncated file over the target.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  // An uncommitted QSaveFile removes its temporary file and leaves `path` alone.
  if (file.write(bytes.data(), bytes.size()) != bytes.size()) return false;
  return file.commit();
}

}  // namespace velmara
