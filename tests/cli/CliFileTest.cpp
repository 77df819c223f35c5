// Files through RunCli: unreadable and wrong-sized inputs, unwritable
// outputs, devices and FIFOs as outputs, battery saves (slots, extract) and
// tile dumps.
#include <gtest/gtest.h>
#include <unistd.h>

#include "codec/Alphabet.h"
#include "codec/VelmaraData.h"
#include "core/SaveImage.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/common/SpecialFiles.h"

namespace velmara::testing {
namespace {

const std::string kRecordTooShort =
    "velmara-pw: '%' is not a password data file (it must be exactly 2608 bytes)\n";

std::string WithPath(std::string pattern, const std::string& path) {
  return pattern.replace(pattern.find('%'), 1, path);
}

TEST_F(CliTest, UnusableRecordFilesAreRefusedForEveryCommand) {
  const std::string good = WriteRecord("good.dat", MakeDefaultParty(kDefaultLow));
  const struct {
    const char* what;
    std::string path;
    std::string err;
  } files[] = {
      {"missing file", Path("missing.dat"),
       "velmara-pw: cannot read '%': No such file or directory\n"},
      {"directory", dir_.string(), "velmara-pw: cannot read '%': Is a directory\n"},
      {"endless device", "/dev/zero", "velmara-pw: cannot read '%': Not a regular file\n"},
      {"empty file", WriteFile("empty.dat", ""), kRecordTooShort},
      {"one byte short", WriteFile("short.dat", std::string(2607, '\0')), kRecordTooShort},
      {"one byte long", WriteFile("long.dat", std::string(2609, '\0')), kRecordTooShort},
      {"save block with its header", WriteFile("block.dat", std::string(2624, '\0')),
       kRecordTooShort},
  };
  for (const auto& file : files) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"encode", file.path},
          {"show", "--json", file.path},
          {"tiles", "-o", Path("out.dmp"), file.path},
          {"decode", "--base", file.path, "-o", Path("out.dat"),
           std::string(kDefaultPasswords[0])}}) {
      SCOPED_TRACE(std::string(file.what) + ": " + args[0]);
      const CliResult result = RunWith(args);
      EXPECT_EQ(result.status, 1);
      EXPECT_EQ(result.out, "");
      EXPECT_EQ(result.err, WithPath(file.err, file.path));
      EXPECT_FALSE(std::filesystem::exists(Path("out.dmp")));
      EXPECT_FALSE(std::filesystem::exists(Path("out.dat")));
    }
  }
}

TEST_F(CliTest, WrongSizedStandardInputIsRefused) {
  const CliResult result = RunWith({"encode", "-"}, std::string(3000, 'x'));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(
      result.err,
      "velmara-pw: standard input is not a password data file (it must be exactly 2608 bytes)\n");
}

TEST_F(CliTest, FileWithoutReadPermissionIsRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = WriteRecord("locked.dat", MakeDefaultParty(kDefaultLow));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  const CliResult result = RunWith({"show", path});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "velmara-pw: cannot read '" + path + "': Permission denied\n");
}

TEST_F(CliTest, ControlCharactersInANameAreShownEscapedOnOneLine) {
  const std::string path = Path("two\nlines\x1b.dat");
  const CliResult result = RunWith({"show", path});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "velmara-pw: cannot read '" + Path("two\\x0Alines\\x1B.dat") +
                            "': No such file or directory\n");
}

TEST_F(CliTest, UnwritableOutputIsReportedAndLeavesNothingBehind) {
  const std::string party = WriteRecord("party.dat", MakeDefaultParty(kDefaultLow));
  const std::string gold(kDefaultPasswords[kDefaultLow]);
  const std::string not_a_folder = WriteFile("plain-file", "x");
  const struct {
    std::string target;
    std::string reason;
  } targets[] = {
      {Path("no-such-folder/out.dat"), "No such file or directory"},
      {not_a_folder + "/out.dat", "Not a directory"},
      {dir_.string(), "Is a directory"},
  };
  for (const auto& [target, reason] : targets) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"decode", "-o", target, gold}, {"tiles", "-o", target, party}}) {
      SCOPED_TRACE(args[0] + " -o " + target);
      const CliResult result = RunWith(args);
      EXPECT_EQ(result.status, 1);
      EXPECT_EQ(result.out, "");
      EXPECT_EQ(result.err, "velmara-pw: cannot write '" + target + "': " + reason + "\n");
    }
  }
  EXPECT_EQ(ReadFile(not_a_folder), "x");
}

// The commands that write a file, each with what it writes.
struct FileOutput {
  std::vector<std::string> args;  // "-o" and the path follow
  std::string bytes;
};

std::vector<FileOutput> FileOutputs(const std::string& party, const std::string& tiles) {
  const std::string gold(kDefaultPasswords[kDefaultLow]);
  return {{{"decode", gold}, RecordBytes(MakeDefaultParty(kDefaultLow))},
          {{"tiles", party}, tiles}};
}

TEST_F(CliTest, OutputToAFifoIsWrittenThroughTheFifo) {
  const std::string party = WriteRecord("party.dat", MakeDefaultParty(kDefaultLow));
  const std::string tiles = RunWith({"tiles", party}).out;
  for (const FileOutput& output : FileOutputs(party, tiles)) {
    SCOPED_TRACE(output.args[0]);
    const std::string fifo = Path(output.args[0] + ".fifo");
    std::vector<std::string> args = output.args;
    args.insert(args.begin() + 1, {"-o", fifo});
    CliResult result{};
    const test::FifoCapture capture = test::CaptureFifo(fifo, [&] { result = RunWith(args); });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(capture.closed);
    EXPECT_EQ(capture.bytes, output.bytes);
    EXPECT_EQ(test::NodeType(fifo), S_IFIFO);
  }
}

// `-o /dev/null` run as root must not replace the system's device; nodes made
// in the test folder stand in for /dev/null and /dev/full.
TEST_F(CliTest, OutputToACharacterDeviceWritesTheDevice) {
  const std::string party = WriteRecord("party.dat", MakeDefaultParty(kDefaultLow));
  const std::string null_device = Path("null"), full_device = Path("full");
  for (const auto& [node, device] :
       {std::pair{null_device, test::kNullDevice}, std::pair{full_device, test::kFullDevice}})
    if (const std::string why = test::MakeCharacterDevice(node, device); !why.empty())
      GTEST_SKIP() << "cannot make a device node: " << why;

  for (const FileOutput& output : FileOutputs(party, {})) {
    SCOPED_TRACE(output.args[0]);
    std::vector<std::string> args = output.args;
    args.insert(args.begin() + 1, {"-o", null_device});
    const CliResult dropped = RunWith(args);
    EXPECT_EQ(dropped.status, 0) << dropped.err;
    args[2] = full_device;
    const CliResult full = RunWith(args);
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err,
              "velmara-pw: cannot write '" + full_device + "': No space left on device\n");
    EXPECT_EQ(test::NodeType(null_device), S_IFCHR);
    EXPECT_EQ(test::NodeType(full_device), S_IFCHR);
  }
}

TEST_F(CliTest, RefusedDecodeLeavesAnExistingOutputFileAlone) {
  const std::string out = WriteFile("out.dat", "old content");
  const CliResult result = RunWith({"decode", "-o", out, "ABCDEFGHJKLMNPQR"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(ReadFile(out), "old content");
}

TEST_F(CliTest, DecodeReplacesAnExistingOutputFile) {
  const std::string out = WriteFile("out.dat", "old content");
  const CliResult result =
      RunWith({"decode", "-o", out, std::string(kDefaultPasswords[kDefaultHigh])});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFile(out), RecordBytes(MakeDefaultParty(kDefaultHigh)));
}

// A battery save built in place: blocks 0 and 3 usable (3 a cleared slot with
// a short name), block 1 signed in lower case, block 5 with slot number 3.
std::string SaveImage() {
  std::string image(kSaveImageSize, '\0');
  const auto sign = [&](int block, const char* signature, char slot, const std::string& name,
                        char cleared) {
    std::string& s = image;
    const std::size_t at = static_cast<std::size_t>(block) * kSaveBlockSize;
    s.replace(at, kSaveSignature.size(), signature);
    s[at + kSaveBlockSlotOffset] = slot;
    s.replace(at + kSaveNameOffset, name.size(), name);
    s[at + kClearMarkOffset] = cleared;
    // The character records, patterned so that a shifted copy shows.
    for (std::size_t i = kSaveBlockPartyOffset + kCharacterAreaOffset;
         i < kSaveBlockPartyOffset + kPasswordDataSize; ++i)
      s[at + i] = static_cast<char>(block + i);
  };
  sign(0, "CAMELOT", 0, "Isaac", 0);
  sign(1, "camelot", 1, "Garet", 0);
  sign(3, "CAMELOT", 2, std::string("Mia\0\0", 5), 1);
  sign(5, "CAMELOT", 3, "Ivan", 0);
  return image;
}

TEST_F(CliTest, SlotsListsTheUsableBlocks) {
  const CliResult result = RunWith({"slots", WriteFile("game.sav", SaveImage())});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "0\t0\tIsaac\n3\t12288\tMia（清空）\n");
}

TEST_F(CliTest, ExtractWritesTheBlocksPartyRecord) {
  const std::string image = SaveImage();
  const std::string save = WriteFile("game.sav", image);
  const CliResult to_file = RunWith({"extract", save, "--block", "3", "-o", Path("block3.dat")});
  ASSERT_EQ(to_file.status, 0) << to_file.err;
  EXPECT_EQ(ReadFile(Path("block3.dat")), image.substr(3 * 4096 + 16, 2608));
  const CliResult to_stdout = RunWith({"extract", save, "--block", "0", "-o", "-"});
  EXPECT_EQ(to_stdout.out, image.substr(16, 2608));
}

TEST_F(CliTest, UnusableSavesAndBlocksAreRefused) {
  const std::string save = WriteFile("game.sav", SaveImage());
  const std::string half = WriteFile("half.sav", SaveImage().substr(0, 32768));
  const std::string blank = WriteFile("blank.sav", std::string(65536, '\0'));
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"extract", save, "--block", "1", "-o", Path("out.dat")},
       "velmara-pw: block 1 of '" + save + "' is not a usable save block\n"},
      {{"extract", save, "--block", "5", "-o", Path("out.dat")},
       "velmara-pw: block 5 of '" + save + "' is not a usable save block\n"},
      {{"slots", half},
       "velmara-pw: '" + half + "' is not a battery save (shorter than 65536 bytes)\n"},
      {{"slots", blank}, "velmara-pw: '" + blank + "' has no usable save block\n"},
      {{"slots", Path("missing.sav")},
       "velmara-pw: cannot read '" + Path("missing.sav") + "': No such file or directory\n"},
      {{"extract", dir_.string(), "--block", "0", "-o", Path("out.dat")},
       "velmara-pw: cannot read '" + dir_.string() + "': Is a directory\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    const CliResult result = RunWith(c.args);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, c.err);
    EXPECT_FALSE(std::filesystem::exists(Path("out.dat")));
  }
}

TEST_F(CliTest, TilesAreThePasswordsCharactersAsAlphabetIndexes) {
  const std::string party = WriteRecord("party.dat", MakeDefaultParty(kDefaultMiddle));
  for (const char* type : {"gold", "silver", "bronze"}) {
    SCOPED_TRACE(type);
    const std::string password = RunWith({"encode", "--type", type, party}).out;
    const std::size_t length = password.size() - 1;
    const CliResult result = RunWith({"tiles", "--type", type, "-o", Path("tiles.dmp"), party});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const std::string tiles = ReadFile(Path("tiles.dmp"));
    ASSERT_EQ(tiles.size(), 260u);
    for (std::size_t i = 0; i < length; ++i)
      EXPECT_EQ(TileToChar(static_cast<std::uint8_t>(tiles[i])), password[i]) << i;
    EXPECT_EQ(tiles.substr(length), std::string(260 - length, '\0'));
    EXPECT_EQ(RunWith({"tiles", "--type", type, party}).out, tiles) << "standard output";
  }
  EXPECT_EQ(RunWith({"tiles", party}).out.substr(0, 50),
            RunWith({"tiles", "--type", "gold", party}).out.substr(0, 50));
}

}  // namespace
}  // namespace velmara::testing
