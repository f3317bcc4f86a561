// What the calculator's core asks of the page it runs in: a place for files, compression, the
// time, and a person to tell things to. The core is the same C++ as the desktop's; only these
// few services differ, and they hold no rule of the calculator.
//
// Files live in memory under plain paths. Those the core writes (the last run's inputs) are kept
// in the browser's local storage too, so they are there on the next visit, and are read from it
// afresh, since another page of the site may have replaced them (the history of calculations);
// files the person opens are handed in for the one command that reads them.

import pako from "./vendor/pako.esm.mjs";

const kKeptPrefix = "brakefell:";

// Bytes as a string of char codes 0-255: local storage keeps strings only.
function bytesToLatin1(bytes) {
  let text = "";
  for (let at = 0; at < bytes.length; at += 0x8000) {
    text += String.fromCharCode.apply(null, bytes.subarray(at, at + 0x8000));
  }
  return text;
}

function latin1ToBytes(text) {
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) {
    bytes[i] = text.charCodeAt(i) & 0xff;
  }
  return bytes;
}

function parentOf(path) {
  const slash = path.lastIndexOf("/");
  return slash <= 0 ? "/" : path.slice(0, slash);
}

export class PageHost {
  // `keptFolder`: the folder whose files outlive the visit. `say(text)`: shows one sentence.
  constructor({ keptFolder, say, storage = globalThis.localStorage }) {
    this.files = new Map();
    this.lent = new Set();
    this.times = new Map();
    this.folders = new Set(["/"]);
    this.keptFolder = keptFolder;
    this.say = say;
    this.storage = storage;
    this.makeFolders(keptFolder);
    for (let i = 0; storage && i < storage.length; ++i) {
      const key = storage.key(i);
      if (key.startsWith(kKeptPrefix)) {
        this.files.set(key.slice(kKeptPrefix.length), latin1ToBytes(storage.getItem(key)));
      }
    }
  }

  // Puts a file in place without keeping it (the catalogue, a profile the person chose).
  lend(path, bytes) {
    this.makeFolders(parentOf(path));
    this.files.set(path, bytes);
    this.lent.add(path);
  }

  forget(path) {
    this.files.delete(path);
    this.lent.delete(path);
  }

  // Whether a key of the browser's storage holds one of the kept files.
  keeps(key) {
    return key.startsWith(kKeptPrefix);
  }

  // A kept file as the browser holds it now.
  fresh(path) {
    if (!this.storage || parentOf(path) !== this.keptFolder || this.lent.has(path)) return;
    let text;
    try {
      text = this.storage.getItem(kKeptPrefix + path);
    } catch {
      return; // storage switched off since: what is in memory stands
    }
    if (text === null) this.files.delete(path);
    else this.files.set(path, latin1ToBytes(text));
  }

  // ---- Storage ----
  read(path, limit) {
    this.fresh(path);
    const bytes = this.files.get(path);
    if (bytes === undefined) {
      return null;
    }
    return { bytes: bytes.subarray(0, limit), whole: bytes.length <= limit };
  }

  replace(path, bytes) {
    if (!this.folders.has(parentOf(path)) || this.folders.has(path)) {
      return "notOpened";
    }
    const copy = new Uint8Array(bytes);
    if (parentOf(path) === this.keptFolder && this.storage) {
      try {
        this.storage.setItem(kKeptPrefix + path, bytesToLatin1(copy));
      } catch {
        return "writeFailed"; // the browser's storage is full or switched off
      }
    }
    this.files.set(path, copy);
    this.times.set(path, Date.now());
    return "done";
  }

  list(folder) {
    const prefix = folder.endsWith("/") ? folder : folder + "/";
    const names = new Set();
    for (const path of [...this.files.keys(), ...this.folders]) {
      if (path.startsWith(prefix) && path.length > prefix.length) {
        names.add(path.slice(prefix.length).split("/")[0]);
      }
    }
    return [...names];
  }

  modified(path) {
    return this.files.has(path) ? (this.times.get(path) ?? 0) : null;
  }

  kind(path) {
    this.fresh(path);
    if (this.files.has(path)) return "file";
    if (this.folders.has(path)) return "folder";
    return "none";
  }

  rename(from, to) {
    const bytes = this.files.get(from);
    if (bytes === undefined || this.replace(to, bytes) !== "done") {
      return false;
    }
    this.files.delete(from);
    if (this.storage) this.storage.removeItem(kKeptPrefix + from);
    return true;
  }

  makeFolders(path) {
    for (let at = path; at && at !== "/"; at = parentOf(at)) {
      if (this.files.has(at)) return false;
      this.folders.add(at);
    }
    return true;
  }

  // ---- Compression: zlib streams, as the desktop's share codes hold them ----
  compress(bytes) {
    return pako.deflate(bytes, { level: 9 });
  }

  // One whole zlib stream and nothing after it, no larger than `limit`; null otherwise.
  expand(bytes, limit) {
    // windowBits given: a zlib stream only, never a gzip member.
    const inflator = new pako.Inflate({ windowBits: 15, chunkSize: 16 * 1024 });
    const chunks = [];
    let size = 0;
    const tooLarge = new Error("larger than the limit");
    inflator.onData = (chunk) => {
      size += chunk.length;
      if (size > limit) {
        throw tooLarge; // stops a small code that claims a huge profile at once
      }
      chunks.push(chunk);
    };
    try {
      inflator.push(bytes, true);
    } catch (error) {
      if (error === tooLarge) return null;
      throw error;
    }
    const whole = inflator.ended && inflator.err === 0 && inflator.strm.avail_in === 0;
    if (!whole) {
      return null;
    }
    const expanded = new Uint8Array(size);
    let at = 0;
    for (const chunk of chunks) {
      expanded.set(chunk, at);
      at += chunk.length;
    }
    return expanded;
  }

  // ---- Clock ----
  now() {
    return Date.now();
  }

  // ---- The person ----
  showMessage(sentence) {
    this.say(sentence);
  }

  // The page chooses files with its own controls before it asks the core to read them.
  chooseFileToOpen() {
    return null;
  }

  chooseFileToSave() {
    return null;
  }
}
