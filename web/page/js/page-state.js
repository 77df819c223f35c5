// What the page holds for the whole visit, as the desktop window does: the
// one party (record, encoder and decoder, in the codec module), the current
// password text, the validity flag, the data source, the character captions
// and the last battery save. Also the tab control that the validity display
// switches.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);

  // Where the data in the record came from.
  const DataSource = Object.freeze({ SaveFile: 0, DataFile: 1, PasswordText: 2 });
  // The password types as the codec numbers them.
  const PasswordType = Object.freeze({ Gold: 0, Silver: 1, Bronze: 2 });

  const state = {
    module: null, // the codec module
    party: null, // its Party: the record, the encoder and the decoder
    texts: null, // the messages the window shows
    passwordText: "",
    dataValid: false,
    dataSource: DataSource.PasswordText,
    charNames: [],
    saveImage: null, // Uint8Array of the last battery save, at most 64 KiB
  };

  // The five tab sheets in order; the first stays when the data is invalid.
  const sheets = ["tsMain", "tsDjinn", "tsCharacters", "tsItems", "tsMisc"];

  const tabs = {
    enabled: false, // the page control starts disabled, as designed

    tab(sheet) {
      return $(`tab-${sheet}`);
    },

    activate(sheet) {
      for (const other of sheets) {
        const selected = other === sheet;
        this.tab(other).setAttribute("aria-selected", String(selected));
        this.tab(other).tabIndex = selected ? 0 : -1;
        $(other).hidden = !selected;
      }
    },

    active() {
      return sheets.find((sheet) => !$(sheet).hidden);
    },

    setSheetVisible(sheet, visible) {
      this.tab(sheet).hidden = !visible;
    },

    // Disabling the page control disables every control on the first sheet
    // too: type selection, refresh button, pages and source list.
    setEnabled(enabled) {
      this.enabled = enabled;
      for (const sheet of sheets) this.tab(sheet).disabled = !enabled;
      $("tsMainControls").disabled = !enabled;
      for (const list of V.mainSheetLists()) list.setDisabled(!enabled);
    },

    // Clicks and the arrow keys move between the visible tabs.
    wire() {
      for (const sheet of sheets) {
        this.tab(sheet).addEventListener("click", () => this.activate(sheet));
        this.tab(sheet).addEventListener("keydown", (event) => {
          const visible = sheets.filter((s) => !this.tab(s).hidden);
          const at = visible.indexOf(sheet);
          let next = null;
          if (event.key === "ArrowRight") next = visible[(at + 1) % visible.length];
          else if (event.key === "ArrowLeft")
            next = visible[(at + visible.length - 1) % visible.length];
          else if (event.key === "Home") next = visible[0];
          else if (event.key === "End") next = visible[visible.length - 1];
          if (next === null) return;
          event.preventDefault();
          this.activate(next);
          this.tab(next).focus();
        });
      }
    },
  };

  // The selected type: Gold unless Silver is selected, and Bronze if Bronze is.
  function selectedType() {
    let type = PasswordType.Gold;
    if ($("rbSilver").checked) type = PasswordType.Silver;
    if ($("rbBronze").checked) type = PasswordType.Bronze;
    return type;
  }

  // Text from the user as the codec module may take it: an unpaired
  // surrogate (which a paste can carry) becomes U+FFFD. The module's string
  // conversion would otherwise join it with the next character.
  function wellFormed(text) {
    if (typeof text.toWellFormed === "function") return text.toWellFormed();
    return text.replace(
      /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g,
      "\uFFFD",
    );
  }

  // Runs an event handler; an error that escapes it is shown in a message
  // box and the page carries on, as the desktop application does.
  function handler(run) {
    return async (...args) => {
      try {
        await run(...args);
      } catch (error) {
        await V.dialogs.message(String(error && error.message ? error.message : error));
      }
    };
  }

  Object.assign(V, {
    DataSource,
    PasswordType,
    state,
    sheets,
    tabs,
    selectedType,
    wellFormed,
    handler,
  });
})((window.Velmara = window.Velmara || {}));
