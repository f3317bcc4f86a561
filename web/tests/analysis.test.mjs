// "빌드 분석" in a real browser (BROWSER=chromium or firefox): what the page draws is exactly the
// core's answer for the build, the work stays off the page's thread, and an answer for inputs
// that have moved on is never shown.
import assert from "node:assert/strict";
import { execFile } from "node:child_process";
import { readFileSync } from "node:fs";
import path from "node:path";
import { after, before, test } from "node:test";
import { promisify } from "node:util";

import { closeBrowser, launch } from "./support/browsers.mjs";
import { randomCharacter, randomSource } from "./support/characters.mjs";
import { loadCore, siteFolder } from "./support/core.mjs";
import { nativeTool } from "./support/native.mjs";
import { byName, dismissMessage, inputOf, PageSession, shownReport } from "./support/page.mjs";

const browserName = process.env.BROWSER ?? "chromium";
let browser;
let session;
let core;
let analyst;

before(async () => {
  browser = await launch(browserName);
  session = await PageSession.start(browser);
  core = await loadCore();
  analyst = new core.core.Analyst(new Uint8Array(readFileSync(path.join(siteFolder(), "Gloamstalker007.txt"))));
});

after(async () => {
  await closeBrowser(browser);
  await session?.close();
  assert.deepEqual(session?.errors ?? [], [], "the console shows no error");
});

// A random build as a link's code, with its bytes as the page's workers receive them.
function randomBuild(seed) {
  const { calculator } = core.makeCalculator("full");
  for (const [name, value] of randomCharacter(randomSource(seed), { checkStates: [0, 1] })) calculator.assign(name, value);
  const build = { code: calculator.shareCode(), bytes: calculator.buildBytes() };
  calculator.delete();
  return build;
}

// The texts of the tables shown in the tab in front, row by row.
function shownTables(page) {
  return page.$$eval("#analysis .analysis-panel:not([hidden]) table", (tables) =>
    tables.map((table) => [...table.tBodies[0].rows].map((row) => [...row.cells].map((cell) => cell.textContent))));
}

// The core's tables as the page must show them: every row, the 스탯 가치 cliffs first.
function expectedTables(answer, { cliffsFirst = false } = {}) {
  const tables = answer.page.tables.map((table) => table.rows.map((row) => row.cells.map((cell) => cell.text)));
  return cliffsFirst ? [tables[1], tables[0]].filter((rows) => rows.length) : tables;
}

async function openTab(page, name) {
  await page.click(`#${name}Button`);
}

// Waits until the tab in front shows tables equal to `expected`.
async function waitForTables(page, expected) {
  let shown;
  for (let tries = 0; tries < 200; ++tries) {
    shown = await shownTables(page);
    if (JSON.stringify(shown) === JSON.stringify(expected)) return;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  assert.deepEqual(shown, expected);
}

async function openAnalysis(fragment, query = "", beforeOpen = null) {
  const page = await session.open({ fragment, query });
  await dismissMessage(page);
  if (beforeOpen) await page.evaluate(beforeOpen);
  await page.click(byName("cmdAnalysis"));
  await page.waitForSelector("#analysis:not([hidden]) table", { timeout: 60000 });
  await page.$eval("#analysis .analysis-panel:not([hidden]) input[type='checkbox']", (box) => box.click()); // every row
  return page;
}

test("every tab shows the core's cells for builds opened from links, B from a second link", async () => {
  for (const seed of [11, 12]) {
    const now = randomBuild(seed);
    const b = randomBuild(seed + 100);
    const page = await openAnalysis(now.code);
    await waitForTables(page, expectedTables(analyst.statValues(now.bytes, ""), { cliffsFirst: true }));

    await openTab(page, "comparisonTab");
    page.once("dialog", () => {});
    await page.$eval("#analysis .analysis-panel:not([hidden]) button:nth-of-type(3)", (button) => button.click());
    await page.waitForSelector("#pasteDialog[open]");
    await page.$eval("#pasteText", (box, text) => { box.value = text; }, `https://example.org/#${b.code}`);
    await page.click("#pasteDialog button[value='open']");
    await waitForTables(page, expectedTables(analyst.compare(now.bytes, b.bytes, "")));
    await page.close();
  }
});

// The optimiser over `workers` workers for the build, to its end.
async function search(fragment, workers) {
  const page = await openAnalysis(fragment, `?workers=${workers}`);
  await openTab(page, "optimizerTab");
  await page.click("#analysis .analysis-panel:not([hidden]) button.emphasised");
  await page.waitForFunction(() => document.querySelector("#analysis .analysis-panel:not([hidden]) table tbody tr"), { timeout: 120000 });
  return page;
}

test("the optimiser gives the core's ranking whatever the number of workers; an edit makes it the previous inputs'", async () => {
  const build = randomBuild(21);
  analyst.prepareSearch(build.bytes, "", true, false, false, 10);
  analyst.computeRange(0, 46656);
  const expected = expectedTables(analyst.finishSearch([analyst.takeFound()], false));
  for (const workers of [1, 2, 4]) {
    const page = await search(build.code, workers);
    assert.deepEqual(await shownTables(page), expected, `${workers} workers`);
    if (workers === 4) {
      await page.click(inputOf("txtMainStat"));
      await page.keyboard.type("1");
      const status = await page.$eval("#analysis .optimize-status", (line) => line.textContent);
      assert.match(status, /지난 입력의 것입니다/);
      assert.equal(await page.$eval("#analysis .analysis-options.end button:last-child", (apply) => apply.disabled), true);
    }
    await page.close();
  }
});

test("취소 stops every worker and keeps the best found so far", async () => {
  const build = randomBuild(22);
  const page = await openAnalysis(build.code, "?workers=2");
  await openTab(page, "optimizerTab");
  await page.$$eval("#analysis .analysis-panel:not([hidden]) input[type='checkbox']", (boxes) => boxes.forEach((box) => { box.checked = true; }));
  await page.click("#analysis .analysis-panel:not([hidden]) button.emphasised");
  await page.waitForFunction(() => document.querySelector("#analysis progress").value > 0.01, { timeout: 60000 });
  await page.click("#analysis .analysis-panel:not([hidden]) .analysis-options button:not(.emphasised)");
  await page.waitForFunction(() => /취소됨 \(\d+% 탐색\)/.test(document.querySelector("#analysis .optimize-status").textContent), { timeout: 60000 });
  const rows = await shownTables(page);
  assert.ok(rows[0].length > 0, "the best so far is shown");
  const progress = await page.$eval("#analysis progress", (bar) => bar.value);
  assert.ok(progress < 1, "the search stopped short");
  await page.close();
});

test("an answer for inputs that have moved on is never shown", async () => {
  const build = randomBuild(31);
  // Every answer of the workers comes late once asked to, as from a slow phone.
  const page = await openAnalysis(build.code, "", () => {
    const RealWorker = Worker;
    window.Worker = class extends RealWorker {
      set onmessage(hear) {
        super.onmessage = (event) => (window.__slow ? setTimeout(() => hear(event), 600) : hear(event));
      }
    };
  });
  await page.evaluate(() => {
    window.__slow = true;
    window.__shown = [];
    new MutationObserver(() => {
      for (const row of document.querySelectorAll("#analysis .analysis-panel:not([hidden]) table tbody tr")) {
        window.__shown.push(row.textContent);
      }
    }).observe(document.getElementById("analysis"), { childList: true, subtree: true });
  });
  const typed = [];
  for (const digit of ["5", "7"]) {
    await page.click(inputOf("txtMainStat"));
    await page.keyboard.type(digit);
    typed.push(await page.$eval(inputOf("txtMainStat"), (box) => box.value));
  }
  const last = core.makeCalculator("full").calculator;
  last.openShareCode(build.code);
  last.assign("txtMainStat", typed[1]);
  const between = core.makeCalculator("full").calculator;
  between.openShareCode(build.code);
  between.assign("txtMainStat", typed[0]);
  const final = expectedTables(analyst.statValues(last.buildBytes(), ""), { cliffsFirst: true });
  await waitForTables(page, final);
  const stale = expectedTables(analyst.statValues(between.buildBytes(), ""), { cliffsFirst: true });
  const shown = await page.evaluate(() => window.__shown);
  const staleOnly = stale.flat().map((row) => row.join("")).filter((row) => !final.flat().some((other) => other.join("") === row));
  assert.ok(staleOnly.length > 0, "the two inputs differ in what they show");
  assert.ok(!shown.some((row) => staleOnly.includes(row)), "nothing of the inputs in between was shown");
  last.delete();
  between.delete();
  await page.close();
});

test("no long task on the page's thread while typing with each tab open", { skip: browserName !== "chromium" }, async () => {
  const page = await openAnalysis(randomBuild(41).code);
  for (const tab of ["statValuesTab", "comparisonTab", "optimizerTab", "historyTab"]) {
    await openTab(page, tab);
    await page.evaluate(() => {
      window.__long = [];
      new PerformanceObserver((list) => window.__long.push(...list.getEntries().map((entry) => entry.duration)))
        .observe({ type: "longtask" });
    });
    await page.click(inputOf("txtMainStat"));
    await page.keyboard.type("123", { delay: 30 });
    if (tab === "optimizerTab") {
      await page.click("#analysis .analysis-panel:not([hidden]) button.emphasised");
      await page.keyboard.type("45", { delay: 30 });
      await page.waitForFunction(() => !document.querySelector("#analysis .analysis-panel:not([hidden]) button.emphasised").disabled, { timeout: 60000 });
    }
    await new Promise((resolve) => setTimeout(resolve, 300));
    assert.deepEqual(await page.evaluate(() => window.__long), [], tab);
  }
  await page.close();
});

// Types `value` into the main stat and calculates, as a player does.
async function calculateWith(page, value) {
  await page.click(inputOf("txtMainStat"));
  await page.keyboard.type(value);
  await page.click(byName("cmdCalculation"));
}

test("기록 survives a reload, brings a recorded report back, and keeps every entry when two pages add at once", async () => {
  const first = await session.open();
  await dismissMessage(first);
  await calculateWith(first, "1000");
  const recorded = await shownReport(first);
  await calculateWith(first, "2000");
  await first.click(byName("cmdCalculation")); // the same build again: no entry
  const again = await session.open({ keep: first });
  await first.close();
  await again.click(byName("cmdAnalysis"));
  await again.waitForSelector("#historyTabButton");
  await openTab(again, "historyTab");
  const rows = async (page) => (await shownTables(page))[0]?.length ?? 0;
  await again.waitForFunction(() => document.querySelectorAll("#analysis .analysis-panel:not([hidden]) tbody tr").length >= 2, { polling: 100 });
  assert.equal(await rows(again), 2, "an unchanged 계산 adds no entry");
  // The older entry, second from the top, brings its report back.
  const older = "#analysis .analysis-panel:not([hidden]) tbody tr:nth-child(2)";
  await again.$eval(older, (row) => row.scrollIntoView({ block: "center" })); // clear of the command bar
  await again.click(older);
  let report;
  for (let tries = 0; tries < 100 && JSON.stringify(report) !== JSON.stringify(recorded); ++tries) {
    await new Promise((resolve) => setTimeout(resolve, 50));
    report = await shownReport(again);
  }
  assert.deepEqual(report, recorded);

  // Two pages of the site calculate at the same moment (a page in the background takes no
  // clicks: the inputs are given as the page's own events).
  const other = await session.open({ keep: again });
  const typeAndCalculate = (page, value) => page.evaluate((typed) => {
    const box = document.getElementById("txtMainStat");
    box.value = typed;
    box.dispatchEvent(new Event("input", { bubbles: true }));
    document.querySelector("[data-role='calculate']").click();
  }, value);
  await Promise.all([typeAndCalculate(again, "3000"), typeAndCalculate(other, "4000")]);
  await new Promise((resolve) => setTimeout(resolve, 500)); // each hears of the other's write
  const last = await session.open({ keep: again });
  await last.click(byName("cmdAnalysis"));
  await last.waitForSelector("#historyTabButton");
  await openTab(last, "historyTab");
  await last.waitForFunction(() => document.querySelectorAll("#analysis .analysis-panel:not([hidden]) tbody tr").length >= 4, { polling: 100 });
  const texts = (await shownTables(last))[0].map((row) => row.join(" "));
  assert.equal(await rows(last), 5, texts.join("\n")); // 1000, 2000, its restore, 3000, 4000
  for (const page of [again, other, last]) await page.close();
});

test("그래프: over a cliff the pointer tells a computed neighbour, and its CSV is the tool's sweep", async () => {
  // A build whose default attack-speed range crosses a bracket change.
  let build;
  let swept;
  for (let seed = 60; !swept?.cliffs?.length; ++seed) {
    build = randomBuild(seed);
    swept = analyst.sweep(build.bytes, null, "", "txtAttackSpeed", null);
  }
  const page = await openAnalysis(build.code);
  // uPlot is fetched when the chart is first shown, not before.
  const fetchedChart = () => page.evaluate(() => performance.getEntriesByType("resource").some(({ name }) => /uplot/.test(name)));
  assert.equal(await fetchedChart(), false, "uPlot before the chart is shown");
  await openTab(page, "chartTab");
  await page.waitForSelector("#analysis .chart-plot .u-over", { timeout: 60000 });
  assert.equal(await fetchedChart(), true);
  await page.$eval("#analysis .chart-plot .u-over", (over) => over.scrollIntoView({ block: "center" }));
  const over = await (await page.$("#analysis .chart-plot .u-over")).boundingBox();
  const { from, to } = swept.range;
  const cliff = swept.cliffs[0];
  await page.mouse.move(over.x + ((cliff - from) / (to - from)) * over.width, over.y + over.height / 2);
  await page.waitForFunction(() => /:/.test(document.querySelector("#analysis .chart-hover").textContent));
  const after = swept.points.findIndex((point) => point.value >= cliff);
  const neighbours = [swept.points[after - 1].text, swept.points[after].text];
  assert.ok(neighbours.includes(await page.$eval("#analysis .chart-hover", (line) => line.textContent)), neighbours.join(" or "));

  // The download's text, caught before the browser saves it.
  await page.evaluate(() => {
    URL.createObjectURL = (blob) => { window.__csv = blob.text(); return "about:blank"; };
    HTMLAnchorElement.prototype.click = () => {};
  });
  await page.$eval("#analysis .analysis-panel:not([hidden]) .analysis-options button:last-child", (csv) => csv.click());
  const csv = await page.evaluate(() => window.__csv);
  const { stdout } = await promisify(execFile)(nativeTool(),
    ["--code", build.code, "--sweep", `txtAttackSpeed=${from}:${to}:${swept.range.step}`, "--csv"]);
  const rowsOf = (text) => text.trim().split("\n").slice(1).map((line) => line.split(",").map(Number));
  const box = analyst.sweepBoxes().boxes.find(({ name }) => name === "txtAttackSpeed");
  assert.equal(csv.split("\n")[0], `${box.caption},${swept.metricCaption}`, "the window's header: captions");
  assert.deepEqual(rowsOf(csv), rowsOf(stdout));
  assert.equal(rowsOf(csv).length, swept.points.length);

  // A tenth of the step is more points than the page's thousand: the core's refusal instead of a
  // line. 기본 범위 brings back the core's default range.
  const refusal = analyst.sweep(build.bytes, null, "", "txtAttackSpeed", { from, to, step: swept.range.step / 10 }).note;
  assert.match(refusal, /1,000개/);
  await page.$$eval("#analysis .chart-range input", ([, , step], value) => {
    step.value = value;
    step.dispatchEvent(new Event("change"));
  }, swept.range.step / 10);
  await page.waitForFunction((text) => document.querySelector("#analysis .analysis-panel:not([hidden]) > .analysis-note").textContent === text, {}, refusal);
  assert.equal(await page.$eval("#analysis .chart-figure", (figure) => figure.hidden), true);
  await page.click("#analysis .analysis-panel:not([hidden]) .analysis-options button");
  await page.waitForFunction(() => !document.querySelector("#analysis .chart-figure").hidden);
  const fields = await page.$$eval("#analysis .chart-range input", (inputs) => inputs.map((input) => Number(input.value)));
  assert.deepEqual(fields, [from, to, swept.range.step]);
  await page.close();
});
