// The password data file (.dat): exactly the 2,608 bytes of a party record.
#pragma once

#include <QString>

#include "codec/PasswordData.h"
#include "sources/FileAccess.h"

namespace velmara {

enum class DataFileStatus { Loaded, WrongSize, Unreadable };

// Reads a data file into `data`. Reads at most one byte past the record size,
// so a huge file is rejected by its size without being read whole. A path that
// is not a regular file (a directory, FIFO or device, which may block or never
// end) is Unreadable, and `*reason`, when given, says why. `data` changes only
// when the result is Loaded.
DataFileStatus LoadDataFile(const QString& path, TPasswordData& data, QString* reason = nullptr);

// Writes the record as WriteWholeFile does (FileAccess.h): a regular file is
// replaced only when complete, a device or FIFO written in place, a directory
// refused; `wait` as there. False, with `*reason` when given, when it could not
// be written.
bool SaveDataFile(const QString& path, const TPasswordData& data, QString* reason = nullptr,
                  WriteWait wait = WriteWait::MayWait);

}  // namespace velmara
