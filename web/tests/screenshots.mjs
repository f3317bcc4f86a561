// Pictures of the page for a person to look at: each browser, wide and narrow, after "계산".
//   BRAKEFELL_SITE=build/web/site node web/tests/screenshots.mjs OUT_FOLDER
import { mkdirSync } from "node:fs";
import path from "node:path";

import { closeBrowser, kBrowserNames, launch } from "./support/browsers.mjs";
import { dismissMessage, PageSession } from "./support/page.mjs";

const out = process.argv[2] ?? "build/web/screenshots";
mkdirSync(out, { recursive: true });
for (const name of kBrowserNames) {
  const browser = await launch(name);
  const session = await PageSession.start(browser);
  for (const [width, height] of [[1280, 900], [390, 844]]) {
    const page = await session.open({ width, height });
    await dismissMessage(page);
    await page.click('[data-control="cmdCalculation"]');
    const file = path.join(out, `${name}-${width}.png`);
    await page.screenshot({ path: file, fullPage: true });
    console.log(file);
    await page.close();
  }
  await closeBrowser(browser);
  await session.close();
  if (session.errors.length) console.error(session.errors.join("\n"));
}
