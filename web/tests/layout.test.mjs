// The page at every width from a small phone to a wide screen, both editions (BROWSER=chromium
// or firefox; touch is Chromium's): every control the edition shows is in the page, on screen
// and not covered; no text is under 12 pixels; the layout after any sequence of widths is a
// fresh load's; on a touch screen every target is a finger wide.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";

import { closeBrowser, launch } from "./support/browsers.mjs";
import { loadCore } from "./support/core.mjs";
import { PageSession } from "./support/page.mjs";

const browserName = process.env.BROWSER ?? "chromium";
const kWidths = [360, 390, 600, 768, 844, 1024, 1280, 1920];
const kEditions = ["full", "lite"];
let browser;
let session;
let shownControls; // edition -> names of the controls a fresh page shows (frames hold others)

before(async () => {
  browser = await launch(browserName);
  session = await PageSession.start(browser);
  const { makeCalculator, controlsOf } = await loadCore();
  shownControls = new Map(kEditions.map((edition) => {
    const { calculator } = makeCalculator(edition);
    const names = controlsOf(calculator.controls())
      .filter((control) => control.visible && control.kind !== "frame")
      .map((control) => control.name);
    calculator.delete();
    return [edition, names];
  }));
});

after(async () => {
  await closeBrowser(browser);
  await session?.close();
  assert.deepEqual(session?.errors ?? [], [], "the console shows no error");
});

async function settled(page) {
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
}

async function openEdition(edition, options = {}) {
  const page = await session.open({ query: edition === "lite" ? "?edition=lite" : "", ...options });
  await settled(page);
  return page;
}

// Runs in the page: what is wrong with the controls `names` and the page's texts.
function inspect(names, target) {
  const problems = [];
  const width = document.documentElement.clientWidth;
  const targets = [];
  for (const name of names) {
    const element = document.querySelector(`[data-control="${name}"]`);
    if (!element) {
      problems.push(`${name}: not in the page`);
      continue;
    }
    if (element.parentElement.closest(".hidden")) continue; // in a frame the window hides
    element.scrollIntoView({ block: "center", inline: "nearest" });
    const box = element.getBoundingClientRect();
    if (box.width === 0 || box.height === 0) {
      problems.push(`${name}: not shown`);
      continue;
    }
    if (box.left < -0.5 || box.right > width + 0.5) problems.push(`${name}: outside ${box.left}–${box.right}`);
    const x = box.left + box.width / 2;
    const y = Math.min(Math.max(box.top, 0) + Math.min(box.height, innerHeight) / 2, innerHeight - 1);
    const hit = document.elementFromPoint(x, y);
    const own = hit && (hit.closest("[data-control]") === element || hit.closest("label")?.htmlFor === element.id);
    if (!own) problems.push(`${name}: covered by ${hit?.outerHTML.slice(0, 60)}`);
    if (target && !element.matches("pre, .element-label")) {
      if (box.width < target || box.height < target) problems.push(`${name}: ${box.width}×${box.height}`);
      targets.push({ name, box: { left: box.left, top: box.top + scrollY, right: box.right, bottom: box.bottom + scrollY } });
    }
  }
  for (let i = 0; i < targets.length; ++i) {
    for (let j = i + 1; j < targets.length; ++j) {
      const [a, b] = [targets[i].box, targets[j].box];
      if (a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5) {
        problems.push(`${targets[i].name} overlaps ${targets[j].name}`);
      }
    }
  }
  const texts = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  while (texts.nextNode()) {
    const holder = texts.currentNode.parentElement;
    if (!texts.currentNode.textContent.trim() || holder.getClientRects().length === 0) continue;
    const size = parseFloat(getComputedStyle(holder).fontSize);
    if (size < 12) problems.push(`"${texts.currentNode.textContent.slice(0, 20)}": ${size}px`);
  }
  return problems;
}

// Every element of the calculator with its place, as a fresh load would lay it out.
function layoutSnapshot() {
  scrollTo(0, 0);
  return [...document.querySelectorAll("main *, #commands *")]
    .filter((element) => element.getClientRects().length > 0)
    .map((element) => {
      const box = element.getBoundingClientRect();
      const text = element.matches(".caption-label") ? element.textContent : "";
      return `${element.tagName}[${element.dataset.control ?? ""}]${text}` +
        ` ${Math.round(box.left)},${Math.round(box.top)} ${Math.round(box.width)}×${Math.round(box.height)}`;
    });
}

// Each edition's window names the wolf its own way.
const kWolfCaption = { full: "동료-늑대", lite: "동물-늑대" };

test("every width shows every control of the edition, uncovered, with no text under 12 pixels", async () => {
  for (const edition of kEditions) {
    const page = await openEdition(edition);
    assert.equal(await page.$eval(`[data-control="chkCompanion"]`, (box) => box.textContent.trim()),
      kWolfCaption[edition]);
    for (const width of kWidths) {
      await page.setViewport({ width, height: 800 });
      await settled(page);
      const problems = await page.evaluate(inspect, shownControls.get(edition), 0);
      assert.deepEqual(problems, [], `${edition} at ${width} px`);
    }
    await page.close();
  }
});

test("resizing through 1280, 1000, 600 and back gives a fresh load's page", async () => {
  for (const edition of kEditions) {
    const fresh = await openEdition(edition);
    const expected = await fresh.evaluate(layoutSnapshot);
    await fresh.close();
    const page = await openEdition(edition);
    for (const width of [1000, 600, 1280]) {
      await page.setViewport({ width, height: 900 });
      await settled(page);
    }
    assert.deepEqual(await page.evaluate(layoutSnapshot), expected, edition);
    await page.close();
  }
});

test("on a phone every target is a finger wide and number boxes bring the number keys", {
  skip: browserName !== "chromium" && "touch is emulated in Chromium",
}, async () => {
  for (const edition of kEditions) {
    for (const width of [390, 844]) {
      const page = await openEdition(edition, { width, height: 800, touch: true });
      assert.deepEqual(await page.evaluate(inspect, shownControls.get(edition), 44), [], `${edition} at ${width}`);
      const keys = await page.$$eval("main input[type='text']", (boxes) =>
        boxes.map((box) => `${box.id} ${box.inputMode} ${box.enterKeyHint}`));
      assert.ok(keys.length > 30);
      assert.deepEqual(keys.filter((line) => !line.endsWith(" decimal next")), []);
      await page.close();
    }
  }
});
