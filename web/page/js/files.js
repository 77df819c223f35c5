// Loading and saving through the menus: battery saves, password data files
// and pasted text in; the data file and the raw tile dump out as downloads;
// the clipboard copy. Files also load by being dropped on the page, and text
// pasted onto the page (outside an edit field) imports as password text.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);
  const { state, DataSource } = V;

  // Longest pasted or dropped text read; a Gold password in the clipboard
  // layout is about 300 bytes, so anything longer ends as a wrong length.
  const maxTextBytes = 64 * 1024;

  // Reads at most `limit` bytes from the start of a file; null when the
  // browser cannot read it.
  async function readHead(file, limit) {
    try {
      return new Uint8Array(await file.slice(0, limit).arrayBuffer());
    } catch {
      return null;
    }
  }

  function download(bytes, name) {
    const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // Runs a file picker; resolves with the chosen file, or null when cancelled.
  function pickFile(input) {
    return new Promise((resolve) => {
      const finish = (file) => {
        input.removeEventListener("change", changed);
        input.removeEventListener("cancel", cancelled);
        resolve(file);
      };
      const changed = () => finish(input.files[0] || null);
      const cancelled = () => finish(null);
      input.value = "";
      input.addEventListener("change", changed);
      input.addEventListener("cancel", cancelled);
      input.click();
    });
  }

  async function writeClipboard(text) {
    try {
      await navigator.clipboard.writeText(text);
      return true;
    } catch {
      // Older browsers and pages without clipboard permission.
      const area = document.createElement("textarea");
      area.value = text;
      area.setAttribute("readonly", "");
      area.style.position = "fixed";
      area.style.opacity = "0";
      document.body.append(area);
      area.select();
      const copied = document.execCommand("copy");
      area.remove();
      return copied;
    }
  }

  const files = {
    async loadSavegame(file) {
      if (file === null) return V.sources.showValidity();
      state.saveImage = null;
      const image = await readHead(file, state.module.saveImageSize());
      if (image === null) {
        state.dataValid = false;
        V.sources.clearEntries();
        V.sources.showValidity();
        return;
      }
      state.saveImage = image;
      state.dataValid = image.length >= state.module.saveImageSize();
      state.dataSource = DataSource.SaveFile;
      V.sources.refreshDataSource(true);
      // The password is not rebuilt here: it follows at the next refresh or
      // click on an entry.
      V.controls.dataToControls();
      V.tabs.activate("tsMain");
      V.sources.showValidity();
    },

    async loadDatafile(file) {
      if (file === null) return V.sources.showValidity();
      // One byte more than a record tells a longer file from an exact one.
      const bytes = await readHead(file, state.module.passwordDataSize() + 1);
      if (bytes === null)
        return V.dialogs.message(state.texts.cannotLoadFile, state.texts.informationTitle);
      // A file of another size leaves the record as it was.
      state.dataValid = state.party.setBytes(bytes);
      state.saveImage = null;
      state.dataSource = DataSource.DataFile;
      V.sources.refreshDataSource(true);
      V.controls.dataToControls();
      V.display.btnPasswordClick();
      V.tabs.activate("tsMain");
      V.sources.showValidity();
    },

    async loadPastedText() {
      const text = await V.dialogs.pastedText();
      if (text !== null) await V.sources.importPasswordText(text, $("mFileLoadClipboard"));
    },

    async savePwdData() {
      if (!state.dataValid)
        return V.dialogs.message(state.texts.cannotSaveInvalid, state.texts.warningTitle);
      // The file holds what the controls show.
      V.display.btnPasswordClick();
      download(state.party.bytes(), "velmara.dat");
    },

    async saveTiles() {
      if (state.dataValid) V.display.btnPasswordClick();
      // With Yes, the tiles of the last password built are written.
      else if (!(await V.dialogs.confirm(state.texts.saveInvalidTiles))) return;
      download(state.party.tiles(), "velmara.dmp");
    },

    // While the data is invalid nothing is rebuilt and the last password is copied.
    async copyPassword() {
      V.display.btnPasswordClick();
      const text = state.module.clipboardText(state.passwordText);
      if (!(await writeClipboard(text))) await V.dialogs.message(text);
    },

    // A dropped file loads by its suffix: .sav as a battery save, .dat as a
    // password data file, anything else as password text.
    async loadDropped(file) {
      const name = file.name.toLowerCase();
      if (name.endsWith(".sav")) return files.loadSavegame(file);
      if (name.endsWith(".dat")) return files.loadDatafile(file);
      const bytes = await readHead(file, maxTextBytes + 1);
      if (bytes === null)
        return V.dialogs.message(state.texts.cannotLoadFile, state.texts.informationTitle);
      await V.sources.importPasswordText(new TextDecoder().decode(bytes));
    },

    build() {
      const menus = [...document.querySelectorAll(".menu")];
      const closeMenus = () => menus.forEach((menu) => (menu.open = false));
      for (const menu of menus) {
        // One menu open at a time; choosing an item closes it.
        menu.addEventListener("toggle", () => {
          if (menu.open) for (const other of menus) if (other !== menu) other.open = false;
        });
        menu.addEventListener("click", (event) => {
          if (event.target.closest(".menu-items button")) closeMenus();
        });
        menu.addEventListener("keydown", (event) => {
          if (event.key !== "Escape" || !menu.open) return;
          menu.open = false;
          menu.querySelector("summary").focus();
        });
      }
      document.addEventListener("click", (event) => {
        if (!event.target.closest(".menu")) closeMenus();
      });

      const on = (id, run) => $(id).addEventListener("click", V.handler(run));
      on("mFileLoadSavegame", async () => files.loadSavegame(await pickFile($("OpenDialogSAV"))));
      on("mFileLoadDatafile", async () => files.loadDatafile(await pickFile($("OpenDialogDAT"))));
      on("mFileLoadClipboard", files.loadPastedText);
      on("mFileSavePwdData", files.savePwdData);
      on("mFileSaveTiles", files.saveTiles);
      on("mPasswordClipboard", files.copyPassword);

      document.addEventListener("dragover", (event) => {
        if (V.dialogs.anyOpen()) return;
        event.preventDefault();
        event.dataTransfer.dropEffect = "copy";
      });
      document.addEventListener(
        "drop",
        V.handler(async (event) => {
          if (V.dialogs.anyOpen()) return;
          event.preventDefault();
          const file = event.dataTransfer.files[0];
          if (file) await files.loadDropped(file);
        }),
      );

      // Text pasted onto the page itself is password text on the clipboard;
      // in an edit field a paste stays the field's.
      const inField = (event) => event.target.closest("input, textarea");
      document.addEventListener(
        "paste",
        V.handler(async (event) => {
          if (inField(event) || V.dialogs.anyOpen()) return;
          event.preventDefault();
          const text = event.clipboardData.types.includes("text/plain")
            ? event.clipboardData.getData("text/plain")
            : null;
          if (text === null)
            return V.dialogs.message(state.texts.noClipboardText, state.texts.informationTitle);
          await V.sources.importPasswordText(text, $("mFileLoadClipboard"));
        }),
      );
      // Copying with nothing selected copies the password, as Ctrl+C does in
      // the window, also from an edit field; a selection copies itself.
      const selected = (event) => {
        const field = inField(event);
        if (field) return field.selectionStart !== field.selectionEnd;
        return String(document.getSelection()) !== "";
      };
      document.addEventListener("copy", (event) => {
        if (V.dialogs.anyOpen() || selected(event)) return;
        event.preventDefault();
        V.display.btnPasswordClick();
        event.clipboardData.setData("text/plain", state.module.clipboardText(state.passwordText));
      });
    },
  };

  V.files = files;
})((window.Velmara = window.Velmara || {}));
