#include "sources/DataFile.h"

#include <gtest/gtest.h>

#include <cstring>

#include "sources/SaveFile.h"
#include "tests/sources/TestFiles.h"

namespace velmara {
namespace {

class DataFileTest : public test::TempDirTest {
 protected:
  // Loads `path` into a record filled with a pattern, and checks the pattern
  // survives whenever the load does not succeed.
  DataFileStatus LoadKeepingRecordOnFailure(const QString& path, QString* reason = nullptr) {
    const TPasswordData before = test::PatternRecord(99);
    TPasswordData data = before;
    const DataFileStatus status = LoadDataFile(path, data, reason);
    if (status != DataFileStatus::Loaded) {
      EXPECT_EQ(test::BytesOf(data), test::BytesOf(before));
    }
    return status;
  }
};

TEST_F(DataFileTest, SaveThenLoadIsIdenticalByteForByte) {
  const TPasswordData saved = test::PatternRecord(5);
  const QString path = PathOf("party.dat");
  ASSERT_TRUE(SaveDataFile(path, saved));
  EXPECT_EQ(test::ReadBytes(path), test::BytesOf(saved));

  TPasswordData loaded{};
  ASSERT_EQ(LoadDataFile(path, loaded), DataFileStatus::Loaded);
  EXPECT_EQ(test::BytesOf(loaded), test::BytesOf(saved));
}

TEST_F(DataFileTest, SaveReplacesTheWholeOfALongerFile) {
  const QString path = PathOf("party.dat");
  test::WriteBytes(path, QByteArray(5000, 'z'));
  const TPasswordData saved = test::PatternRecord(17);
  ASSERT_TRUE(SaveDataFile(path, saved));
  EXPECT_EQ(test::ReadBytes(path), test::BytesOf(saved));
}

TEST_F(DataFileTest, OnlyAFileOfExactly2608BytesLoads) {
  const auto block = test::MakeBlock({.name = "Mia", .isaacLevel = 37});
  const QByteArray blockBytes = test::ToQByteArray(block);
  struct SizeCase {
    const char* what;
    QByteArray content;
    DataFileStatus status;
  };
  const SizeCase cases[] = {
      {"party record cut from a save block", blockBytes.mid(16, 2608), DataFileStatus::Loaded},
      {"block cut from offset 0 with its header", blockBytes.first(2624),
       DataFileStatus::WrongSize},
      {"one byte too many", blockBytes.mid(16, 2609), DataFileStatus::WrongSize},
      {"one byte too few", blockBytes.mid(16, 2607), DataFileStatus::WrongSize},
      {"empty file", QByteArray(), DataFileStatus::WrongSize},
      {"whole save block", blockBytes, DataFileStatus::WrongSize},
      {"one MiB", QByteArray(1 << 20, '\x01'), DataFileStatus::WrongSize},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = PathOf("party.dat");
    test::WriteBytes(path, c.content);
    EXPECT_EQ(LoadKeepingRecordOnFailure(path), c.status);
  }
}

TEST_F(DataFileTest, RecordCutFromASaveBlockLoadsLikeTheBlock) {
  const auto block = test::MakeBlock({.name = "Mia", .isaacLevel = 37});
  const QString path = PathOf("party.dat");
  test::WriteBytes(path, test::ToQByteArray(block).mid(16, 2608));

  std::vector<std::uint8_t> image(kSaveImageSize);
  test::PutBlock(image, 0, {.name = "Mia", .isaacLevel = 37});
  TPasswordData fromSave{};
  ASSERT_TRUE(ReadSaveBlock(image, 0, fromSave));
  TPasswordData fromFile{};
  ASSERT_EQ(LoadDataFile(path, fromFile), DataFileStatus::Loaded);
  EXPECT_EQ(test::BytesOf(fromFile), test::BytesOf(fromSave));
  EXPECT_EQ(fromFile.Characters[0].Level, 37);
}

TEST_F(DataFileTest, HugeSparseFileIsRejectedWithoutBeingReadWhole) {
  // Reading all of it would need 16 GiB of memory.
  const QString path = PathOf("huge.dat");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  if (!file.resize(qint64{16} << 30))
    GTEST_SKIP() << "file system cannot hold a sparse 16 GiB file";
  file.close();
  EXPECT_EQ(LoadKeepingRecordOnFailure(path), DataFileStatus::WrongSize);
}

TEST_F(DataFileTest, PathsThatAreNotReadableFilesAreUnreadableAndSayWhy) {
  QDir(DirPath()).mkdir("folder");
  test::WriteBytes(PathOf("plain"), QByteArray("x"));
  struct Case {
    const char* what;
    QString path;
    const char* reason;
  };
  for (const Case& c : {Case{"missing file", PathOf("missing.dat"), "No such file or directory"},
                        Case{"below a plain file", PathOf("plain/party.dat"), "Not a directory"},
                        Case{"directory", PathOf("folder"), "Is a directory"},
                        Case{"endless device", "/dev/zero", "Not a regular file"}}) {
    SCOPED_TRACE(c.what);
    QString reason;
    EXPECT_EQ(LoadKeepingRecordOnFailure(c.path, &reason), DataFileStatus::Unreadable);
    EXPECT_EQ(reason, c.reason);
  }
}

TEST_F(DataFileTest, FifoIsRefusedWithoutBlocking) {
  // Without a writer, opening the FIFO blocks; with a writer that holds it open
  // past a record's worth of bytes, a reader waiting for the end waits for ever.
  for (const bool writerHolds : {false, true}) {
    SCOPED_TRACE(writerHolds ? "writer holds the FIFO open" : "no writer");
    DataFileStatus status = DataFileStatus::Loaded;
    const QString path = PathOf(writerHolds ? "held.dat" : "idle.dat");
    EXPECT_TRUE(test::CallsReturnPromptlyOnFifo(
        path, writerHolds, 3000, [&] { status = LoadKeepingRecordOnFailure(path); }));
    EXPECT_EQ(status, DataFileStatus::Unreadable);
  }
}

TEST_F(DataFileTest, FileWithoutReadPermissionIsUnreadable) {
  if (test::PermissionsAreIgnored(DirPath()))
    GTEST_SKIP() << "this process reads files regardless of permissions (running as root)";
  const QString path = PathOf("locked.dat");
  test::WriteBytes(path, test::BytesOf(test::PatternRecord(1)));
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
  QString reason;
  EXPECT_EQ(LoadKeepingRecordOnFailure(path, &reason), DataFileStatus::Unreadable);
  EXPECT_EQ(reason, "Permission denied");
}

}  // namespace
}  // namespace velmara
