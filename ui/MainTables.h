// The tables from which the main window builds its repeated controls (28
// statistic edits, four Djinn lists, four inventory lists with their edit
// buttons, eight character group boxes) and through which it reads and writes
// them. Each control keeps its own member; the tables point at the members.
// The fields and bounds of the statistic edits are core's kStatFields.
#pragma once

#include <array>
#include <cstdint>

#include "codec/PasswordData.h"
#include "core/EditRules.h"
#include "ui/main.h"

namespace velmara::main_tables {

using EditMember = QLineEdit* TfmMain::*;
using ListMember = QListWidget* TfmMain::*;
using ButtonMember = QPushButton* TfmMain::*;
using GroupMember = QGroupBox* TfmMain::*;

// kStatEdits[c][k] is the edit of field k of character c.
inline constexpr EditMember kStatEdits[kCharacterCount][kStatFieldCount] = {
    {&TfmMain::eIsaacLevel, &TfmMain::eIsaacHP, &TfmMain::eIsaacPP, &TfmMain::eIsaacAttack,
     &TfmMain::eIsaacDefense, &TfmMain::eIsaacAgility, &TfmMain::eIsaacLuck},
    {&TfmMain::eGaretLevel, &TfmMain::eGaretHP, &TfmMain::eGaretPP, &TfmMain::eGaretAttack,
     &TfmMain::eGaretDefense, &TfmMain::eGaretAgility, &TfmMain::eGaretLuck},
    {&TfmMain::eIvanLevel, &TfmMain::eIvanHP, &TfmMain::eIvanPP, &TfmMain::eIvanAttack,
     &TfmMain::eIvanDefense, &TfmMain::eIvanAgility, &TfmMain::eIvanLuck},
    {&TfmMain::eMiaLevel, &TfmMain::eMiaHP, &TfmMain::eMiaPP, &TfmMain::eMiaAttack,
     &TfmMain::eMiaDefense, &TfmMain::eMiaAgility, &TfmMain::eMiaLuck},
};

// Per character: the name part of member names, the design caption of its
// two group boxes, and the members themselves.
struct CharacterControls {
  const char* name;
  const char* designCaption;
  GroupMember statsGroup;
  GroupMember itemsGroup;
  ListMember itemsList;
  ButtonMember itemsButton;
};

inline constexpr std::array<CharacterControls, kCharacterCount> kCharacterControls = {{
    {"Isaac", "I&saac", &TfmMain::gbIsaacStats, &TfmMain::gbIsaacItems, &TfmMain::lbIsaacItems,
     &TfmMain::btnIsaacItem},
    {"Garet", "&Garet", &TfmMain::gbGaretStats, &TfmMain::gbGaretItems, &TfmMain::lbGaretItems,
     &TfmMain::btnGaretItem},
    {"Ivan", "I&van", &TfmMain::gbIvanStats, &TfmMain::gbIvanItems, &TfmMain::lbIvanItems,
     &TfmMain::btnIvanItem},
    {"Mia", "&Mia", &TfmMain::gbMiaStats, &TfmMain::gbMiaItems, &TfmMain::lbMiaItems,
     &TfmMain::btnMiaItem},
}};

// Element e's Djinn list and the caption of the label above it.
struct DjinnListControls {
  const char* caption;
  ListMember list;
};

inline constexpr std::array<DjinnListControls, kElementCount> kDjinnLists = {{
    {"地精灵(&V):", &TfmMain::clbVenus},
    {"水精灵(&M):", &TfmMain::clbMercury},
    {"火精灵(&R):", &TfmMain::clbMars},
    {"风精灵(&J):", &TfmMain::clbJupiter},
}};

}  // namespace velmara::main_tables
