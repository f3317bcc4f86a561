// brakefell_report, the desktop's headless tool: what the page must match.
import { execFile } from "node:child_process";
import { promisify } from "node:util";

import { toolArguments } from "./characters.mjs";

const run = promisify(execFile);

export function nativeTool() {
  const tool = process.env.BRAKEFELL_NATIVE_TOOL;
  if (!tool) throw new Error("BRAKEFELL_NATIVE_TOOL names the desktop build's brakefell_report");
  return tool;
}

// The tool's outcome for the assignments: { status, json } (json only when it ran to the end).
export async function nativeReport(sets, { edition = "full", extra = [] } = {}) {
  try {
    const { stdout } = await run(nativeTool(), ["--edition", edition, "--json", ...extra, ...toolArguments(sets)],
      { maxBuffer: 64 * 1024 * 1024, env: { ...process.env, LC_ALL: "C.UTF-8" } });
    return { status: 0, json: JSON.parse(stdout) };
  } catch (error) {
    if (typeof error.code === "number") return { status: error.code, json: null };
    throw error;
  }
}

export async function nativeShareCode(sets, edition = "full", extra = []) {
  const { stdout } = await run(nativeTool(),
    ["--edition", edition, "--share-code", ...extra, ...toolArguments(sets)]);
  return stdout.trim();
}

// The report boxes a person sees, in reading order, from the tool's JSON.
export function shownBoxes(json) {
  const names = [0, 1, 2, 3, 4, 5, 6, 7, 8].map((k) => `txtResult(${k})`).concat("txtBowCycleResult");
  const frameShown = json.boxes.fraMoreDamage.visible;
  return names
    .filter((name) => json.boxes[name].visible && (!/\((7|8)\)$/.test(name) || frameShown))
    .map((name) => ({ name, text: json.boxes[name].text }));
}
