// The four inventory lists of the Items sheet: filled from the record, read
// back into it, kept holding the story items under Gold, and handed to the
// inventory editor. Between refreshes the lists, not the record, hold the
// inventories the next password carries.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);
  const { state } = V;

  let slotsPerCharacter = 0; // from the record's layout at start-up
  const lists = []; // per character: the rows, [{text, word}]
  const listboxes = [];
  let names = [];

  // A row's class by the shared colour rule.
  function rowView(row) {
    return { text: row.text, className: `item-${state.module.colourClass(row.word)}` };
  }

  const inventory = {
    rowView,

    build() {
      names = V.controls.characterNames();
      slotsPerCharacter = state.module.slotsPerCharacter();
      const boxes = $("inventoryBoxes");
      names.forEach((name, c) => {
        const box = document.createElement("fieldset");
        box.className = "group";
        box.id = `gb${name}Items`;
        const legend = document.createElement("legend");
        legend.id = `gb${name}ItemsCaption`;
        legend.textContent = name;
        const list = document.createElement("div");
        list.id = `lb${name}Items`;
        list.className = "listbox inventory-list";
        list.setAttribute("aria-labelledby", legend.id);
        const button = document.createElement("button");
        button.type = "button";
        button.id = `btn${name}Item`;
        button.textContent = "编辑...";
        button.setAttribute("aria-describedby", legend.id);
        box.append(legend, list, button);
        boxes.append(box);

        lists[c] = [];
        listboxes[c] = new V.Listbox(list, {
          onActivate: V.handler(() => inventory.btnInventoryEdit(c)),
        });
        button.addEventListener(
          "click",
          V.handler(() => inventory.btnInventoryEdit(c)),
        );
      });
    },

    setCaption(c, name) {
      $(`gb${names[c]}ItemsCaption`).textContent = name;
    },

    rows(c) {
      return lists[c];
    },

    // Replaces a character's rows, as the editor does on OK; the list's
    // selection is cleared.
    setRows(c, rows) {
      lists[c] = rows.map((row) => ({ text: row.text, word: row.word }));
      listboxes[c].setRows(lists[c].map(rowView));
    },

    setRow(c, j, row) {
      lists[c][j] = { text: row.text, word: row.word };
      listboxes[c].setRow(j, rowView(row));
    },

    selectedRow(c) {
      return listboxes[c].selected;
    },

    itemsToControls() {
      names.forEach((_, c) => {
        const rows = [];
        for (let j = 0; j < slotsPerCharacter; ++j) {
          const word = state.party.itemWord(c, j);
          rows.push({ text: state.module.slotText(word), word });
        }
        inventory.setRows(c, rows);
      });
      if (V.selectedType() === V.PasswordType.Gold)
        for (const id of state.module.storyItems()) inventory.ensureStoryItem(id);
    },

    controlsToItems() {
      names.forEach((_, c) => {
        lists[c].forEach((row, j) => {
          if (j < slotsPerCharacter) state.party.setItemWord(c, j, row.word);
        });
      });
    },

    // The sequel cannot be finished without the story items, so a Gold
    // password always carries them when there is room; the record holds
    // them only after the next refresh.
    ensureStoryItem(id) {
      const words = lists.map((rows) => rows.map((row) => row.word));
      const placement = state.party.storyItemPlacement(words, id);
      if (placement === null) return;
      inventory.setRow(placement.character, placement.slot, placement);
    },

    async btnInventoryEdit(c) {
      await V.editor.open(c, listboxes[c].selected, V.selectedType() === V.PasswordType.Gold);
    },
  };

  V.inventory = inventory;
})((window.Velmara = window.Velmara || {}));
