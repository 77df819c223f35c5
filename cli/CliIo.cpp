#include "cli/CliIo.h"

#include <unistd.h>

#include <QString>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>

#include "cli/CliOptions.h"
#include "cli/DescriptorInput.h"
#include "cli/DescriptorOutput.h"
#include "sources/DataFile.h"
#include "sources/TileDump.h"

namespace velmara {

namespace {

QString ToQString(const std::string& path) {
  return QString::fromStdString(path);
}

// Reads up to `limit` bytes; fewer only at the end of the stream. A failed
// read is named with the system's reason when `in` reads a DescriptorInput.
std::string ReadAtMost(std::istream& in, std::size_t limit) {
  std::string bytes(limit, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(limit));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (const auto* input = dynamic_cast<const DescriptorInput*>(in.rdbuf());
      input && input->error() != 0)
    throw CannotRead(kStdStream, std::strerror(input->error()));
  if (in.bad()) throw CliRejection("velmara-pw: cannot read standard input");
  return bytes;
}

std::string WrongSize(const std::string& name) {
  return "velmara-pw: " + DisplayName(name) + " is not a password data file (it must be exactly " +
         std::to_string(kPasswordDataSize) + " bytes)";
}

CliRejection CannotWrite(const std::string& name, const QString& reason) {
  return CliRejection("velmara-pw: cannot write " + DisplayName(name) + ": " +
                      reason.toStdString());
}

const DescriptorOutput* DescriptorOf(const std::ostream& out) {
  return dynamic_cast<const DescriptorOutput*>(out.rdbuf());
}

}  // namespace

std::string DisplayName(const std::string& name) {
  if (name == kStdStream) return "standard input";
  std::string shown = "'";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown += c;
    }
  }
  return shown + "'";
}

CliRejection CannotRead(const std::string& name, const std::string& reason) {
  return CliRejection("velmara-pw: cannot read " + DisplayName(name) + ": " + reason);
}

TPasswordData ReadRecord(const std::string& name, std::istream& in) {
  TPasswordData data{};
  if (name == kStdStream) {
    const std::string bytes = ReadAtMost(in, kPasswordDataSize + 1);
    if (bytes.size() != kPasswordDataSize) throw CliRejection(WrongSize(name));
    std::memcpy(&data, bytes.data(), kPasswordDataSize);
    return data;
  }
  QString reason;
  switch (LoadDataFile(ToQString(name), data, &reason)) {
    case DataFileStatus::Loaded:
      return data;
    case DataFileStatus::WrongSize:
      throw CliRejection(WrongSize(name));
    case DataFileStatus::Unreadable:
      break;
  }
  throw CannotRead(name, reason.toStdString());
}

std::string ReadPasswordText(std::istream& in) {
  std::string text = ReadAtMost(in, kMaxPasswordTextBytes + 1);
  if (text.size() > kMaxPasswordTextBytes)
    throw CliRejection("velmara-pw: password text on standard input is longer than " +
                       std::to_string(kMaxPasswordTextBytes) + " bytes");
  return text;
}

void WriteBytes(std::ostream& out, std::span<const std::uint8_t> bytes) {
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) throw CliRejection(OutputFailure(out));
}

void WriteRecord(const std::string& name, const TPasswordData& data, std::ostream& out) {
  if (name == kStdStream) {
    WriteBytes(out, {reinterpret_cast<const std::uint8_t*>(&data), kPasswordDataSize});
    return;
  }
  QString reason;
  if (!SaveDataFile(ToQString(name), data, &reason)) throw CannotWrite(name, reason);
}

void WriteTiles(const std::string& name, const std::uint8_t (&tiles)[kMaxTiles],
                std::ostream& out) {
  if (name == kStdStream) {
    WriteBytes(out, tiles);
    return;
  }
  QString reason;
  if (!SaveTileDump(ToQString(name), tiles, &reason)) throw CannotWrite(name, reason);
}

std::string OutputFailure(const std::ostream& out) {
  std::string line = "velmara-pw: cannot write standard output";
  if (const DescriptorOutput* output = DescriptorOf(out); output && output->error() != 0)
    line += ": " + std::string(std::strerror(output->error()));
  return line;
}

bool WritesToTerminal(const std::ostream& out) {
  const DescriptorOutput* output = DescriptorOf(out);
  return output && ::isatty(output->descriptor()) == 1;
}

}  // namespace velmara
