// The two writers (.dat and .dmp) at every kind of target path. A regular
// file is replaced whole or not at all; a device or FIFO is written as it is
// and stays what it was; a folder is refused. A failure names the system's
// reason.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFileInfo>
#include <csignal>

#include "sources/DataFile.h"
#include "sources/TileDump.h"
#include "tests/common/SpecialFiles.h"
#include "tests/sources/TestFiles.h"

namespace velmara {
namespace {

struct Writer {
  const char* name;
  bool (*write)(const QString& path, QString* reason, WriteWait wait);
  QByteArray (*content)();  // what a successful write puts there
};

void PrintTo(const Writer& writer, std::ostream* out) {
  *out << writer.name;
}

bool WriteDataFile(const QString& path, QString* reason, WriteWait wait) {
  return SaveDataFile(path, test::PatternRecord(8), reason, wait);
}
QByteArray DataFileContent() {
  return test::BytesOf(test::PatternRecord(8));
}

void FillTiles(std::uint8_t (&tiles)[kMaxTiles]) {
  for (std::size_t i = 0; i < kMaxTiles; ++i) tiles[i] = static_cast<std::uint8_t>(i % 64);
}
bool WriteTileDump(const QString& path, QString* reason, WriteWait wait) {
  std::uint8_t tiles[kMaxTiles];
  FillTiles(tiles);
  return SaveTileDump(path, tiles, reason, wait);
}
QByteArray TileDumpContent() {
  std::uint8_t tiles[kMaxTiles];
  FillTiles(tiles);
  return QByteArray(reinterpret_cast<const char*>(tiles), kMaxTiles);
}

const Writer kWriters[] = {
    {"DataFile", WriteDataFile, DataFileContent},
    {"TileDump", WriteTileDump, TileDumpContent},
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
  bool Write(const QString& path, QString* reason = nullptr,
             WriteWait wait = WriteWait::MayWait) const {
    return GetParam().write(path, reason, wait);
  }
  static std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

  const QByteArray kOldContent = QByteArray("an older file that must survive");
};

TEST_P(FileWriteTest, CreatesAFileOfExactlyItsSize) {
  const QString path = PathOf("out.bin");
  ASSERT_TRUE(Write(path));
  EXPECT_EQ(test::ReadBytes(path), GetParam().content());
  EXPECT_EQ(Entries(), QStringList{"out.bin"});  // no temporary file left behind
}

TEST_P(FileWriteTest, FailsInsideAMissingFolder) {
  QString reason;
  EXPECT_FALSE(Write(PathOf("no-such-folder/out.bin"), &reason));
  EXPECT_EQ(reason, "No such file or directory");
  EXPECT_TRUE(Entries().isEmpty());
}

TEST_P(FileWriteTest, FailsBelowAPlainFile) {
  test::WriteBytes(PathOf("plain"), kOldContent);
  QString reason;
  EXPECT_FALSE(Write(PathOf("plain/out.bin"), &reason));
  EXPECT_EQ(reason, "Not a directory");
  EXPECT_EQ(test::ReadBytes(PathOf("plain")), kOldContent);
}

TEST_P(FileWriteTest, FailsOnAPathThatIsAFolder) {
  QDir(DirPath()).mkdir("folder");
  QFile inside(PathOf("folder/keep.txt"));
  ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
  inside.close();

  QString reason;
  EXPECT_FALSE(Write(PathOf("folder"), &reason));
  EXPECT_EQ(reason, "Is a directory");
  EXPECT_TRUE(QFileInfo(PathOf("folder")).isDir());
  EXPECT_TRUE(QFileInfo::exists(PathOf("folder/keep.txt")));
  EXPECT_EQ(Entries(), QStringList{"folder"});
}

TEST_P(FileWriteTest, WriteCutShortLeavesTheOldFileIntact) {
  const QString path = PathOf("out.bin");
  test::WriteBytes(path, kOldContent);
  bool written = true;
  QString reason;
  {
    const FileSizeLimit limit(100);
    written = Write(path, &reason);
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(reason, "File too large");
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

  EXPECT_FALSE(Write(path));
  EXPECT_EQ(test::ReadBytes(path), kOldContent);
  QFile::setPermissions(PathOf("locked"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Replacing a FIFO would leave its reader waiting for ever and the node gone.
TEST_P(FileWriteTest, WritesIntoAFifoThatStaysAFifo) {
  for (const WriteWait wait : {WriteWait::MayWait, WriteWait::NeverWait}) {
    SCOPED_TRACE(wait == WriteWait::MayWait ? "may wait" : "never waits");
    QFile::remove(PathOf("out.fifo"));
    const std::string fifo = Native(PathOf("out.fifo"));
    bool written = false;
    QString reason;
    const test::FifoCapture capture =
        test::CaptureFifo(fifo, [&] { written = Write(PathOf("out.fifo"), &reason, wait); });
    EXPECT_TRUE(written) << reason.toStdString();
    EXPECT_TRUE(capture.closed);
    EXPECT_EQ(QByteArray::fromStdString(capture.bytes), GetParam().content());
    EXPECT_EQ(test::NodeType(fifo), S_IFIFO);
    EXPECT_EQ(Entries(), QStringList{"out.fifo"});
  }
}

// The window's saves never wait: a FIFO that nobody reads fails at once and
// stays as it was.
TEST_P(FileWriteTest, NeverWaitFailsAtOnceOnAFifoWithoutReader) {
  const std::string fifo = Native(PathOf("out.fifo"));
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
  test::FifoWaitRelease release(fifo, test::FifoWaitRelease::Side::Writer);
  QString reason;
  const bool written = Write(PathOf("out.fifo"), &reason, WriteWait::NeverWait);
  EXPECT_FALSE(release.stop()) << "the write waited for a reader";
  EXPECT_FALSE(written);
  EXPECT_EQ(reason, kNoReader);
  EXPECT_EQ(test::NodeType(fifo), S_IFIFO);
  EXPECT_EQ(Entries(), QStringList{"out.fifo"});
}

// As root, replacing a device such as /dev/null would replace the system's
// device with a plain file; the node must stay and be written as a device.
TEST_P(FileWriteTest, WritesIntoACharacterDeviceThatStaysADevice) {
  const struct {
    const char* name;
    test::DeviceNumber device;
    bool written;
    const char* reason;
  } devices[] = {
      {"null", test::kNullDevice, true, ""},
      {"full", test::kFullDevice, false, "No space left on device"},
  };
  for (const auto& d : devices) {
    SCOPED_TRACE(d.name);
    const std::string node = Native(PathOf(d.name));
    if (const std::string why = test::MakeCharacterDevice(node, d.device); !why.empty())
      GTEST_SKIP() << "cannot make a device node: " << why;
    for (const WriteWait wait : {WriteWait::MayWait, WriteWait::NeverWait}) {
      QString reason;
      EXPECT_EQ(Write(PathOf(d.name), &reason, wait), d.written);
      EXPECT_EQ(reason, d.reason);
      EXPECT_EQ(test::NodeType(node), S_IFCHR);
    }
  }
  EXPECT_EQ(Entries(), (QStringList{"full", "null"}));
}

// A link is followed: the file it points to is replaced and the link stays;
// a link to a FIFO writes the FIFO, a link to a folder is refused.
TEST_P(FileWriteTest, FollowsASymbolicLink) {
  test::WriteBytes(PathOf("target.bin"), kOldContent);
  ASSERT_TRUE(QFile::link(PathOf("target.bin"), PathOf("link.bin")));
  ASSERT_TRUE(Write(PathOf("link.bin")));
  EXPECT_EQ(test::ReadBytes(PathOf("target.bin")), GetParam().content());
  EXPECT_EQ(test::NodeType(Native(PathOf("link.bin"))), S_IFLNK);

  ASSERT_TRUE(QFile::link(PathOf("out.fifo"), PathOf("fifo-link")));
  bool written = false;
  const test::FifoCapture capture =
      test::CaptureFifo(Native(PathOf("out.fifo")), [&] { written = Write(PathOf("fifo-link")); });
  EXPECT_TRUE(written);
  EXPECT_EQ(QByteArray::fromStdString(capture.bytes), GetParam().content());

  QDir(DirPath()).mkdir("folder");
  ASSERT_TRUE(QFile::link(PathOf("folder"), PathOf("folder-link")));
  QString reason;
  EXPECT_FALSE(Write(PathOf("folder-link"), &reason));
  EXPECT_EQ(reason, "Is a directory");
  EXPECT_EQ(QDir(PathOf("folder")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Writers, FileWriteTest, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmara
