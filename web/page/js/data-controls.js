// Moving the party record into the controls and back: Djinn, statistics,
// coins and side quests (the inventories live in inventory-lists.js). The
// controls are built from the shared tables; parsing, bounds and the Djinn
// placement happen in the codec module, never here.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);
  const { state } = V;

  const elementCaptions = [
    "地精灵(<u>V</u>):",
    "水精灵(<u>M</u>):",
    "火精灵(<u>R</u>):",
    "风精灵(<u>J</u>):",
  ];
  const elementKeys = ["v", "m", "r", "j"];

  // From the shared tables at start-up.
  let statFields = []; // [{name, caption, maxLength, level}]
  let elements = []; // "Venus", ...: the Djinn lists' ids
  let characterNames = [];
  let djinnNames = []; // djinnNames[e][d] is bit d of element e's mask
  let sideQuestCount = 0;

  function djinnCheck(e, d) {
    return $(`clb${elements[e]}-${d}`);
  }
  function statEdit(c, k) {
    return $(`e${characterNames[c]}${statFields[k].name}`);
  }
  function sideQuestCheck(i) {
    return $(`clbSidequest-${i}`);
  }

  function checkRow(id, text) {
    const label = document.createElement("label");
    const box = document.createElement("input");
    box.type = "checkbox";
    box.id = id;
    label.append(box, " " + text);
    return label;
  }

  function buildDjinn() {
    const lists = $("djinnLists");
    elements.forEach((element, e) => {
      const group = document.createElement("fieldset");
      group.className = "group plain";
      group.id = `clb${element}`;
      const legend = document.createElement("legend");
      legend.innerHTML = elementCaptions[e];
      legend.dataset.key = elementKeys[e];
      legend.dataset.focus = `#clb${element}-0`;
      group.append(legend);
      const list = document.createElement("div");
      list.className = "check-list";
      djinnNames[e].forEach((name, d) => {
        list.append(checkRow(`clb${element}-${d}`, name));
      });
      group.append(list);
      lists.append(group);
    });
    $("btnDjinn").addEventListener("click", () => controls.btnDjinnClick());
  }

  function buildCharacters() {
    const boxes = $("characterBoxes");
    characterNames.forEach((name, c) => {
      const box = document.createElement("fieldset");
      box.className = "group";
      box.id = `gb${name}Stats`;
      const legend = document.createElement("legend");
      legend.textContent = name;
      box.append(legend);
      statFields.forEach((field, k) => {
        // The level heads its own group; the statistics carried from Silver up follow.
        if (k === 0 || field.level !== statFields[k - 1].level) {
          const heading = document.createElement("p");
          heading.className = "stat-heading";
          heading.textContent = field.level ? "(全部)" : "(仅银组以上)";
          box.append(heading);
        }
        const row = document.createElement("div");
        row.className = "stat-row";
        const edit = document.createElement("input");
        edit.type = "text";
        edit.className = "number";
        edit.id = `e${name}${field.name}`;
        edit.maxLength = field.maxLength;
        edit.inputMode = "numeric";
        edit.autocomplete = "off";
        const label = document.createElement("label");
        label.htmlFor = edit.id;
        label.textContent = field.caption;
        row.append(label, edit);
        box.append(row);
      });
      boxes.append(box);
    });
  }

  function buildSideQuests() {
    const list = $("sideQuests");
    for (let i = 0; i < sideQuestCount; ++i)
      list.append(checkRow(`clbSidequest-${i}`, `事件 #${i + 1}`));
  }

  // The statistics are shown and read in this order: the four levels, then
  // each character's six statistics in turn.
  function forEachStatInOrder(visit) {
    for (let c = 0; c < characterNames.length; ++c) visit(c, 0);
    for (let c = 0; c < characterNames.length; ++c)
      for (let k = 1; k < statFields.length; ++k) visit(c, k);
  }

  const controls = {
    build() {
      statFields = state.module.statFields();
      elements = state.module.elementNames();
      characterNames = state.module.characterNames();
      djinnNames = state.module.djinnNames();
      sideQuestCount = state.module.sideQuestCount();
      buildDjinn();
      buildCharacters();
      buildSideQuests();
    },

    characterNames() {
      return characterNames;
    },

    dataToControls() {
      if (!state.dataValid) return;
      controls.djinnToControls();
      controls.statsToControls();
      V.inventory.itemsToControls();
      controls.miscToControls();
    },

    controlsToData() {
      controls.controlsToDjinn();
      controls.controlsToStats();
      V.inventory.controlsToItems();
      controls.controlsToMisc();
    },

    djinnToControls() {
      elements.forEach((_, e) => {
        const held = state.party.djinnHeld(e);
        for (let d = 0; d < djinnNames[e].length; ++d)
          djinnCheck(e, d).checked = ((held >> d) & 1) === 1;
      });
    },

    controlsToDjinn() {
      const masks = elements.map((_, e) => {
        let mask = 0;
        for (let d = 0; d < djinnNames[e].length; ++d) if (djinnCheck(e, d).checked) mask |= 1 << d;
        return mask;
      });
      state.party.placeDjinn(...masks);
    },

    btnDjinnClick() {
      elements.forEach((_, e) => {
        for (let d = 0; d < djinnNames[e].length; ++d) djinnCheck(e, d).checked = true;
      });
    },

    statsToControls() {
      const type = V.selectedType();
      forEachStatInOrder((c, k) => {
        const edit = statEdit(c, k);
        edit.disabled = !state.module.statEditEnabled(k, type);
        edit.value = String(state.party.stat(c, k));
      });
    },

    // Disabled edits are read like the others, so under Bronze the
    // statistics keep the values last shown.
    controlsToStats() {
      forEachStatInOrder((c, k) =>
        state.party.setStatText(c, k, V.wellFormed(statEdit(c, k).value)),
      );
    },

    miscToControls() {
      const coins = state.module.coinsEditEnabled(V.selectedType());
      $("eCoins").disabled = !coins;
      if (coins) $("eCoins").value = String(state.party.coins());
      for (let i = 0; i < sideQuestCount; ++i) sideQuestCheck(i).checked = state.party.sideQuest(i);
    },

    controlsToMisc() {
      if (state.module.coinsEditEnabled(V.selectedType()))
        state.party.setCoinsText(V.wellFormed($("eCoins").value));
      for (let i = 0; i < sideQuestCount; ++i)
        state.party.setSideQuest(i, sideQuestCheck(i).checked);
    },

    // The captions of the eight character group boxes.
    setCaptions(names) {
      names.forEach((name, c) => {
        $(`gb${characterNames[c]}Stats`).querySelector("legend").textContent = name;
        V.inventory.setCaption(c, name);
      });
    },
  };

  V.controls = controls;
})((window.Velmara = window.Velmara || {}));
