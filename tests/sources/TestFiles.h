// Files and save images the sources tests build for themselves.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "codec/PasswordData.h"
#include "codec/PasswordFormat.h"

namespace velmara::test {

// A fresh directory per test, removed afterwards.
class TempDirTest : public ::testing::Test {
 protected:
  QString DirPath() const { return dir_.path(); }
  QString PathOf(const QString& name) const { return dir_.filePath(name); }
  // Every entry, FIFOs and device nodes included.
  QStringList Entries() const {
    return QDir(dir_.path())
        .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
  }

 private:
  QTemporaryDir dir_;
};

void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);  // the whole file, for checking results

QByteArray BytesOf(const TPasswordData& data);
// A record whose every byte differs from its neighbours, so a shifted or
// partial copy shows.
TPasswordData PatternRecord(std::uint8_t seed);

// True when this process can read a file it has no read permission for (root
// or CAP_DAC_OVERRIDE), where permission tests prove nothing.
bool PermissionsAreIgnored(const QString& scratchDir);

// Creates a FIFO at `fifoPath` and runs `call`, which reads it. With
// `writerHolds` set, this test keeps the FIFO open for writing with `pending`
// bytes in it, so a reader neither blocks in open() nor ever sees an end of
// file; without it nobody writes, so a reader's open() blocks. Returns false if
// `call` did not return within a few seconds. Either way a blocked reader is
// released afterwards (an end of file), so the test cannot hang.
bool CallsReturnPromptlyOnFifo(const QString& fifoPath, bool writerHolds, std::size_t pending,
                               const std::function<void()>& call);

// One block of a battery save as the tests describe it.
struct BlockFields {
  std::string_view signature = "CAMELOT";
  std::uint8_t slot = 0;
  std::string_view name = "Mia";  // padded with zero bytes to five
  std::uint8_t clearMark = 0;
  std::uint8_t isaacLevel = 1;  // tells blocks apart once loaded
};

// A 4096-byte block: the header, name and clear mark, a party record
// with Isaac's level set, and non-zero filler everywhere else.
std::vector<std::uint8_t> MakeBlock(const BlockFields& fields);
// Copies MakeBlock(fields) into `image` as block `index`.
void PutBlock(std::vector<std::uint8_t>& image, std::size_t index, const BlockFields& fields);

// "Gold", "Silver" or "Bronze", for the names of parameterised tests.
std::string TypeParamName(const ::testing::TestParamInfo<TPasswordType>& info);

inline QByteArray ToQByteArray(std::span<const std::uint8_t> bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

}  // namespace velmara::test
