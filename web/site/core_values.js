// The core hands lists over as its own vectors, which hold the core's memory until deleted: each
// is copied into a plain array and freed at once, so that the page never holds one.

export function arrayOf(vector, each = (entry) => entry) {
  try {
    const entries = new Array(vector.size());
    for (let at = 0; at < entries.length; ++at) entries[at] = each(vector.get(at));
    return entries;
  } finally {
    vector.delete();
  }
}

export function controlsOf(vector) {
  return arrayOf(vector, (control) => ({ ...control, items: arrayOf(control.items) }));
}

export function layoutOf(layout) {
  return { ...layout, items: arrayOf(layout.items) };
}

export function sectionsOf(vector) {
  return arrayOf(vector, (section) => ({
    ...section,
    fields: arrayOf(section.fields, (field) => ({ ...field, parts: arrayOf(field.parts) })),
  }));
}
