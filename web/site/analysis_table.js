// An analysis' table as the core made it, drawn as an HTML table: the core's column captions and
// cell texts (set as text, never as markup), each cell aligned and toned as the core says (better
// green, worse red, the cliffs marked). A click on a column's heading sorts by it, numbers by
// their value and words by their text (a cell without a number before every number); a second
// click reverses. Rows the metric does not move may be left out.

function compareCells(a, b) {
  const aNumber = a.sortKey !== null;
  const bNumber = b.sortKey !== null;
  if (aNumber !== bNumber) return aNumber ? 1 : -1;
  if (aNumber) return a.sortKey - b.sortKey;
  return a.text.localeCompare(b.text, "ko");
}

function cellElement(tag, cell) {
  const element = document.createElement(tag);
  element.textContent = cell.text;
  element.className = `align-${cell.align}`;
  if (cell.tone) element.classList.add(`tone-${cell.tone}`);
  return element;
}

// `options`: { hideUnchanged, selectable, onSelect(item), onActivate(item), activateOnClick }:
// a row is activated by Enter or a double click, or by one click where `activateOnClick`. Returns
// the table element; its `selectedItem` is the item of the row chosen, or null.
export function tableElement(table, options = {}) {
  const element = document.createElement("table");
  element.className = "analysis-table";
  if (table.title) element.createCaption().textContent = table.title;
  const headRow = element.createTHead().insertRow();
  const body = element.createTBody();
  let sorted = { column: -1, ascending: true };
  element.selectedItem = null;

  const select = (row) => {
    for (const other of body.querySelectorAll("tr[aria-selected='true']")) other.setAttribute("aria-selected", "false");
    row.setAttribute("aria-selected", "true");
    element.selectedItem = Number(row.dataset.item);
    options.onSelect?.(element.selectedItem);
  };

  const drawRows = () => {
    const rows = table.rows.map((row, order) => ({ row, order }));
    if (sorted.column >= 0) {
      const sign = sorted.ascending ? 1 : -1;
      rows.sort((a, b) => sign * compareCells(a.row.cells[sorted.column], b.row.cells[sorted.column]) || a.order - b.order);
    }
    body.replaceChildren();
    for (const { row } of rows) {
      if (options.hideUnchanged && row.unchanged) continue;
      const tr = body.insertRow();
      tr.dataset.item = String(row.item);
      for (const cell of row.cells) tr.append(cellElement("td", cell));
      if (options.selectable) {
        tr.tabIndex = 0;
        tr.setAttribute("aria-selected", String(row.item === element.selectedItem));
        tr.addEventListener("click", () => {
          select(tr);
          if (options.activateOnClick) options.onActivate?.(row.item);
        });
        tr.addEventListener("dblclick", () => options.onActivate?.(row.item));
        tr.addEventListener("keydown", (event) => {
          if (event.key === "Enter") {
            select(tr);
            options.onActivate?.(row.item);
          } else if (event.key === "ArrowDown" || event.key === "ArrowUp") {
            const next = event.key === "ArrowDown" ? tr.nextElementSibling : tr.previousElementSibling;
            if (next) {
              event.preventDefault();
              next.focus();
              select(next);
            }
          }
        });
      }
    }
    for (const [at, th] of [...headRow.cells].entries()) {
      th.setAttribute("aria-sort", at !== sorted.column ? "none" : sorted.ascending ? "ascending" : "descending");
    }
  };

  table.columns.forEach((column, at) => {
    const th = document.createElement("th");
    th.scope = "col";
    th.className = `align-${column.align}`;
    const sort = document.createElement("button");
    sort.type = "button";
    sort.textContent = column.caption;
    sort.addEventListener("click", () => {
      sorted = { column: at, ascending: sorted.column === at ? !sorted.ascending : true };
      drawRows();
    });
    th.append(sort);
    headRow.append(th);
  });
  drawRows();
  element.setHidesUnchanged = (hides) => {
    options.hideUnchanged = hides;
    drawRows();
  };
  element.selectFirst = () => {
    const first = body.rows[0];
    if (first) select(first);
  };
  return element;
}

// The lines of a page (its summary or notes) as paragraphs, toned as the core says.
export function lineElements(lines) {
  return lines.map((line) => {
    const p = document.createElement("p");
    p.className = "analysis-line";
    if (line.tone) p.classList.add(`tone-${line.tone}`);
    p.textContent = line.text;
    return p;
  });
}
