#include "cli/CliParse.h"

#include <CLI/CLI.hpp>
#include <map>
#include <utility>

namespace velmara {

const char* const kUsage =
    "usage: velmara-pw encode [--type gold|silver|bronze] [--groups] [FILE]\n"
    "       velmara-pw decode [--type auto|gold|silver|bronze] [--base FILE] [-o OUT] [TEXT]\n"
    "       velmara-pw repair [--type auto|gold|silver|bronze] [--max N] [--json] [TEXT]\n"
    "       velmara-pw show [--json] FILE\n"
    "       velmara-pw slots SAVE\n"
    "       velmara-pw extract SAVE --block N -o OUT\n"
    "       velmara-pw tiles [--type gold|silver|bronze] [-o OUT] FILE\n"
    "       velmara-pw --help | --version\n"
    "FILE is a 2608-byte password data file, SAVE a battery save; '-' is standard\n"
    "input or output. Run 'velmara-pw --help' or 'velmara-pw COMMAND --help' for more.\n";

const char* const kVersionText = "velmara-pw " VELMARA_VERSION "\n";

namespace {

// More than any search finds; the bound only keeps --max a sensible number.
constexpr std::size_t kMaxRepairCandidates = 1000;

const std::map<std::string, TPasswordType> kTypeNames = {
    {"gold", ptGold}, {"silver", ptSilver}, {"bronze", ptBronze}};

// The type named by --type, nullopt for "auto" (the type follows the length).
std::optional<TPasswordType> TypeOrAuto(const std::string& name) {
  if (name == "auto") return std::nullopt;
  return kTypeNames.at(name);
}

// Examples for --help, by command. A password is quoted or read from standard
// input: its alphabet holds ! # $ % & + = ?, which the shell would interpret.
const std::pair<const char*, const char*> kExamples[] = {
    {"encode", "velmara-pw encode party.dat"},
    {"encode", "velmara-pw encode --type bronze --groups party.dat"},
    {"decode", "velmara-pw decode 'xu5?3k977$recgvh'"},
    {"decode", "velmara-pw decode -o party.dat - < password.txt"},
    {"decode", "velmara-pw decode --base old.dat -o party.dat < password.txt"},
    {"repair", "velmara-pw repair 'xu5?3k977$recgvb'"},
    {"show", "velmara-pw show --json party.dat"},
    {"slots", "velmara-pw slots game.sav"},
    {"extract", "velmara-pw extract game.sav --block 0 -o party.dat"},
    {"tiles", "velmara-pw tiles -o party.dmp party.dat"},
};

const char* const kExitStatusText =
    "Exit status: 0 success; 1 input refused or a file not read or written (nothing is\n"
    "written then); 2 usage error.";

// "Examples:" and the lines of `command`, or of every command for nullptr.
std::string ExamplesText(const char* command) {
  std::string text = "Examples:\n";
  for (const auto& [name, line] : kExamples)
    if (!command || std::string_view(name) == command) text += "  " + std::string(line) + "\n";
  return text;
}

CLI::App* AddCommand(CLI::App& app, const char* name, const char* description) {
  CLI::App* command = app.add_subcommand(name, description);
  command->footer(ExamplesText(name) + "\n" + kExitStatusText);
  return command;
}

// Adds --type with the given choices; the chosen name lands in `name`.
void AddTypeOption(CLI::App& command, std::string& name, bool with_auto) {
  std::vector<std::string> choices = {"gold", "silver", "bronze"};
  if (with_auto) choices.insert(choices.begin(), "auto");
  command.add_option("--type", name, "Password type")
      ->check(CLI::IsMember(choices))
      ->capture_default_str();
}

constexpr const char* kEndOfOptions = "--";

// The usage error for the arguments no command or option took, in command
// line order: an option name, a command name when none was recognised, or a
// surplus operand (anything after "--" is one). Empty when there are none.
std::string UnexpectedArgument(const std::vector<std::string>& left, bool command_given) {
  bool operands_only = false;
  for (const std::string& arg : left) {
    if (arg == kEndOfOptions && !operands_only) {
      operands_only = true;
      continue;
    }
    if (!operands_only && arg.size() > 1 && arg[0] == '-') return "unknown option '" + arg + "'";
    if (!command_given) return "unknown command '" + arg + "'";
    return "unexpected argument '" + arg + "'";
  }
  return {};
}

ParsedCommandLine Outcome(ParsedCommandLine::Outcome outcome, std::string text) {
  ParsedCommandLine parsed;
  parsed.outcome = outcome;
  parsed.text = std::move(text);
  return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CLI::App app{"velmara-pw: makes, checks and reads Velmara transfer passwords.", "velmara-pw"};
  app.require_subcommand(1);
  app.set_version_flag("--version", kVersionText, "Print the version and exit");
  app.footer(ExamplesText(nullptr) +
             "\nQuote a password given on the command line, or pass it on standard input:\n"
             "the shell interprets some of its characters (! # $ % & + = ?).\n\n" +
             kExitStatusText);

  CliOptions options;
  std::string type_name = "gold";
  std::string decode_type_name = "auto";
  std::string repair_type_name = "auto";
  std::string base, output;

  auto* encode = AddCommand(app, "encode", "Print the password made from a password data file");
  AddTypeOption(*encode, type_name, false);
  encode->add_flag("--groups", options.groups,
                   "Print the password as it is copied to the clipboard: groups of five, "
                   "CR LF line ends, an empty line after each page");
  encode->add_option("FILE", options.input, "Password data file, '-' for standard input")
      ->capture_default_str();

  auto* decode = AddCommand(app, "decode", "Check password text and read the party from it");
  AddTypeOption(*decode, decode_type_name, true);
  auto* base_option =
      decode->add_option("--base", base, "Decode into a copy of this password data file");
  auto* decode_output = decode->add_option(
      "-o,--output", output, "Write the 2608-byte record here ('-' for standard output)");
  decode->add_option("TEXT", options.input, "Password text, '-' for standard input")
      ->capture_default_str();

  auto* repair = AddCommand(
      app, "repair",
      "Find the passwords that mistyped text was meant to be: up to three rows with one wrong "
      "character each, two neighbours swapped, a swap and one wrong character, or one character "
      "missing or too many. Prints one password a line, best first");
  AddTypeOption(*repair, repair_type_name, true);
  repair->add_option("--max", options.max, "Print at most N candidates")
      ->check(CLI::Range(std::size_t{1}, kMaxRepairCandidates))
      ->capture_default_str();
  repair->add_flag("--json", options.json,
                   "Print a JSON array of {password, plausible, changes: [{position, page, row, "
                   "from, to, kind}]}");
  repair->add_option("TEXT", options.input, "Password text, '-' for standard input")
      ->capture_default_str();

  auto* show = AddCommand(app, "show", "Summarise the party of a password data file");
  show->add_flag("--json", options.json, "Print one JSON object");
  show->add_option("FILE", options.input, "Password data file, '-' for standard input")->required();

  auto* slots = AddCommand(app, "slots", "List the usable blocks of a battery save");
  slots->add_option("SAVE", options.input, "Battery save file")->required();

  auto* extract = AddCommand(app, "extract", "Write the party record of one save block");
  extract->add_option("SAVE", options.input, "Battery save file")->required();
  extract->add_option("--block", options.block, "Block index, as 'slots' lists it")
      ->required()
      ->check(CLI::Range(0, 15));
  auto* extract_output =
      extract->add_option("-o,--output", output, "Output file ('-' for standard output)")
          ->required();

  auto* tiles = AddCommand(app, "tiles", "Write the 260-byte tile dump of a record's password");
  AddTypeOption(*tiles, type_name, false);
  auto* tiles_output = tiles->add_option(
      "-o,--output", output,
      "Output file ('-' for standard output, the default unless that is a terminal)");
  tiles->add_option("FILE", options.input, "Password data file, '-' for standard input")
      ->required();

  const std::pair<const CLI::App*, CliCommand> commands[] = {
      {encode, CliCommand::Encode}, {decode, CliCommand::Decode}, {repair, CliCommand::Repair},
      {show, CliCommand::Show},     {slots, CliCommand::Slots},   {extract, CliCommand::Extract},
      {tiles, CliCommand::Tiles},
  };

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 pops from the back
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    return Outcome(ParsedCommandLine::Outcome::Help, app.help());
  } catch (const CLI::CallForVersion&) {
    return Outcome(ParsedCommandLine::Outcome::Help, kVersionText);
  } catch (const CLI::ParseError& error) {
    // An argument nobody took explains the failure better than what it
    // caused (a missing command or operand), so it is named first.
    const std::string unexpected =
        UnexpectedArgument(app.remaining(true), !app.get_subcommands().empty());
    if (!unexpected.empty()) return Outcome(ParsedCommandLine::Outcome::UsageError, unexpected);
    if (app.get_subcommands().empty())
      return Outcome(ParsedCommandLine::Outcome::UsageError, "a command is required");
    return Outcome(ParsedCommandLine::Outcome::UsageError, error.what());
  }

  for (const auto& [command, id] : commands)
    if (command->parsed()) options.command = id;
  options.type = kTypeNames.at(type_name);
  switch (options.command) {
    case CliCommand::Decode:
      options.type = TypeOrAuto(decode_type_name);
      if (base_option->count() > 0) options.base = base;
      if (options.base == kStdStream && options.input == kStdStream)
        return Outcome(ParsedCommandLine::Outcome::UsageError,
                       "the password text and --base cannot both come from standard input");
      if (decode_output->count() > 0) options.output = output;
      break;
    case CliCommand::Repair:
      options.type = TypeOrAuto(repair_type_name);
      break;
    case CliCommand::Extract:
      if (extract_output->count() > 0) options.output = output;
      break;
    case CliCommand::Tiles:
      if (tiles_output->count() > 0) options.output = output;
      break;
    case CliCommand::Encode:
    case CliCommand::Show:
    case CliCommand::Slots:
      break;
  }
  ParsedCommandLine parsed;
  parsed.options = std::move(options);
  return parsed;
}

}  // namespace velmara
