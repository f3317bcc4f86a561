// The widgets of the calculator's controls: one element per control, made from the control's
// kind and caption and kept showing the control's state as the core holds it. What a person does
// to a widget goes straight to the core, whose reactions (a skill refills its rune list, a check
// box shows what it refines) come back as new states.

import { controlsOf } from "./core_values.js";

function sameItems(select, items) {
  if (select.options.length !== items.length) return false;
  for (let i = 0; i < items.length; ++i) {
    if (select.options[i].text !== items[i]) return false;
  }
  return true;
}

// How the core says a control stands out: its colour and weight. The layout's own fonts and
// positions come and go with the layout; the look stays.
function applyLook(element, control) {
  const { coloured, colour, emphasised } = control.look;
  if (coloured) element.style.color = `rgb(${colour.red},${colour.green},${colour.blue})`;
  element.classList.toggle("emphasised", emphasised);
}

// A check box or option button with its caption, as one label that a click anywhere ticks.
function captioned(type, className, control) {
  const label = document.createElement("label");
  label.className = className;
  const input = document.createElement("input");
  input.type = type;
  input.id = control.name;
  label.append(input, document.createTextNode(control.caption));
  return { element: label, input };
}

export class ControlWidgets {
  // `calculator`: the core's calculator. `commands`: what each command does, by its role
  // ("calculate", "open", "save", "analysis"), and `shown`, told after every change is shown.
  constructor(calculator, commands) {
    this.calculator = calculator;
    this.commands = commands;
    this.widgets = new Map(); // control name -> { element, input, control }
  }

  // The element of one control, made once.
  widget(control) {
    const known = this.widgets.get(control.name);
    if (known) return known.element;
    const made = this.make(control);
    made.element.classList.add("control");
    made.element.dataset.control = control.name;
    if (control.role) made.element.dataset.role = control.role;
    if (control.tooltip) made.element.title = control.tooltip;
    applyLook(made.element, control);
    made.control = control;
    this.widgets.set(control.name, made);
    this.show(made, control);
    return made.element;
  }

  make(control) {
    const calculator = this.calculator;
    const name = control.name;
    switch (control.kind) {
      case "text": {
        const input = document.createElement("input");
        input.type = "text";
        input.id = name;
        input.autocomplete = "off";
        input.spellcheck = false;
        // A phone offers the keys the box takes, and its "next" key walks the window's tab order.
        if (control.number) input.inputMode = "decimal";
        input.enterKeyHint = "next";
        input.addEventListener("input", () => this.changed(() => calculator.assign(name, input.value)));
        // Focus selects the whole figure, so that typing replaces it. A click that brings the
        // focus selects it again once the button is up: browsers place the caret on the click.
        input.addEventListener("focus", () => input.select());
        input.addEventListener("mouseup", (event) => {
          if (input.dataset.justFocused) {
            event.preventDefault();
            input.select();
          }
          delete input.dataset.justFocused;
        });
        input.addEventListener("mousedown", () => {
          if (document.activeElement !== input) input.dataset.justFocused = "1";
        });
        return { element: input, input };
      }
      case "list": {
        const select = document.createElement("select");
        select.id = name;
        select.addEventListener("change", () =>
          this.changed(() => calculator.assign(name, String(select.selectedIndex))));
        return { element: select, input: select };
      }
      case "check": {
        // A click on a grayed box ticks it: the browser clears the grayed look and ticks.
        const made = captioned("checkbox", "check", control);
        made.input.addEventListener("change", () =>
          this.changed(() => calculator.assign(name, made.input.checked ? "1" : "0")));
        return made;
      }
      case "option": {
        const made = captioned("radio", "option", control);
        made.input.addEventListener("change", () => {
          if (made.input.checked) this.changed(() => calculator.assign(name, "1"));
        });
        return made;
      }
      case "label": {
        const span = document.createElement("span");
        span.className = "element-label";
        return { element: span, input: null };
      }
      case "result": {
        const pre = document.createElement("pre");
        pre.className = "report";
        pre.tabIndex = 0;
        pre.setAttribute("aria-label", control.caption);
        return { element: pre, input: null };
      }
      case "frame": {
        const frame = document.createElement("div");
        frame.className = control.caption ? "frame" : "frame bare";
        if (control.caption) {
          const caption = document.createElement("span");
          caption.className = "frame-caption";
          caption.textContent = control.caption;
          frame.append(caption);
        }
        return { element: frame, input: null };
      }
      case "button": {
        const button = document.createElement("button");
        button.type = "button";
        button.className = "command";
        button.textContent = control.caption;
        button.addEventListener("click", () => this.commands[control.role]?.());
        return { element: button, input: null };
      }
      default:
        return { element: document.createElement("span"), input: null };
    }
  }

  // Takes every widget out of the page for a fresh layout: positions, sizes and what a frame held
  // are the layout's, and go with it.
  detach() {
    for (const { element, control } of this.widgets.values()) {
      element.remove();
      element.classList.remove("placed", "window-font");
      element.removeAttribute("style");
      applyLook(element, control);
      if (control.kind === "frame") {
        element.replaceChildren(...element.querySelectorAll(":scope > .frame-caption"));
      }
    }
  }

  // The element of a control that has been made, or null.
  made(name) {
    return this.widgets.get(name)?.element ?? null;
  }

  // Runs one change in the core, then shows the controls it changed.
  changed(change) {
    change();
    this.refresh();
  }

  // Shows every control the core changed since the last time, as it now holds it; then whoever
  // follows the inputs hears of it.
  refresh() {
    this.showEach(controlsOf(this.calculator.takeChanges()));
    this.commands.shown?.();
  }

  // Shows every control afresh, as after a new layout.
  refreshAll() {
    this.calculator.takeChanges().delete();
    this.showEach(controlsOf(this.calculator.controls()));
  }

  showEach(controls) {
    for (const control of controls) {
      const made = this.widgets.get(control.name);
      if (made) this.show(made, control);
    }
  }

  show(made, control) {
    made.control = control;
    made.element.classList.toggle("hidden", !control.visible);
    const input = made.input;
    switch (control.kind) {
      case "text":
        if (input.value !== control.text) input.value = control.text;
        break;
      case "list":
        if (!sameItems(input, control.items)) {
          input.replaceChildren(...control.items.map((item, index) => new Option(item, String(index))));
        }
        input.selectedIndex = control.value;
        break;
      case "check":
        input.indeterminate = control.value === 2;
        input.checked = control.value === 1;
        break;
      case "option":
        input.checked = control.value === 1;
        break;
      case "label":
        made.element.textContent = control.text;
        made.element.style.color = `rgb(${control.color.red},${control.color.green},${control.color.blue})`;
        break;
      case "result":
        // A report box shows exactly its text; the frame of the damage-over-time boxes hides
        // them with itself.
        if (made.element.textContent !== control.text) made.element.textContent = control.text;
        break;
      default:
        break;
    }
  }
}
