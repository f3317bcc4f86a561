// The page's analyses against the desktop tool's: for random builds, every figure of 스탯 가치,
// 비교 (B a second build) and 최적화 that a worker's core answers is one brakefell_report prints
// for the same build, and every number of the page's CSV one the tool's CSV holds. The optimiser's search split over 1, 2 and 4 workers, their ranges merged
// in a shuffled order, ranks exactly as the tool does.
//
//   node analyses.mjs [--cases N] [--seed S]
import { execFile } from "node:child_process";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { promisify } from "node:util";

import { randomCharacter, randomSource } from "./support/characters.mjs";
import { loadCore, siteFolder } from "./support/core.mjs";
import { nativeTool } from "./support/native.mjs";

const run = promisify(execFile);
const option = (name, fallback) => {
  const at = process.argv.indexOf(name);
  return at > 0 ? Number(process.argv[at + 1]) : fallback;
};
const cases = option("--cases", 12);
const random = randomSource(option("--seed", 20261210));
const folder = mkdtempSync(path.join(tmpdir(), "analyses-"));

async function tool(...args) {
  try {
    const { stdout } = await run(nativeTool(), args, { maxBuffer: 1 << 26, env: { ...process.env, LC_ALL: "C.UTF-8" } });
    return stdout;
  } catch (error) {
    return error.stdout ?? "";
  }
}

// Whether the printed line shows the cell: a cell of words within it, a figure as one of its
// words (the printed page puts a change's share in brackets beside it).
function lineShows(line, text) {
  if (text.includes(" ")) return line.includes(text);
  return line.split(/\s+/).some((word) => word === text || word === `(${text})`);
}

// Every row of every table is a printed line showing all its cells, or (the cliffs' attack
// speeds, which the printed page leaves out) a number of the tool's JSON.
function unprinted(answer, printed, numbers = []) {
  const lines = printed.split("\n");
  const missing = [];
  for (const table of answer.page.tables) {
    for (const row of table.rows) {
      ++rows;
      const texts = row.cells.map((cell) => cell.text).filter(Boolean);
      if (lines.some((line) => texts.every((text) => lineShows(line, text)))) continue;
      const words = texts.filter((text) => !lines.some((line) => lineShows(line, text)));
      if (words.every((text) => numbers.includes(Number(text.replaceAll(",", ""))))) continue;
      missing.push(texts.join(" | "));
    }
  }
  // A page without tables says why as the printed one does; where the build of now stands reads
  // alike in both.
  for (const line of answer.page.summary) {
    if ((!answer.page.tables.length || line.text.startsWith("지금 빌드")) && !printed.includes(line.text)) {
      missing.push(line.text);
    }
  }
  return missing;
}

// A CSV's fields, line by line (a field in quotes may hold commas and doubled quotes).
function csvRows(text) {
  return text.split("\n").filter(Boolean).map((line) =>
    [...line.matchAll(/("([^"]|"")*"|[^,]*)(,|$)/g)].slice(0, -1).map((match) => match[1].replace(/^"|"$/g, "").replaceAll('""', '"')));
}

// Every number of the page's CSV parses back to one the tool writes in the row of the same first
// field, both plain (no grouping, no sign added, no unit).
function unwritten(answer, toolCsv) {
  const written = new Map();
  for (const row of csvRows(toolCsv)) written.set(row[0], new Set(row.slice(1).filter((field) => field !== "").map(Number)));
  const missing = [];
  for (const row of csvRows(answer.csv)) {
    const numbers = written.get(row[0]);
    if (!numbers) continue; // a caption line, or a table the printed page writes as lines
    for (const field of row.slice(1)) {
      if (field === "" || Number.isNaN(Number(field))) continue;
      if (!/^-?\d+(\.\d+)?$/.test(field) || !numbers.has(Number(field))) missing.push(`${row[0]}: ${field}`);
    }
  }
  return missing;
}

// The search split over `workers` analysts, ranges handed out in turn, merged in a shuffled order.
function splitSearch(makeAnalyst, build, workers, top) {
  const analysts = Array.from({ length: workers }, makeAnalyst);
  const { total } = analysts.map((analyst) => analyst.prepareSearch(build, "", true, false, false, top))[0];
  for (let begin = 0, turn = 0; begin < total; begin += 700, ++turn) {
    analysts[turn % workers].computeRange(begin, Math.min(total, begin + 700));
  }
  const found = analysts.map((analyst) => analyst.takeFound()).sort(() => random.next() - 0.5);
  const answer = analysts[0].finishSearch(found, false);
  for (const analyst of analysts) analyst.delete();
  return answer;
}

const { core, makeCalculator } = await loadCore();
const catalogue = new Uint8Array(readFileSync(path.join(siteFolder(), "Gloamstalker007.txt")));
const makeAnalyst = () => new core.Analyst(catalogue);
const analyst = makeAnalyst();
const failures = [];
let rows = 0; // the rows checked: a run of notes alone proves nothing
for (let i = 0; i < cases; ++i) {
  // The build now is B with a few more of its boxes typed: the inputs no profile holds are alike,
  // as the tool reads B's profile over the inputs of now.
  const base = makeCalculator("full").calculator;
  const now = makeCalculator("full").calculator;
  const baseSets = randomCharacter(random, { checkStates: [0, 1] });
  const moreSets = randomCharacter(random).filter(([name]) => name.startsWith("txt")).slice(0, 4);
  for (const [name, value] of baseSets) base.assign(name, value);
  for (const [name, value] of [...baseSets, ...moreSets]) now.assign(name, value);
  const nowCode = now.shareCode();
  const baseFile = path.join(folder, `base${i}.cfg`);
  writeFileSync(baseFile, base.profileBytes());
  const check = (what, answer, printed, numbers, toolCsv = null) => {
    const missing = [...unprinted(answer, printed, numbers), ...(toolCsv === null ? [] : unwritten(answer, toolCsv))];
    if (missing.length) failures.push(`case ${i} ${what}: ${missing.slice(0, 3).join(" / ")}`);
  };

  const statValues = analyst.statValues(now.buildBytes(), "");
  const statJson = JSON.parse((await tool("--code", nowCode, "--stat-values", "--json")) || "{}");
  const cliffs = [statJson.attack_speed?.next?.at, statJson.attack_speed?.drop?.below];
  check("스탯 가치", statValues, await tool("--code", nowCode, "--stat-values"), cliffs,
    await tool("--code", nowCode, "--stat-values", "--csv"));
  // 비교 with B as the base: the tool reads the build of now as the profile compared.
  const nowFile = path.join(folder, `now${i}.cfg`);
  writeFileSync(nowFile, now.profileBytes());
  check("비교", analyst.compare(now.buildBytes(), base.buildBytes(), ""),
    await tool("--code", base.shareCode(), "--compare", nowFile), [],
    await tool("--code", base.shareCode(), "--compare", nowFile, "--csv"));

  const printed = await tool("--code", nowCode, "--optimize", "runes", "--top", "5");
  const printedCsv = await tool("--code", nowCode, "--optimize", "runes", "--top", "5", "--csv");
  const rankings = [1, 2, 4].map((workers) => splitSearch(makeAnalyst, now.buildBytes(), workers, 5));
  const standing = (lines) => lines.filter((line) => line.startsWith("지금 빌드"));
  for (const ranking of rankings) {
    check("최적화", ranking, printed, [], printedCsv);
    const shown = standing(ranking.page.summary.map((line) => line.text));
    if (JSON.stringify(shown) !== JSON.stringify(standing(printed.split("\n")))) {
      failures.push(`case ${i} 최적화: where the build stands reads ${shown}`);
    }
  }
  if (new Set(rankings.map((ranking) => JSON.stringify(ranking.page))).size !== 1) {
    failures.push(`case ${i} 최적화: the ranking depends on the number of workers`);
  }

  // 그래프: a box's default range swept by the page's analyst, for the build and for B under the
  // build's metric, is the tool's sweep of each; more points than the page's thousand are refused.
  const { boxes } = analyst.sweepBoxes();
  const box = boxes[Math.floor(random.next() * boxes.length)].name;
  const swept = analyst.sweep(now.buildBytes(), base.buildBytes(), "", box, null);
  if (!swept.note) {
    const { from, to, step } = swept.range;
    const sweepOf = async (code) => JSON.parse((await tool("--code", code, "--metric", swept.metric.name,
      "--sweep", `${box}=${from}:${to}:${step}`, "--json")) || "{}");
    const near = (x, y) => x === y || Math.abs(x - y) <= 1e-12 * Math.max(Math.abs(x), Math.abs(y));
    const same = (points, printed = []) => points.length === printed.length &&
      points.every((point, at) => near(point.value, printed[at][0]) && near(point.metric, printed[at][1]));
    const [toolNow, toolBase] = [await sweepOf(nowCode), await sweepOf(base.shareCode())];
    if (!same(swept.points, toolNow.points)) failures.push(`case ${i} 그래프 ${box}: the points`);
    if (!same(swept.b ?? [], toolBase.points)) failures.push(`case ${i} 그래프 ${box}: B's points`);
    if (JSON.stringify(swept.cliffs) !== JSON.stringify(toolNow.bracket_changes)) failures.push(`case ${i} 그래프 ${box}: the cliffs`);
    rows += swept.points.length;
    const wide = analyst.sweep(now.buildBytes(), null, "", box, { from: 0, to: 1000 * step, step });
    if (!/^점은 1,000개 이하여야/.test(wide.note)) failures.push(`case ${i} 그래프 ${box}: 1,001 points drawn`);
  }
  base.delete();
  now.delete();
}
for (const failure of failures.slice(0, 10)) console.error(failure);
console.log(`${cases} builds, ${rows} rows: ${failures.length} analyses differing from the tool`);
process.exit(failures.length === 0 && rows > cases * 10 ? 0 : 1);
