// A single-selection list box: rows of text, a click or the arrow keys
// select, a double click or Enter activates. Selecting from code never counts
// as the user's selection, as in the desktop window.
"use strict";

(function (V) {
  let nextId = 0;

  class Listbox {
    // `onSelect(index, how)` runs when the user selects a row ("mouse" for a
    // click, also on the row already selected; "keyboard" only when the
    // selection moves); `onActivate(index, how)` on a double click ("mouse")
    // or Enter ("keyboard").
    constructor(element, { onSelect = () => {}, onActivate = () => {} } = {}) {
      this.element = element;
      this.onSelect = onSelect;
      this.onActivate = onActivate;
      this.rows = [];
      this.selected = -1;
      this.disabled = false;
      this.idPrefix = `${element.id || "listbox"}-${nextId++}-`;
      element.setAttribute("role", "listbox");
      element.tabIndex = 0;
      element.addEventListener("click", (event) => this.clicked(event));
      element.addEventListener("dblclick", (event) => this.doubleClicked(event));
      element.addEventListener("keydown", (event) => this.keyPressed(event));
    }

    // Rows are {text, className}; the selection is cleared.
    setRows(rows) {
      this.rows = rows.map((row) => ({ text: row.text, className: row.className || "" }));
      this.selected = -1;
      const fragment = document.createDocumentFragment();
      this.rows.forEach((row, index) => fragment.append(this.makeOption(row, index)));
      this.element.replaceChildren(fragment);
      this.element.removeAttribute("aria-activedescendant");
    }

    setRow(index, row) {
      this.rows[index] = { text: row.text, className: row.className || "" };
      const option = this.element.children[index];
      option.textContent = row.text;
      option.className = row.className || "";
    }

    get count() {
      return this.rows.length;
    }

    // Selects a row from code (-1 for none) without calling onSelect.
    select(index) {
      const previous = this.element.children[this.selected];
      if (previous) previous.setAttribute("aria-selected", "false");
      this.selected = index >= 0 && index < this.rows.length ? index : -1;
      const option = this.element.children[this.selected];
      if (option) {
        option.setAttribute("aria-selected", "true");
        this.element.setAttribute("aria-activedescendant", option.id);
        this.scrollIntoView(option);
      } else {
        this.element.removeAttribute("aria-activedescendant");
      }
    }

    setDisabled(disabled) {
      this.disabled = disabled;
      this.element.setAttribute("aria-disabled", String(disabled));
      this.element.tabIndex = disabled ? -1 : 0;
    }

    makeOption(row, index) {
      const option = document.createElement("div");
      option.setAttribute("role", "option");
      option.setAttribute("aria-selected", "false");
      option.id = this.idPrefix + index;
      option.dataset.index = String(index);
      option.className = row.className;
      option.textContent = row.text;
      return option;
    }

    scrollIntoView(option) {
      const box = this.element;
      if (option.offsetTop < box.scrollTop) box.scrollTop = option.offsetTop;
      else if (option.offsetTop + option.offsetHeight > box.scrollTop + box.clientHeight)
        box.scrollTop = option.offsetTop + option.offsetHeight - box.clientHeight;
    }

    indexOf(event) {
      const option = event.target.closest('[role="option"]');
      return option && this.element.contains(option) ? Number(option.dataset.index) : -1;
    }

    clicked(event) {
      if (this.disabled) return;
      const index = this.indexOf(event);
      if (index < 0) return;
      this.element.focus();
      this.select(index);
      this.onSelect(index, "mouse");
    }

    doubleClicked(event) {
      if (this.disabled) return;
      const index = this.indexOf(event);
      if (index >= 0) this.onActivate(index, "mouse");
    }

    keyPressed(event) {
      if (this.disabled || event.altKey || event.ctrlKey || event.metaKey) return;
      const last = this.rows.length - 1;
      if (last < 0) return;
      const page = Math.max(1, Math.floor(this.element.clientHeight / 20) - 1);
      const current = this.selected;
      let target;
      switch (event.key) {
        case "ArrowDown":
          target = Math.min(last, current + 1);
          break;
        case "ArrowUp":
          target = current < 0 ? 0 : Math.max(0, current - 1);
          break;
        case "Home":
          target = 0;
          break;
        case "End":
          target = last;
          break;
        case "PageDown":
          target = Math.min(last, Math.max(0, current) + page);
          break;
        case "PageUp":
          target = Math.max(0, current - page);
          break;
        case "Enter":
          event.preventDefault();
          if (current >= 0) this.onActivate(current, "keyboard");
          return;
        default:
          return;
      }
      event.preventDefault();
      if (target === current) return;
      this.select(target);
      this.onSelect(target, "keyboard");
    }
  }

  V.Listbox = Listbox;
})((window.Velmara = window.Velmara || {}));
