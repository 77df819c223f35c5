#include "CliIo.h"

#include <QString>
#include <cstring>
#include <istream>
#include <ostream>

#include "DataFile.h"
#include "PasswordFormat.h"
#include "TileDump.h"

namespace velmara {

namespace {

QString ToQString(const std::string& path) {
  return QString::fromStdString(path);
}

// Reads up to `limit` bytes; fewer only at the end of the stream.
std::string ReadAtMost(std::istream& in, std::size_t limit) {
  std::string bytes(limit, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(limit));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) throw CliRejection("velmara-pw: cannot read standard input");
  return bytes;
}

std::string WrongSize(const std::string& name) {
  return "velmara-pw: " + DisplayName(name) + " is not a password data file (it must be exactly " +
         std::to_string(kPasswordDataSize) + " bytes)";
}

}  // namespace

std::string DisplayName(const std::string& name) {
  return name == "-" ? "standard input" : "'" + name + "'";
}

TPasswordData ReadRecord(const std::string& name, std::istream& in) {
  TPasswordData data{};
  if (name == "-") {
    const std::string bytes = ReadAtMost(in, kPasswordDataSize + 1);
    if (bytes.size() != kPasswordDataSize) throw CliRejection(WrongSize(name));
    std::memcpy(&data, bytes.data(), kPasswordDataSize);
    return data;
  }
  switch (LoadDataFile(ToQString(name), data)) {
    case DataFileStatus::Loaded:
      return data;
    case DataFileStatus::WrongSize:
      throw CliRejection(WrongSize(name));
    case DataFileStatus::Unreadable:
      break;
  }
  throw CliRejection("velmara-pw: cannot read " + DisplayName(name));
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
  if (!out) throw CliRejection("velmara-pw: cannot write standard output");
}

void WriteRecord(const std::string& name, const TPasswordData& data, std::ostream& out) {
  if (name == "-") {
    WriteBytes(out, {reinterpret_cast<const std::uint8_t*>(&data), kPasswordDataSize});
  } else if (!SaveDataFile(ToQString(name), data)) {
    throw CliRejection("velmara-pw: cannot write '" + name + "'");
  }
}

void WriteTiles(const std::string& name, const std::uint8_t (&tiles)[kMaxTiles],
                std::ostream& out) {
  if (name == "-") {
    WriteBytes(out, tiles);
  } else if (!SaveTileDump(ToQString(name), tiles)) {
    throw CliRejection("velmara-pw: cannot write '" + name + "'");
  }
}

}  // namespace velmara
