// "빌드 분석" in the page: the metric chooser over the tabs 스탯 가치, 비교 and 최적화, each
// showing the core's tables as a worker reckoned them for the inputs of now. Loaded when the
// player first asks for it; until then the page downloads none of it. Every word comes from the
// core (the workers' `words`); this module only places them.
//
// The view follows the inputs as the window does: each change asks the tab in front again, and an
// answer is shown only if the inputs have not changed since it was asked.

import { AnalysisWorker, FollowingWorker, runSearch, searcherCount } from "./analysis_workers.js";
import { lineElements, tableElement } from "./analysis_table.js";
import { askForCode, say } from "./dialogs.js";
import { decodeFragment } from "./links.js";

const kBuildBKey = "brakefell-build-b";
const kShownTabs = ["statValuesTab", "comparisonTab", "optimizerTab"];
const kMostShown = 50;

function element(tag, { className, text, title } = {}, ...children) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  if (title) made.title = title;
  made.append(...children);
  return made;
}

function button(word, className = "") {
  const made = element("button", { className, text: word.caption, title: word.tip });
  made.type = "button";
  return made;
}

function checkBox(word, checked = false) {
  const input = element("input");
  input.type = "checkbox";
  input.checked = checked;
  const label = element("label", { className: "check", title: word.tip }, input, ` ${word.caption}`);
  return { label, input };
}

function base64Of(bytes) {
  let text = "";
  for (const byte of bytes) text += String.fromCharCode(byte);
  return btoa(text);
}

function bytesOf(base64) {
  return Uint8Array.from(atob(base64), (char) => char.charCodeAt(0));
}

function saveCsv(text, name) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "text/csv;charset=utf-8" }));
  link.download = `${name}.csv`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// Where the page keeps B between visits; a browser without storage keeps it for the visit only.
function rememberB(b) {
  try {
    if (b) localStorage.setItem(kBuildBKey, JSON.stringify({ bytes: base64Of(b.bytes), which: b.which, source: b.source }));
    else localStorage.removeItem(kBuildBKey);
  } catch {
    // not remembered
  }
}

function rememberedB() {
  try {
    const kept = JSON.parse(localStorage.getItem(kBuildBKey));
    return kept ? { bytes: bytesOf(kept.bytes), which: kept.which, source: kept.source } : null;
  } catch {
    return null;
  }
}

// One tab's content: the lines and tables of the core's page, or its note alone.
class PageArea {
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

class StatValuesTab {
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

class ComparisonTab {
  constructor(view) {
    this.view = view;
    const words = view.words.controls;
    this.pin = button(words.snapshotB);
    this.open = button(words.openB);
    this.paste = button(words.pasteB);
    this.which = element("span", { className: "which-b", text: words.whichB.caption });
    this.csv = button(words.csv);
    this.csv.disabled = true;
    this.file = element("input");
    this.file.type = "file";
    this.file.accept = ".cfg";
    this.file.hidden = true;
    this.area = new PageArea();
    this.element = element("div", {},
      element("div", { className: "analysis-options" }, this.pin, this.open, this.paste, this.which, this.csv, this.file),
      this.area.element);
    this.pin.addEventListener("click", () => {
      const time = new Date().toTimeString().slice(0, 8);
      this.setB({ bytes: view.calculator().buildBytes(), which: view.words.sentences.whichPinned.replace("%1", time), source: "pin" });
    });
    this.open.addEventListener("click", () => this.file.click());
    this.file.addEventListener("change", async () => {
      const file = this.file.files[0];
      this.file.value = "";
      if (!file) return;
      const bytes = view.core.Calculator.buildBytesOfProfile(new Uint8Array(await file.arrayBuffer()));
      this.setB({ bytes, which: view.words.sentences.whichFile.replace("%1", file.name), source: "file" });
    });
    this.paste.addEventListener("click", async () => {
      const text = await askForCode();
      if (!text?.trim()) return;
      const bytes = view.calculator().buildBytesOfCode(decodeFragment(text.trim()));
      if (!bytes.length) {
        say(view.words.sentences.codeUnread);
        return;
      }
      this.setB({ bytes, which: view.words.sentences.whichCode, source: "code" });
    });
    this.csv.addEventListener("click", () => saveCsv(this.answer.csv, words.comparisonTab.caption));
    this.b = rememberedB();
    if (this.b) this.which.textContent = this.b.which;
  }

  setB(b) {
    this.b = b;
    this.which.textContent = b.which;
    rememberB(b);
    this.view.refresh({ force: true });
  }

  async refresh(asked) {
    if (!this.b) {
      this.answer = null;
      this.csv.disabled = true;
      this.area.showNote(this.view.words.sentences.noBuildB);
      return;
    }
    const b = this.b;
    const answer = await this.view.ask("compare", asked.build, b.bytes, asked.metric);
    if (answer === null && this.view.upToDate(asked) && b === this.b) {
      // B itself does not read: the message of the profile or the code it came from.
      const { sentences } = this.view.words;
      this.area.showNote(b.source === "code" ? sentences.codeUnread : sentences.profileUnread);
      return;
    }
    if (!this.view.current(answer, asked)) return;
    this.answer = answer;
    this.csv.disabled = !answer.csv;
    if (!answer.page.tables.length) this.area.showNote(answer.page.summary[0]?.text ?? "");
    else this.area.show(answer.page);
  }
}

class OptimizerTab {
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
    this.status.textContent = answer.page.summary.map((line) => line.text).join(" ");
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
    const makers = { statValuesTab: StatValuesTab, comparisonTab: ComparisonTab, optimizerTab: OptimizerTab };
    this.tabs = tabs.filter((name) => kShownTabs.includes(name)).map((name) => {
      const tab = new makers[name](this);
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
    for (const tab of this.tabs) if (tab instanceof OptimizerTab) tab.follow();
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
