// What the tabs of "빌드 분석" are made of: elements bearing the core's words, the area that shows
// a page of the core's tables, and saving a table for a spreadsheet.

import { lineElements, tableElement } from "./analysis_table.js";

export function element(tag, { className, text, title } = {}, ...children) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  if (title) made.title = title;
  made.append(...children);
  return made;
}

export function button(word, className = "") {
  const made = element("button", { className, text: word.caption, title: word.tip });
  made.type = "button";
  return made;
}

export function checkBox(word, checked = false) {
  const input = element("input");
  input.type = "checkbox";
  input.checked = checked;
  const label = element("label", { className: "check", title: word.tip }, input, ` ${word.caption}`);
  return { label, input };
}

export function saveCsv(text, name) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "text/csv;charset=utf-8" }));
  link.download = `${name}.csv`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// One tab's content: the lines and tables of the core's page, or its note alone.
export class PageArea {
  constructor() {
    this.element = element("div", { className: "analysis-page" });
  }

  showNote(text) {
    this.element.replaceChildren(element("p", { className: "analysis-note", text }));
  }

  show(page, tableOptions = []) {
    this.tables = page.tables.map((table, at) => tableElement(table, tableOptions[at] ?? {}));
    this.element.replaceChildren(
      ...(page.heading ? [element("h3", { text: page.heading })] : []),
      ...lineElements(page.summary),
      ...this.tables.map((table) => element("div", { className: "table-scroll" }, table)),
      ...lineElements(page.notes));
  }
}
