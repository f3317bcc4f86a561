// The page's core against the desktop's, byte for byte: for random characters of both editions,
// some with boxes holding what no sheet shows, the WebAssembly core's report equals
// brakefell_report's. A refusal must be a refusal on both sides, and read as one.
//
//   node native_vs_wasm.mjs [--cases N] [--seed S]
import { randomCharacter, randomSource } from "./support/characters.mjs";
import { loadCore, shownReport } from "./support/core.mjs";
import { nativeReport, shownBoxes } from "./support/native.mjs";

function option(name, fallback) {
  const at = process.argv.indexOf(name);
  return at > 0 ? Number(process.argv[at + 1]) : fallback;
}

const cases = option("--cases", 300);
const seed = option("--seed", 20261209);
const random = randomSource(seed);
const { makeCalculator } = await loadCore();

let differing = 0;
let refused = 0;
const started = Date.now();
for (let i = 0; i < cases; ++i) {
  const edition = i % 2 === 0 ? "full" : "lite";
  const sets = randomCharacter(random, { hostile: i % 5 === 4 ? 0.15 : 0 });
  const { calculator } = makeCalculator(edition);
  for (const [name, value] of sets) {
    const refusal = calculator.assign(name, value);
    if (refusal) throw new Error(`case ${i}: ${name}=${value} refused: ${refusal}`);
  }
  const wasmOutcome = calculator.calculate();
  const native = await nativeReport(sets, { edition });
  // The tool's exit status 5 is the calculation's refusal; the page must read it as one.
  const wasmRefused = wasmOutcome.end !== "done";
  let same = wasmOutcome.end === (native.status === 0 ? "done" : native.status === 5 ? "refused" : "?");
  if (same && !wasmRefused) {
    same = JSON.stringify(shownReport(calculator)) === JSON.stringify(shownBoxes(native.json));
  }
  refused += wasmRefused ? 1 : 0;
  if (!same) {
    ++differing;
    if (differing <= 3) {
      console.error(`case ${i} (${edition}) differs: ${sets.map(([n, v]) => `${n}=${v}`).join(" ")}`);
    }
  }
  calculator.delete();
}
console.log(`${cases} characters (seed ${seed}): ${cases - differing} the same, ${differing} differing, ` +
  `${refused} refused by both; ${((Date.now() - started) / cases).toFixed(1)} ms each`);
process.exit(differing === 0 ? 0 : 1);
