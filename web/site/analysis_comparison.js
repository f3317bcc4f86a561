// 비교: the inputs of now against build B, B being the base. B is the inputs pinned, a profile
// file or a pasted code or link, and the page remembers it between visits.

import { button, element, PageArea, saveCsv } from "./analysis_parts.js";
import { askForCode, say } from "./dialogs.js";
import { decodeFragment } from "./links.js";

const kBuildBKey = "brakefell-build-b";

function base64Of(bytes) {
  let text = "";
  for (const byte of bytes) text += String.fromCharCode(byte);
  return btoa(text);
}

function bytesOf(base64) {
  return Uint8Array.from(atob(base64), (char) => char.charCodeAt(0));
}

// Where the page keeps B between visits; a browser without storage keeps it for the visit only.
function rememberB(b) {
  try {
    if (b) localStorage.setItem(kBuildBKey, JSON.stringify({ bytes: base64Of(b.bytes), which: b.which, source: b.source }));
    else localStorage.removeItem(kBuildBKey);
  } catch {
    // not remembered
  }
}

function rememberedB() {
  try {
    const kept = JSON.parse(localStorage.getItem(kBuildBKey));
    return kept ? { bytes: bytesOf(kept.bytes), which: kept.which, source: kept.source } : null;
  } catch {
    return null;
  }
}

export class ComparisonTab {
  constructor(view) {
    this.view = view;
    const words = view.words.controls;
    this.pin = button(words.snapshotB);
    this.open = button(words.openB);
    this.paste = button(words.pasteB);
    this.which = element("span", { className: "which-b", text: words.whichB.caption });
    this.csv = button(words.csv);
    this.csv.disabled = true;
    this.file = element("input");
    this.file.type = "file";
    this.file.accept = ".cfg";
    this.file.hidden = true;
    this.area = new PageArea();
    this.element = element("div", {},
      element("div", { className: "analysis-options" }, this.pin, this.open, this.paste, this.which, this.csv, this.file),
      this.area.element);
    this.pin.addEventListener("click", () => {
      const time = new Date().toTimeString().slice(0, 8);
      this.setB({ bytes: view.calculator().buildBytes(), which: view.words.sentences.whichPinned.replace("%1", time), source: "pin" });
    });
    this.open.addEventListener("click", () => this.file.click());
    this.file.addEventListener("change", async () => {
      const file = this.file.files[0];
      this.file.value = "";
      if (!file) return;
      const bytes = view.core.Calculator.buildBytesOfProfile(new Uint8Array(await file.arrayBuffer()));
      this.setB({ bytes, which: view.words.sentences.whichFile.replace("%1", file.name), source: "file" });
    });
    this.paste.addEventListener("click", async () => {
      const text = await askForCode();
      if (!text?.trim()) return;
      const bytes = view.calculator().buildBytesOfCode(decodeFragment(text.trim()));
      if (!bytes.length) {
        say(view.words.sentences.codeUnread);
        return;
      }
      this.setB({ bytes, which: view.words.sentences.whichCode, source: "code" });
    });
    this.csv.addEventListener("click", () => saveCsv(this.answer.csv, words.comparisonTab.caption));
    this.b = rememberedB();
    if (this.b) this.which.textContent = this.b.which;
  }

  setB(b) {
    this.b = b;
    this.which.textContent = b.which;
    rememberB(b);
    this.view.refresh({ force: true });
  }

  async refresh(asked) {
    if (!this.b) {
      this.answer = null;
      this.csv.disabled = true;
      this.area.showNote(this.view.words.sentences.noBuildB);
      return;
    }
    const b = this.b;
    const answer = await this.view.ask("compare", asked.build, b.bytes, asked.metric);
    if (answer === null && this.view.upToDate(asked) && b === this.b) {
      // B itself does not read: the message of the profile or the code it came from.
      const { sentences } = this.view.words;
      this.area.showNote(b.source === "code" ? sentences.codeUnread : sentences.profileUnread);
      return;
    }
    if (!this.view.current(answer, asked)) return;
    this.answer = answer;
    this.csv.disabled = !answer.csv;
    if (!answer.page.tables.length) this.area.showNote(answer.page.summary[0]?.text ?? "");
    else this.area.show(answer.page);
  }
}
