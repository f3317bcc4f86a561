// "빌드 분석" in the page: the metric chooser over the tabs 스탯 가치, 비교 and 최적화, each
// showing the core's tables as a worker reckoned them for the inputs of now. Loaded when the
// player first asks for it; until then the page downloads none of it. Every word comes from the
// core (the workers' `words`); this module only places them.
//
// The view follows the inputs as the window does: each change asks the tab in front again, and an
// answer is shown only if the inputs have not changed since it was asked.

import { AnalysisWorker, FollowingWorker, searcherCount } from "./analysis_workers.js";
import { ChartTab } from "./analysis_chart.js";
import { ComparisonTab } from "./analysis_comparison.js";
import { HistoryTab } from "./analysis_history.js";
import { OptimizerTab } from "./analysis_optimizer.js";
import { button, element } from "./analysis_parts.js";
import { StatValuesTab } from "./analysis_stat_values.js";

// The tabs the page has, by their names in the core's words.
const kTabs = {
  statValuesTab: StatValuesTab,
  comparisonTab: ComparisonTab,
  chartTab: ChartTab,
  optimizerTab: OptimizerTab,
  historyTab: HistoryTab,
};

export class AnalysisView {
  // Starts the worker that follows the inputs and asks it for the words; the inputs stay usable
  // meanwhile.
  static async create(core, page) {
    const link = document.createElement("link");
    link.rel = "stylesheet";
    link.href = new URL("./analysis.css", import.meta.url).href;
    document.head.append(link);
    const worker = new AnalysisWorker();
    const words = await worker.ask("words");
    return new AnalysisView(core, page, worker, words);
  }

  constructor(core, page, worker, words) {
    this.core = core;
    this.page = page;
    this.words = words;
    this.following = new FollowingWorker(worker);
    this.searchWorkers = null;
    this.asked = "";
    this.shownGeneration = -1;
    this.build();
  }

  calculator() {
    return this.page.calculator;
  }

  // The metric asked for: the chooser's, once the player has chosen; before, what the inputs
  // suggest.
  metric() {
    return this.asked;
  }

  searchers() {
    if (!this.searchWorkers) {
      const asked = Number(new URLSearchParams(location.search).get("workers"));
      const count = asked >= 1 && asked <= 8 ? asked : searcherCount();
      this.searchWorkers = Array.from({ length: count }, () => new AnalysisWorker());
    }
    return this.searchWorkers;
  }

  build() {
    const { controls, metrics, tabs } = this.words;
    this.section = element("section", { className: "analysis" });
    this.section.id = "analysis";
    this.section.hidden = true;
    const title = element("h2", { text: controls.analysisTitle.caption });
    title.id = "analysisTitle";
    this.section.setAttribute("aria-labelledby", title.id);
    const back = button(controls.analysisBack, "analysis-back");
    back.addEventListener("click", () => this.hide());
    this.chooser = element("select", { title: controls.metric.tip });
    this.chooser.setAttribute("aria-label", controls.metric.caption);
    this.chooser.append(...metrics.map((metric) => new Option(metric.caption, metric.name)));
    this.chooser.addEventListener("change", () => {
      this.asked = this.chooser.value;
      this.refresh({ force: true });
    });
    this.fallback = element("p", { className: "analysis-fallback" });
    this.fallback.hidden = true;
    const tabList = element("div", { className: "analysis-tabs" });
    tabList.setAttribute("role", "tablist");
    tabList.setAttribute("aria-label", controls.tabs.caption);
    this.tabs = tabs.filter((name) => kTabs[name]).map((name) => {
      const tab = new kTabs[name](this);
      const word = controls[name];
      tab.button = button(word);
      tab.button.setAttribute("role", "tab");
      tab.button.id = `${name}Button`;
      tab.element.setAttribute("role", "tabpanel");
      tab.element.setAttribute("aria-labelledby", tab.button.id);
      tab.element.className = "analysis-panel";
      tab.button.addEventListener("click", () => this.choose(tab));
      tabList.append(tab.button);
      return tab;
    });
    tabList.addEventListener("keydown", (event) => {
      if (event.key !== "ArrowRight" && event.key !== "ArrowLeft") return;
      const at = this.tabs.indexOf(this.front);
      const next = this.tabs[(at + (event.key === "ArrowRight" ? 1 : this.tabs.length - 1)) % this.tabs.length];
      this.choose(next);
      next.button.focus();
    });
    const bar = element("div", { className: "analysis-bar" }, back, title,
      element("label", { className: "metric" }, `${controls.metricLabel.caption} `, this.chooser));
    this.section.append(bar, this.fallback, tabList, ...this.tabs.map((tab) => tab.element));
    document.getElementById("calculator").after(this.section);
    this.choose(this.tabs[0]);
  }

  choose(tab) {
    this.front = tab;
    for (const each of this.tabs) {
      each.button.setAttribute("aria-selected", String(each === tab));
      each.button.tabIndex = each === tab ? 0 : -1;
      each.element.hidden = each !== tab;
    }
    this.refresh({ force: true });
  }

  show(page) {
    this.page = page;
    this.section.hidden = false;
    document.body.classList.add("analysing");
    this.refresh({ force: true });
    this.front.button.focus({ preventScroll: true });
    this.section.scrollIntoView({ block: "start" });
  }

  hide() {
    this.section.hidden = true;
    document.body.classList.remove("analysing");
  }

  // The calculator whose inputs the view follows (the edition's switch makes a new one).
  attach(page) {
    this.page = page;
    if (!this.section.hidden) this.refresh({ force: true });
  }

  // The tab in front asks again when the inputs have changed since it last asked (or always, when
  // forced: another tab, another metric, another B).
  refresh({ force = false } = {}) {
    if (this.section.hidden) return;
    const generation = this.calculator().inputsGeneration();
    for (const tab of this.tabs) tab.follow?.();
    if (!force && generation === this.shownGeneration) return;
    this.shownGeneration = generation;
    const asked = { generation, build: this.calculator().buildBytes(), metric: this.metric(), tab: this.front };
    this.front.refresh(asked).catch((error) => console.error(error));
  }

  ask(kind, ...args) {
    return this.following.ask(kind, ...args);
  }

  upToDate(asked) {
    return asked.generation === this.calculator().inputsGeneration() && asked.metric === this.metric() && asked.tab === this.front;
  }

  // Whether an answer may be shown: it is the newest, and nothing changed since it was asked.
  current(answer, asked) {
    if (answer === null || !this.upToDate(asked)) return false;
    const { name, fallback } = answer.metric;
    if (name && !this.asked) this.chooser.value = name;
    this.fallback.textContent = fallback;
    this.fallback.hidden = !fallback;
    return true;
  }

  // After "적용": the page shows the inputs as they now stand.
  inputsApplied() {
    this.page.widgets.refresh();
  }
}
