// Standard output that cannot take what velmara-pw writes: a full device, a
// stream that fails, a terminal for raw bytes; in-process through
// DescriptorOutput and once through the real program, whose main() wires it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "cli/DescriptorOutput.h"
#include "codec/VelmaraData.h"
#include "tests/cli/CliTestSupport.h"

extern char** environ;

namespace velmara::testing {
namespace {

constexpr const char* kDiskFull =
    "velmara-pw: cannot write standard output: No space left on device\n";
constexpr const char* kNotToTerminal =
    "velmara-pw: raw tile dump not written to a terminal (use -o FILE, or -o - to write it "
    "anyway)\n";

// A descriptor closed when the test ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// The master side of a new pseudo-terminal; its slave is a terminal for isatty().
struct PseudoTerminal {
  Descriptor master{::posix_openpt(O_RDWR | O_NOCTTY)};
  std::string slave_path() const {
    if (master.get() < 0 || ::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0)
      return {};
    const char* name = ::ptsname(master.get());
    return name ? name : "";
  }
};

class CliOutputTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    party_ = WriteRecord("party.dat", MakeDefaultParty(kDefaultLow));
  }

  // Every command with what it prints; each output is far below the buffer
  // size, so a failure shows only when RunCli flushes at the end.
  std::vector<std::vector<std::string>> EveryPrintingCommand() const {
    const std::string gold(kDefaultPasswords[kDefaultLow]);
    return {{"encode", party_},
            {"encode", "--groups", party_},
            {"show", party_},
            {"show", "--json", party_},
            {"decode", gold},
            {"decode", "-o", "-", gold},
            {"repair", "xu5?3k977$recgvb"},
            {"tiles", party_},
            {"--help"},
            {"--version"},
            {"decode", "--help"}};
  }

  std::string party_;
};

TEST_F(CliOutputTest, FullDeviceOnStandardOutputIsReportedForEveryCommand) {
  const Descriptor full(::open("/dev/full", O_WRONLY));
  if (full.get() < 0) GTEST_SKIP() << "no /dev/full";
  for (const auto& args : EveryPrintingCommand()) {
    SCOPED_TRACE(args[0] + " " + args.back());
    DescriptorOutput buffer(full.get());
    std::ostream out(&buffer);
    const CliResult result = RunWithOutput(args, out);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, kDiskFull);
  }
}

TEST_F(CliOutputTest, FailingStreamWithoutAReasonIsStillReported) {
  for (const auto& args : EveryPrintingCommand()) {
    SCOPED_TRACE(args[0] + " " + args.back());
    std::ostream out(nullptr);  // every write fails
    const CliResult result = RunWithOutput(args, out);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "velmara-pw: cannot write standard output\n");
  }
}

TEST_F(CliOutputTest, TilesRefuseATerminalUnlessAskedForStandardOutput) {
  const PseudoTerminal terminal;
  const std::string slave_path = terminal.slave_path();
  if (slave_path.empty()) GTEST_SKIP() << "no pseudo-terminal";
  const Descriptor slave(::open(slave_path.c_str(), O_WRONLY | O_NOCTTY));
  ASSERT_GE(slave.get(), 0);
  DescriptorOutput buffer(slave.get());
  std::ostream out(&buffer);

  // Standard input is not read: the refusal comes first.
  const CliResult refused = RunWithOutput({"tiles", "-"}, out, "not a record");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, kNotToTerminal);
  const CliResult forced = RunWithOutput({"tiles", "-o", "-", party_}, out);
  EXPECT_EQ(forced.status, 0) << forced.err;
  const CliResult text = RunWithOutput({"encode", party_}, out);
  EXPECT_EQ(text.status, 0) << "text goes to a terminal as usual";
}

// The installed program: standard output opened on `stdout_path`, standard
// input on `stdin_path` (empty by default), standard error captured. Killed if
// it takes longer than a few seconds.
CliResult RunProgram(const std::vector<std::string>& args, const std::string& stdout_path,
                     const std::string& stderr_path, const std::string& stdin_path = "/dev/null") {
  std::vector<std::string> argv_strings = {VELMARA_PW_PROGRAM};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& arg : argv_strings) argv.push_back(arg.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, stdin_path.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdout_path.c_str(),
                                   O_WRONLY | O_NOCTTY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderr_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(spawned);
    return {-1, {}, {}};
  }
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      ADD_FAILURE() << "velmara-pw did not finish";
      return {-1, {}, {}};
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::ifstream err(stderr_path, std::ios::binary);
  return {
      WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, {std::istreambuf_iterator<char>(err), {}}};
}

TEST_F(CliOutputTest, TheProgramReportsAFullDiskAndRefusesATerminal) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  const PseudoTerminal terminal;
  const std::string slave_path = terminal.slave_path();
  if (slave_path.empty()) GTEST_SKIP() << "no pseudo-terminal";
  const struct {
    std::vector<std::string> args;
    std::string stdout_path;
    int status;
    std::string err;
  } cases[] = {
      {{"encode", party_}, "/dev/full", 1, kDiskFull},
      {{"show", "--json", party_}, "/dev/full", 1, kDiskFull},
      {{"--version"}, "/dev/full", 1, kDiskFull},
      {{"tiles", party_}, slave_path, 1, kNotToTerminal},
      {{"encode", party_}, slave_path, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " > " + c.stdout_path);
    const CliResult result = RunProgram(c.args, c.stdout_path, Path("stderr.txt"));
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err, c.err);
  }
}

// Standard input that cannot be read (here a folder) is named with the
// system's reason; it used to read as empty text, reported as a password of
// the wrong length or a file of the wrong size.
TEST_F(CliOutputTest, TheProgramNamesAFailedReadOfStandardInput) {
  const std::string unreadable = "velmara-pw: cannot read standard input: Is a directory\n";
  const std::vector<std::string> commands[] = {
      {"decode", "-"}, {"repair", "-"}, {"encode", "-"}, {"show", "-"}};
  for (const auto& args : commands) {
    SCOPED_TRACE(args[0]);
    const CliResult result = RunProgram(args, "/dev/null", Path("stderr.txt"), "/");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, unreadable);
  }
}

}  // namespace
}  // namespace velmara::testing
