// The page in a real browser (BROWSER=chromium or firefox), used as a person uses it, against
// brakefell_report, the desktop's own headless tool.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { closeBrowser, launch } from "./support/browsers.mjs";
import { randomCharacter, randomSource } from "./support/characters.mjs";
import { nativeReport, nativeShareCode, shownBoxes } from "./support/native.mjs";
import { byName, dismissMessage, inputOf, PageSession, shownReport, typeCharacter } from "./support/page.mjs";

const browserName = process.env.BROWSER ?? "chromium";
let browser;
let session;

before(async () => {
  browser = await launch(browserName);
  session = await PageSession.start(browser);
});

after(async () => {
  await closeBrowser(browser);
  await session?.close();
  assert.deepEqual(session?.errors ?? [], [], "the console shows no error");
});

async function calculate(page) {
  await page.click(byName("cmdCalculation"));
}

// The notice line's text, or null when it is not shown.
function noticeLine(page) {
  return page.evaluate(() => {
    const line = document.getElementById("noticeLine");
    return line.hidden ? null : document.getElementById("noticeLineText").textContent;
  });
}

test("a first visit says in a line that there is no last run; the next visit brings the inputs and edition back", async () => {
  const page = await session.open();
  assert.equal(await dismissMessage(page), null, "no modal on a first visit");
  assert.equal(await noticeLine(page), "지난 저장 파일이 존재하지 않습니다.");
  await page.click("#liteEdition");
  await typeCharacter(page, [["txtMainStat", "9123"]]);
  // Leaving the page keeps the inputs, as closing the window does.
  const again = await session.open({ keep: page });
  await page.close();
  assert.equal(await dismissMessage(again), null);
  assert.equal(await noticeLine(again), null);
  assert.equal(await again.$eval(inputOf("txtMainStat"), (box) => box.value), "9123");
  assert.equal(await again.$eval("#liteEdition", (box) => box.checked), true, "the edition is kept");
  await again.close();
});

test("typed characters give the desktop's report, both editions", async () => {
  const random = randomSource(5);
  for (let i = 0; i < 3; ++i) {
    const page = await session.open();
    await dismissMessage(page);
    const edition = i === 1 ? "lite" : "full";
    if (edition === "lite") await page.click("#liteEdition");
    const made = await typeCharacter(page, randomCharacter(random, { checkStates: [0, 1] }));
    await page.keyboard.down("Control");
    await page.keyboard.press("Enter");
    await page.keyboard.up("Control");
    const native = await nativeReport(made, { edition });
    assert.equal(native.status, 0);
    assert.deepEqual(await shownReport(page), shownBoxes(native.json), `character ${i} (${edition})`);
    await page.close();
  }
});

test("a skill refills its rune list as on the desktop", async () => {
  const page = await session.open();
  await dismissMessage(page);
  await page.select(inputOf("cboUsingSkill(2)"), "7");
  const native = await nativeReport([["cboUsingSkill(2)", "7"]]);
  const shown = await page.$eval(inputOf("cboUsingSkillRune(2)"), (list) => ({
    items: [...list.options].map((option) => option.text),
    selected: list.selectedIndex,
  }));
  assert.deepEqual(shown.items, native.json.inputs["cboUsingSkillRune(2).items"]);
  assert.equal(shown.selected, 0);
  assert.equal(await page.$eval(byName("lblSkillElement(2)"), (label) => label.textContent),
    native.json.labels["lblSkillElement(2)"].caption);
  await page.close();
});

test("a profile opened gives the desktop's report, and one saved has the desktop's bytes", async () => {
  const folder = mkdtempSync(path.join(tmpdir(), "brakefell-page-"));
  const profile = path.join(folder, "mine.cfg");
  // A box holding Korean text puts code page 949 bytes in the profile.
  const sets = [...randomCharacter(randomSource(11), { checkStates: [0, 1] }), ["txtMainStat", "9000점"]];
  await nativeReport(sets, { extra: ["--save-profile", profile] });

  const page = await session.open();
  await dismissMessage(page);
  const chooser = await page.$("#profileFile");
  await chooser.uploadFile(profile);
  await page.waitForFunction((selector) => document.querySelector(selector).value !== "8830",
    {}, inputOf("txtMainStat"));
  assert.equal(await dismissMessage(page), null);
  await calculate(page);
  const native = await nativeReport([], { extra: ["--profile", profile] });
  assert.deepEqual(await shownReport(page), shownBoxes(native.json));

  // Saved through the system's dialog (Ctrl+S), and where there is none, under a typed name.
  await page.keyboard.down("Control");
  await page.keyboard.press("s");
  await page.keyboard.up("Control");
  assert.deepEqual(await savedFile(page), { name: "brakefell.cfg", bytes: readFileSync(profile) });

  const plain = await session.open({ picker: false, keep: page });
  await page.close();
  await plain.click(byName("cmdSaveStat"));
  await plain.waitForSelector("#saveDialog[open]");
  await plain.$eval("#saveName", (box) => (box.value = ""));
  await plain.type("#saveName", "내 빌드");
  await plain.keyboard.press("Enter");
  const saved = await savedFile(plain);
  assert.equal(saved.name, "내 빌드.cfg");
  assert.deepEqual(saved.bytes, readFileSync(profile), "the kept inputs are the opened profile's");
  await plain.close();
});

// The file the page saved last: its name and bytes.
async function savedFile(page) {
  await page.waitForFunction(() => window.__downloads.length > 0);
  const { name, bytes } = await page.evaluate(async () => {
    const file = window.__downloads.at(-1);
    return { name: file.name, bytes: Array.from(new Uint8Array(await file.blob.arrayBuffer())) };
  });
  return { name, bytes: Buffer.from(bytes) };
}

test("a link carries the whole build, and a first-version link still opens", async () => {
  const page = await session.open();
  await dismissMessage(page);
  const made = await typeCharacter(page, randomCharacter(randomSource(3), { checkStates: [0, 1] }));
  await page.click("#copyLink");
  const link = await page.waitForFunction(() => window.__copied).then((handle) => handle.jsonValue());
  const code = link.slice(link.indexOf("#") + 1);
  assert.equal(code, await nativeShareCode(made));
  await page.close();

  const opened = await session.open({ fragment: code });
  await dismissMessage(opened);
  const native = await nativeReport([], { extra: ["--code", code] });
  assert.deepEqual(await shownReport(opened), shownBoxes(native.json), "a link shows its report");
  await opened.close();

  const firstVersion = `BF1.${code.slice(4).split(".")[0]}`;
  const old = await session.open({ fragment: firstVersion });
  await dismissMessage(old);
  const oldNative = await nativeReport([], { extra: ["--code", firstVersion] });
  assert.deepEqual(await shownReport(old), shownBoxes(oldNative.json));
  await old.close();
});

test("a link opens its build in its own edition once, then the address forgets it and the edits stay", async () => {
  const code = await nativeShareCode(randomCharacter(randomSource(21), { checkStates: [0, 1] }), "lite");
  const page = await session.open({ fragment: code, query: "?edition=lite" });
  assert.equal(await dismissMessage(page), null);
  assert.equal(await noticeLine(page), null, "a visitor by link hears nothing of the start-up");
  assert.equal(await page.$eval("#liteEdition", (box) => box.checked), true, "a lite link opens the lite edition");
  const native = await nativeReport([], { edition: "lite", extra: ["--code", code] });
  assert.deepEqual(await shownReport(page), shownBoxes(native.json));
  assert.equal(await page.evaluate(() => location.href), session.server.url, "no fragment, no edition left");

  await typeCharacter(page, [["txtMainStat", "7777"]]);
  await page.reload();
  await page.waitForSelector("body[data-ready='true']");
  assert.equal(await page.$eval(inputOf("txtMainStat"), (box) => box.value), "7777");
  assert.equal(await page.$eval("#liteEdition", (box) => box.checked), true);
  await page.close();
});

test("links as browsers and chats hand them over open as the tool opens them; a damaged one says so once", async () => {
  const made = randomCharacter(randomSource(23), { checkStates: [0, 1] });
  const code = await nativeShareCode(made);
  const native = await nativeReport([], { extra: ["--code", code] });
  for (const fragment of [code.replace(".", "%2E") + "%20", `${code}#${code}`]) {
    const page = await session.open({ fragment });
    assert.deepEqual(await shownReport(page), shownBoxes(native.json), fragment);
    await page.click("#copyLink");
    const link = await page.waitForFunction(() => window.__copied).then((handle) => handle.jsonValue());
    assert.equal(link, `${session.server.url}#${code}`, "the link copied is the build's alone");
    await page.close();
  }
  const damaged = await session.open({ fragment: `${code.slice(0, 30)}<img src=x onerror=alert(1)>` });
  assert.match(await dismissMessage(damaged), /./);
  assert.equal(await dismissMessage(damaged), null, "one message");
  assert.equal(await noticeLine(damaged), null);
  await damaged.close();
});

test("without a clipboard the link stays readable, selected, until the dialog is closed", async () => {
  const page = await session.open({ clipboard: false });
  await page.click("#copyLink");
  await page.waitForSelector("#linkDialog[open]");
  await new Promise((resolve) => setTimeout(resolve, 3000));
  const shown = await page.$eval("#linkText", (box) => ({
    open: box.closest("dialog").open, link: box.value, selected: box.value.slice(box.selectionStart, box.selectionEnd),
  }));
  assert.equal(shown.open, true);
  assert.match(shown.link, /^http:\/\/127\.0\.0\.1:\d+\/#BF2\./);
  assert.equal(shown.selected, shown.link);
  await page.click("#linkDialog button");
  assert.equal(await page.$eval("#linkDialog", (dialog) => dialog.open), false);
  await page.close();
});

test("keys and paste: Ctrl+A takes one report box, Enter moves on, a pasted code opens its build", async () => {
  const page = await session.open();
  await calculate(page);
  await page.focus(byName("txtResult(1)"));
  await page.keyboard.down("Control");
  await page.keyboard.press("a");
  await page.keyboard.up("Control");
  assert.equal(await page.$eval(byName("txtResult(1)"), (box) => {
    const range = getSelection().getRangeAt(0);
    return box.contains(range.commonAncestorContainer) && range.toString() === box.textContent;
  }), true);
  // A screen reader names a report box in the player's words.
  assert.equal(await page.$eval(byName("txtResult(1)"), (box) => box.getAttribute("aria-label")), "사용 스킬 2 보고서");

  await page.click(inputOf("txtWeaponExtraSpeed"));
  await page.keyboard.press("Enter");
  assert.equal(await page.evaluate(() => document.activeElement.id), "txtWeaponDamageMin");

  const made = randomCharacter(randomSource(29), { checkStates: [0, 1] });
  const code = await nativeShareCode(made);
  await page.evaluate((text) => {
    // What a paste hands the page (a synthetic ClipboardEvent carries no data in every browser).
    const paste = new Event("paste", { bubbles: true, cancelable: true });
    Object.defineProperty(paste, "clipboardData", { value: { getData: () => text } });
    document.body.dispatchEvent(paste);
  }, `  ${session.server.url}#${code}\n`);
  const native = await nativeReport([], { extra: ["--code", code] });
  assert.deepEqual(await shownReport(page), shownBoxes(native.json));
  await page.close();
});

test("switching the edition carries the whole build, option boxes too", async () => {
  const page = await session.open();
  await typeCharacter(page, [["chkCrossbow", "0"], ["chkMark", "1"], ["txtMainStat", "9500"]]);
  const code = await page.evaluate(() => {
    document.getElementById("copyLink").click();
    return new Promise((resolve) => setTimeout(() => resolve(window.__copied), 100));
  });
  await page.click("#liteEdition");
  assert.equal(await page.$eval(inputOf("chkCrossbow"), (box) => box.checked), false);
  assert.equal(await page.$eval(inputOf("chkMark"), (box) => box.checked), true);
  const native = await nativeReport([], { edition: "lite", extra: ["--code", code.slice(code.indexOf("#") + 1)] });
  assert.deepEqual(await shownReport(page), shownBoxes(native.json));
  await page.close();
});

test("every report line is as wide as its display width in the report font", async () => {
  const page = await session.open();
  await dismissMessage(page);
  await calculate(page);
  const lines = await page.evaluate(async () => {
    await document.fonts.ready; // the report font comes with the first report
    const width = (text) => [...text].reduce((sum, c) => sum + (c.codePointAt(0) < 0x80 ? 1 : 2), 0);
    const measured = [];
    for (const box of document.querySelectorAll("pre.report:not(.window-font)")) {
      if (box.closest(".hidden") || !box.firstChild) continue;
      const probe = document.createElement("span");
      probe.textContent = "0".repeat(100);
      box.append(probe);
      const column = probe.getBoundingClientRect().width / 100;
      probe.remove();
      const text = box.firstChild.textContent;
      let start = 0;
      for (const line of text.split("\r\n")) {
        const range = document.createRange();
        range.setStart(box.firstChild, start);
        range.setEnd(box.firstChild, start + line.length);
        start += line.length + 2;
        if (!line) continue;
        measured.push({ line, pixels: range.getBoundingClientRect().width, expected: width(line) * column });
      }
    }
    return measured;
  });
  assert.ok(lines.length > 50);
  for (const { line, pixels, expected } of lines) {
    assert.ok(Math.abs(pixels - expected) < 0.6, `${line}: ${pixels}px, ${expected}px expected`);
  }
  await page.close();
});

test("at 390 × 844 nothing but the report boxes runs past the screen's edge", async () => {
  const page = await session.open({ width: 390, height: 844 });
  await dismissMessage(page);
  await calculate(page);
  const overflowing = await page.evaluate(() => {
    const outside = [];
    for (const element of document.querySelectorAll("body *")) {
      if (element.closest("pre.report") && !element.matches("pre.report")) continue;
      const box = element.getBoundingClientRect();
      if (box.width === 0 && box.height === 0) continue;
      if (box.right > innerWidth + 0.5 || box.left < -0.5) outside.push(element.outerHTML.slice(0, 80));
    }
    return { outside, page: document.documentElement.scrollWidth, screen: innerWidth };
  });
  assert.deepEqual(overflowing.outside, []);
  assert.ok(overflowing.page <= overflowing.screen, "the page does not scroll sideways");
  const scrolling = await page.$$eval("pre.report", (boxes) =>
    boxes.filter((box) => !box.closest(".hidden")).some((box) => box.scrollWidth > box.clientWidth));
  assert.ok(scrolling, "a wide report box scrolls inside itself");
  await page.close();
});
