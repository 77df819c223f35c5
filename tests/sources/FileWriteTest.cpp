// Failures of the two writers (.dat and .dmp). Each must report the failure
// and leave whatever was at the target path as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFileInfo>
#include <csignal>

#include "DataFile.h"
#include "TestFiles.h"
#include "TileDump.h"

namespace velmara {
namespace {

struct Writer {
  const char* name;
  bool (*write)(const QString& path);
  qsizetype size;
};

void PrintTo(const Writer& writer, std::ostream* out) {
  *out << writer.name;
}

bool WriteDataFile(const QString& path) {
  return SaveDataFile(path, test::PatternRecord(8));
}

bool WriteTileDump(const QString& path) {
  std::uint8_t tiles[kMaxTiles];
  for (std::size_t i = 0; i < kMaxTiles; ++i) tiles[i] = static_cast<std::uint8_t>(i % 64);
  return SaveTileDump(path, tiles);
}

const Writer kWriters[] = {
    {"DataFile", WriteDataFile, 2608},
    {"TileDump", WriteTileDump, 260},
};

// Lowers this process's file size limit for its lifetime. The limit binds root
// too, so a write can be made to fail part-way in any environment.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // report EFBIG instead of a signal
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = nullptr;
};

class FileWriteTest : public test::TempDirTest, public ::testing::WithParamInterface<Writer> {
 protected:
  const QByteArray kOldContent = QByteArray("an older file that must survive");
};

TEST_P(FileWriteTest, CreatesAFileOfExactlyItsSize) {
  const QString path = PathOf("out.bin");
  ASSERT_TRUE(GetParam().write(path));
  EXPECT_EQ(QFileInfo(path).size(), GetParam().size);
  EXPECT_EQ(Entries(), QStringList{"out.bin"});  // no temporary file left behind
}

TEST_P(FileWriteTest, FailsInsideAMissingFolder) {
  EXPECT_FALSE(GetParam().write(PathOf("no-such-folder/out.bin")));
  EXPECT_TRUE(Entries().isEmpty());
}

TEST_P(FileWriteTest, FailsOnAPathThatIsAFolder) {
  QDir(DirPath()).mkdir("folder");
  QFile inside(PathOf("folder/keep.txt"));
  ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
  inside.close();

  EXPECT_FALSE(GetParam().write(PathOf("folder")));
  EXPECT_TRUE(QFileInfo(PathOf("folder")).isDir());
  EXPECT_TRUE(QFileInfo::exists(PathOf("folder/keep.txt")));
  EXPECT_EQ(Entries(), QStringList{"folder"});
}

TEST_P(FileWriteTest, WriteCutShortLeavesTheOldFileIntact) {
  const QString path = PathOf("out.bin");
  test::WriteBytes(path, kOldContent);
  bool written = true;
  {
    const FileSizeLimit limit(100);
    written = GetParam().write(path);
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(test::ReadBytes(path), kOldContent);
  EXPECT_EQ(Entries(), QStringList{"out.bin"});
}

TEST_P(FileWriteTest, FailsInAReadOnlyFolderLeavingTheOldFileIntact) {
  if (test::PermissionsAreIgnored(DirPath()))
    GTEST_SKIP() << "this process writes regardless of permissions (running as root)";
  QDir(DirPath()).mkdir("locked");
  const QString path = PathOf("locked/out.bin");
  test::WriteBytes(path, kOldContent);
  ASSERT_TRUE(
      QFile::setPermissions(PathOf("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));

  EXPECT_FALSE(GetParam().write(path));
  EXPECT_EQ(test::ReadBytes(path), kOldContent);
  QFile::setPermissions(PathOf("locked"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(Writers, FileWriteTest, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmara
