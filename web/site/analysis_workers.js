// The workers of "빌드 분석". One follows the inputs (스탯 가치, 비교): while it is busy only the
// newest request waits, and an answer is shown only if the inputs have not changed since it was
// asked. The optimiser splits its search over as many workers as the machine has cores (one to
// eight): each computes ranges of combinations as they are handed out, and one merges what all
// found, so the ranking is the same whatever the number of workers.

const kMostSearchers = 8;
// Combinations a worker computes between two looks at "취소": a few milliseconds of work.
const kRangeSize = 512;

export class AnalysisWorker {
  constructor() {
    this.worker = new Worker(new URL("./analysis_worker.js", import.meta.url), { type: "module" });
    this.waiting = new Map();
    this.nextId = 1;
    this.worker.onmessage = ({ data }) => {
      const waiting = this.waiting.get(data.id);
      this.waiting.delete(data.id);
      if (data.error !== undefined) waiting.reject(new Error(data.error));
      else waiting.resolve(data.answer);
    };
    this.worker.onerror = (event) => {
      for (const waiting of this.waiting.values()) waiting.reject(new Error(event.message));
      this.waiting.clear();
    };
  }

  ask(kind, ...args) {
    const id = this.nextId++;
    return new Promise((resolve, reject) => {
      this.waiting.set(id, { resolve, reject });
      this.worker.postMessage({ id, kind, args });
    });
  }

  terminate() {
    this.worker.terminate();
  }
}

// The worker that follows the inputs. `ask(request)` resolves to the answer of the newest request
// only: one asked while another runs replaces any that waits; an older one resolves to null.
export class FollowingWorker {
  constructor(worker) {
    this.worker = worker;
    this.running = null;
    this.waiting = null;
  }

  ask(kind, ...args) {
    return new Promise((resolve, reject) => {
      this.waiting?.resolve(null);
      this.waiting = { kind, args, resolve, reject };
      if (!this.running) this.runNext();
    });
  }

  async runNext() {
    const request = this.waiting;
    this.waiting = null;
    if (!request) return;
    this.running = request;
    try {
      const answer = await this.worker.ask(request.kind, ...request.args);
      request.resolve(this.waiting ? null : answer);
    } catch (error) {
      request.reject(error);
    } finally {
      this.running = null;
      this.runNext();
    }
  }
}

export function searcherCount() {
  return Math.min(kMostSearchers, Math.max(1, navigator.hardwareConcurrency || 1));
}

// One search over `workers`: prepares each with the build, hands out ranges until none is left or
// `cancelled()`, then has the first merge what every worker found. `progress(done, total)` after
// each range; `announce(prepared)` once the size is known. Resolves to the first worker's answer
// to finishSearch, or to the prepared answer when there is nothing to search.
export async function runSearch(workers, { build, metric, choices, top, cancelled, progress, announce }) {
  const prepared = await Promise.all(workers.map((worker) => worker.ask("prepareSearch", build, metric, choices, top)));
  const { total } = prepared[0];
  if (!total) return { prepared: prepared[0], result: null };
  announce?.(prepared[0]);
  let next = 0;
  let done = 0;
  await Promise.all(workers.map(async (worker) => {
    while (next < total && !cancelled()) {
      const begin = next;
      const end = Math.min(total, begin + kRangeSize);
      next = end;
      await worker.ask("computeRange", begin, end);
      done += end - begin;
      progress?.(Math.min(done, total), total);
    }
  }));
  const found = await Promise.all(workers.map((worker) => worker.ask("takeFound")));
  const result = await workers[0].ask("finishSearch", found, done < total);
  return { prepared: prepared[0], result };
}
