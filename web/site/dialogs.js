// What the page says to the player: the core's sentences in a modal message (one at a time, in
// order), a passing notice, a notice line that stays until closed, and the small dialogs that
// ask for a file name or a code, or show a link to copy by hand.

const byId = (id) => document.getElementById(id);

const pendingMessages = [];

function showNextMessage() {
  const sentence = pendingMessages.shift();
  if (sentence === undefined) return;
  byId("messageText").textContent = sentence;
  byId("message").showModal();
}

export function say(sentence) {
  pendingMessages.push(sentence);
  if (!byId("message").open) showNextMessage();
}

export function notice(text) {
  const element = byId("notice");
  element.textContent = text;
  element.hidden = false;
  clearTimeout(notice.timer);
  notice.timer = setTimeout(() => (element.hidden = true), 2500);
}

export function noticeLine(text) {
  byId("noticeLineText").textContent = text;
  byId("noticeLine").hidden = false;
}

// Resolves to the dialog's returned value once it closes.
function answerOf(dialog) {
  return new Promise((resolve) => {
    dialog.returnValue = "";
    dialog.addEventListener("close", () => resolve(dialog.returnValue), { once: true });
    dialog.showModal();
  });
}

// The link in a read-only box, selected for copying, until the player closes the dialog.
export function showLink(link) {
  const dialog = byId("linkDialog");
  const box = byId("linkText");
  box.value = link;
  const shown = answerOf(dialog);
  box.focus();
  box.select();
  return shown;
}

// A code or link the player pastes; null when cancelled.
export async function askForCode() {
  const box = byId("pasteText");
  box.value = "";
  const answer = answerOf(byId("pasteDialog"));
  box.focus();
  return (await answer) === "open" ? box.value : null;
}

// A file name for saving, `suggested` to start with; null when cancelled.
export async function askForFileName(suggested) {
  const box = byId("saveName");
  box.value = suggested;
  const answer = answerOf(byId("saveDialog"));
  box.focus();
  box.setSelectionRange(0, Math.max(0, suggested.lastIndexOf(".")));
  return (await answer) === "save" ? box.value.trim() : null;
}

export function installDialogs() {
  byId("message").addEventListener("close", showNextMessage);
  // "취소" is no submit button, so that Enter in a dialog's box does what the dialog is for.
  for (const button of document.querySelectorAll("dialog button[value='cancel']")) {
    button.addEventListener("click", () => button.closest("dialog").close("cancel"));
  }
  byId("noticeLineClose").addEventListener("click", () => (byId("noticeLine").hidden = true));
}
