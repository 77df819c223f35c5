// The transfer password encoder and decoder.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "codec/CheckValue.h"
#include "codec/PasswordData.h"
#include "codec/PasswordFormat.h"

namespace velmara {

// Raised for misuse of the codec (unknown type, missing record). The message
// is shown to the user unchanged.
class EPasswordError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The decoder's message for a text of the wrong length; callers that pick
// the type by length report a length that fits no type with it too.
inline constexpr char kWrongLengthMessage[] =
    "Cannot import password:  Password has the wrong number of characters.";

// Shared buffers of the encoder and decoder: the packed password bytes, the
// tiles and the working copies of the record (character records first).
class TPasswordWorkspace {
 public:
  // Zeroes the password bytes, tiles and character copy; type and counts to 0.
  // The general-area copy is kept.
  void Reset();

 protected:
  TPasswordWorkspace() = default;

  std::uint8_t PasswordBytes[kMaxPasswordBytes] = {};
  std::uint8_t Tiles[kMaxTiles] = {};
  TCharacterRecord Characters[kCharacterCount] = {};
  std::uint8_t GeneralArea[kGeneralAreaSize] = {};
  std::int32_t PasswordType = 0;
  std::int32_t TileCount = 0;
  std::int32_t ByteCount = 0;
};

class TVelmaraPasswordEncoder : public TPasswordWorkspace {
 public:
  TVelmaraPasswordEncoder() { Reset(); }

  // Makes the password of `type` for `data` (260, 61 or 16 characters).
  // Throws EPasswordError for a type outside 0..2 or a null record; then the
  // tiles of the previous password are kept. Values above their bounds are
  // lowered in the encoder's own copy; `data` is never written.
  std::string MakePassword(TPasswordType type, const TPasswordData* data);

  // Copies the 260-byte tile buffer: the last password's tiles followed by
  // zero bytes, or all zero before the first password. `destination` must
  // hold at least 260 bytes.
  void GetTiles(std::uint8_t* destination) const;

 private:
  int PackData();
  int BytesToTiles();
  int SideQuestFlag(int n) const;
};

class TVelmaraPasswordDecoder : public TPasswordWorkspace {
 public:
  TVelmaraPasswordDecoder() { Reset(); }

  // Checks `text` (UTF-8, exactly the password characters) as a password of
  // `type` and, when it is accepted, writes the fields that type carries into
  // `data`; every other byte of `data` keeps its value. Returns an empty
  // string on success, else the message for the user; on failure `data` is
  // left exactly as it was. Never throws for bad input.
  std::string DecodePassword(TPasswordType type, std::string_view text, TPasswordData* data);

 private:
  std::string CheckRows();
  void UnpackData();
  void SetSideQuestFlag(int n);
};

}  // namespace velmara
