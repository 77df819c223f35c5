// Whole-file reads and writes shared by the loaders and writers of this layer.
// Reads are bounded and writes never leave a half-written regular file behind.
// Every call can report why it failed, in the system's words ("No such file or
// directory"), through an optional `reason`.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace velmara {

// The reason given for a path that exists but is neither a regular file nor,
// for a write, something that can be written in place.
inline constexpr char kNotARegularFile[] = "Not a regular file";

// Reads at most `maxBytes` from the start of the regular file at `path`; a
// shorter file yields all of it. nullopt when the path is missing, is not a
// regular file (a directory, FIFO, socket or device, which could block or never
// end), cannot be opened or fails while being read; then `*reason`, when given,
// says why.
std::optional<QByteArray> ReadFileHead(const QString& path, qint64 maxBytes,
                                       QString* reason = nullptr);

// Whether a write into a FIFO or device may wait. A command-line program
// waits for the reader of a FIFO, as any such program does; a window must
// not, or it stops answering until a reader comes.
enum class WriteWait { MayWait, NeverWait };

// The reason a FIFO without a reader gives under WriteWait::NeverWait.
inline constexpr char kNoReader[] = "Nothing is reading from it";

// Writes `bytes` as the whole content of `path`:
// - a regular file, or a path that does not exist yet, is written through a
//   temporary file beside it that is renamed over `path` only when every byte
//   has been written; a symbolic link is followed and its target replaced;
// - a directory is refused;
// - anything else that exists (a character device, a FIFO, a socket) is opened
//   and written as it is, never replaced. With MayWait, opening a FIFO waits
//   for a reader and a write waits for room; with NeverWait, a FIFO without a
//   reader fails at once (kNoReader), and so does a write that would wait.
// False when any step fails, with `*reason` saying why; a regular file at
// `path` is then as it was.
bool WriteWholeFile(const QString& path, QByteArrayView bytes, QString* reason = nullptr,
                    WriteWait wait = WriteWait::MayWait);

}  // namespace velmara
