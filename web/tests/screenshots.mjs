// Pictures of the page for a person to look at: each browser, both editions, from a phone to a
// desktop screen, after "계산" (a phone with touch in Chromium).
//   BRAKEFELL_SITE=build/web/site node web/tests/screenshots.mjs OUT_FOLDER
import { mkdirSync } from "node:fs";
import path from "node:path";

import { closeBrowser, kBrowserNames, launch } from "./support/browsers.mjs";
import { PageSession } from "./support/page.mjs";

const out = process.argv[2] ?? "build/web/screenshots";
mkdirSync(out, { recursive: true });
for (const name of kBrowserNames) {
  const browser = await launch(name);
  const session = await PageSession.start(browser);
  for (const edition of ["full", "lite"]) {
    for (const [width, height] of [[390, 844], [768, 1024], [1024, 768], [1280, 800]]) {
      const touch = name === "chromium" && width < 1024;
      const page = await session.open({ width, height, touch, query: edition === "lite" ? "?edition=lite" : "" });
      await page.click('[data-control="cmdCalculation"]');
      const file = path.join(out, `${name}-${edition}-${width}.png`);
      await page.screenshot({ path: file });
      await page.screenshot({ path: file.replace(".png", "-whole.png"), fullPage: true });
      console.log(file);
      await page.close();
    }
  }
  await closeBrowser(browser);
  await session.close();
  if (session.errors.length) console.error(session.errors.join("\n"));
}
