#include "ui/RepairTexts.h"

#include "core/RepairWording.h"

namespace velmara {

QString RowInWords(std::size_t position) {
  return QString::fromStdString(repair_wording::RowInWords(position));
}

QString PlaceInWords(std::size_t position) {
  return QString::fromStdString(repair_wording::PlaceInWords(position));
}

QString CharactersInWords(const std::string& characters) {
  return QString::fromStdString(repair_wording::CharactersInWords(characters));
}

QString ChangeInWords(const RepairChange& change) {
  return QString::fromStdString(repair_wording::ChangeInWords(change));
}

QString CandidateInWords(const RepairCandidate& candidate, int number) {
  return QString::fromStdString(repair_wording::CandidateInWords(candidate, number));
}

}  // namespace velmara
