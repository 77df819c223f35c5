#include "sources/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace velmara {

namespace {

QString SystemReason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// Sets the reason when the caller asked for one; false for the caller to return.
bool Fail(QString* reason, const QString& why) {
  if (reason) *reason = why;
  return false;
}

// The type of what `path` names, symbolic links followed; errno when it
// cannot be examined.
struct PathType {
  int error = 0;
  mode_t mode = 0;
  bool exists() const { return error == 0; }
};

PathType TypeOf(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return {errno, 0};
  return {0, status.st_mode};
}

// Writes all of `bytes`. A write cut short without an error (a file size
// limit, a full disk) is followed by another, which then fails with the
// system's reason.
bool WriteAll(QFileDevice& file, QByteArrayView bytes, QString* reason) {
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 count = file.write(bytes.data() + written, bytes.size() - written);
    if (count <= 0) return Fail(reason, file.errorString());
    written += count;
  }
  return true;
}

// For a device or a FIFO, replacing it would remove the node itself (as root,
// a system device), so its content is written as any program writes it.
bool WriteInPlace(const QString& path, QByteArrayView bytes, QString* reason, WriteWait wait) {
  QFile file(path);
  if (wait == WriteWait::MayWait) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
      return Fail(reason, file.errorString());
    return WriteAll(file, bytes, reason);
  }
  // Opening a FIFO's write end without blocking fails with ENXIO while no
  // reader has it open; the descriptor stays non-blocking, so a full pipe
  // fails the write instead of holding it.
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return Fail(reason, errno == ENXIO ? QString::fromLatin1(kNoReader) : SystemReason(errno));
  if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return Fail(reason, file.errorString());
  }
  return WriteAll(file, bytes, reason);
}

bool ReplaceAtomically(const QString& path, QByteArrayView bytes, QString* reason) {
  // Unbuffered, so that a short or failed write shows in write()'s result: a
  // buffered write that fails only when commit() flushes it is not noticed by
  // commit(), which would then rename a truncated file over the target.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return Fail(reason, file.errorString());
  // An uncommitted QSaveFile removes its temporary file and leaves `path` alone.
  if (!WriteAll(file, bytes, reason)) return false;
  if (!file.commit()) return Fail(reason, file.errorString());
  return true;
}

}  // namespace

std::optional<QByteArray> ReadFileHead(const QString& path, qint64 maxBytes, QString* reason) {
  const auto refuse = [reason](const QString& why) {
    Fail(reason, why);
    return std::nullopt;
  };
  // Opening a FIFO for reading blocks until a writer appears, so the type is
  // checked before the open; the open file is checked again in case the path
  // was replaced in between.
  const PathType type = TypeOf(path);
  if (!type.exists()) return refuse(SystemReason(type.error));
  if (S_ISDIR(type.mode)) return refuse(SystemReason(EISDIR));
  if (!S_ISREG(type.mode)) return refuse(kNotARegularFile);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return refuse(file.errorString());
  if (file.isSequential()) return refuse(kNotARegularFile);

  QByteArray bytes(maxBytes, Qt::Uninitialized);
  qint64 total = 0;
  while (total < maxBytes) {
    const qint64 got = file.read(bytes.data() + total, maxBytes - total);
    if (got < 0) return refuse(file.errorString());
    if (got == 0) break;
    total += got;
  }
  bytes.truncate(total);
  return bytes;
}

bool WriteWholeFile(const QString& path, QByteArrayView bytes, QString* reason, WriteWait wait) {
  const PathType type = TypeOf(path);
  if (!type.exists()) {
    // A new file, or a path whose folder is missing: the atomic writer
    // creates the one and names the fault of the other.
    if (type.error == ENOENT) return ReplaceAtomically(path, bytes, reason);
    return Fail(reason, SystemReason(type.error));
  }
  if (S_ISDIR(type.mode)) return Fail(reason, SystemReason(EISDIR));
  if (S_ISREG(type.mode)) return ReplaceAtomically(path, bytes, reason);
  return WriteInPlace(path, bytes, reason, wait);
}

}  // namespace velmara
