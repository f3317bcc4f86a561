// The calculator as a web page. The core (the same C++ as the desktop's, compiled to
// WebAssembly) holds every control, rule, message and report; this module starts it, lays its
// controls out, passes on what the person does, and shows what comes back.
//
// Road of "계산": a widget's change goes to the core at once (controls_view.js); the button or
// Ctrl+Enter asks the core to calculate; the core's report boxes are shown as they are.

import createCore from "./brakefell_core.mjs";
import { CalculatorPage, kProgramFolder } from "./calculator_page.js";
import { askForCode, installDialogs, notice, noticeLine, say, showLink } from "./dialogs.js";
import { PageHost } from "./host.js";
import { installKeys } from "./keys.js";
import { addressWithoutLink, linkTo, readLink } from "./links.js";

const kCatalogueName = "Gloamstalker007.txt";
const kEditionKey = "brakefell-edition";

const liteSwitch = document.getElementById("liteEdition");

function rememberedEdition() {
  return localStorage.getItem(kEditionKey) === "lite" ? "lite" : "full";
}

async function copyLink(link) {
  try {
    await navigator.clipboard.writeText(link);
    notice("빌드 링크를 클립보드에 복사했습니다.");
  } catch {
    await showLink(link); // no clipboard here (a plain-http host, a refusal): copied by hand
  }
}

async function start() {
  installDialogs();
  const core = await createCore();
  const catalogue = await fetch(kCatalogueName);
  const host = new PageHost({ keptFolder: kProgramFolder, say });
  host.lend(`${kProgramFolder}/${kCatalogueName}`, new Uint8Array(await catalogue.arrayBuffer()));

  let page = null;
  // "빌드 분석": its code and workers load when the player first opens it.
  let analysis = null;
  const openAnalysis = async () => {
    if (!analysis) {
      const { AnalysisView } = await import("./analysis_view.js");
      analysis ??= AnalysisView.create(core, page);
    }
    (await analysis).show(page);
  };
  const followInputs = () => analysis?.then((view) => view.refresh());
  // Opens the page in `edition`; `code`, when given, is the build it then shows.
  const openEdition = (edition, { code = null, quiet = false } = {}) => {
    page?.shutDown();
    localStorage.setItem(kEditionKey, edition);
    liteSwitch.checked = edition === "lite";
    page = new CalculatorPage(core, host, edition, { analysis: openAnalysis, shown: followInputs });
    analysis?.then((view) => view.attach(page));
    // A first visit starts from the defaults with a line saying so; a visitor who came by a
    // link hears nothing of the start-up, only of the link if it is damaged.
    page.startUp(quiet ? () => {} : noticeLine);
    page.arrange();
    if (code !== null) page.openCode(code);
  };

  // A link's build opens once: then the address forgets it, and the build is the player's last
  // inputs like any other, kept when the page goes away.
  // An address that only names the edition opens it as the player left it.
  const openLink = () => {
    const link = readLink(location.href);
    if (link.code === null && link.edition === null) return false;
    const edition = link.edition ?? page?.edition ?? rememberedEdition();
    openEdition(edition, { code: link.code, quiet: link.code !== null });
    history.replaceState(history.state, "", addressWithoutLink(location.href));
    return true;
  };
  if (!openLink()) openEdition(rememberedEdition());

  liteSwitch.addEventListener("change", () => {
    // The build moves to the other edition whole, and is calculated there.
    openEdition(liteSwitch.checked ? "lite" : "full", { code: page.shareCode(), quiet: true });
  });
  const linkToBuild = () => linkTo(location.href, page.edition, page.shareCode());
  const pasteCode = async () => {
    const text = await askForCode();
    if (text?.trim()) page.openCode(text);
  };
  installKeys({
    calculate: () => page.calculate(),
    save: () => page.save(),
    open: () => page.chooseProfile(),
    copyLink: () => copyLink(linkToBuild()),
    analysis: openAnalysis,
    openCode: (text) => page.openCode(text),
    focusAfter: (name) => page.focusAfter(name),
  });
  addEventListener("resize", () => page.arrange());
  // Another page of the site wrote the history of calculations: this page's entries join its.
  addEventListener("storage", (event) => {
    if (event.key === null || host.keeps(event.key)) {
      page.calculator.historyChanged();
      followInputs();
    }
  });
  addEventListener("hashchange", openLink);
  document.getElementById("profileFile").addEventListener("change", async (event) => {
    const file = event.target.files[0];
    event.target.value = "";
    if (file) await page.open(file);
  });
  document.getElementById("copyLink").addEventListener("click", () => copyLink(linkToBuild()));
  document.getElementById("pasteCode").addEventListener("click", pasteCode);
  // The last run's inputs are kept when the page goes away, as the window keeps them on closing.
  addEventListener("pagehide", () => page.shutDown());
  document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "hidden") page.shutDown();
  });
  document.body.dataset.ready = "true";
  performance.mark("brakefell-ready"); // how long a visitor waits, for the page's own figures
}

start().catch((error) => {
  document.getElementById("loading").textContent = "계산기를 불러오지 못했습니다.";
  throw error;
});
