// A readable summary of a party record, as text and as JSON: per character
// the level, the six statistics, the 15 slots and the Djinn held; the coins;
// the six side quests.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>

#include "codec/PasswordData.h"

namespace velmara {

std::string PartySummaryText(const TPasswordData& data);

// {"characters": [{"name", "level", "hp", "pp", "attack", "defense", "agility",
//   "luck", "items": [{"slot", "id", "name", "quantity"} or null x 15],
//   "djinn": [names]} x 4],
//  "coins", "sideQuests": [{"number", "flag", "done"} x 6]}
// A character's name is the record's Name when it has one, else the default
// name; an empty slot (item 0) is null. Slots are numbered from 1 and side
// quests from 1, as the window shows them.
nlohmann::ordered_json PartySummaryJson(const TPasswordData& data);

}  // namespace velmara
