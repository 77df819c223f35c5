// The page's view of the shared texts and tables: password layouts, save
// block entries, slot texts and colours, the statistic fields, the game's
// names and the messages the window shows.
#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "codec/VelmaraData.h"
#include "core/EditRules.h"
#include "core/InventoryEditor.h"
#include "core/InventorySlots.h"
#include "core/PartyRules.h"
#include "core/PasswordLayout.h"
#include "core/SaveImage.h"
#include "core/WindowTexts.h"
#include "web/binding/BindingSupport.h"

namespace velmara::web {

namespace {

using emscripten::val;

template <typename Strings>
val StringArray(const Strings& strings) {
  val array = val::array();
  for (const auto& text : strings) array.call<void>("push", std::string(text));
  return array;
}

// --- Password text.
std::string ClipboardText(const std::string& password) {
  return FormatPasswordForClipboard(password);
}
std::string Cleaned(const std::string& text) {
  return CleanPasswordText(text);
}
int CharCount(const std::string& text) {
  return static_cast<int>(PasswordCharCount(text));
}
// The type a text of `characters` characters selects, or -1 for none.
int TypeForLength(int characters) {
  if (characters < 0) return -1;
  const auto type = PasswordTypeForLength(static_cast<std::size_t>(characters));
  return type ? static_cast<int>(*type) : -1;
}
int PagesFor(const std::string& password) {
  return static_cast<int>(PageCount(PasswordCharCount(password)));
}
val RowsOfPage(const std::string& password, int page) {
  return StringArray(PageRowTexts(password, page));
}

// --- Battery saves: [{text, offset}] of the usable blocks.
val SaveBlocks(const val& image) {
  val entries = val::array();
  for (const SaveBlockEntry& entry : ListSaveBlocks(BytesOf(image))) {
    val row = val::object();
    row.set("text", entry.text);
    row.set("offset", entry.offset);
    entries.call<void>("push", row);
  }
  return entries;
}
int SaveImageSize() {
  return static_cast<int>(kSaveImageSize);
}
int PasswordDataSize() {
  return static_cast<int>(kPasswordDataSize);
}

// --- Inventory rows.
std::string SlotText(unsigned word) {
  return InventorySlotText(SharedItemNames(), static_cast<std::uint16_t>(word));
}
// "special", "stackable", "story" or "other": the page's CSS class of a row.
const char* ClassName(ItemColourClass cls) {
  switch (cls) {
    case ItemColourClass::Special:
      return "special";
    case ItemColourClass::Stackable:
      return "stackable";
    case ItemColourClass::Story:
      return "story";
    case ItemColourClass::Other:
      break;
  }
  return "other";
}
std::string ColourClass(unsigned word) {
  return ClassName(ColourClassOf(static_cast<std::uint16_t>(word)));
}
// {special, stackable, story}: each class's colour as CSS "rgb(r, g, b)".
val ClassColours() {
  val colours = val::object();
  for (const auto cls :
       {ItemColourClass::Special, ItemColourClass::Stackable, ItemColourClass::Story}) {
    const RgbColour c = *ClassColour(cls);
    colours.set(ClassName(cls), "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) +
                                    ", " + std::to_string(c.blue) + ")");
  }
  return colours;
}
val StoryItems() {
  val ids = val::array();
  for (const std::uint16_t id : kStoryItemsInOrder) ids.call<void>("push", id);
  return ids;
}

// --- Statistic edits: [{name, caption, maxLength, level}], and which are enabled.
val StatFields() {
  val fields = val::array();
  for (const StatField& field : kStatFields) {
    val row = val::object();
    row.set("name", std::string(field.name));
    row.set("caption", std::string(field.caption));
    row.set("maxLength", field.maxLength);
    row.set("level", field.kind == StatKind::Level);
    fields.call<void>("push", row);
  }
  return fields;
}
bool StatEditEnabled(int k, int type) {
  return k >= 0 && k < kStatFieldCount &&
         IsStatEditEnabled(kStatFields[k].kind, static_cast<TPasswordType>(type));
}
bool CoinsEditEnabled(int type) {
  return IsCoinsEditEnabled(static_cast<TPasswordType>(type));
}

// --- The game's names and the built-in parties.
val CharacterNames() {
  return StringArray(kCharacterNames);
}
val ElementNames() {
  return StringArray(kElementNames);
}
val DjinnNames() {
  val elements = val::array();
  for (const auto& names : kDjinnNames) elements.call<void>("push", StringArray(names));
  return elements;
}
int SideQuestCount() {
  return kSideQuestCount;
}
int SlotsPerCharacter() {
  return kSlotsPerCharacter;
}
std::string DefaultPassword(int which) {
  return which >= 0 && which < kDefaultPartyCount ? std::string(kDefaultPasswords[which])
                                                  : std::string();
}

// --- Messages and captions that the code sets.
val Texts() {
  namespace w = window_texts;
  namespace i = inventory_texts;
  val texts = val::object();
  const std::pair<const char*, const char*> entries[] = {
      {"statusValid", w::kStatusValid},
      {"statusInvalid", w::kStatusInvalid},
      {"sourceDataFile", w::kSourceDataFile},
      {"sourcePasswordText", w::kSourcePasswordText},
      {"sourceUnusablePassword", w::kSourceUnusablePassword},
      {"sourceInvalidPassword", w::kSourceInvalidPassword},
      {"pagePrefix", w::kPagePrefix},
      {"pageRowGap", kPageRowGap.data()},
      {"informationTitle", w::kInformationTitle},
      {"warningTitle", w::kWarningTitle},
      {"confirmDefault", w::kConfirmDefault},
      {"noClipboardText", w::kNoClipboardText},
      {"cannotSaveInvalid", w::kCannotSaveInvalid},
      {"cannotLoadFile", w::kCannotLoadFile},
      {"saveInvalidTiles", w::kSaveInvalidTiles},
      {"inventoryTitle", i::kTitle},
  };
  for (const auto& [key, text] : entries) texts.set(key, std::string(text));
  return texts;
}

}  // namespace

EMSCRIPTEN_BINDINGS(velmara_texts) {
  using emscripten::function;
  function("clipboardText", &ClipboardText);
  function("cleanPasswordText", &Cleaned);
  function("passwordCharCount", &CharCount);
  function("typeForLength", &TypeForLength);
  function("pageCount", &PagesFor);
  function("pageRows", &RowsOfPage);
  function("saveBlocks", &SaveBlocks);
  function("saveImageSize", &SaveImageSize);
  function("passwordDataSize", &PasswordDataSize);
  function("slotText", &SlotText);
  function("colourClass", &ColourClass);
  function("classColours", &ClassColours);
  function("storyItems", &StoryItems);
  function("statFields", &StatFields);
  function("statEditEnabled", &StatEditEnabled);
  function("coinsEditEnabled", &CoinsEditEnabled);
  function("characterNames", &CharacterNames);
  function("djinnNames", &DjinnNames);
  function("elementNames", &ElementNames);
  function("sideQuestCount", &SideQuestCount);
  function("slotsPerCharacter", &SlotsPerCharacter);
  function("defaultPassword", &DefaultPassword);
  function("texts", &Texts);
}

}  // namespace velmara::web
