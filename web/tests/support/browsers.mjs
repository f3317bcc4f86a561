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

export async function launch(name) {
  const chosen = kBrowsers[name];
  if (!chosen) throw new Error(`unknown browser ${name}: one of ${kBrowserNames.join(", ")}`);
  return puppeteer.launch({ headless: true, timeout: 90000, protocolTimeout: 120000, ...chosen });
}
