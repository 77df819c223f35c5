// What velmara-pw repair prints: the candidates as bare passwords or as
// JSON, and the one-line reason when there is none.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>

#include "codec/PasswordRepair.h"

namespace velmara {

// One password a line, best first.
std::string RepairCandidatesText(const RepairResult& result);

// [{"password", "plausible", "changes": [{"position", "page", "row", "from",
//   "to", "kind"}]}], best first. Positions count the characters of the
// cleaned text as typed, from 1; page and row are those of the position.
nlohmann::ordered_json RepairCandidatesJson(const RepairResult& result);

// The reason shown when `result` has no candidate for a text of
// `characters` characters read as `type`.
std::string RepairFailureReason(const RepairResult& result, TPasswordType type,
                                std::size_t characters);

}  // namespace velmara
