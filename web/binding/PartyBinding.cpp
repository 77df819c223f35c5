// The page's party: the one record, encoder and decoder of a page, with the
// window's edit rules applied on the way in. The page holds its controls and
// state; everything that decides a value happens here, in the shared code.
// Indices out of range are ignored (reads give 0), so no call can reach
// outside the record.
#include <emscripten/bind.h>

#include <cstring>
#include <string>

#include "codec/Password.h"
#include "codec/PasswordData.h"
#include "codec/VelmaraData.h"
#include "core/EditRules.h"
#include "core/PartyRules.h"
#include "core/SaveImage.h"
#include "web/binding/BindingSupport.h"

namespace velmara::web {

namespace {

using emscripten::val;

bool IsCharacter(int c) {
  return c >= 0 && c < kCharacterCount;
}
bool IsSlot(int j) {
  return j >= 0 && j < kSlotsPerCharacter;
}
bool IsElement(int e) {
  return e >= 0 && e < kElementCount;
}
bool IsSideQuest(int i) {
  return i >= 0 && i < kSideQuestCount;
}
bool IsStatField(int k) {
  return k >= 0 && k < kStatFieldCount;
}

class Party {
 public:
  // --- The record as bytes: the data file, a save block.
  val bytes() const {
    return Uint8ArrayOf(reinterpret_cast<const std::uint8_t*>(&data_), kPasswordDataSize);
  }
  // Takes exactly 2,608 bytes; any other size leaves the record as it was.
  bool setBytes(const val& array) {
    const std::vector<std::uint8_t> bytes = BytesOf(array);
    if (bytes.size() != kPasswordDataSize) return false;
    std::memcpy(&data_, bytes.data(), kPasswordDataSize);
    return true;
  }
  // The party of the save block at `offset`; false (record unchanged) when
  // the block lies outside the image.
  bool loadSaveBlock(const val& image, int offset) {
    if (offset < 0) return false;
    const std::vector<std::uint8_t> bytes = BytesOf(image);
    return ReadSaveBlock(bytes, static_cast<std::size_t>(offset), data_);
  }
  std::string characterCaption(int c) const {
    return IsCharacter(c) ? CharacterCaption(data_.Characters[c]) : std::string();
  }

  // --- Statistics: field k of kStatFields.
  unsigned stat(int c, int k) const {
    return IsCharacter(c) && IsStatField(k) ? StatValue(data_.Characters[c], kStatFields[k]) : 0;
  }
  void setStatText(int c, int k, const std::string& text) {
    if (!IsCharacter(c) || !IsStatField(k)) return;
    const StatField& field = kStatFields[k];
    SetStatValue(data_.Characters[c], field, StatFromText(text, field.maxLength));
  }

  // --- Djinn: one 7-bit mask per element.
  unsigned djinnHeld(int e) const { return IsElement(e) ? DjinnHeld(data_)[e] : 0; }
  void placeDjinn(unsigned venus, unsigned mercury, unsigned mars, unsigned jupiter) {
    PlaceDjinn(data_, {venus, mercury, mars, jupiter});
  }

  // --- Inventories.
  unsigned itemWord(int c, int j) const {
    return IsCharacter(c) && IsSlot(j) ? data_.Characters[c].Items[j] : 0;
  }
  void setItemWord(int c, int j, unsigned word) {
    if (IsCharacter(c) && IsSlot(j))
      data_.Characters[c].Items[j] = static_cast<std::uint16_t>(word);
  }
  // Where a Gold refresh puts story item `id` among the page's four lists,
  // given as the item words of each list's rows: {character, slot, text,
  // word}, or null when the record holds the item or no row is empty.
  val storyItemPlacement(const val& words, unsigned id) const {
    InventoryLists lists;
    for (int c = 0; c < kCharacterCount; ++c)
      lists[c] = emscripten::convertJSArrayToNumberVector<std::uint16_t>(words[c]);
    const auto item = static_cast<std::uint16_t>(id);
    const auto slot = StoryItemSlot(data_, lists, item);
    if (!slot) return val::null();
    val placement = val::object();
    placement.set("character", slot->character);
    placement.set("slot", slot->slot);
    placement.set("text", ItemDisplayName(SharedItemNames(), item));
    placement.set("word", MakeItemWord(item));
    return placement;
  }

  // --- Coins and side quests.
  unsigned coins() const { return data_.Coins; }
  void setCoinsText(const std::string& text) { data_.Coins = CoinsFromText(text); }
  bool sideQuest(int i) const { return IsSideQuest(i) && GetEventFlag(data_, kSideQuestFlags[i]); }
  void setSideQuest(int i, bool done) {
    if (IsSideQuest(i)) SetEventFlag(data_, kSideQuestFlags[i], done);
  }

  // --- The codec.
  // The password of `type` (0 Gold, 1 Silver, 2 Bronze) for the record; the
  // empty text for any other type, which the encoder would refuse.
  val makePassword(int type) {
    if (!IsKnownPasswordType(type)) return JsString({});
    return JsString(encoder_.MakePassword(static_cast<TPasswordType>(type), &data_));
  }
  // The encoder's 260-byte tile buffer: the last password's tiles, then zeros.
  val tiles() const {
    std::uint8_t tiles[kMaxTiles];
    encoder_.GetTiles(tiles);
    return Uint8ArrayOf(tiles, kMaxTiles);
  }
  // Decodes password text into a zeroed record, as pasted text is; returns
  // the decoder's message, empty when the password was accepted.
  std::string decode(int type, const std::string& text) {
    data_ = TPasswordData{};
    return decoder_.DecodePassword(static_cast<TPasswordType>(type), text, &data_);
  }

 private:
  TPasswordData data_{};
  TVelmaraPasswordEncoder encoder_;
  TVelmaraPasswordDecoder decoder_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(velmara_party) {
  emscripten::class_<Party>("Party")
      .constructor<>()
      .function("bytes", &Party::bytes)
      .function("setBytes", &Party::setBytes)
      .function("loadSaveBlock", &Party::loadSaveBlock)
      .function("characterCaption", &Party::characterCaption)
      .function("stat", &Party::stat)
      .function("setStatText", &Party::setStatText)
      .function("djinnHeld", &Party::djinnHeld)
      .function("placeDjinn", &Party::placeDjinn)
      .function("itemWord", &Party::itemWord)
      .function("setItemWord", &Party::setItemWord)
      .function("storyItemPlacement", &Party::storyItemPlacement)
      .function("coins", &Party::coins)
      .function("setCoinsText", &Party::setCoinsText)
      .function("sideQuest", &Party::sideQuest)
      .function("setSideQuest", &Party::setSideQuest)
      .function("makePassword", &Party::makePassword)
      .function("tiles", &Party::tiles)
      .function("decode", &Party::decode);
}

}  // namespace velmara::web
