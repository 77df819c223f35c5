// Start-up: the codec module is instantiated, the repeated controls are
// built from its tables, the low-level default is loaded as password text
// (FormCreate), and the controls are filled and the password made
// (FormShow), so that the page opens on page 1 of a Gold password.
"use strict";

(function (V) {
  const { state } = V;

  // The list boxes of the first sheet, which follow the page control's state.
  V.ui = {};
  V.mainSheetLists = () => [V.ui.lbSaveSlots, V.ui.lbPages];

  async function start() {
    state.module = await window.createVelmaraModule();
    state.party = new state.module.Party();
    state.texts = state.module.texts();

    // The row colours of the shared rule.
    const colours = state.module.classColours();
    for (const [name, colour] of Object.entries(colours))
      document.documentElement.style.setProperty(`--item-${name}`, colour);

    V.controls.build();
    V.inventory.build();
    V.editor.build();
    V.display.build();
    V.sources.build();
    V.files.build();
    V.check.build();
    V.tabs.wire();
    V.tabs.activate("tsMain");
    V.tabs.setEnabled(false);

    // FormCreate
    state.dataValid = false;
    await V.sources.loadDefaultPassword(state.module.defaultPassword(0));
    // FormShow
    V.controls.dataToControls();
    V.display.btnPasswordClick();

    performance.mark("velmara-first-password");
    document.documentElement.dataset.ready = "true";
  }

  document.addEventListener("DOMContentLoaded", V.handler(start));
})((window.Velmara = window.Velmara || {}));
