#include "codec/Password.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "codec/Alphabet.h"
#include "codec/BitStream.h"
#include "codec/PasswordTiles.h"
#include "codec/Utf8.h"

namespace velmara {

static_assert(kDjinnBitsPerElement == kDjinnPerElement, "a Djinn word holds one element's Djinn");

namespace {

constexpr char kUnknownType[] = "Unknown password type specified.";
constexpr char kNoGameData[] = "Cannot make password.. no game data provided!";
constexpr char kEncoderBadFlagIndex[] =
    "Cannot create password:  Illegal bit-table index constant - ";
constexpr char kDecoderBadFlagIndex[] =
    "Cannot import password:  Illegal bit-table index constant - ";
constexpr char kNoDataStorage[] = "Cannot import password:  No data storage available.";
constexpr char kInvalidCharacterPrefix[] = "Cannot import password:  Invalid password character \"";
constexpr char kInvalidCharacterSuffix[] = "\" found.";
constexpr char kRowMistakePrefix[] = "Cannot import password -- ";
constexpr char kRowMistakeHeading[] =
    "There is at least one mistake in each of the following:\r\n\r\n";
constexpr char kBadCheckValue[] = "Cannot import password:  Password is invalid.";

std::size_t StatsByte(std::int32_t type) {
  return type == ptGold ? kGoldStatsByte : kSilverStatsByte;
}

// Item identifier -> position in a table of identifiers, or -1. The encoder
// looks up all 60 slots on every password, so these are direct tables.
template <std::size_t N>
constexpr std::array<std::int8_t, kItemIdMask + 1> PositionTable(
    const std::array<std::uint16_t, N>& ids) {
  std::array<std::int8_t, kItemIdMask + 1> table{};
  table.fill(-1);
  for (std::size_t i = 0; i < N; ++i) table[ids[i]] = static_cast<std::int8_t>(i);
  return table;
}
constexpr auto kSpecialItemPosition = PositionTable(kSpecialItems);
constexpr auto kStackablePosition = PositionTable(kStackableItems);
static_assert(kStackablePosition[241] == kStackableItemCount - 1 && kStackablePosition[190] == -1);

}  // namespace

void TPasswordWorkspace::Reset() {
  std::memset(PasswordBytes, 0, sizeof PasswordBytes);
  std::memset(Tiles, 0, sizeof Tiles);
  std::memset(static_cast<void*>(Characters), 0, sizeof Characters);
  PasswordType = 0;
  TileCount = 0;
  ByteCount = 0;
}

// ---------------------------------------------------------------------------
// Encoder

std::string TVelmaraPasswordEncoder::MakePassword(TPasswordType type, const TPasswordData* data) {
  std::string result;
  if (!IsKnownPasswordType(type)) throw EPasswordError(kUnknownType + std::to_string(type));
  if (data == nullptr) throw EPasswordError(kNoGameData);

  PasswordType = type;
  std::memcpy(GeneralArea, data, kGeneralAreaSize);
  std::memcpy(static_cast<void*>(Characters), data->Characters, kCharacterAreaSize);
  std::memset(PasswordBytes, 0, sizeof PasswordBytes);
  std::memset(Tiles, 0, sizeof Tiles);

  ByteCount = PackData();
  const std::uint16_t check = CheckValue(PasswordBytes, static_cast<std::size_t>(ByteCount));
  PasswordBytes[ByteCount] = static_cast<std::uint8_t>(check >> 8);
  PasswordBytes[ByteCount + 1] = static_cast<std::uint8_t>(check & 0xFF);
  ByteCount += kCheckValueBytes;

  TileCount = BytesToTiles();
  result.resize(static_cast<std::size_t>(TileCount));
  for (int i = 0; i < TileCount; ++i) result[static_cast<std::size_t>(i)] = TileToChar(Tiles[i]);
  return result;
}

void TVelmaraPasswordEncoder::GetTiles(std::uint8_t* destination) const {
  std::memcpy(destination, Tiles, kMaxTiles);
}

int TVelmaraPasswordEncoder::SideQuestFlag(int n) const {
  if (n < 0 || n >= kSideQuestCount) throw EPasswordError(kEncoderBadFlagIndex + std::to_string(n));
  const std::uint16_t flag = kSideQuestFlags[n];
  return (GeneralArea[EventFlagByte(flag)] >> EventFlagBit(flag)) & 1;
}

int TVelmaraPasswordEncoder::PackData() {
  const auto type = static_cast<TPasswordType>(PasswordType);
  const std::size_t dataBytes = DataBytes(type);
  std::memset(PasswordBytes, 0, dataBytes);

  std::uint8_t flags = 0;
  for (int n = 0; n < kSideQuestCount; ++n)
    flags |= static_cast<std::uint8_t>(SideQuestFlag(n) << n);

  std::uint32_t levels = 0;
  std::uint32_t djinn = 0;
  std::uint8_t specialItems = 0;
  const bool carriesStats = type == ptGold || type == ptSilver;
  BitWriter stats(PasswordBytes + StatsByte(type));

  for (int i = 0; i < kCharacterCount; ++i) {
    TCharacterRecord& c = Characters[i];
    c.HP = std::min(c.HP, kMaxHpPp);
    c.PP = std::min(c.PP, kMaxHpPp);
    c.Attack = std::min(c.Attack, kMaxAttackDefenseAgility);
    c.Defense = std::min(c.Defense, kMaxAttackDefenseAgility);
    c.Agility = std::min(c.Agility, kMaxAttackDefenseAgility);
    c.Luck = std::min(c.Luck, kMaxLuck);
    if (carriesStats) {
      stats.Put(c.HP, kHpBits);
      stats.Put(c.PP, kPpBits);
      stats.Put(c.Attack, kAttackBits);
      stats.Put(c.Defense, kDefenseBits);
      stats.Put(c.Agility, kAgilityBits);
      stats.Put(c.Luck, kLuckBits);
    }

    c.Level = std::min(c.Level, kMaxLevel);
    if (c.Level == 0) c.Level = 1;
    levels |= static_cast<std::uint32_t>(c.Level) << (kLevelBits * i);

    // OR, not add: a Djinn held twice, or a stray bit 7, must not carry into
    // the next Djinn.
    for (int e = 0; e < kElementCount; ++e)
      djinn |= (c.Djinn[e] & kDjinnWordMask) << (kDjinnBitsPerElement * e);

    for (std::uint16_t word : c.Items) {
      const int m = kSpecialItemPosition[ItemId(word)];
      if (m >= 0) specialItems |= static_cast<std::uint8_t>(1u << m);
    }
  }

  if (type == ptGold) {
    std::uint8_t* items = PasswordBytes + kGoldItemsByte;
    for (int g = 0; g < kCharacterCount * kSlotsPerCharacter; ++g) {
      const std::uint16_t word = Characters[g / kSlotsPerCharacter].Items[g % kSlotsPerCharacter];
      BitWriter(items, GoldItemBitPosition(g)).Put(ItemId(word), kItemIdBits);
    }

    BitWriter quantities(PasswordBytes + kGoldQuantitiesByte, kGoldQuantitiesFirstBit);
    for (const TCharacterRecord& c : Characters) {
      std::uint8_t fields[kStackableItemCount] = {};
      for (std::uint16_t word : c.Items) {  // the last slot holding an item counts
        const int t = kStackablePosition[ItemId(word)];
        if (t >= 0) fields[t] = static_cast<std::uint8_t>(ItemQuantityField(word));
      }
      for (std::uint8_t field : fields) quantities.Put(field, kQuantityBits);
    }

    std::uint32_t coins;
    std::memcpy(&coins, GeneralArea + kCoinsOffset, sizeof coins);
    PasswordBytes[kGoldCoinsByte] = static_cast<std::uint8_t>(coins >> 16);
    PasswordBytes[kGoldCoinsByte + 1] = static_cast<std::uint8_t>(coins >> 8);
    PasswordBytes[kGoldCoinsByte + 2] = static_cast<std::uint8_t>(coins);
  } else {
    PasswordBytes[kSpecialItemByte] = specialItems;
  }

  PasswordBytes[kLevelsByte] = static_cast<std::uint8_t>(levels);
  PasswordBytes[kLevelsByte + 1] = static_cast<std::uint8_t>(levels >> 8);
  PasswordBytes[kLevelsByte + 2] = static_cast<std::uint8_t>(levels >> 16);
  PasswordBytes[kDjinnByte] =
      static_cast<std::uint8_t>(((levels >> 24) & 0x0F) << 4 | (djinn & 0x0F));
  PasswordBytes[kDjinnByte + 1] = static_cast<std::uint8_t>(djinn >> 4);
  PasswordBytes[kDjinnByte + 2] = static_cast<std::uint8_t>(djinn >> 12);
  PasswordBytes[kDjinnByte + 3] = static_cast<std::uint8_t>(djinn >> 20);
  PasswordBytes[kSideQuestByte] = flags;

  return static_cast<int>(dataBytes);
}

int TVelmaraPasswordEncoder::BytesToTiles() {
  const auto n = static_cast<std::size_t>(ByteCount);
  // Scramble with the low byte of the check value, which itself stays plain.
  ScrambleWithLastByte(PasswordBytes, n);

  // Cut 6-bit tiles, insert a check tile after every nine, add each tile's
  // position. Whole groups of three bytes give four tiles at a time.
  const std::size_t dataTiles = DataTilesFor(n);
  std::size_t count = 0, inRow = 0;
  unsigned rowSum = 0;
  auto emit = [&](unsigned tile) {
    Tiles[count] = AddPositionOffset(tile, count);
    ++count;
    rowSum += tile;
    if (++inRow == kRowDataTiles) {
      Tiles[count] = AddPositionOffset(rowSum, count);
      ++count;
      rowSum = 0;
      inRow = 0;
    }
  };
  std::size_t byte = 0;
  for (; byte + 3 <= n; byte += 3) {
    const std::uint32_t bits = static_cast<std::uint32_t>(PasswordBytes[byte]) << 16 |
                               static_cast<std::uint32_t>(PasswordBytes[byte + 1]) << 8 |
                               PasswordBytes[byte + 2];
    emit(bits >> 18 & 63);
    emit(bits >> 12 & 63);
    emit(bits >> 6 & 63);
    emit(bits & 63);
  }
  BitReader tail(PasswordBytes, byte * 8, n * 8);  // the last tile is padded with 0 bits
  for (std::size_t t = byte / 3 * 4; t < dataTiles; ++t) emit(tail.Get(kTileBits));
  return static_cast<int>(count);
}

// ---------------------------------------------------------------------------
// Decoder

std::string TVelmaraPasswordDecoder::DecodePassword(TPasswordType type, std::string_view text,
                                                    TPasswordData* data) {
  if (!IsKnownPasswordType(type)) return kUnknownType + std::to_string(type);
  if (data == nullptr) return kNoDataStorage;

  PasswordType = type;
  std::memset(PasswordBytes, 0, sizeof PasswordBytes);
  std::memset(Tiles, 0, sizeof Tiles);
  std::memcpy(GeneralArea, data, kGeneralAreaSize);
  std::memcpy(static_cast<void*>(Characters), data->Characters, kCharacterAreaSize);

  // Characters are counted and named as the user sees them, not as bytes.
  // Most texts are short and all alphabet characters: map every byte and
  // test once; anything else takes the character-by-character walk.
  bool mapped = false;
  if (text.size() <= kMaxTiles) {
    unsigned seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      Tiles[i] = kCharToTileTable[static_cast<unsigned char>(text[i])];
      seen |= Tiles[i];
    }
    mapped = (seen & kInvalidTileBit) == 0;
    TileCount = static_cast<std::int32_t>(text.size());
  }
  if (!mapped) {
    std::memset(Tiles, 0, sizeof Tiles);
    const std::size_t characters = Utf8CharCount(text);
    if (characters > kMaxTiles) return kWrongLengthMessage;
    TileCount = static_cast<std::int32_t>(characters);
    for (std::size_t i = 0; i < characters; ++i) {
      const std::size_t length = Utf8CharLength(text);
      const std::uint8_t tile =
          length == 1 ? kCharToTileTable[static_cast<unsigned char>(text[0])] : kInvalidTile;
      if (tile == kInvalidTile) {
        return kInvalidCharacterPrefix + std::string(text.substr(0, length)) +
               kInvalidCharacterSuffix;
      }
      Tiles[i] = tile;
      text.remove_prefix(length);
    }
  }

  const std::string rows = CheckRows();
  if (!rows.empty()) {
    if (rows.find("row") != std::string::npos) return kRowMistakePrefix + rows;
    return kWrongLengthMessage;
  }

  const auto n = static_cast<std::size_t>(ByteCount);
  const auto stored = static_cast<std::uint16_t>(PasswordBytes[n - 2] << 8 | PasswordBytes[n - 1]);
  ByteCount = static_cast<std::int32_t>(n - kCheckValueBytes);
  if (!CheckValueMatches(PasswordBytes, n - kCheckValueBytes, stored)) return kBadCheckValue;

  UnpackData();
  std::memcpy(data, GeneralArea, kGeneralAreaSize);
  std::memcpy(static_cast<void*>(data->Characters), Characters, kCharacterAreaSize);
  return {};
}

std::string TVelmaraPasswordDecoder::CheckRows() {
  const auto count = static_cast<std::size_t>(TileCount);
  RemovePositionOffsets(Tiles, count);

  // Only complete rows carry a check tile; the row list is built in row order.
  std::string mistakes;
  for (std::size_t r = 0; r < CompleteRows(count); ++r) {
    const std::uint8_t* row = Tiles + kRowLength * r;
    if (row[kRowDataTiles] != RowCheckValue(row))
      mistakes += ", row " + std::to_string(r % kRowsPerPage + 1) + " on page " +
                  std::to_string(r / kRowsPerPage + 1);
  }
  if (!mistakes.empty()) return kRowMistakeHeading + mistakes.substr(2);

  // The length must be the one of the type asked for: a Gold password read
  // as Silver would pass its check value and unpack into nonsense. Checked
  // before the tiles are packed, so a wrong count never writes past the
  // password bytes.
  const auto type = static_cast<TPasswordType>(PasswordType);
  if (count != PasswordLength(type)) return "Password has an incorrect number of characters.";
  const std::size_t byteCount = DataBytes(type) + kCheckValueBytes;
  ByteCount = static_cast<std::int32_t>(byteCount);

  // Drop the row check tiles, then join four tiles to three bytes.
  std::uint8_t dataTiles[kMaxTiles + 3] = {};
  std::size_t dataCount = 0;
  std::size_t start = 0;
  for (; start + kRowLength <= count; start += kRowLength, dataCount += kRowDataTiles)
    std::memcpy(dataTiles + dataCount, Tiles + start, kRowDataTiles);
  std::memcpy(dataTiles + dataCount, Tiles + start, count - start);  // a last, unchecked part row
  JoinDataTiles(dataTiles, PasswordBytes, byteCount);
  ScrambleWithLastByte(PasswordBytes, byteCount);
  return {};
}

void TVelmaraPasswordDecoder::SetSideQuestFlag(int n) {
  if (n < 0 || n >= kSideQuestCount) throw EPasswordError(kDecoderBadFlagIndex + std::to_string(n));
  const std::uint16_t flag = kSideQuestFlags[n];
  GeneralArea[EventFlagByte(flag)] |= static_cast<std::uint8_t>(1u << EventFlagBit(flag));
}

void TVelmaraPasswordDecoder::UnpackData() {
  const auto type = static_cast<TPasswordType>(PasswordType);
  const std::uint8_t* b = PasswordBytes;

  const std::uint32_t levels = PackedLevels(b);
  for (int i = 0; i < kCharacterCount; ++i)
    Characters[i].Level = static_cast<std::uint8_t>((levels >> (kLevelBits * i)) & kLevelFieldMask);

  const std::uint32_t djinn =
      (b[3] & 0x0F) | b[4] << 4 | b[5] << 12 | static_cast<std::uint32_t>(b[6]) << 20;
  for (int e = 0; e < kElementCount; ++e)
    Characters[e].Djinn[e] = (djinn >> (kDjinnBitsPerElement * e)) & kDjinnWordMask;

  for (int n = 0; n < kSideQuestCount; ++n)
    if (b[kSideQuestByte] >> n & 1) SetSideQuestFlag(n);

  if (type != ptGold) {
    int slot = 0;
    for (int m = 0; m < kSpecialItemCount; ++m)
      if (b[kSpecialItemByte] >> m & 1) Characters[0].Items[slot++] = kSpecialItems[m];
  }
  if (type == ptBronze) return;

  // Every field below lies well inside the 175-byte buffer, so each is read
  // with one eight-byte load (ReadBitsAt).
  BitCursor stats(PasswordBytes + StatsByte(type));
  for (TCharacterRecord& c : Characters) {
    c.HP = static_cast<std::uint16_t>(stats.Next(kHpBits));
    c.PP = static_cast<std::uint16_t>(stats.Next(kPpBits));
    c.Attack = static_cast<std::uint16_t>(stats.Next(kAttackBits));
    c.Defense = static_cast<std::uint16_t>(stats.Next(kDefenseBits));
    c.Agility = static_cast<std::uint16_t>(stats.Next(kAgilityBits));
    c.Luck = static_cast<std::uint8_t>(stats.Next(kLuckBits));
  }
  if (type == ptSilver) return;

  // Seven identifiers to each group of eight bytes, read as one number.
  constexpr int kItemCount = kCharacterCount * kSlotsPerCharacter;
  for (int first = 0; first < kItemCount; first += kItemsPerGroup) {
    const std::uint64_t group =
        LoadBigEndian64(PasswordBytes + kGoldItemsByte + GoldItemBitPosition(first) / 8);
    for (int k = 0; k < kItemsPerGroup && first + k < kItemCount; ++k) {
      const int g = first + k;
      Characters[g / kSlotsPerCharacter].Items[g % kSlotsPerCharacter] = static_cast<std::uint16_t>(
          group >> (kItemGroupBits - kItemIdBits * (k + 1)) & kItemIdMask);
    }
  }

  BitCursor quantities(PasswordBytes + kGoldQuantitiesByte, kGoldQuantitiesFirstBit);
  for (TCharacterRecord& c : Characters) {
    // A quantity goes to the last slot holding its item, and is dropped when
    // no slot does.
    int lastSlot[kStackableItemCount];
    std::fill(std::begin(lastSlot), std::end(lastSlot), -1);
    for (int slot = 0; slot < kSlotsPerCharacter; ++slot) {
      const int t = kStackablePosition[ItemId(c.Items[slot])];
      if (t >= 0) lastSlot[t] = slot;
    }
    for (int t = 0; t < kStackableItemCount; ++t) {
      const auto field = quantities.Next(kQuantityBits);
      if (lastSlot[t] >= 0)
        c.Items[lastSlot[t]] = MakeItemWord(kStackableItems[t], static_cast<int>(field) + 1);
    }
  }

  GeneralArea[kCoinsOffset] = b[kGoldCoinsByte + 2];
  GeneralArea[kCoinsOffset + 1] = b[kGoldCoinsByte + 1];
  GeneralArea[kCoinsOffset + 2] = b[kGoldCoinsByte];
}

}  // namespace velmara
