#include "sources/SaveFile.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/sources/TestFiles.h"

namespace velmara {
namespace {

using test::BlockFields;
using test::MakeBlock;
using test::PutBlock;

std::vector<std::uint8_t> EmptyImage(std::size_t size = kSaveImageSize) {
  return std::vector<std::uint8_t>(size, 0);
}

std::uint8_t IsaacLevel(const TPasswordData& data) {
  return data.Characters[0].Level;
}

struct BlockCase {
  const char* what;
  BlockFields fields;
  bool usable;
  const char* text;  // UTF-8 entry text when usable
};

const BlockCase kBlockCases[] = {
    {"three letters padded with zeros", {.name = "Mia"}, true, "Mia"},
    {"five letters, no terminating zero", {.name = "Isaac"}, true, "Isaac"},
    {"clear mark 1 adds the suffix", {.name = "Mia", .clearMark = 1}, true, "Mia（清空）"},
    {"clear mark 2 is no mark", {.name = "Mia", .clearMark = 2}, true, "Mia"},
    {"all-zero name", {.name = ""}, true, ""},
    {"zero byte between letters", {.name = std::string_view("Is\0ac", 5)}, true, "Is"},
    {"tilde and blank", {.name = "~ A~"}, true, "~ A~"},
    {"slot 1", {.slot = 1}, true, "Mia"},
    {"slot 2", {.slot = 2}, true, "Mia"},
    {"slot 3", {.slot = 3}, false, ""},
    {"slot 255", {.slot = 255}, false, ""},
    {"signature in lower case", {.signature = "camelot"}, false, ""},
    {"signature with one byte changed", {.signature = "CAMELOt"}, false, ""},
    {"signature of zeros", {.signature = std::string_view("\0\0\0\0\0\0\0", 7)}, false, ""},
    {"name byte 0x7F", {.name = "Mi\x7F"}, false, ""},
    {"name byte 0x1F", {.name = "Mi\x1F"}, false, ""},
    {"name byte 0x80", {.name = "Mi\x80"}, false, ""},
    {"name byte 0xFF", {.name = "Mi\xFF"}, false, ""},
    {"name byte left brace", {.name = "Mi{"}, false, ""},
    {"name byte right brace", {.name = "Mi}"}, false, ""},
    {"name byte asterisk", {.name = "Mi*"}, false, ""},
    {"name byte backslash", {.name = "Mi\\"}, false, ""},
    {"name byte grave accent", {.name = "Mi`"}, false, ""},
    {"bad byte after a zero byte", {.name = std::string_view("Mi\0\x7F", 4)}, false, ""},
};

TEST(SaveBlockTest, AcceptsAndRejectsBlocksAndNamesThem) {
  for (const auto& c : kBlockCases) {
    SCOPED_TRACE(c.what);
    auto image = EmptyImage();
    PutBlock(image, 0, c.fields);
    EXPECT_EQ(IsUsableSaveBlock(std::span(image).first(kSaveBlockSize)), c.usable);

    const auto entries = ListSaveSlots(image);
    ASSERT_EQ(entries.size(), c.usable ? 1u : 0u);
    if (c.usable) {
      EXPECT_EQ(entries[0].text, QString::fromUtf8(c.text));
      EXPECT_EQ(entries[0].offset, 0);
    }
  }
}

TEST(SaveBlockTest, EveryOneOfTheFiveNameBytesIsTested) {
  for (std::size_t position = 0; position < kSaveNameLength; ++position) {
    SCOPED_TRACE(position);
    std::string name(kSaveNameLength, '\0');
    name[position] = '{';
    const auto block = MakeBlock({.name = name});
    EXPECT_FALSE(IsUsableSaveBlock(block));
  }
}

TEST(SaveBlockTest, SpanTooShortForThePartyRecordIsNotUsable) {
  const auto block = MakeBlock({});
  EXPECT_TRUE(IsUsableSaveBlock(std::span(block).first(kSaveBlockPartyOffset + kPasswordDataSize)));
  EXPECT_FALSE(
      IsUsableSaveBlock(std::span(block).first(kSaveBlockPartyOffset + kPasswordDataSize - 1)));
  EXPECT_FALSE(IsUsableSaveBlock({}));
}

TEST(SaveSlotListTest, BlocksWithTheSameNameAreListedTwiceInBlockOrder) {
  auto image = EmptyImage();
  PutBlock(image, 0, {.slot = 0, .name = "Mia", .isaacLevel = 11});
  PutBlock(image, 1, {.slot = 0, .name = "Mia", .isaacLevel = 22});

  const auto entries = ListSaveSlots(image);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].text, "Mia");
  EXPECT_EQ(entries[1].text, "Mia");
  EXPECT_EQ(entries[0].offset, 0);
  EXPECT_EQ(entries[1].offset, 4096);

  TPasswordData data{};
  ASSERT_TRUE(ReadSaveBlock(image, entries[0].offset, data));
  EXPECT_EQ(IsaacLevel(data), 11);
  ASSERT_TRUE(ReadSaveBlock(image, entries[1].offset, data));
  EXPECT_EQ(IsaacLevel(data), 22);
}

TEST(SaveSlotListTest, SkipsUnusableBlocksAndTagsEachEntryWithItsOffset) {
  auto image = EmptyImage();
  PutBlock(image, 15, {.name = "Last"});
  PutBlock(image, 7, {.slot = 3, .name = "Bad"});
  PutBlock(image, 3, {.name = "Ivan", .clearMark = 1});

  const auto entries = ListSaveSlots(image);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].text, QString::fromUtf8("Ivan（清空）"));
  EXPECT_EQ(entries[0].offset, 3 * 4096);
  EXPECT_EQ(entries[1].text, "Last");
  EXPECT_EQ(entries[1].offset, 15 * 4096);
}

TEST(SaveSlotListTest, OnlyTheFirst64KiBOfAFullImageAreScanned) {
  struct SizeCase {
    std::size_t size;
    std::size_t entries;
  };
  // Every block that fits is well formed, including a seventeenth past 64 KiB.
  for (const SizeCase c : {SizeCase{0, 0}, SizeCase{32768, 0}, SizeCase{65535, 0},
                           SizeCase{65536, 16}, SizeCase{65536 + 4096, 16}}) {
    SCOPED_TRACE(c.size);
    auto image = EmptyImage(c.size);
    for (std::size_t i = 0; (i + 1) * kSaveBlockSize <= c.size; ++i) PutBlock(image, i, {});
    EXPECT_EQ(ListSaveSlots(image).size(), c.entries);
  }
}

TEST(SaveBlockReadTest, CopiesBytes16To2623OfTheBlock) {
  std::vector<std::uint8_t> image(kSaveImageSize);
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>(i * 31 + i / 4096);

  for (const std::size_t offset : {std::size_t{0}, std::size_t{4096}, std::size_t{61440}}) {
    SCOPED_TRACE(offset);
    TPasswordData data{};
    ASSERT_TRUE(ReadSaveBlock(image, offset, data));
    EXPECT_EQ(std::memcmp(&data, image.data() + offset + 16, kPasswordDataSize), 0);
  }
}

TEST(SaveBlockReadTest, RefusesABlockOutsideTheImageAndKeepsTheRecord) {
  const std::vector<std::uint8_t> image(kSaveImageSize, 0x55);
  const TPasswordData before = test::PatternRecord(3);
  for (const std::size_t offset : {kSaveImageSize - (16 + kPasswordDataSize) + 1, kSaveImageSize,
                                   kSaveImageSize + 4096, SIZE_MAX}) {
    SCOPED_TRACE(offset);
    TPasswordData data = before;
    EXPECT_FALSE(ReadSaveBlock(image, offset, data));
    EXPECT_EQ(std::memcmp(&data, &before, sizeof data), 0);
  }
}

class SaveImageFileTest : public test::TempDirTest {};

TEST_F(SaveImageFileTest, ReadsAtMostTheFirst64KiB) {
  for (const qsizetype size :
       {qsizetype{0}, qsizetype{32768}, qsizetype{65536}, qsizetype{100000}}) {
    SCOPED_TRACE(size);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 65536);
    const QString path = PathOf("battery.sav");
    test::WriteBytes(path, bytes);

    const auto image = ReadSaveImage(path);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(*image, bytes.first(std::min<qsizetype>(size, 65536)));
  }
}

TEST_F(SaveImageFileTest, ListsTheBlocksOfASaveReadFromDisk) {
  auto image = EmptyImage(kSaveImageSize + 1000);  // trailing bytes are ignored
  PutBlock(image, 2, {.name = "Garet", .isaacLevel = 42});
  const QString path = PathOf("battery.sav");
  test::WriteBytes(path, test::ToQByteArray(image));

  const auto read = ReadSaveImage(path);
  ASSERT_TRUE(read.has_value());
  const auto entries = ListSaveSlots(SaveImageBytes(*read));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].text, "Garet");
  TPasswordData data{};
  ASSERT_TRUE(ReadSaveBlock(SaveImageBytes(*read), entries[0].offset, data));
  EXPECT_EQ(IsaacLevel(data), 42);
}

TEST_F(SaveImageFileTest, ShortFileIsReadButYieldsNoEntries) {
  std::vector<std::uint8_t> image(32768);
  for (std::size_t i = 0; i < 8; ++i) PutBlock(image, i, {});
  const QString path = PathOf("half.sav");
  test::WriteBytes(path, test::ToQByteArray(image));

  const auto read = ReadSaveImage(path);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->size(), 32768);
  EXPECT_TRUE(ListSaveSlots(SaveImageBytes(*read)).empty());
}

TEST_F(SaveImageFileTest, PathsThatCannotBeReadGiveNothingAndSayWhy) {
  QDir(DirPath()).mkdir("folder");
  struct Case {
    const char* what;
    QString path;
    const char* reason;
  };
  for (const Case& c : {Case{"missing file", PathOf("missing.sav"), "No such file or directory"},
                        Case{"directory", PathOf("folder"), "Is a directory"},
                        Case{"endless device", "/dev/zero", "Not a regular file"}}) {
    SCOPED_TRACE(c.what);
    QString reason;
    EXPECT_FALSE(ReadSaveImage(c.path, &reason).has_value());
    EXPECT_EQ(reason, c.reason);
  }
}

TEST_F(SaveImageFileTest, FifoIsRefusedWithoutBlocking) {
  for (const bool writerHolds : {false, true}) {
    SCOPED_TRACE(writerHolds ? "writer holds the FIFO open" : "no writer");
    std::optional<QByteArray> read = QByteArray("not called");
    const QString path = PathOf(writerHolds ? "held.sav" : "idle.sav");
    EXPECT_TRUE(test::CallsReturnPromptlyOnFifo(path, writerHolds, 70000,
                                                [&] { read = ReadSaveImage(path); }));
    EXPECT_FALSE(read.has_value());
  }
}

TEST_F(SaveImageFileTest, FileWithoutReadPermissionGivesNothing) {
  if (test::PermissionsAreIgnored(DirPath()))
    GTEST_SKIP() << "this process reads files regardless of permissions (running as root)";
  const QString path = PathOf("locked.sav");
  test::WriteBytes(path, QByteArray(65536, 'x'));
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
  EXPECT_FALSE(ReadSaveImage(path).has_value());
}

}  // namespace
}  // namespace velmara
