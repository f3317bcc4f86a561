// The two ways the page lays the calculator out. On a wide screen: the edition's own window,
// every control where the window puts it, scaled to the page's width. On a narrow one: the same
// inputs under the window's own section headings, one or two to a row, then the buttons, then
// the report boxes, each scrolling sideways on its own.

import { pixels } from "./controls_view.js";

// Below this width the window's layout would be too small to read.
export const kNarrowestWideLayout = 720;

// The report's columns line up only when a Korean syllable is exactly two Latin characters wide,
// which whole-pixel sizes keep; the window's other texts scale freely.
function fontPixels(item, scale) {
  const pixels = (item.points * 96) / 72 * scale;
  return item.face === "fixed" ? Math.max(1, Math.round(pixels)) : pixels;
}

function fixedLabel(item) {
  const label = document.createElement(item.names ? "label" : "span");
  label.className = item.heading ? "caption-label heading" : "caption-label";
  label.textContent = item.text;
  if (item.names) label.htmlFor = item.names;
  return label;
}

// The window's layout, scaled so that it fills `width` pixels.
export function buildWide(widgets, controlsByName, layout, width) {
  const scale = width / pixels(layout.width, 1);
  const form = document.createElement("div");
  form.className = "form";
  form.style.width = `${pixels(layout.width, scale)}px`;
  form.style.height = `${pixels(layout.height, scale)}px`;
  const containers = new Map([["Form", form]]);
  for (const item of layout.items) {
    const control = item.control ? controlsByName.get(item.control) : null;
    if (item.control && !control) continue; // a control the page does not offer
    const element = control ? widgets.widget(control) : fixedLabel(item);
    element.classList.add("placed");
    Object.assign(element.style, {
      left: `${pixels(item.left, scale)}px`,
      top: `${pixels(item.top, scale)}px`,
      width: `${pixels(item.width, scale)}px`,
      height: `${pixels(item.height, scale)}px`,
      fontSize: `${fontPixels(item, scale)}px`,
      fontWeight: item.bold ? "700" : "",
      textAlign: item.centred ? "center" : "",
    });
    if (control && control.kind === "result" && item.face === "window") {
      element.classList.add("window-font");
    }
    if (control && control.name === "txtBowCycleResult") element.classList.add("totals");
    (containers.get(item.parent) ?? form).append(element);
    if (control && control.kind === "frame") containers.set(control.name, element);
  }
  return form;
}

// The window's sections, stacked: the inputs under their headings, the command buttons, then the
// report boxes in the order a person reads them (the frame's boxes inside their frame).
export function buildNarrow(widgets, controlsByName, sections, layout, reportNames) {
  const page = document.createElement("div");
  const parentOf = new Map(layout.items.filter((item) => item.control).map((item) => [item.control, item]));
  const widgetOf = (name) => {
    const control = controlsByName.get(name);
    if (!control) return null;
    const element = widgets.widget(control);
    const item = parentOf.get(name);
    if (control.kind === "result" && item?.face === "window") element.classList.add("window-font");
    if (name === "txtBowCycleResult") element.classList.add("totals");
    if (item?.bold) element.style.fontWeight = "700";
    return element;
  };

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
        if (part.text !== null) {
          row.append(fixedLabel({ text: part.text }));
          continue;
        }
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
    page.append(box);
  }

  const commands = document.createElement("div");
  commands.className = "commands";
  for (const name of ["cmdOpen", "cmdSaveStat", "cmdCalculation"]) {
    const element = widgetOf(name);
    if (element) commands.append(element);
  }
  page.append(commands);

  const reports = document.createElement("div");
  reports.className = "reports";
  let frame = null;
  for (const name of reportNames) {
    const element = widgetOf(name);
    if (!element) continue;
    const parent = parentOf.get(name)?.parent;
    if (parent && parent !== "Form") {
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
