// One edition's calculator in the page: the core's session, its widgets laid out for the page's
// width, and the commands a player gives it ("계산", 열기, 저장, a build from a code).

import { ControlWidgets } from "./controls_view.js";
import { arrayOf, controlsOf, layoutOf, sectionsOf } from "./core_values.js";
import { askForFileName } from "./dialogs.js";
import { decodeFragment } from "./links.js";
import { buildStacked, buildWindow, chooseLayout, commandsOf, sameLayout } from "./layout_view.js";

// Where the page keeps the catalogue and the last run's inputs.
export const kProgramFolder = "/app";
const kSavedProfileName = "brakefell.cfg";
const kProfileExtension = ".cfg";

const main = document.getElementById("calculator");
const commandBar = document.getElementById("commands");

// A file name the player typed, with the profile's extension when it has none.
export function profileFileName(typed) {
  const name = typed.trim() || kSavedProfileName;
  return name.toLowerCase().endsWith(kProfileExtension) ? name : name + kProfileExtension;
}

function download(bytes, name) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// The system's save dialog where the browser has one: the player picks name and folder. Resolves
// to true when saved or cancelled there, false when the browser has none to offer.
async function saveWithPicker(bytes) {
  if (typeof window.showSaveFilePicker !== "function") return false;
  let handle;
  try {
    handle = await window.showSaveFilePicker({
      suggestedName: kSavedProfileName,
      types: [{ description: "프로필", accept: { "application/octet-stream": [kProfileExtension] } }],
    });
  } catch (error) {
    return error?.name === "AbortError"; // cancelled; any other refusal falls back to a download
  }
  const file = await handle.createWritable();
  await file.write(bytes);
  await file.close();
  return true;
}

export class CalculatorPage {
  // `analysis`: opens "빌드 분석"; `shown`: told after every change of the inputs is shown.
  constructor(core, host, edition, { analysis, shown } = {}) {
    this.host = host;
    this.edition = edition;
    this.calculator = new core.Calculator(edition, host, kProgramFolder);
    this.widgets = new ControlWidgets(this.calculator, {
      calculate: () => this.calculate(),
      open: () => this.chooseProfile(),
      save: () => this.save(),
      analysis,
      shown,
    });
    this.layout = layoutOf(this.calculator.layout());
    this.sections = sectionsOf(this.calculator.sections());
    this.tabOrder = arrayOf(this.calculator.tabOrder());
    this.shownLayout = null;
  }

  // Starts the session; what it says goes to `say` (a quiet start tells the player less).
  startUp(say) {
    const usual = this.host.say;
    this.host.say = say;
    try {
      this.calculator.startUp();
    } finally {
      this.host.say = usual;
    }
    document.title = this.layout.caption;
    document.getElementById("title").textContent = this.layout.caption;
  }

  // Lays the controls out afresh whenever the layout the page's width calls for changes.
  arrange() {
    const touch = matchMedia("(pointer: coarse)").matches;
    // The window's layout uses the whole width, less the form's own border.
    const chosen = chooseLayout(this.layout, document.documentElement.clientWidth - 2, touch);
    if (sameLayout(chosen, this.shownLayout)) return;
    this.shownLayout = chosen;
    // The controls the core offers the page.
    const controls = new Map(controlsOf(this.calculator.controls()).map((control) => [control.name, control]));
    this.widgets.detach();
    main.classList.toggle("stacked", chosen.kind === "stacked");
    main.classList.toggle("window-layout", chosen.kind === "window");
    const reportNames = arrayOf(this.calculator.reportBoxes()).map((box) => box.name);
    const content = chosen.kind === "window"
      ? buildWindow(this.widgets, controls, this.layout, chosen.scale)
      : buildStacked(this.widgets, controls, this.sections, this.layout, reportNames);
    main.replaceChildren(content);
    commandBar.replaceChildren(...commandsOf(controls, this.layout).map((control) => this.widgets.widget(control)));
    main.removeAttribute("aria-busy");
    this.widgets.refreshAll();
  }

  calculate() {
    this.calculator.calculate();
    this.widgets.refresh();
  }

  chooseProfile() {
    document.getElementById("profileFile").click();
  }

  async save() {
    const bytes = this.calculator.profileBytes();
    if (await saveWithPicker(bytes)) return;
    const name = await askForFileName(kSavedProfileName);
    if (name !== null) download(bytes, profileFileName(name));
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

  // A build from a code or a link, as the address or a paste hands it over; its report follows at
  // once. True when it opened.
  openCode(text) {
    const opened = this.calculator.openShareCode(decodeFragment(text.trim())).end === "done";
    if (opened) this.calculate();
    this.widgets.refresh();
    return opened;
  }

  shareCode() {
    return this.calculator.shareCode();
  }

  // Moves the focus from `name` to the next shown control in the window's tab order.
  focusAfter(name) {
    const start = this.tabOrder.indexOf(name);
    for (let at = start + 1; start >= 0 && at < this.tabOrder.length; ++at) {
      const element = this.widgets.made(this.tabOrder[at]);
      if (!element || !element.isConnected || element.closest(".hidden")) continue;
      const target = element.matches("input, select, button, pre") ? element : element.querySelector("input");
      if (!target) continue;
      target.focus();
      return true;
    }
    return false;
  }

  shutDown() {
    this.calculator.shutDown();
  }
}
