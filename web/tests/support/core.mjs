// The page's core under node: the same bindings as the page's module, built for node, with the
// page's own host (host.js) for files and compression.
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import path from "node:path";
import { pathToFileURL } from "node:url";

export function siteFolder() {
  const site = process.env.BRAKEFELL_SITE;
  if (!site) throw new Error("BRAKEFELL_SITE names the built site (build/web/site)");
  return site;
}

let coreValues; // the site's own copying of the core's lists

// { core, makeCalculator(edition) }: each calculator started on the shipped catalogue.
export async function loadCore() {
  const nodeModule = process.env.BRAKEFELL_NODE_CORE;
  if (!nodeModule) throw new Error("BRAKEFELL_NODE_CORE names the node build of the core");
  const createCore = createRequire(import.meta.url)(path.resolve(nodeModule));
  const core = await createCore();
  const { PageHost } = await import(pathToFileURL(path.join(siteFolder(), "host.js")).href);
  coreValues = await import(pathToFileURL(path.join(siteFolder(), "core_values.js")).href);
  const catalogue = new Uint8Array(readFileSync(path.join(siteFolder(), "Gloamstalker007.txt")));
  const makeCalculator = (edition, said = []) => {
    const host = new PageHost({ keptFolder: "/app", say: (text) => said.push(text), storage: null });
    host.lend("/app/Gloamstalker007.txt", catalogue);
    const calculator = new core.Calculator(edition, host, "/app");
    calculator.startUp();
    said.length = 0; // the first visit's "no last run" sentence
    return { calculator, host, said };
  };
  return { core, makeCalculator, controlsOf: coreValues.controlsOf };
}

// The visible boxes of the calculator's report, as { name, text }.
export function shownReport(calculator) {
  return coreValues.arrayOf(calculator.reportBoxes()).filter((box) => box.shown).map(({ name, text }) => ({ name, text }));
}
