// A static server on the loopback interface for the built site, with the types a browser needs
// to run WebAssembly and ES modules.
import { createReadStream, statSync } from "node:fs";
import http from "node:http";
import path from "node:path";

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".woff2": "font/woff2",
  ".svg": "image/svg+xml",
  ".txt": "text/plain; charset=cp949",
};

// Serves `root`; resolves to { url, close() }.
export function serve(folder, port = 0) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const pathname = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    const file = path.join(root, pathname.endsWith("/") ? `${pathname}index.html` : pathname);
    if (file !== root && !file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    let size;
    try {
      const stat = statSync(file);
      if (!stat.isFile()) throw new Error("not a file");
      size = stat.size;
    } catch {
      response.writeHead(404, { "content-type": "text/plain" }).end("not found");
      return;
    }
    response.writeHead(200, {
      "content-type": kTypes[path.extname(file)] ?? "application/octet-stream",
      "content-length": size,
      "cache-control": "no-cache",
    });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(port, "127.0.0.1", () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        // Browsers keep idle connections open; closing waits for none of them.
        close: () =>
          new Promise((done) => {
            server.close(done);
            server.closeAllConnections();
          }),
      });
    });
  });
}

// As a program: serves the built site on the loopback interface until stopped.
//   node web/tools/serve.mjs [SITE_FOLDER] [PORT]
if (import.meta.url === `file://${process.argv[1]}`) {
  const { url } = await serve(process.argv[2] ?? "build/web/site", Number(process.argv[3] ?? 8080));
  console.log(`The calculator is at ${url} (Ctrl+C stops it).`);
}
