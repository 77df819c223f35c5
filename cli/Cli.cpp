#include "cli/Cli.h"

#include <QString>
#include <QStringDecoder>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <span>
#include <string_view>

#include "cli/CliIo.h"
#include "cli/CliParse.h"
#include "cli/PartySummary.h"
#include "cli/RepairReport.h"
#include "codec/Password.h"
#include "codec/PasswordRepair.h"
#include "sources/PasswordText.h"
#include "sources/SaveFile.h"

namespace velmara {

namespace {

std::string MakePasswordText(TPasswordType type, const TPasswordData& data) {
  TVelmaraPasswordEncoder encoder;
  return encoder.MakePassword(type, &data);
}

void Encode(const CliOptions& options, std::istream& in, std::ostream& out) {
  const TPasswordData data = ReadRecord(options.input, in);
  const std::string password = MakePasswordText(*options.type, data);
  if (options.groups)
    out << FormatPasswordForClipboard(QString::fromStdString(password)).toStdString();
  else
    out << password << '\n';
}

// Editors may open a UTF-8 file with this encoding mark.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Password text as UTF-8; malformed sequences become U+FFFD, as they would
// from the clipboard. A byte-order mark that opens the text is an encoding
// mark and is dropped; anywhere else it is a character. (Qt's decoder would
// drop an opening mark silently, even a second one after the first.)
QString PasswordTextFromUtf8(std::string_view raw) {
  if (raw.starts_with(kUtf8ByteOrderMark)) raw.remove_prefix(kUtf8ByteOrderMark.size());
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                     QStringConverter::Flag::ConvertInitialBom);
  return decoder(QByteArrayView(raw.data(), static_cast<qsizetype>(raw.size())));
}

// The password text of decode and repair, from the command line or standard
// input, cleaned as text pasted into the window is, in UTF-8.
std::string CleanedInput(const CliOptions& options, std::istream& in) {
  const std::string raw = options.input == kStdStream ? ReadPasswordText(in) : options.input;
  return CleanPasswordText(PasswordTextFromUtf8(raw)).toStdString();
}

// The text is cleaned and measured exactly as text pasted into the window is,
// and the type follows its length unless one was named.
void Decode(const CliOptions& options, std::istream& in, std::ostream& out) {
  TPasswordData data{};
  if (options.base) data = ReadRecord(*options.base, in);
  const std::string cleaned = CleanedInput(options, in);
  std::optional<TPasswordType> type = options.type;
  if (!type) type = PasswordTypeForLength(PasswordCharCount(std::string_view(cleaned)));
  if (!type) throw CliRejection(kWrongLengthMessage);

  TVelmaraPasswordDecoder decoder;
  const std::string message = decoder.DecodePassword(*type, cleaned, &data);
  if (!message.empty()) throw CliRejection(message);

  if (options.output)
    WriteRecord(*options.output, data, out);
  else
    out << PartySummaryText(data);
}

// Cleaned and measured as for decode. With "auto" the type comes from the
// length, one character either way counting as that type's length.
void Repair(const CliOptions& options, std::istream& in, std::ostream& out) {
  const std::string cleaned = CleanedInput(options, in);
  const std::size_t characters = PasswordCharCount(std::string_view(cleaned));
  std::optional<TPasswordType> type = options.type;
  if (!type) type = RepairTypeForLength(characters);
  if (!type)
    throw CliRejection("velmara-pw: " + std::to_string(characters) +
                       " characters is no password length, nor one away from one (16, 61 or "
                       "260)");

  const RepairResult result = RepairPassword(*type, cleaned, options.max);
  if (result.candidates.empty()) throw CliRejection(RepairFailureReason(result, *type, characters));
  if (options.json)
    out << RepairCandidatesJson(result).dump(2) << '\n';
  else
    out << RepairCandidatesText(result);
}

void Show(const CliOptions& options, std::istream& in, std::ostream& out) {
  const TPasswordData data = ReadRecord(options.input, in);
  if (options.json)
    out << PartySummaryJson(data).dump(2) << '\n';
  else
    out << PartySummaryText(data);
}

struct SaveImage {
  QByteArray bytes;
  std::vector<SaveSlotEntry> entries;
  std::span<const std::uint8_t> view() const { return SaveImageBytes(bytes); }
};

SaveImage ReadSave(const std::string& name) {
  QString reason;
  auto bytes = ReadSaveImage(QString::fromStdString(name), &reason);
  if (!bytes) throw CannotRead(name, reason.toStdString());
  if (static_cast<std::size_t>(bytes->size()) < kSaveImageSize)
    throw CliRejection("velmara-pw: " + DisplayName(name) +
                       " is not a battery save (shorter than " + std::to_string(kSaveImageSize) +
                       " bytes)");
  SaveImage image{std::move(*bytes), {}};
  image.entries = ListSaveSlots(image.view());
  if (image.entries.empty())
    throw CliRejection("velmara-pw: " + DisplayName(name) + " has no usable save block");
  return image;
}

// One line per usable block: block index, byte offset, entry text.
void Slots(const CliOptions& options, std::ostream& out) {
  const SaveImage image = ReadSave(options.input);
  for (const auto& slot : image.entries)
    out << slot.offset / static_cast<std::int32_t>(kSaveBlockSize) << '\t' << slot.offset << '\t'
        << slot.text.toStdString() << '\n';
}

void Extract(const CliOptions& options, std::ostream& out) {
  const SaveImage image = ReadSave(options.input);
  const auto offset = static_cast<std::size_t>(options.block) * kSaveBlockSize;
  bool usable = false;
  for (const auto& slot : image.entries) usable |= static_cast<std::size_t>(slot.offset) == offset;
  TPasswordData data{};
  if (!usable || !ReadSaveBlock(image.view(), offset, data))
    throw CliRejection("velmara-pw: block " + std::to_string(options.block) + " of " +
                       DisplayName(options.input) + " is not a usable save block");
  WriteRecord(*options.output, data, out);
}

void Tiles(const CliOptions& options, std::istream& in, std::ostream& out) {
  // Raw bytes would garble the terminal; asked for by name with "-o -" they go there.
  if (!options.output && WritesToTerminal(out))
    throw CliRejection(
        "velmara-pw: raw tile dump not written to a terminal (use -o FILE, or -o - to write it "
        "anyway)");
  const TPasswordData data = ReadRecord(options.input, in);
  TVelmaraPasswordEncoder encoder;
  encoder.MakePassword(*options.type, &data);
  std::uint8_t tiles[kMaxTiles];
  encoder.GetTiles(tiles);
  WriteTiles(options.output.value_or(kStdStream), tiles, out);
}

void Run(const CliOptions& options, std::istream& in, std::ostream& out) {
  switch (options.command) {
    case CliCommand::Encode:
      return Encode(options, in, out);
    case CliCommand::Decode:
      return Decode(options, in, out);
    case CliCommand::Repair:
      return Repair(options, in, out);
    case CliCommand::Show:
      return Show(options, in, out);
    case CliCommand::Slots:
      return Slots(options, out);
    case CliCommand::Extract:
      return Extract(options, out);
    case CliCommand::Tiles:
      return Tiles(options, in, out);
  }
}

int RunParsed(const ParsedCommandLine& parsed, std::istream& in, std::ostream& out,
              std::ostream& err) {
  switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::Help:
      out << parsed.text;
      return kExitSuccess;
    case ParsedCommandLine::Outcome::UsageError:
      err << "velmara-pw: " << parsed.text << '\n' << kUsage;
      return kExitUsage;
    case ParsedCommandLine::Outcome::Run:
      break;
  }
  // Results are built whole before the first byte goes to `out`, so a refused
  // input leaves the output empty.
  try {
    Run(parsed.options, in, out);
    return kExitSuccess;
  } catch (const CliRejection& rejection) {
    err << rejection.line() << '\n';
  } catch (const EPasswordError& error) {
    err << "velmara-pw: " << error.what() << '\n';
  }
  return kExitRejected;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  const int status = RunParsed(ParseCommandLine(args), in, out, err);
  // Output is buffered: a full disk or a closed terminal may show only here.
  if (status == kExitSuccess && !out.flush()) {
    err << OutputFailure(out) << '\n';
    return kExitRejected;
  }
  return status;
}

}  // namespace velmara
