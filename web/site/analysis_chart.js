// 그래프: the metric against one number box over a range, as the worker reckons it with the core's
// sweep (at most the page's thousand points), B's line while 비교 holds a B, dashed lines where the
// sentries change bracket, a dot at the box's value now, and the points as the window's CSV.
// Under the mouse or a finger the line tells the computed point nearest to it, never a value
// between two points: no build gives one, and the line jumps at a bracket change.
//
// The chart is uPlot, fetched the first time the tab is shown: a visit that only calculates
// downloads none of it.

import { ComparisonTab } from "./analysis_comparison.js";
import { button, element, saveCsv } from "./analysis_parts.js";

let chartLibrary = null;

// uPlot's module and its style, once.
function loadChartLibrary() {
  if (!chartLibrary) {
    const link = document.createElement("link");
    link.rel = "stylesheet";
    link.href = new URL("./vendor/uplot.min.css", import.meta.url).href;
    document.head.append(link);
    chartLibrary = import("./vendor/uplot.esm.js").then((module) => module.default);
  }
  return chartLibrary;
}

// The axes' numbers grouped by thousands as the report writes them ("1,234,567"). uPlot picks
// the ticks anew at every size, so they are written here rather than asked of the worker;
// Korean grouping is the core's "#,##0" pattern.
function numberFormat(decimals) {
  return new Intl.NumberFormat("ko-KR", { maximumFractionDigits: decimals });
}

// The decimals a step needs to tell its points apart: 0.05 → 2.
function decimalsOf(step) {
  for (let decimals = 0; decimals < 4; ++decimals) {
    if (Math.abs(step * 10 ** decimals - Math.round(step * 10 ** decimals)) < 1e-9) return decimals;
  }
  return 4;
}

// The index of the point whose value is nearest to `x`; the points go up along x.
export function nearestIndex(points, x) {
  let low = 0;
  let high = points.length - 1;
  while (low < high) {
    const middle = (low + high) >> 1;
    if (points[middle].value < x) low = middle + 1;
    else high = middle;
  }
  if (low > 0 && x - points[low - 1].value < points[low].value - x) return low - 1;
  return low;
}

const kLineNow = "#1f5fbf";
const kLineB = "#d9822b";
const kCliff = "#787878";

function field(word) {
  const input = element("input", { title: word.tip });
  input.type = "number";
  input.inputMode = "decimal";
  input.step = "any";
  input.setAttribute("aria-label", word.caption);
  return input;
}

function labelled(word, control) {
  return element("label", { className: "chart-field", title: control.title }, `${word.caption} `, control);
}

export class ChartTab {
  constructor(view) {
    this.view = view;
    const words = view.words.controls;
    this.words = words;
    this.chooser = element("select", { title: words.chartBox.tip });
    this.chooser.setAttribute("aria-label", words.chartBox.caption);
    this.from = field(words.chartFrom);
    this.to = field(words.chartTo);
    this.step = field(words.chartStep);
    this.reset = button(words.chartReset);
    // A download asks for no file name on the page: the caption of every table's CSV button.
    this.csv = button({ caption: words.csv.caption, tip: words.chartCsv.tip });
    this.csv.disabled = true;
    this.note = element("p", { className: "analysis-note" });
    this.note.hidden = true;
    this.plotArea = element("div", { className: "chart-plot", title: words.chart.tip });
    this.plotArea.setAttribute("role", "img");
    this.plotArea.setAttribute("aria-label", words.chart.caption);
    this.legend = element("div", { className: "chart-legend" });
    this.hover = element("p", { className: "chart-hover", text: words.chartHover.caption, title: words.chartHover.tip });
    this.hover.setAttribute("aria-live", "polite");
    this.figure = element("div", { className: "chart-figure" }, this.plotArea, this.legend, this.hover);
    this.figure.hidden = true;
    this.element = element("div", {},
      element("div", { className: "analysis-options" },
        labelled(words.chartBoxLabel, this.chooser), this.reset, this.csv),
      element("div", { className: "analysis-options chart-range" },
        labelled(words.chartRangeLabel, this.from), labelled(words.chartRangeTo, this.to),
        labelled(words.chartStepLabel, this.step)),
      this.note, this.figure);
    this.range = null; // null: the core's default range around the box's value
    this.serial = 0;
    this.chooser.addEventListener("change", () => this.redraw(null));
    this.reset.addEventListener("click", () => this.redraw(null));
    for (const input of [this.from, this.to, this.step]) {
      input.addEventListener("change", () => this.redraw({ from: this.from.valueAsNumber, to: this.to.valueAsNumber, step: this.step.valueAsNumber }));
    }
    this.csv.addEventListener("click", () => saveCsv(this.answer.csv, words.chartTab.caption));
  }

  // B as 비교 holds it, or null.
  baseBytes() {
    return this.view.tabs.find((tab) => tab instanceof ComparisonTab)?.b?.bytes ?? null;
  }

  async refresh(asked) {
    this.asked = asked;
    const [library] = await Promise.all([loadChartLibrary(), this.boxes ?? this.listBoxes()]);
    this.library = library;
    if (!this.boxes) return; // the list was overtaken; the next refresh asks again
    await this.draw(asked);
  }

  async listBoxes() {
    const answer = await this.view.ask("sweepBoxes");
    if (!answer || this.boxes) return;
    this.boxes = answer.boxes;
    this.chooser.replaceChildren(...answer.boxes.map((box) => new Option(box.caption, box.name)));
    this.chooser.value = answer.first;
    this.step.title = this.words.chartStep.tip.replace("%1", answer.mostPoints);
    this.step.parentElement.title = this.step.title;
  }

  // Another box, 기본 범위 (range null) or another range typed.
  redraw(range) {
    this.range = range;
    if (range === null) this.hover.textContent = this.words.chartHover.caption;
    if (this.asked && this.boxes) this.draw(this.asked).catch((error) => console.error(error));
  }

  async draw(asked) {
    const serial = ++this.serial;
    const answer = await this.view.ask("sweep", asked.build, this.baseBytes(), asked.metric, this.chooser.value, this.range);
    if (serial !== this.serial || !this.view.current(answer, asked)) return;
    this.answer = answer;
    this.range = answer.range;
    this.from.value = answer.range.from;
    this.to.value = answer.range.to;
    this.step.value = answer.range.step;
    this.csv.disabled = !answer.csv;
    this.note.hidden = !answer.note;
    this.note.textContent = answer.note;
    this.figure.hidden = Boolean(answer.note);
    if (answer.note) return;
    this.plot(answer);
  }

  plot(answer) {
    const words = this.words;
    const boxCaption = this.chooser.selectedOptions[0]?.textContent ?? "";
    const xFormat = numberFormat(decimalsOf(answer.range.step));
    const yFormat = numberFormat(answer.decimals);
    const data = [answer.points.map((point) => point.value), answer.points.map((point) => point.metric)];
    const series = [{}, { label: words.chartNow.caption, stroke: kLineNow, width: 2, points: { show: false } }];
    if (answer.b) {
      data.push(answer.b.map((point) => point.metric));
      series.push({ label: words.chartBaseline.caption, stroke: kLineB, width: 2, points: { show: false } });
    }
    const tickSize = (values) => 14 + 7.5 * Math.max(3, ...(values ?? []).map((text) => String(text).length));
    const options = {
      ...this.size(),
      scales: { x: { time: false, range: [answer.range.from, answer.range.to] } },
      legend: { show: false },
      series,
      axes: [
        { label: boxCaption, values: (u, ticks) => ticks.map((tick) => xFormat.format(tick)) },
        { label: answer.metricCaption, values: (u, ticks) => ticks.map((tick) => yFormat.format(tick)), size: (u, values) => tickSize(values) },
      ],
      cursor: {
        drag: { x: false, y: false },
        y: false,
        // The cursor stands on the nearest computed point, never between two.
        move: (u, left, top) => [this.snap(u, left), top],
      },
      hooks: {
        setCursor: [(u) => this.showHovered(u)],
        draw: [(u) => this.drawMarks(u)],
      },
    };
    this.plotted?.destroy();
    this.plotted = new this.library(options, data, this.plotArea);
    this.followWidth();
    this.listenToFingers(this.plotted);
    this.hoveredAt = null;
    this.legend.replaceChildren(
      this.swatch("line", kLineNow, words.chartNow.caption),
      ...(answer.b ? [this.swatch("line", kLineB, words.chartBaseline.caption)] : []),
      this.swatch("dot", kLineNow, words.chartMarker.caption));
  }

  swatch(kind, colour, caption) {
    const mark = element("span", { className: `chart-swatch ${kind}` });
    mark.style.setProperty("--colour", colour);
    return element("span", {}, mark, caption);
  }

  size() {
    const width = Math.max(200, this.plotArea.clientWidth || this.element.clientWidth || 300);
    return { width, height: Math.round(Math.min(360, Math.max(220, width * 0.5))) };
  }

  // Follows the width of the tab (a turned phone, a resized window).
  followWidth() {
    if (this.resizing || !this.plotted) return;
    this.resizing = new ResizeObserver(() => {
      if (!this.plotted || this.figure.hidden) return;
      const size = this.size();
      if (size.width !== this.plotted.width) this.plotted.setSize(size);
    });
    this.resizing.observe(this.plotArea);
  }

  // The cursor's left moved onto the nearest computed point; remembers which.
  snap(u, left) {
    const points = this.answer?.points;
    if (!points?.length || !(left >= 0)) return left;
    this.hoveredAt = nearestIndex(points, u.posToVal(left, "x"));
    return u.valToPos(points[this.hoveredAt].value, "x");
  }

  // A finger on the chart moves the cursor as the mouse does; a vertical swipe still scrolls.
  listenToFingers(u) {
    const touched = (event) => {
      if (event.pointerType === "mouse") return;
      const box = u.over.getBoundingClientRect();
      u.setCursor({ left: this.snap(u, event.clientX - box.left), top: event.clientY - box.top });
    };
    u.over.addEventListener("pointerdown", touched);
    u.over.addEventListener("pointermove", touched);
  }

  showHovered(u) {
    const at = this.hoveredAt;
    if (at === null || u.cursor.left < 0 || !this.answer?.points) return;
    const lines = [this.answer.points[at].text];
    if (this.answer.b) lines.push(`${this.words.chartBaseline.caption}: ${this.answer.b[at].text}`);
    this.hover.textContent = lines.join(" · ");
  }

  // The bracket changes as dashed lines across the plot, and the dot at the box's value now.
  drawMarks(u) {
    const { ctx, bbox } = u;
    ctx.save();
    ctx.strokeStyle = kCliff;
    ctx.lineWidth = Math.max(1, devicePixelRatio);
    ctx.setLineDash([6 * devicePixelRatio, 4 * devicePixelRatio]);
    for (const at of this.answer.cliffs) {
      const x = Math.round(u.valToPos(at, "x", true));
      if (x < bbox.left || x > bbox.left + bbox.width) continue;
      ctx.beginPath();
      ctx.moveTo(x, bbox.top);
      ctx.lineTo(x, bbox.top + bbox.height);
      ctx.stroke();
    }
    const { value, metric } = this.answer.now;
    if (metric !== null && value >= this.answer.range.from && value <= this.answer.range.to) {
      ctx.setLineDash([]);
      ctx.fillStyle = kLineNow;
      ctx.beginPath();
      ctx.arc(u.valToPos(value, "x", true), u.valToPos(metric, "y", true), 5 * devicePixelRatio, 0, 2 * Math.PI);
      ctx.fill();
    }
    ctx.restore();
  }
}
