#include "cli/PartySummary.h"

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "codec/VelmaraData.h"
#include "core/PartyRules.h"

namespace velmara {

namespace {

struct StatisticValue {
  const char* label;  // text label
  const char* key;    // JSON key
  unsigned value;
};

std::vector<StatisticValue> Statistics(const TCharacterRecord& character) {
  return {{"HP", "hp", character.HP},
          {"PP", "pp", character.PP},
          {"Attack", "attack", character.Attack},
          {"Defense", "defense", character.Defense},
          {"Agility", "agility", character.Agility},
          {"Luck", "luck", character.Luck}};
}

// Names of the Djinn whose bit is set in the character's words, element by element.
std::vector<std::string> DjinnHeld(const TCharacterRecord& character) {
  std::vector<std::string> names;
  for (int element = 0; element < kElementCount; ++element)
    for (int d = 0; d < kDjinnPerElement; ++d)
      if ((character.Djinn[element] >> d) & 1u) names.emplace_back(kDjinnNames[element][d]);
  return names;
}

const std::vector<ItemName>& ItemNames() {
  static const std::vector<ItemName> names = BuildItemNames();
  return names;
}

// The record's Name as the window's captions show it (one byte a character,
// up to the first zero byte), in UTF-8; the default name when it is empty.
std::string JsonCharacterName(const TCharacterRecord& character, int index) {
  std::string caption = CharacterCaption(character);
  return caption.empty() ? std::string(kCharacterNames[index]) : caption;
}

}  // namespace

std::string PartySummaryText(const TPasswordData& data) {
  std::ostringstream text;
  for (int c = 0; c < kCharacterCount; ++c) {
    const TCharacterRecord& character = data.Characters[c];
    text << kCharacterNames[c] << "  level " << unsigned{character.Level} << '\n' << ' ';
    for (const auto& statistic : Statistics(character))
      text << ' ' << statistic.label << ' ' << statistic.value;
    text << '\n';
    for (int slot = 0; slot < kSlotsPerCharacter; ++slot) {
      const std::uint16_t word = character.Items[slot];
      text << "  slot " << (slot < 9 ? " " : "") << slot + 1 << ": ";
      if (ItemId(word) == 0) {
        text << "-";
      } else {
        text << ItemDisplayName(ItemNames(), ItemId(word));
        if (IsStackableItem(word)) text << " x" << ItemQuantity(word);
      }
      text << '\n';
    }
    text << "  Djinn:";
    const auto djinn = DjinnHeld(character);
    if (djinn.empty()) text << " -";
    for (std::size_t k = 0; k < djinn.size(); ++k) text << (k ? ", " : " ") << djinn[k];
    text << '\n';
  }
  text << "Coins: " << data.Coins << '\n' << "Side quests:";
  for (int n = 0; n < kSideQuestCount; ++n)
    text << ' ' << n + 1 << (GetEventFlag(data, kSideQuestFlags[n]) ? " done" : " open")
         << (n + 1 < kSideQuestCount ? "," : "");
  text << '\n';
  return text.str();
}

nlohmann::ordered_json PartySummaryJson(const TPasswordData& data) {
  nlohmann::ordered_json characters = nlohmann::ordered_json::array();
  for (int c = 0; c < kCharacterCount; ++c) {
    const TCharacterRecord& character = data.Characters[c];
    nlohmann::ordered_json entry = {{"name", JsonCharacterName(character, c)},
                                    {"level", character.Level}};
    for (const auto& statistic : Statistics(character)) entry[statistic.key] = statistic.value;
    nlohmann::ordered_json items = nlohmann::ordered_json::array();
    for (int slot = 0; slot < kSlotsPerCharacter; ++slot) {
      const std::uint16_t word = character.Items[slot];
      if (ItemId(word) == 0) {
        items.push_back(nullptr);
        continue;
      }
      items.push_back({{"slot", slot + 1},
                       {"id", ItemId(word)},
                       {"name", ItemDisplayName(ItemNames(), ItemId(word))},
                       {"quantity", ItemQuantity(word)}});
    }
    entry["items"] = std::move(items);
    entry["djinn"] = DjinnHeld(character);
    characters.push_back(std::move(entry));
  }
  nlohmann::ordered_json side_quests = nlohmann::ordered_json::array();
  for (int n = 0; n < kSideQuestCount; ++n)
    side_quests.push_back({{"number", n + 1},
                           {"flag", kSideQuestFlags[n]},
                           {"done", GetEventFlag(data, kSideQuestFlags[n])}});
  return {{"characters", std::move(characters)},
          {"coins", data.Coins},
          {"sideQuests", std::move(side_quests)}};
}

}  // namespace velmara
