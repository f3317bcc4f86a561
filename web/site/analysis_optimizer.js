// 최적화: the best runes, gems and passives for the metric, the search split over the workers,
// with its progress, 취소, and "적용" of a suggestion while the inputs are still those searched.

import { runSearch } from "./analysis_workers.js";
import { button, checkBox, element, PageArea, saveCsv } from "./analysis_parts.js";

const kMostShown = 50;

export class OptimizerTab {
  constructor(view) {
    this.view = view;
    const words = view.words.controls;
    this.runes = checkBox(words.optimizeRunes, true);
    this.gems = checkBox(words.optimizeGems);
    this.passives = checkBox(words.optimizePassives);
    this.count = element("input", { title: words.optimizeCount.tip });
    Object.assign(this.count, { type: "number", min: "1", max: String(kMostShown), value: "10", inputMode: "numeric" });
    this.count.setAttribute("aria-label", words.optimizeCount.caption);
    this.start = button(words.optimizeStart, "emphasised");
    this.cancel = button(words.optimizeCancel);
    this.cancel.disabled = true;
    this.progress = element("progress", { title: words.optimizeProgress.tip });
    this.progress.max = 1;
    this.progress.value = 0;
    this.progress.setAttribute("aria-label", words.optimizeProgress.caption);
    this.status = element("p", { className: "optimize-status", title: words.optimizeStatus.tip });
    this.status.setAttribute("role", "status");
    this.apply = button(words.optimizeApply);
    this.apply.disabled = true;
    this.csv = button(words.csv);
    this.csv.disabled = true;
    this.area = new PageArea();
    this.element = element("div", {},
      element("div", { className: "analysis-options" },
        element("span", { text: words.optimizeChoices.caption }), this.runes.label, this.gems.label, this.passives.label,
        element("label", { className: "count" }, words.optimizeCountLabel.caption, " ", this.count),
        this.start, this.cancel),
      this.progress, this.status, this.area.element,
      element("div", { className: "analysis-options end" }, this.csv, this.apply));
    this.start.addEventListener("click", () => this.search());
    this.cancel.addEventListener("click", () => {
      this.cancelled = true;
      this.cancel.disabled = true;
    });
    this.apply.addEventListener("click", () => this.applySelected());
    this.csv.addEventListener("click", () => saveCsv(this.answer.csv, words.optimizerTab.caption));
    this.running = false;
    this.answer = null;
  }

  async refresh() {
    this.follow();
  }

  // After any change of the inputs: a result found for the inputs before says so.
  follow() {
    if (this.running || !this.answer) return;
    const upToDate = this.generation === this.view.calculator().inputsGeneration();
    this.apply.disabled = !upToDate || this.table?.selectedItem === null;
    if (!upToDate && !this.answer.cancelled) this.status.textContent = this.view.words.sentences.outOfDate;
  }

  async search() {
    if (this.running) return;
    const choices = { runes: this.runes.input.checked, gems: this.gems.input.checked, passives: this.passives.input.checked };
    const { sentences } = this.view.words;
    if (!choices.runes && !choices.gems && !choices.passives) {
      this.status.textContent = sentences.nothingToVary;
      return;
    }
    const top = Math.min(kMostShown, Math.max(1, Math.round(Number(this.count.value)) || 10));
    this.count.value = String(top);
    const calculator = this.view.calculator();
    const generation = calculator.inputsGeneration();
    const build = calculator.buildBytes();
    this.running = true;
    this.cancelled = false;
    this.answer = null;
    this.area.element.replaceChildren();
    this.start.disabled = true;
    this.cancel.disabled = false;
    this.apply.disabled = true;
    this.csv.disabled = true;
    this.progress.value = 0;
    this.status.textContent = sentences.searching;
    const started = performance.now();
    try {
      const { prepared, result } = await runSearch(this.view.searchers(), {
        build,
        metric: this.view.metric(),
        choices,
        top,
        cancelled: () => this.cancelled,
        announce: (size) => { this.status.textContent = size.announce; },
        progress: (done, total) => {
          const seconds = (performance.now() - started) / 1000;
          this.progress.value = done / total;
          this.status.textContent = this.view.core.searchProgressText(done, total, done > 0 ? (seconds * (total - done)) / done : -1);
        },
      });
      if (!result) {
        this.status.textContent = prepared?.metric?.note || sentences.nothingToVary;
        return;
      }
      this.generation = generation;
      this.show(result);
    } finally {
      this.running = false;
      this.start.disabled = false;
      this.cancel.disabled = true;
      this.follow();
    }
  }

  show(answer) {
    this.answer = answer;
    if (!answer.cancelled) this.progress.value = 1;
    this.status.textContent = answer.page.summary.map((line) => line.text).join("\n");
    this.area.show({ ...answer.page, summary: [] }, [{
      selectable: true,
      onSelect: () => this.follow(),
      onActivate: () => this.applySelected(),
    }]);
    this.table = this.area.tables[0];
    this.table.selectFirst();
    this.csv.disabled = !answer.csv;
  }

  // "적용": the chosen suggestion made in the inputs, and calculated, as in the window.
  applySelected() {
    const item = this.table?.selectedItem;
    if (this.running || item === null || item === undefined) return;
    if (this.generation !== this.view.calculator().inputsGeneration()) return;
    if (this.view.calculator().applySuggestion(this.answer.suggestions[item])) this.view.inputsApplied();
  }
}
