// Where the data comes from: the source list and the character captions, the
// validity display, the import of password text (pasted or built in) and the
// Defaults menu. The steps follow the desktop window's; the cleaning, type
// by length, save block list and decoding are the codec module's.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);
  const { state, DataSource } = V;

  // The entries of the source list: {text, offset}; offset -1 for the single
  // data-file or password-text entry, which is never used to read anything.
  let entries = [];

  function setEntries(list) {
    entries = list;
    V.ui.lbSaveSlots.setRows(entries);
  }

  const sources = {
    build() {
      V.ui.lbSaveSlots = new V.Listbox($("lbSaveSlots"), {
        onSelect: V.handler(() => sources.lbSaveSlotsClick()),
      });
      for (const item of document.querySelectorAll("[data-default]"))
        item.addEventListener(
          "click",
          V.handler(() => sources.mDefaultsClick(Number(item.dataset.default))),
        );
    },

    // After a failed read of a save the old entries would point into the
    // emptied image: they leave the list at once.
    clearEntries() {
      setEntries([]);
    },

    refreshDataSource(rebuild) {
      if (rebuild) {
        switch (state.dataSource) {
          case DataSource.SaveFile:
            setEntries(state.saveImage ? state.module.saveBlocks(state.saveImage) : []);
            break;
          case DataSource.DataFile:
            setEntries([{ text: state.texts.sourceDataFile, offset: -1 }]);
            break;
          case DataSource.PasswordText:
            setEntries([{ text: state.texts.sourcePasswordText, offset: -1 }]);
            break;
        }
      }

      if (entries.length === 0 || state.dataSource === DataSource.PasswordText) {
        if (state.dataSource !== DataSource.PasswordText) state.dataValid = false;
        state.charNames = V.controls.characterNames().slice();
      } else {
        if (rebuild) V.ui.lbSaveSlots.select(0);
        if (state.dataSource === DataSource.SaveFile) {
          const entry = entries[V.ui.lbSaveSlots.selected];
          if (entry && entry.offset >= 0 && state.saveImage)
            state.party.loadSaveBlock(state.saveImage, entry.offset);
        }
        state.charNames = V.controls
          .characterNames()
          .map((_, c) => state.party.characterCaption(c));
      }
      V.controls.setCaptions(state.charNames);
      sources.showValidity();
    },

    // A click on the source list, or a change of its selection by keyboard:
    // the entry's data into the controls and a new password. The list is
    // disabled meanwhile, so a second click cannot arrive in the middle.
    lbSaveSlotsClick() {
      V.ui.lbSaveSlots.setDisabled(true);
      try {
        sources.refreshDataSource(false);
        V.controls.dataToControls();
        V.display.btnPasswordClick();
      } finally {
        V.ui.lbSaveSlots.setDisabled(!V.tabs.enabled);
      }
    },

    showValidity() {
      if (state.dataValid) {
        $("lblStatus").textContent = state.texts.statusValid;
        if (!V.tabs.enabled) {
          for (const sheet of V.sheets.slice(1)) V.tabs.setSheetVisible(sheet, true);
          V.tabs.setEnabled(true);
        }
        sources.resetSourceListFont();
      } else {
        V.tabs.activate("tsMain");
        V.tabs.setEnabled(false);
        for (const sheet of V.sheets.slice(1)) V.tabs.setSheetVisible(sheet, false);
        $("lblStatus").textContent = state.texts.statusInvalid;
        // The source list keeps its font, so a red marker stays readable.
      }
    },

    // Red bold entries, the first one replaced by `text`.
    markSourceList(text) {
      $("lbSaveSlots").classList.add("marked");
      entries[0] = { text, offset: entries[0].offset };
      V.ui.lbSaveSlots.setRow(0, entries[0]);
    },

    resetSourceListFont() {
      $("lbSaveSlots").classList.remove("marked");
    },

    // Imports password text: `text` from the paste box or a dropped file, or
    // null to import state.passwordText itself (a built-in default).
    async importPasswordText(text, sender = null) {
      state.dataSource = DataSource.PasswordText;
      state.passwordText = state.module.cleanPasswordText(
        text === null ? state.passwordText : V.wellFormed(text),
      );
      sources.refreshDataSource(true);

      const type = state.module.typeForLength(state.module.passwordCharCount(state.passwordText));
      if (type < 0) {
        state.dataValid = false;
        if (entries.length > 0) sources.markSourceList(state.texts.sourceUnusablePassword);
        sources.lbSaveSlotsClick();
        return;
      }
      V.display.selectType(type);
      V.display.rbPasswordTypeClick(sender);

      // The imported text itself is shown, not a password made anew.
      V.display.rebuildPageList(state.module.pageCount(state.passwordText));
      V.display.showPage(0);
      sources.refreshDataSource(true);
      await sources.decodePasswordText();
    },

    async decodePasswordText() {
      const message = state.party.decode(V.selectedType(), state.passwordText);
      state.dataValid = message === "";
      if (message !== "") {
        if (entries.length > 0) sources.markSourceList(state.texts.sourceInvalidPassword);
        await V.dialogs.message(message);
      } else {
        sources.resetSourceListFont();
      }
      if (state.dataValid) V.controls.dataToControls();
      sources.showValidity();
    },

    async mDefaultsClick(which) {
      if (!(await V.dialogs.confirm(state.texts.confirmDefault))) return;
      await sources.loadDefaultPassword(state.module.defaultPassword(which));
    },

    async loadDefaultPassword(text) {
      state.passwordText = text;
      await sources.importPasswordText(null);
    },
  };

  V.sources = sources;
})((window.Velmara = window.Velmara || {}));
