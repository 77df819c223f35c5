// Making the password from the controls and showing it page by page: the
// type buttons, the refresh button, the page list and the memo. The page
// rows and counts come from the shared layout.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);
  const { state } = V;
  const typeButtons = () => [$("rbGold"), $("rbSilver"), $("rbBronze")];

  const display = {
    build() {
      V.ui.lbPages = new V.Listbox($("lbPages"), {
        onSelect: () => display.lbPagesClick(),
      });
      // A user's change of type makes the password of the new type at once;
      // checking a button from code (an import) raises no change event.
      for (const button of typeButtons())
        button.addEventListener(
          "change",
          V.handler(() => display.rbPasswordTypeClick(button)),
        );
      $("btnPassword").addEventListener(
        "click",
        V.handler(() => display.btnPasswordClick()),
      );
    },

    rbPasswordTypeClick(sender) {
      const type = V.selectedType();
      $("lblTypeSilver").hidden = !(type === V.PasswordType.Silver || type === V.PasswordType.Gold);
      $("lblTypeGold").hidden = type !== V.PasswordType.Gold;
      if (typeButtons().includes(sender)) display.btnPasswordClick();
    },

    // The refresh cycle: controls into the record, encode, controls again.
    btnPasswordClick() {
      V.ui.lbPages.setRows([]);
      $("Memo1").textContent = "";
      V.controls.controlsToData();
      display.generatePassword();
      V.controls.dataToControls();
    },

    generatePassword() {
      if (!state.dataValid) return;
      state.passwordText = state.party.makePassword(V.selectedType());
      display.rebuildPageList(state.module.pageCount(state.passwordText));
      display.lbPagesClick();
    },

    rebuildPageList(pages) {
      const rows = [];
      for (let n = 1; n <= pages; ++n) rows.push({ text: state.texts.pagePrefix + n });
      V.ui.lbPages.setRows(rows);
      V.ui.lbPages.select(0);
    },

    lbPagesClick() {
      if (state.dataValid) display.showPage(V.ui.lbPages.selected);
    },

    showPage(page) {
      const memo = $("Memo1");
      memo.textContent = state.module.pageRows(state.passwordText, page).join("\n");
      memo.scrollTop = 0;
    },

    // Checks a type button from code: no change event, no new password.
    selectType(type) {
      typeButtons()[type].checked = true;
    },
  };

  V.display = display;
})((window.Velmara = window.Velmara || {}));
