// The page in a browser as a person uses it: opened fresh (nothing kept from an earlier visit),
// typed into, clicked, read. Console errors are collected so that a test can demand none.
import { serve } from "../../tools/serve.mjs";
import { siteFolder } from "./core.mjs";

// Test-only hooks installed before the page's own scripts: what the page copies to the clipboard
// and what it saves are kept where the test can read them. `clipboard: false` takes the
// clipboard away (a plain-http host); `picker: false` the system's save dialog.
function captureOutput({ clipboard, picker }) {
  window.__copied = null;
  window.__downloads = []; // { name, blob }
  const writeText = async (text) => {
    window.__copied = text;
  };
  Object.defineProperty(navigator, "clipboard", {
    value: clipboard ? { writeText } : undefined,
    configurable: true,
  });
  const blobs = new Map();
  const createObjectURL = URL.createObjectURL.bind(URL);
  URL.createObjectURL = (blob) => {
    const url = createObjectURL(blob);
    blobs.set(url, blob);
    return url;
  };
  HTMLAnchorElement.prototype.click = function click() {
    if (this.download) window.__downloads.push({ name: this.download, blob: blobs.get(this.href) });
  };
  window.showSaveFilePicker = picker
    ? async ({ suggestedName }) => ({
      createWritable: async () => {
        const parts = [];
        return {
          write: async (data) => parts.push(data),
          close: async () => window.__downloads.push({ name: suggestedName, blob: new Blob(parts) }),
        };
      },
    })
    : undefined;
}

export class PageSession {
  static async start(browser) {
    const session = new PageSession();
    session.browser = browser;
    session.server = await serve(siteFolder());
    session.errors = [];
    return session;
  }

  async close() {
    await this.server.close();
  }

  // A page in a context of its own; `keep` reuses the previous page's context (a second visit).
  // `fragment` and `query` make the address a link; `touch` emulates a phone's screen (Chromium).
  async open({ width = 1280, height = 900, fragment = "", query = "", keep = null, touch = false,
    clipboard = true, picker = true } = {}) {
    const context = keep ? keep.browserContext() : await this.browser.createBrowserContext();
    const page = await context.newPage();
    page.on("console", (message) => {
      if (message.type() === "error") this.errors.push(message.text());
    });
    page.on("pageerror", (error) => this.errors.push(String(error)));
    await page.setViewport({ width, height, hasTouch: touch, isMobile: touch });
    await page.evaluateOnNewDocument(captureOutput, { clipboard, picker });
    await page.goto(this.server.url + query + (fragment ? `#${fragment}` : ""));
    await page.waitForSelector("body[data-ready='true']", { timeout: 60000 });
    return page;
  }
}

export const byName = (name) => `[data-control="${name}"]`;
export const inputOf = (name) => `[id="${name}"]`;

// The message the page shows, if any, dismissed as a person presses 확인.
export async function dismissMessage(page) {
  const text = await page.evaluate(() => {
    const dialog = document.getElementById("message");
    return dialog.open ? document.getElementById("messageText").textContent : null;
  });
  if (text !== null) {
    await page.click("#message button");
    await new Promise((resolve) => setTimeout(resolve, 100)); // a next message comes on "close"
  }
  return text;
}

// Types a character's assignments as a person would, skipping what the window hides; returns
// the assignments actually made.
export async function typeCharacter(page, sets) {
  const made = [];
  for (const [name, value] of sets) {
    const state = await page.evaluate((selector) => {
      const element = document.querySelector(selector);
      if (!element || element.closest(".hidden")) return null;
      // Where a person would have it: in the middle of the screen, clear of the command bar.
      element.scrollIntoView({ block: "center", inline: "nearest" });
      return { type: element.type, checked: element.checked, value: element.value };
    }, inputOf(name));
    if (state === null) continue;
    if (state.type === "text") {
      await page.click(inputOf(name)); // a click selects the whole figure
      if (value === "") {
        await page.keyboard.press("Backspace");
      } else {
        await page.keyboard.type(value);
      }
    } else if (state.type === "select-one") {
      await page.select(inputOf(name), value);
    } else if (state.type === "checkbox") {
      if (value === "2") continue; // only a stored profile makes a box grayed
      if (state.checked !== (value === "1")) await page.click(inputOf(name));
    } else if (state.type === "radio") {
      if (value !== "1") continue;
      await page.click(inputOf(name));
    }
    made.push([name, value]);
  }
  return made;
}

// The report boxes the page shows, in its order.
export function shownReport(page) {
  return page.$$eval("pre.report", (boxes) =>
    boxes
      .filter((box) => !box.closest(".hidden"))
      .map((box) => ({ name: box.dataset.control, text: box.textContent })));
}
