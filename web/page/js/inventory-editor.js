// The inventory editor: a modal box that edits a copy of one character's 15
// slots and, on OK, writes them back into the Items sheet's list. The copy
// and the rules of every command are the shared inventory editor's; this
// file keeps the selections and shows the lists and messages.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);
  const { state } = V;

  let editor = null; // the codec module's InventoryEditor
  let character = -1; // whose list is open
  let lbCharacter = null;
  let lbItems = null;

  const rowView = (row) => V.inventory.rowView(row);

  function showSlots() {
    editor.slots().forEach((row, slot) => lbCharacter.setRow(slot, rowView(row)));
  }

  // Selects the item list's row for the item of `slot`, or nothing.
  function selectItemOfSlot(slot) {
    lbItems.select(editor.itemRowOf(slot));
  }

  async function inform(message) {
    await V.dialogs.message(message, state.texts.informationTitle);
  }

  // The editor's message, or its slots when the command was carried out.
  async function showOutcome(message) {
    if (message !== "") await inform(message);
    else showSlots();
  }

  function move(command) {
    const slot = lbCharacter.selected;
    if (slot < 0) return;
    const selectedAfter = editor[command](slot);
    showSlots();
    lbCharacter.select(selectedAfter);
  }

  async function quantity() {
    const slot = lbCharacter.selected;
    const refusal = editor.quantityRefusal(slot);
    if (refusal !== "") return inform(refusal);
    const question = editor.quantityPrompt(slot);
    const entered = await V.dialogs.prompt(question.title, question.prompt, question.initial);
    if (entered === null) return;
    await showOutcome(editor.setQuantity(slot, V.wellFormed(entered)));
  }

  function ok() {
    editor.compact();
    showSlots();
    V.inventory.setRows(character, editor.slots());
    $("dlgInventory").close("ok");
  }

  const commands = {
    btnAdd: () => showOutcome(editor.add(lbItems.selected)),
    btnInsert: () => showOutcome(editor.insert(lbItems.selected, lbCharacter.selected)),
    btnReplace: () => showOutcome(editor.replace(lbItems.selected, lbCharacter.selected)),
    btnRemove: () => showOutcome(editor.remove(lbCharacter.selected)),
    btnQuantity: quantity,
    btnUp: () => move("moveUp"),
    btnDown: () => move("moveDown"),
    btnTop: () => move("moveToTop"),
    btnBottom: () => move("moveToBottom"),
    btnOK: ok,
    btnCancel: () => $("dlgInventory").close("cancel"),
  };

  V.editor = {
    build() {
      editor = new state.module.InventoryEditor();
      $("dlgInventoryTitle").textContent = state.texts.inventoryTitle;
      lbCharacter = new V.Listbox($("lbCharacter"), {
        // Whenever the user selects another slot the item list follows it.
        onSelect: (slot) => selectItemOfSlot(slot),
        // A double click asks for the quantity; Enter on a list presses
        // nothing, as in the desktop's editor.
        onActivate: V.handler((slot, how) => {
          if (how === "mouse" && !$("btnQuantity").disabled) return quantity();
        }),
      });
      lbItems = new V.Listbox($("lbItems"));
      for (const [id, run] of Object.entries(commands))
        $(id).addEventListener("click", V.handler(run));
    },

    // Opens the editor on character c's list with slot `startIndex` (-1 for
    // none, meaning slot 0) selected; resolves when it closes.
    async open(c, startIndex, gold) {
      character = c;
      editor.open(V.inventory.rows(c), state.charNames[c], gold);
      lbItems.setRows(editor.items().map(rowView));
      lbCharacter.setRows(editor.slots().map(rowView));
      $("lblCharname").textContent = state.charNames[c];
      $("btnQuantity").disabled = !gold;
      lbCharacter.select(Math.min(Math.max(startIndex, 0), lbCharacter.count - 1));
      selectItemOfSlot(lbCharacter.selected);

      const closed = V.dialogs.showModal($("dlgInventory"));
      lbCharacter.element.focus();
      return closed;
    },
  };
})((window.Velmara = window.Velmara || {}));
