// Debian's own browsers, driven headless: no browser is downloaded.
import puppeteer from "puppeteer-core";

const kBrowsers = {
  chromium: {
    product: "chrome",
    executablePath: "/usr/bin/chromium",
    args: [
      "--no-sandbox",
      "--disable-gpu",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      "--disable-dev-shm-usage",
      "--font-render-hinting=none",
    ],
  },
  firefox: {
    product: "firefox",
    protocol: "webDriverBiDi",
    executablePath: "/usr/bin/firefox-esr",
    args: [],
  },
};

export const kBrowserNames = Object.keys(kBrowsers);

// Closes the browser; one that does not end within half a minute (a headless browser can hang on
// its way out) is killed, so that a finished run never waits for it.
export async function closeBrowser(browser) {
  if (!browser) return;
  let timer;
  const hung = new Promise((resolve) => {
    timer = setTimeout(() => resolve(true), 30000);
  });
  const stuck = await Promise.race([browser.close().then(() => false, () => true), hung]);
  clearTimeout(timer);
  if (stuck) browser.process()?.kill("SIGKILL");
}

export async function launch(name) {
  const chosen = kBrowsers[name];
  if (!chosen) throw new Error(`unknown browser ${name}: one of ${kBrowserNames.join(", ")}`);
  return puppeteer.launch({ headless: true, timeout: 90000, protocolTimeout: 120000, ...chosen });
}
