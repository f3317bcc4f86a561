// The calculator as a web page. The core (the same C++ as the desktop's, compiled to
// WebAssembly) holds every control, rule, message and report; this module starts it, lays its
// controls out, passes on what the person does, and shows what comes back.
//
// Road of "계산": a widget's change goes to the core at once (controls_view.js); the button or
// Ctrl+Enter asks the core to calculate; the core's report boxes are shown as they are.

import createCore from "./brakefell_core.mjs";
import { ControlWidgets } from "./controls_view.js";
import { PageHost } from "./host.js";
import { buildNarrow, buildWide, kNarrowestWideLayout } from "./layout_view.js";

const kProgramFolder = "/app";
const kCatalogueName = "Gloamstalker007.txt";
const kEditionKey = "brakefell-edition";
const kSavedProfileName = "brakefell.cfg";

const main = document.getElementById("calculator");
const messageDialog = document.getElementById("message");
const pendingMessages = [];

function say(sentence) {
  pendingMessages.push(sentence);
  if (!messageDialog.open) showNextMessage();
}

function showNextMessage() {
  const sentence = pendingMessages.shift();
  if (sentence === undefined) return;
  document.getElementById("messageText").textContent = sentence;
  messageDialog.showModal();
}
messageDialog.addEventListener("close", showNextMessage);

function notice(text) {
  const element = document.getElementById("notice");
  element.textContent = text;
  element.hidden = false;
  clearTimeout(notice.timer);
  notice.timer = setTimeout(() => (element.hidden = true), 2500);
}

class CalculatorPage {
  constructor(core, host, edition) {
    this.core = core;
    this.host = host;
    this.calculator = new core.Calculator(edition, host, kProgramFolder);
    this.widgets = new ControlWidgets(this.calculator, {
      cmdCalculation: () => this.calculate(),
      cmdOpen: () => document.getElementById("profileFile").click(),
      cmdSaveStat: () => this.save(),
    });
    this.layout = this.calculator.layout();
    this.sections = this.calculator.sections();
    this.shownWidth = 0;
  }

  startUp() {
    this.calculator.startUp();
    document.title = this.layout.caption;
    document.getElementById("title").textContent = this.layout.caption;
  }

  // Lays the controls out for the page's width; again only when the width changed.
  arrange() {
    const style = getComputedStyle(main);
    // The room inside the page's margins, less the form's own border.
    const width = Math.floor(main.clientWidth - parseFloat(style.paddingLeft) -
      parseFloat(style.paddingRight)) - 2;
    if (width === this.shownWidth) return;
    this.shownWidth = width;
    const controls = new Map(this.calculator.controls().map((control) => [control.name, control]));
    controls.delete("cmdAnalysis"); // the analyses are the desktop's for now
    for (const element of main.querySelectorAll(".control")) {
      element.classList.remove("placed");
      element.removeAttribute("style");
    }
    const narrow = width < kNarrowestWideLayout;
    main.classList.toggle("narrow", narrow);
    main.classList.toggle("wide", !narrow);
    const reportNames = this.calculator.reportBoxes().map((box) => box.name);
    const content = narrow
      ? buildNarrow(this.widgets, controls, this.sections, this.layout, reportNames)
      : buildWide(this.widgets, controls, this.layout, width);
    main.replaceChildren(content);
    main.removeAttribute("aria-busy");
    this.widgets.refresh();
    this.widgets.showReport(this.calculator.reportBoxes());
  }

  calculate() {
    this.calculator.calculate();
    this.widgets.refresh();
    this.widgets.showReport(this.calculator.reportBoxes());
  }

  save() {
    const bytes = this.calculator.profileBytes();
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    link.download = kSavedProfileName;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  async open(file) {
    const path = `/opened/${file.name}`;
    this.host.lend(path, new Uint8Array(await file.arrayBuffer()));
    try {
      this.calculator.openProfileFile(path);
    } finally {
      this.host.forget(path);
    }
    this.widgets.refresh();
  }

  // A build from a link: its code is the fragment, and the report follows at once.
  openLink(fragment) {
    if (!fragment) return;
    if (this.calculator.openShareCode(fragment).end === "done") this.calculate();
    this.widgets.refresh();
  }

  linkToBuild() {
    return `${location.origin}${location.pathname}#${this.calculator.shareCode()}`;
  }

  shutDown() {
    this.calculator.shutDown();
  }
}

async function copyLink(page) {
  const link = page.linkToBuild();
  try {
    await navigator.clipboard.writeText(link);
    notice("빌드 링크를 클립보드에 복사했습니다.");
  } catch {
    notice(link); // no clipboard here: the link is shown to copy by hand
  }
}

async function start() {
  const core = await createCore();
  const catalogue = await fetch(kCatalogueName);
  const host = new PageHost({ keptFolder: kProgramFolder, say });
  host.lend(`${kProgramFolder}/${kCatalogueName}`, new Uint8Array(await catalogue.arrayBuffer()));

  const liteSwitch = document.getElementById("liteEdition");
  liteSwitch.checked = localStorage.getItem(kEditionKey) === "lite";
  let page = new CalculatorPage(core, host, liteSwitch.checked ? "lite" : "full");
  page.startUp();
  page.arrange();
  page.openLink(location.hash.slice(1));

  liteSwitch.addEventListener("change", () => {
    // The build moves to the other edition whole, and is calculated there.
    const code = page.calculator.shareCode();
    page.shutDown();
    localStorage.setItem(kEditionKey, liteSwitch.checked ? "lite" : "full");
    main.replaceChildren();
    page = new CalculatorPage(core, host, liteSwitch.checked ? "lite" : "full");
    page.startUp();
    page.arrange();
    page.calculator.openShareCode(code);
    page.calculate();
  });
  addEventListener("resize", () => page.arrange());
  addEventListener("hashchange", () => page.openLink(location.hash.slice(1)));
  addEventListener("keydown", (event) => {
    if (event.ctrlKey && event.key === "Enter") {
      event.preventDefault();
      page.calculate();
    }
  });
  document.getElementById("profileFile").addEventListener("change", async (event) => {
    const file = event.target.files[0];
    event.target.value = "";
    if (file) await page.open(file);
  });
  document.getElementById("copyLink").addEventListener("click", () => copyLink(page));
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
