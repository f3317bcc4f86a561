// The two ways the page lays the calculator out. Where the edition's own window fits: the window,
// every control where the window puts it, at its own size or larger. Elsewhere (and on touch
// screens, whose fingers need larger targets than the window's): the same inputs under the
// window's own section headings, in as many columns as the width holds, then the report boxes,
// each scrolling sideways on its own. The command buttons stand in a bar that stays on screen.
//
// Every layout is made afresh from the core's description: the page after any sequence of widths
// is the page a fresh load at the last width gives.

// The smallest text the page draws, in CSS pixels.
export const kSmallestText = 12;

// The window is shown when it fits at this share of its own size or more: at 1280 pixels the
// full edition's window (1275 pixels) loses a few pixels to the page's scroll bar, which its
// boxes can spare; its texts stay at their own size.
const kSmallestWindowScale = 0.98;

// How the page lays out at a width: the window scaled by `scale`, or stacked sections.
export function chooseLayout(layout, width, touch) {
  const scale = width / layout.width;
  if (!touch && scale >= kSmallestWindowScale) return { kind: "window", scale, width };
  return { kind: "stacked" };
}

export function sameLayout(a, b) {
  return a && b && a.kind === b.kind && (a.kind === "stacked" || a.width === b.width);
}

// The report's columns line up only when a Korean syllable is exactly two Latin characters wide,
// which whole-pixel sizes keep; the window's other texts scale freely. No text is drawn smaller
// than the page's smallest.
function fontPixels(item, scale) {
  const size = Math.max(kSmallestText, (item.points * 96) / 72 * scale);
  return item.face === "fixed" ? Math.round(size) : size;
}

function fixedLabel(item) {
  const label = document.createElement(item.names ? "label" : "span");
  label.className = item.heading ? "caption-label heading" : "caption-label";
  label.textContent = item.text;
  if (item.names) label.htmlFor = item.names;
  return label;
}

// A report box in the window shows whole lines: its lines are whole pixels tall, and the box
// holds as many of them as fit, so that a line is never cut in half (the rest scrolls).
function fitWholeLines(element, item, scale) {
  const font = fontPixels(item, scale);
  const line = item.face === "fixed" ? font : Math.ceil(font * 1.2);
  const border = 2;
  const height = item.height * scale;
  const lines = Math.max(1, Math.floor((height - border) / line));
  Object.assign(element.style, {
    lineHeight: `${line}px`,
    height: `${lines * line + border}px`,
    paddingTop: "0",
    paddingBottom: "0",
  });
}

// The command buttons in the window's order: they stand in the page's command bar, whatever the
// layout.
export function commandsOf(controlsByName, layout) {
  return layout.items
    .map((item) => item.control && controlsByName.get(item.control))
    .filter((control) => control?.kind === "button");
}

// The window's layout at `scale`.
export function buildWindow(widgets, controlsByName, layout, scale) {
  const form = document.createElement("div");
  form.className = "form";
  form.style.width = `${layout.width * scale}px`;
  form.style.height = `${layout.height * scale}px`;
  const containers = new Map([["", form]]);
  for (const item of layout.items) {
    const control = item.control ? controlsByName.get(item.control) : null;
    // A control the page does not offer, or a command button (the command bar holds them).
    if ((item.control && !control) || control?.kind === "button") continue;
    const element = control ? widgets.widget(control) : fixedLabel(item);
    element.classList.add("placed");
    Object.assign(element.style, {
      left: `${item.left * scale}px`,
      top: `${item.top * scale}px`,
      width: `${item.width * scale}px`,
      height: `${item.height * scale}px`,
      fontSize: `${fontPixels(item, scale)}px`,
      fontWeight: item.bold ? "700" : "",
      textAlign: item.centred ? "center" : "",
    });
    if (control?.kind === "result") {
      if (item.face === "window") element.classList.add("window-font");
      fitWholeLines(element, item, scale);
    }
    (containers.get(item.parent) ?? form).append(element);
    if (control?.kind === "frame") containers.set(control.name, element);
  }
  return form;
}

// The window's sections, stacked in columns: the inputs under their headings, then the report
// boxes in the order a person reads them (the frame's boxes inside their frame).
export function buildStacked(widgets, controlsByName, sections, layout, reportNames) {
  const page = document.createElement("div");
  const itemOf = new Map(layout.items.filter((item) => item.control).map((item) => [item.control, item]));
  const widgetOf = (name) => {
    const control = controlsByName.get(name);
    if (!control) return null;
    const element = widgets.widget(control);
    const item = itemOf.get(name);
    if (control.kind === "result" && item?.face === "window") element.classList.add("window-font");
    if (item?.bold) element.style.fontWeight = "700";
    return element;
  };

  const columns = document.createElement("div");
  columns.className = "sections";
  for (const section of sections) {
    const box = document.createElement("section");
    box.className = "section";
    const heading = document.createElement("h2");
    heading.textContent = section.heading;
    const fields = document.createElement("div");
    fields.className = "fields";
    for (const field of section.fields) {
      const row = document.createElement("div");
      row.className = field.wholeRow ? "field whole-row" : "field";
      const first = field.parts.find((part) => part.control)?.control;
      if (field.label) row.append(fixedLabel({ text: field.label, names: first }));
      for (const part of field.parts) {
        if (!part.control) {
          row.append(fixedLabel({ text: part.text }));
          continue;
        }
        if (controlsByName.get(part.control)?.kind === "button") continue; // in the command bar
        const element = widgetOf(part.control);
        if (!element) continue;
        // A frame holds its own controls (the voodoo options), as in the window.
        for (const inner of layout.items.filter((item) => item.parent === part.control)) {
          const child = widgetOf(inner.control);
          if (child) element.append(child);
        }
        row.append(element);
      }
      if (row.querySelector(".control")) fields.append(row);
    }
    box.append(heading, fields);
    columns.append(box);
  }
  page.append(columns);

  const reports = document.createElement("div");
  reports.className = "reports";
  let frame = null;
  for (const name of reportNames) {
    const element = widgetOf(name);
    if (!element) continue;
    const parent = itemOf.get(name)?.parent;
    if (parent) {
      if (!frame) {
        frame = widgetOf(parent);
        frame.classList.add("reports");
        reports.append(frame);
      }
      frame.append(element);
    } else {
      reports.append(element);
    }
  }
  page.append(reports);
  return page;
}
