// First-game battery save images built in code: sixteen 4,096-byte blocks,
// each with its signature, slot number and party record.
#pragma once

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "codec/PasswordData.h"
#include "codec/VelmaraData.h"
#include "core/SaveImage.h"
#include "tests/common/PasswordSupport.h"

namespace velmara::testing {

constexpr int kBlockSize = static_cast<int>(kSaveBlockSize);
constexpr int kImageSize = static_cast<int>(kSaveImageSize);

// A party with its four character names set, as a save block carries it.
inline TPasswordData NamedParty(DefaultParty which, std::array<const char*, 4> names) {
  TPasswordData party = MakeDefaultParty(which);
  for (int c = 0; c < 4; ++c)
    std::memcpy(party.Characters[c].Name, names[c], std::strlen(names[c]));
  return party;
}

// One save block: signature, slot number, the party record with its save
// name and clear mark.
struct Block {
  int index;
  QByteArray name;  // up to five bytes, zero-padded
  std::uint8_t slot = 0;
  std::uint8_t clearMark = 0;
  TPasswordData party = MakeDefaultParty(kDefaultLow);
  QByteArray signature = "CAMELOT";
};

inline QByteArray SaveImage(const std::vector<Block>& blocks, int size = kImageSize) {
  QByteArray image(size, '\0');
  for (const Block& block : blocks) {
    TPasswordData party = block.party;
    std::memset(party.SaveName, 0, sizeof party.SaveName);
    std::memcpy(party.SaveName, block.name.constData(),
                std::min<qsizetype>(block.name.size(), sizeof party.SaveName));
    party.ClearMark = block.clearMark;
    QByteArray bytes(kBlockSize, '\0');
    bytes.replace(0, block.signature.size(), block.signature);
    bytes[kSaveBlockSlotOffset] = static_cast<char>(block.slot);
    bytes.replace(kSaveBlockPartyOffset, sizeof party,
                  QByteArray::fromStdString(RecordBytes(party)));
    const int at = block.index * kBlockSize;
    if (at + kBlockSize <= size) image.replace(at, kBlockSize, bytes);
  }
  return image;
}

}  // namespace velmara::testing
