// Runs the ports' contract (port_contract_test.cpp, built for node) against the page's host: it
// hands the program host.js's PageHost and a browser-like storage that can be made full.
//
//   node page_ports.mjs page_ports_tests.js [gtest options]     (BRAKEFELL_SITE: the built site)
import { createRequire } from "node:module";
import path from "node:path";
import { pathToFileURL } from "node:url";

// localStorage as a browser keeps it: strings under keys, within a quota counted in characters.
// Made full, it takes no more characters than it holds and says so as browsers do.
class QuotaStorage {
  constructor() {
    this.items = new Map();
    this.quota = Infinity;
  }
  get length() { return this.items.size; }
  key(index) { return [...this.items.keys()][index] ?? null; }
  getItem(key) { return this.items.get(key) ?? null; }
  removeItem(key) { this.items.delete(key); }
  used() {
    let size = 0;
    for (const [key, value] of this.items) size += key.length + value.length;
    return size;
  }
  setItem(key, value) {
    const before = this.items.has(key) ? key.length + this.items.get(key).length : 0;
    if (this.used() - before + key.length + value.length > this.quota) {
      throw new DOMException("the quota has been exceeded", "QuotaExceededError");
    }
    this.items.set(key, String(value));
  }
  setFull(full) { this.quota = full ? this.used() : Infinity; }
}

const site = process.env.BRAKEFELL_SITE;
if (!site) throw new Error("BRAKEFELL_SITE names the built site (build/web/site)");
const { PageHost } = await import(pathToFileURL(path.join(site, "host.js")).href);
globalThis.PageHost = PageHost;
globalThis.QuotaStorage = QuotaStorage;

// The program reads its options after its own name, as when node runs it directly.
const program = path.resolve(process.argv[2]);
process.argv.splice(1, 2, program);
createRequire(import.meta.url)(program); // runs the tests and ends the process with their status
