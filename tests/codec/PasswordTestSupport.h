// Helpers shared by the codec tests.
#pragma once

#include <cstring>
#include <random>
#include <string_view>
#include <vector>

#include "codec/Alphabet.h"
#include "codec/PasswordData.h"
#include "codec/PasswordFormat.h"
#include "codec/VelmaraData.h"

namespace velmara::testing {

inline TPasswordData ZeroRecord() {
  TPasswordData data;
  std::memset(static_cast<void*>(&data), 0, sizeof data);
  return data;
}

inline bool SameBytes(const TPasswordData& a, const TPasswordData& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Undoes the character layer of a password by the plain rules of the format,
// independently of the decoder: remove each tile's position, drop every tenth
// (row check) tile, join the 6-bit tiles MSB-first and undo the XOR with the
// last byte. Returns the data bytes followed by the two check-value bytes.
inline std::vector<std::uint8_t> PlainPasswordBytes(std::string_view password, TPasswordType type) {
  std::vector<int> bits;
  for (std::size_t i = 0; i < password.size(); ++i) {
    if (i % 10 == 9) continue;
    const int tile =
        (CharToTile(static_cast<unsigned char>(password[i])) - static_cast<int>(i) + 640) % 64;
    for (int b = 5; b >= 0; --b) bits.push_back((tile >> b) & 1);
  }
  std::vector<std::uint8_t> bytes(DataBytes(type) + 2);
  for (std::size_t i = 0; i < bytes.size() * 8; ++i)
    if (bits.at(i)) bytes[i / 8] |= static_cast<std::uint8_t>(0x80 >> (i % 8));
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) bytes[i] ^= bytes.back();
  return bytes;
}

// A record of random bytes whose fields stay within what the window lets a
// user enter, so that a password round trip can reproduce them exactly.
inline TPasswordData RandomRecord(std::uint32_t seed, bool anyBytes = false) {
  std::mt19937 rng(seed);
  TPasswordData data;
  auto* raw = reinterpret_cast<std::uint8_t*>(&data);
  for (std::size_t i = 0; i < sizeof data; ++i) raw[i] = static_cast<std::uint8_t>(rng());
  if (anyBytes) return data;
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < kCharacterCount; ++i) {
    TCharacterRecord& c = data.Characters[i];
    c.Level = static_cast<std::uint8_t>(pick(1, 99));
    c.HP = static_cast<std::uint16_t>(pick(1, 1999));
    c.PP = static_cast<std::uint16_t>(pick(1, 1999));
    c.Attack = static_cast<std::uint16_t>(pick(1, 511));
    c.Defense = static_cast<std::uint16_t>(pick(1, 511));
    c.Agility = static_cast<std::uint16_t>(pick(1, 511));
    c.Luck = static_cast<std::uint8_t>(pick(1, 99));
    for (int e = 0; e < kElementCount; ++e)
      c.Djinn[e] = e == i ? static_cast<std::uint32_t>(pick(0, 127)) : 0;
  }
  data.Coins = static_cast<std::uint32_t>(pick(0, 999999));
  return data;
}

// A party the window could have made: RandomRecord's fields, every slot an
// item of the item table, quantities only on stackable items, and random
// side quests.
inline TPasswordData PlausibleRecord(std::uint32_t seed) {
  TPasswordData data = RandomRecord(seed);
  std::mt19937 rng(seed ^ 0x5EEDu);
  std::memset(data.EventFlags, 0, sizeof data.EventFlags);
  for (std::uint16_t flag : kSideQuestFlags) SetEventFlag(data, flag, rng() % 2 == 0);
  for (TCharacterRecord& c : data.Characters) {
    for (std::uint16_t& word : c.Items) {
      const std::uint16_t id = ItemTableId(kItemTable[rng() % kItemTable.size()]);
      word = MakeItemWord(id, IsStackableItem(id) ? static_cast<int>(rng() % 32) + 1 : 1);
    }
  }
  return data;
}

}  // namespace velmara::testing
