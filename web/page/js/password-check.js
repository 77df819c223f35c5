// The check-and-repair box: the user types or pastes password text and sees
// while typing how many characters there are against the three lengths,
// which rows check and which characters lie outside the alphabet; the repair
// search lists the passwords the text was most likely meant to be, and Use
// loads the chosen one as pasted password text. Cancel and Escape change
// nothing. The check, the search and every word shown come from the codec
// module.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);
  const { state } = V;

  let checked = null; // the codec module's view of the typed text
  let candidates = []; // [{password, words}] of the last search
  let lbCandidates = null;

  function cells(list) {
    return list.map((cell) => {
      if (!cell.invalid) return document.createTextNode(cell.text);
      const mark = document.createElement("mark");
      mark.className = "invalid";
      mark.textContent = cell.text;
      return mark;
    });
  }

  function showLines(lines) {
    const view = $("CheckView");
    view.replaceChildren(
      ...lines.map((line) => {
        const element = document.createElement("div");
        if (line.heading !== undefined) {
          element.className = "check-heading";
          element.textContent = line.heading;
          return element;
        }
        element.className = `check-row ${line.state}`;
        const margin = document.createElement("span");
        margin.className = "row-margin";
        const mark = document.createElement("span");
        mark.className = "row-mark";
        mark.textContent = line.mark;
        margin.append(`${line.number} `, mark);
        const text = document.createElement("span");
        text.className = "row-text";
        // Five characters, two blanks, five, as a page of the password shows.
        text.append(...cells(line.head), state.texts.pageRowGap, ...cells(line.tail));
        element.append(margin, text);
        return element;
      }),
    );
    view.scrollTop = view.scrollHeight;
  }

  function clearCandidates() {
    candidates = [];
    lbCandidates.setRows([]);
    $("lblResult").textContent = "";
    $("btnUse").disabled = true;
  }

  function changed() {
    checked = state.module.checkPassword(V.wellFormed($("ePassword").value));
    showLines(checked.lines);
    $("lblLength").textContent = checked.length;
    $("lblRows").textContent = checked.rows;
    $("lblInvalid").textContent = checked.invalid;
    // The candidates were found for the text as it was.
    clearCandidates();
    $("btnSearch").disabled = checked.characters === 0;
  }

  function search() {
    clearCandidates();
    const result = state.module.repairPassword(checked.password);
    $("lblResult").textContent = result.words;
    candidates = result.candidates;
    lbCandidates.setRows(candidates.map((candidate) => ({ text: candidate.words })));
    if (candidates.length === 0) return;
    lbCandidates.select(0);
    $("btnUse").disabled = false;
    lbCandidates.element.focus();
  }

  function use() {
    const chosen = candidates[lbCandidates.selected];
    if (!chosen) return;
    $("dlgPasswordCheck").close(chosen.password);
  }

  V.check = {
    build() {
      lbCandidates = new V.Listbox($("lbCandidates"), {
        onSelect: () => ($("btnUse").disabled = lbCandidates.selected < 0),
        // A double click uses the candidate; Enter on the list presses nothing.
        onActivate: (index, how) => {
          if (how === "mouse") use();
        },
      });
      $("ePassword").addEventListener("input", changed);
      $("btnSearch").addEventListener("click", V.handler(search));
      $("btnUse").addEventListener("click", V.handler(use));
      $("btnCheckCancel").addEventListener("click", () => $("dlgPasswordCheck").close(""));
      $("mPasswordCheck").addEventListener(
        "click",
        V.handler(() => V.check.open()),
      );
    },

    // Opens the box empty; a password chosen with Use is loaded as pasted
    // password text is, without touching the clipboard.
    async open() {
      $("ePassword").value = "";
      changed();
      const closed = V.dialogs.showModal($("dlgPasswordCheck"));
      $("ePassword").focus();
      const chosen = await closed;
      if (chosen === "") return;
      state.passwordText = chosen;
      await V.sources.importPasswordText(null);
    },
  };
})((window.Velmara = window.Velmara || {}));
