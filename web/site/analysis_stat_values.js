// 스탯 가치: what one step of each number box is worth, the attack-speed cliffs above it.

import { button, checkBox, element, PageArea, saveCsv } from "./analysis_parts.js";

export class StatValuesTab {
  constructor(view) {
    this.view = view;
    const words = view.words.controls;
    this.unchanged = checkBox(words.showUnchanged);
    this.csv = button(words.csv);
    this.csv.disabled = true;
    this.area = new PageArea();
    this.element = element("div", {}, element("div", { className: "analysis-options" }, this.unchanged.label, this.csv), this.area.element);
    this.unchanged.input.addEventListener("change", () => this.area.tables?.[0]?.setHidesUnchanged(!this.unchanged.input.checked));
    this.csv.addEventListener("click", () => saveCsv(this.answer.csv, words.statValuesTab.caption));
  }

  async refresh(asked) {
    this.show(await this.view.ask("statValues", asked.build, asked.metric), asked);
  }

  show(answer, asked) {
    if (!this.view.current(answer, asked)) return;
    this.answer = answer;
    this.csv.disabled = !answer.csv;
    if (!answer.page.tables.length) {
      this.area.showNote(answer.page.summary[0]?.text ?? "");
      return;
    }
    // The cliffs first, as the window puts them, then every box with what one step is worth.
    const [boxes, cliffs] = answer.page.tables;
    this.area.show({ ...answer.page, tables: [boxes, cliffs] }, [{ hideUnchanged: !this.unchanged.input.checked }, {}]);
    const [boxesTable, cliffsTable] = this.area.element.querySelectorAll(".table-scroll");
    if (cliffs.rows.length) boxesTable.before(cliffsTable);
    else cliffsTable.remove();
  }
}
