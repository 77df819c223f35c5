// The data roles under which the window's lists keep what a row stands for,
// beside its Qt::DisplayRole text. One table, so that no two roles collide.
#pragma once

#include <Qt>

namespace velmara {

// A candidate row of the password check dialog: the candidate password.
constexpr int kPasswordRole = Qt::UserRole;
// An inventory row, in the window's lists and the inventory editor: its item word.
constexpr int kItemWordRole = Qt::UserRole + 1;
// A source-list entry: its 32-bit tag (see kNoSourceTag).
constexpr int kSourceTagRole = Qt::UserRole + 2;

}  // namespace velmara
