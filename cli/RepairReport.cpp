#include "cli/RepairReport.h"

#include <nlohmann/json.hpp>

namespace velmara {

std::string RepairCandidatesText(const RepairResult& result) {
  std::string text;
  for (const RepairCandidate& candidate : result.candidates) text += candidate.password + '\n';
  return text;
}

nlohmann::ordered_json RepairCandidatesJson(const RepairResult& result) {
  nlohmann::ordered_json candidates = nlohmann::ordered_json::array();
  for (const RepairCandidate& candidate : result.candidates) {
    nlohmann::ordered_json changes = nlohmann::ordered_json::array();
    for (const RepairChange& change : candidate.changes)
      changes.push_back({{"position", change.position},
                         {"page", PageOfPosition(change.position)},
                         {"row", RowOfPosition(change.position)},
                         {"from", change.from},
                         {"to", change.to},
                         {"kind", std::string(RepairKindName(change.kind))}});
    candidates.push_back({{"password", candidate.password},
                          {"plausible", candidate.plausible},
                          {"changes", std::move(changes)}});
  }
  return candidates;
}

std::string RepairFailureReason(const RepairResult& result, TPasswordType type,
                                std::size_t characters) {
  const std::string name = PasswordTypeName(type);
  if (result.outcome == RepairOutcome::WrongLength)
    return "velmara-pw: " + std::to_string(characters) + " characters cannot be a " + name +
           " password with one character missing or too many (it has " +
           std::to_string(PasswordLength(type)) + ")";
  return "velmara-pw: no " + name +
         " password lies within the mistakes repair undoes (one wrong character in each of up "
         "to three rows, two neighbours swapped, a swap and one wrong character, one character "
         "missing or too many)";
}

}  // namespace velmara
