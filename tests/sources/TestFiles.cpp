#include "tests/sources/TestFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>

#include "sources/SaveFile.h"
#include "tests/common/FifoRelease.h"
#include "tests/common/PasswordSupport.h"

namespace velmara::test {

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QByteArray BytesOf(const TPasswordData& data) {
  return QByteArray::fromStdString(testing::RecordBytes(data));
}

TPasswordData PatternRecord(std::uint8_t seed) {
  TPasswordData data;
  auto* bytes = reinterpret_cast<std::uint8_t*>(&data);
  for (std::size_t i = 0; i < sizeof data; ++i)
    bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
  return data;
}

bool PermissionsAreIgnored(const QString& scratchDir) {
  const QString probe = scratchDir + "/permission-probe";
  {
    QFile file(probe);
    if (!file.open(QIODevice::WriteOnly)) return false;
  }
  ::chmod(QFile::encodeName(probe).constData(), 0);
  const int fd = ::open(QFile::encodeName(probe).constData(), O_RDONLY);
  if (fd >= 0) ::close(fd);
  QFile::remove(probe);
  return fd >= 0;
}

bool CallsReturnPromptlyOnFifo(const QString& fifoPath, bool writerHolds, std::size_t pending,
                               const std::function<void()>& call) {
  const QByteArray name = QFile::encodeName(fifoPath);
  if (::mkfifo(name.constData(), 0600) != 0) {
    ADD_FAILURE() << "mkfifo failed: " << std::strerror(errno);
    return true;
  }
  int writer = -1;
  if (writerHolds) {
    // Opening read-write never blocks on Linux and counts as a writer.
    writer = ::open(name.constData(), O_RDWR | O_NONBLOCK);
    if (writer < 0) {
      ADD_FAILURE() << "cannot open FIFO: " << std::strerror(errno);
      return true;
    }
    const std::vector<char> filler(pending, 'x');
    if (pending > 0 && ::write(writer, filler.data(), filler.size()) < 0)
      ADD_FAILURE() << "cannot fill FIFO: " << std::strerror(errno);
  }

  auto done = std::async(std::launch::async, call);
  const bool prompt = done.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  if (writer >= 0) ::close(writer);  // a reader still waiting now sees the end of the file
  while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
    ReleaseWaitingReader(name.toStdString());
  done.get();
  return prompt;
}

std::vector<std::uint8_t> MakeBlock(const BlockFields& fields) {
  std::vector<std::uint8_t> block(kSaveBlockSize);
  for (std::size_t i = 0; i < block.size(); ++i)
    block[i] = static_cast<std::uint8_t>(0xA0 + i % 13);
  std::copy(fields.signature.begin(), fields.signature.end(), block.begin());
  block[kSaveBlockSlotOffset] = fields.slot;
  std::fill_n(block.begin() + kSaveNameOffset, kSaveNameLength, std::uint8_t{0});
  std::copy_n(fields.name.begin(), std::min(fields.name.size(), kSaveNameLength),
              block.begin() + kSaveNameOffset);
  block[kClearMarkOffset] = fields.clearMark;
  block[kSaveBlockPartyOffset + offsetof(TPasswordData, Characters) +
        offsetof(TCharacterRecord, Level)] = fields.isaacLevel;
  return block;
}

std::string TypeParamName(const ::testing::TestParamInfo<TPasswordType>& info) {
  return PasswordTypeName(info.param);
}

void PutBlock(std::vector<std::uint8_t>& image, std::size_t index, const BlockFields& fields) {
  const auto block = MakeBlock(fields);
  std::copy(block.begin(), block.end(), image.begin() + index * kSaveBlockSize);
}

}  // namespace velmara::test
