// Share codes between the desktop and the page, both ways: every code of a corpus that the
// desktop wrote is read by the page and written again to the very same code (zlib streams
// included), and codes the page makes for random builds open in the desktop to the same inputs
// and the same report.
//
//   node share_codes.mjs [--cases N]
import { readFileSync } from "node:fs";

import { randomCharacter, randomSource } from "./support/characters.mjs";
import { loadCore, shownReport } from "./support/core.mjs";
import { nativeReport, nativeShareCode, shownBoxes } from "./support/native.mjs";

const at = process.argv.indexOf("--cases");
const cases = at > 0 ? Number(process.argv[at + 1]) : 30;
const { makeCalculator } = await loadCore();
const failures = [];

const corpus = readFileSync(new URL("./data/desktop_share_codes.txt", import.meta.url), "latin1")
  .split("\n").map((line) => line.trim()).filter(Boolean);
for (const code of corpus) {
  // The first version's code of the same profile: its one block is the profile's.
  const profileOnly = `BF1.${code.slice(4).split(".")[0]}`;
  for (const desktopCode of [code, profileOnly]) {
    const { calculator } = makeCalculator("full");
    const again = calculator.reshareCode(desktopCode);
    if (again !== desktopCode) failures.push(`written again differently: ${desktopCode} -> ${again}`);
    calculator.delete();
  }
  const { calculator, said } = makeCalculator("full");
  if (calculator.openShareCode(code).end !== "done" || said.length > 0) {
    failures.push(`not opened: ${code} (${said.join(" ")})`);
  } else if (calculator.shareCode() !== code) {
    failures.push(`opened to another build: ${code} -> ${calculator.shareCode()}`);
  }
  calculator.delete();
}

const random = randomSource(7);
for (let i = 0; i < cases; ++i) {
  const edition = i % 2 === 0 ? "full" : "lite";
  const { calculator } = makeCalculator(edition);
  for (const [name, value] of randomCharacter(random)) calculator.assign(name, value);
  const code = calculator.shareCode();
  const pageOutcome = calculator.calculate();
  const native = await nativeReport([], { edition, extra: ["--code", code] });
  // The desktop reads every input of it: its own code of what it read is the page's code.
  const desktopCode = await nativeShareCode([], edition, ["--code", code]);
  if (desktopCode !== code) failures.push(`the desktop read another build: ${code} -> ${desktopCode}`);
  if ((native.status === 0) !== (pageOutcome.end === "done")) {
    failures.push(`page ${pageOutcome.end}, desktop status ${native.status}: ${code}`);
  } else if (native.status === 0 &&
             JSON.stringify(shownBoxes(native.json)) !== JSON.stringify(shownReport(calculator))) {
    failures.push(`the desktop's report of the page's code differs: ${code}`);
  }
  calculator.delete();
}

// The page's inflate takes one whole zlib stream and nothing after it, within its limit.
{
  const { host } = makeCalculator("full");
  const stream = host.compress(new TextEncoder().encode("txtMainStat=8830\r\n".repeat(40)));
  const cases = [[stream, 4096, true], [new Uint8Array([...stream, 0]), 4096, false],
    [stream.subarray(0, stream.length - 1), 4096, false], [stream, 100, false]];
  for (const [bytes, limit, whole] of cases) {
    if ((host.expand(bytes, limit) !== null) !== whole) {
      failures.push(`inflate of ${bytes.length} bytes within ${limit}: expected ${whole ? "" : "no "}result`);
    }
  }
}

for (const failure of failures.slice(0, 5)) console.error(failure);
console.log(`${corpus.length} desktop codes (and their first-version forms), ${cases} page codes: ` +
  `${failures.length} failures`);
process.exit(failures.length === 0 ? 0 : 1);
