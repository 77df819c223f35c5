// The desktop's "&" captions: Alt and the underlined letter. A caption with a
// letter no other visible control shares activates its control (a button or
// tab is pressed, a menu opens, a caption of a list or group moves the focus
// to it); a letter several controls share moves the focus from one to the
// next without pressing any, as the desktop does. Inside an open menu the
// letter alone chooses the item. Open modal boxes keep the keys to themselves.
"use strict";

(function (V) {
  function usable(element) {
    if (element.closest("[hidden], [inert]") || element.disabled) return false;
    const menu = element.closest("details");
    if (menu && !menu.open && element.tagName !== "SUMMARY") return false;
    const target = focusTarget(element);
    return target !== null && !target.disabled && target.getClientRects().length > 0;
  }

  function focusTarget(element) {
    return element.dataset.focus ? document.querySelector(element.dataset.focus) : element;
  }

  function candidates(letter, scope) {
    return [...scope.querySelectorAll("[data-key]")].filter(
      (element) =>
        element.dataset.key === letter &&
        (scope !== document.body || !element.closest("dialog")) &&
        usable(element),
    );
  }

  function activate(element) {
    const target = focusTarget(element);
    target.focus();
    if (!element.dataset.focus) target.click();
  }

  function topDialog() {
    const open = [...document.querySelectorAll("dialog[open]")];
    return open[open.length - 1] || null;
  }

  document.addEventListener("keydown", (event) => {
    if (event.ctrlKey || event.metaKey || event.key.length !== 1) return;
    const letter = event.key.toLowerCase();
    const dialog = topDialog();
    const menu = document.querySelector(".menu[open]");
    let scope;
    if (event.altKey) scope = dialog || document.body;
    else if (menu && !dialog && !event.target.closest("input, textarea")) scope = menu;
    else return;

    const found = candidates(letter, scope).filter(
      (element) => element.tagName !== "SUMMARY" || scope !== menu,
    );
    if (found.length === 0) return;
    event.preventDefault();
    if (found.length === 1) return activate(found[0]);
    const at = found.findIndex((element) => focusTarget(element) === document.activeElement);
    focusTarget(found[(at + 1) % found.length]).focus();
  });

  V.mnemonics = { candidates };
})((window.Velmara = window.Velmara || {}));
