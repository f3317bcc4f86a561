// One worker of "빌드 분석": its own instance of the analyses' core over the shipped catalogue.
// The page posts it builds as bytes and a request; it answers with the core's page of tables,
// ready to draw. Requests are answered one at a time, in the order they came.
//
//   {id, kind, args} → {id, answer} or {id, error}

import createAnalyst from "./brakefell_analyst.mjs";

const kCatalogueName = "Gloamstalker007.txt";

const analyst = (async () => {
  const [core, catalogue] = await Promise.all([createAnalyst(), fetch(kCatalogueName)]);
  if (!catalogue.ok) throw new Error(`${kCatalogueName}: ${catalogue.status}`);
  return new core.Analyst(new Uint8Array(await catalogue.arrayBuffer()));
})();

// What each request asks of the analyst, by its kind.
const kRequests = {
  words: (a) => a.words(),
  statValues: (a, build, metric) => a.statValues(build, metric),
  compare: (a, build, base, metric) => a.compare(build, base, metric),
  history: (a, entries, build, metric, skipped) => a.history(entries, build, metric, skipped),
  prepareSearch: (a, build, metric, choices, top) =>
    a.prepareSearch(build, metric, choices.runes, choices.gems, choices.passives, top),
  computeRange: (a, begin, end) => a.computeRange(begin, end),
  takeFound: (a) => a.takeFound(),
  finishSearch: (a, ranges, cancelled) => a.finishSearch(ranges, cancelled),
  sweepBoxes: (a) => a.sweepBoxes(),
  sweep: (a, build, base, metric, name, range) => a.sweep(build, base, metric, name, range),
};

let queue = Promise.resolve();
self.onmessage = ({ data: { id, kind, args } }) => {
  queue = queue.then(async () => {
    try {
      const answer = kRequests[kind](await analyst, ...args);
      self.postMessage({ id, answer });
    } catch (error) {
      self.postMessage({ id, error: String(error?.message ?? error) });
    }
  });
};
