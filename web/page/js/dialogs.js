// The page's modal boxes: a message with OK, a question with Yes and No, a
// one-line prompt with OK and Cancel, and the box that takes pasted password
// text. Each returns a promise of the answer; Escape answers No or Cancel.
"use strict";

(function (V) {
  const $ = (id) => document.getElementById(id);
  // Boxes without a title of their own carry the application's, as the
  // desktop's do; questions are titled as the desktop's are.
  const applicationTitle = "Velmara Password Generator";
  const questionTitle = "Confirm";

  // Shows a <dialog> modally and resolves with its return value ("" when it
  // was closed by Escape).
  function showModal(dialog) {
    return new Promise((resolve) => {
      dialog.returnValue = "";
      dialog.addEventListener("close", () => resolve(dialog.returnValue), { once: true });
      dialog.showModal();
    });
  }

  function button(text, value) {
    const element = document.createElement("button");
    element.value = value;
    element.textContent = text;
    return element;
  }

  async function messageBox(text, title, buttons) {
    const dialog = $("dlgMessage");
    $("dlgMessageTitle").textContent = title;
    $("dlgMessageText").textContent = text;
    $("dlgMessageButtons").replaceChildren(
      ...buttons.map(([label, value]) => button(label, value)),
    );
    const answer = showModal(dialog);
    $("dlgMessageButtons").firstElementChild.focus();
    return answer;
  }

  V.dialogs = {
    showModal,

    // A plain, information or warning box with an OK button.
    async message(text, title = applicationTitle) {
      await messageBox(text, title, [["OK", "ok"]]);
    },

    // A question with Yes and No; true for Yes.
    async confirm(text, title = questionTitle) {
      return (
        (await messageBox(text, title, [
          ["Yes", "yes"],
          ["No", "no"],
        ])) === "yes"
      );
    },

    // A one-line prompt; the text entered, or null for Cancel.
    async prompt(title, label, initial) {
      const dialog = $("dlgPrompt");
      $("dlgPromptTitle").textContent = title;
      $("lblPrompt").textContent = label;
      const input = $("ePromptText");
      input.value = initial;
      const answer = showModal(dialog);
      input.select();
      return (await answer) === "ok" ? input.value : null;
    },

    // The box for pasted password text; the text, or null when cancelled.
    async pastedText() {
      const dialog = $("dlgPaste");
      const input = $("ePasteText");
      input.value = "";
      const answer = showModal(dialog);
      input.focus();
      return (await answer) === "import" ? input.value : null;
    },

    // Whether any box is open, so that page-wide keys leave it alone.
    anyOpen() {
      return document.querySelector("dialog[open]") !== null;
    },
  };
})((window.Velmara = window.Velmara || {}));
