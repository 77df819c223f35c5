#include "CliParse.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>

namespace velmara {

const char* const kUsage =
    "usage: velmara-pw encode [--type gold|silver|bronze] [--groups] [FILE]\n"
    "       velmara-pw decode [--type auto|gold|silver|bronze] [--base FILE] [-o OUT] [TEXT]\n"
    "       velmara-pw repair [--type auto|gold|silver|bronze] [--max N] [--json] [TEXT]\n"
    "       velmara-pw show [--json] FILE\n"
    "       velmara-pw slots SAVE\n"
    "       velmara-pw extract SAVE --block N -o OUT\n"
    "       velmara-pw tiles [--type gold|silver|bronze] [-o OUT] FILE\n"
    "FILE is a 2608-byte password data file, SAVE a battery save; '-' is standard\n"
    "input or output. Run 'velmara-pw --help' or 'velmara-pw COMMAND --help' for more.\n";

namespace {

// More than any search finds; the bound only keeps --max a sensible number.
constexpr std::size_t kMaxRepairCandidates = 1000;

const std::map<std::string, TPasswordType> kTypeNames = {
    {"gold", ptGold}, {"silver", ptSilver}, {"bronze", ptBronze}};

// Adds --type with the given choices; the chosen name lands in `name`.
void AddTypeOption(CLI::App& command, std::string& name, bool with_auto) {
  std::vector<std::string> choices = {"gold", "silver", "bronze"};
  if (with_auto) choices.insert(choices.begin(), "auto");
  command.add_option("--type", name, "Password type")
      ->check(CLI::IsMember(choices))
      ->capture_default_str();
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CLI::App app{"velmara-pw: makes, checks and reads Velmara transfer passwords.", "velmara-pw"};
  app.require_subcommand(1);
  app.footer(
      "Exit status: 0 success; 1 input refused or a file not read or written (nothing is\n"
      "written then); 2 usage error.");

  CliOptions options;
  std::string type_name = "gold";
  std::string decode_type_name = "auto";
  std::string repair_type_name = "auto";
  std::string base, output;

  auto* encode = app.add_subcommand("encode", "Print the password made from a password data file");
  AddTypeOption(*encode, type_name, false);
  encode->add_flag("--groups", options.groups,
                   "Print the password as it is copied to the clipboard: groups of five, "
                   "CR LF line ends, an empty line after each page");
  encode->add_option("FILE", options.input, "Password data file, '-' for standard input")
      ->capture_default_str();

  auto* decode = app.add_subcommand("decode", "Check password text and read the party from it");
  AddTypeOption(*decode, decode_type_name, true);
  auto* base_option =
      decode->add_option("--base", base, "Decode into a copy of this password data file");
  auto* decode_output = decode->add_option(
      "-o,--output", output, "Write the 2608-byte record here ('-' for standard output)");
  decode->add_option("TEXT", options.input, "Password text, '-' for standard input")
      ->capture_default_str();

  auto* repair = app.add_subcommand(
      "repair",
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

  auto* show = app.add_subcommand("show", "Summarise the party of a password data file");
  show->add_flag("--json", options.json, "Print one JSON object");
  show->add_option("FILE", options.input, "Password data file, '-' for standard input")->required();

  auto* slots = app.add_subcommand("slots", "List the usable blocks of a battery save");
  slots->add_option("SAVE", options.input, "Battery save file")->required();

  auto* extract = app.add_subcommand("extract", "Write the party record of one save block");
  extract->add_option("SAVE", options.input, "Battery save file")->required();
  extract->add_option("--block", options.block, "Block index, as 'slots' lists it")
      ->required()
      ->check(CLI::Range(0, 15));
  extract->add_option("-o,--output", output, "Output file ('-' for standard output)")->required();

  auto* tiles = app.add_subcommand("tiles", "Write the 260-byte tile dump of a record's password");
  AddTypeOption(*tiles, type_name, false);
  auto* tiles_output =
      tiles->add_option("-o,--output", output, "Output file (default: standard output)");
  tiles->add_option("FILE", options.input, "Password data file, '-' for standard input")
      ->required();

  ParsedCommandLine parsed;
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 pops from the back
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    parsed.outcome = ParsedCommandLine::Outcome::Help;
    parsed.text = app.help();
    return parsed;
  } catch (const CLI::ParseError& error) {
    parsed.outcome = ParsedCommandLine::Outcome::UsageError;
    parsed.text = error.what();
    return parsed;
  }

  options.type = kTypeNames.at(type_name);
  if (encode->parsed()) {
    options.command = CliCommand::Encode;
  } else if (decode->parsed()) {
    options.command = CliCommand::Decode;
    options.type = decode_type_name == "auto"
                       ? std::nullopt
                       : std::optional<TPasswordType>(kTypeNames.at(decode_type_name));
    if (base_option->count() > 0) options.base = base;
    if (options.base == kStdStream && options.input == kStdStream) {
      parsed.outcome = ParsedCommandLine::Outcome::UsageError;
      parsed.text = "the password text and --base cannot both come from standard input";
      return parsed;
    }
    if (decode_output->count() > 0) options.output = output;
  } else if (repair->parsed()) {
    options.command = CliCommand::Repair;
    options.type = repair_type_name == "auto"
                       ? std::nullopt
                       : std::optional<TPasswordType>(kTypeNames.at(repair_type_name));
  } else if (show->parsed()) {
    options.command = CliCommand::Show;
  } else if (slots->parsed()) {
    options.command = CliCommand::Slots;
  } else if (extract->parsed()) {
    options.command = CliCommand::Extract;
    options.output = output;
  } else {
    options.command = CliCommand::Tiles;
    if (tiles_output->count() > 0) options.output = output;
  }
  parsed.options = std::move(options);
  return parsed;
}

}  // namespace velmara
