// 기록: the calculations of this browser, newest first, each with what changed from the one before
// and its value by the metric; a click or Enter on a row brings its inputs back and calculates.
// The history is the core's, kept in the browser's storage and shared by every page of the site.

import { button, element, PageArea, saveCsv } from "./analysis_parts.js";

// The time of an entry as the window shows it: the player's local time, to the second.
function timeText(millis) {
  const time = new Date(millis);
  const two = (number) => String(number).padStart(2, "0");
  return `${time.getFullYear()}-${two(time.getMonth() + 1)}-${two(time.getDate())} ` +
    `${two(time.getHours())}:${two(time.getMinutes())}:${two(time.getSeconds())}`;
}

export class HistoryTab {
  constructor(view) {
    this.view = view;
    const words = view.words.controls;
    this.csv = button(words.csv);
    this.csv.disabled = true;
    this.summary = element("p", { className: "history-summary", title: words.historySummary.tip });
    this.area = new PageArea();
    this.area.element.title = words.historyPages.tip;
    this.element = element("div", {}, element("div", { className: "analysis-options" }, this.summary, this.csv), this.area.element);
    this.csv.addEventListener("click", () => saveCsv(this.answer.csv, words.historyTab.caption));
    this.summary.hidden = true;
    this.mark = null;
  }

  // A calculation adds an entry without changing an input: the tab asks again when the history
  // itself has changed.
  follow() {
    if (this.element.hidden || this.mark === null) return;
    const mark = this.view.calculator().historyMark();
    if (mark === this.mark) return;
    this.mark = mark;
    this.view.refresh({ force: true });
  }

  async refresh(asked) {
    const calculator = this.view.calculator();
    this.mark = calculator.historyMark();
    const { entries, skipped } = calculator.history();
    const shown = entries.map((entry) => ({ build: entry.build, shown: timeText(entry.time) }));
    const answer = await this.view.ask("history", shown, asked.build, asked.metric, skipped);
    if (!this.view.current(answer, asked)) return;
    this.answer = answer;
    this.times = entries.map((entry) => entry.time);
    const { page } = answer;
    this.csv.disabled = !answer.csv;
    this.summary.textContent = page.tables.length ? page.summary.map((line) => line.text).join("\n") : "";
    this.summary.hidden = !this.summary.textContent;
    if (!page.tables.length) {
      this.area.showNote(page.summary.map((line) => line.text).join("\n"));
      return;
    }
    const words = this.view.words.controls;
    this.area.show({ ...page, summary: [] }, [{
      selectable: true,
      activateOnClick: true,
      onActivate: (item) => this.restore(item),
    }]);
    this.area.tables[0].title = words.history.tip;
  }

  // The entry's inputs back, and calculated, as "계산" with them would.
  restore(item) {
    const time = this.times?.[item];
    if (time === undefined) return;
    if (this.view.calculator().restore(time).end === "done") this.view.inputsApplied();
  }
}
