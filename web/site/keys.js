// The page's keys and paste: Ctrl+Enter calculates, F2 opens "빌드 분석", Ctrl+S saves the
// profile, Ctrl+O opens one,
// Ctrl+Shift+C copies the build's link, Enter in a box moves on as a phone's "next" key does,
// Ctrl+A in a report box selects that box alone, and a code or link pasted anywhere outside a
// text box opens its build. F5 stays the browser's reload. (⌘ stands for Ctrl on a Mac.)

// Where pasting and Ctrl+A keep their usual meaning.
function takesText(element) {
  return element instanceof Element && (element.matches("input, textarea, select") || element.isContentEditable);
}

function selectContents(element) {
  const range = document.createRange();
  range.selectNodeContents(element);
  const selection = getSelection();
  selection.removeAllRanges();
  selection.addRange(range);
}

// `actions`: { calculate, save, open, copyLink, analysis, openCode(text), focusAfter(name) }.
export function installKeys(actions) {
  addEventListener("keydown", (event) => {
    if (document.querySelector("dialog[open]")) return; // a dialog's keys are its own
    const command = event.ctrlKey || event.metaKey;
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    let action = null;
    if (command && !event.shiftKey && key === "Enter") action = actions.calculate;
    else if (!command && !event.shiftKey && key === "F2") action = actions.analysis;
    else if (command && !event.shiftKey && key === "s") action = actions.save;
    else if (command && !event.shiftKey && key === "o") action = actions.open;
    else if (command && event.shiftKey && key === "c") action = actions.copyLink;
    else if (command && !event.shiftKey && key === "a" && event.target.matches?.("pre.report")) {
      action = () => selectContents(event.target);
    } else if (!command && key === "Enter" && event.target.matches?.("input[type='text']")) {
      action = () => actions.focusAfter(event.target.id);
    }
    if (!action) return;
    event.preventDefault();
    action();
  });
  addEventListener("paste", (event) => {
    if (takesText(event.target) || document.querySelector("dialog[open]")) return;
    const text = event.clipboardData?.getData("text/plain")?.trim();
    if (!text) return;
    event.preventDefault();
    actions.openCode(text);
  });
}
