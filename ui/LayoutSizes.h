// Sizes, in pixels at 96 dpi, that the main window and its dialogs share. Larger desktop fonts grow
// the controls beyond them, never below.
#pragma once

namespace velmara {

// The space between a form's edge and its controls.
constexpr int kFormMargin = 16;
// An inventory list: the four on the Items tab and the editor's two.
constexpr int kInventoryListWidth = 121;
// A command button; the editor's move buttons are narrower.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

}  // namespace velmara
