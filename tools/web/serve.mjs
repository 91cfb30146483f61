// A static web server for the site on a free port of 127.0.0.1, as a
// plain host would serve it: the right types, and the gzip or brotli copy
// where the browser takes it. The browser tests and the benchmark serve
// the site with it; on its own it serves a folder and prints its address:
//   node tools/web/serve.mjs build-web/dist
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
    '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
    '.png': 'image/png', '.txt': 'text/plain; charset=utf-8',
};

export async function serve(root) {
    const sent = [];  // every path asked for, for the benchmark's sizes
    const server = createServer(async (request, response) => {
        let path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
        if (path.endsWith('/'))
            path += 'index.html';
        const type = TYPES[extname(path)];
        const accepted = request.headers['accept-encoding'] || '';
        for (const [encoding, suffix] of [['br', '.br'], ['gzip', '.gz'], [null, '']]) {
            if (encoding && !accepted.includes(encoding))
                continue;
            try {
                const body = await readFile(join(root, path + suffix));
                const headers = { 'Content-Type': type || 'application/octet-stream', 'Cache-Control': 'no-cache' };
                if (encoding)
                    headers['Content-Encoding'] = encoding;
                sent.push({ path, encoding, bytes: body.length });
                response.writeHead(200, headers);
                response.end(body);
                return;
            } catch {
                // no such copy: the next one
            }
        }
        response.writeHead(404);
        response.end();
    });
    const sockets = new Set();
    server.on('connection', (socket) => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        origin: `http://127.0.0.1:${server.address().port}`,
        sent,
        // Stops at once, open connections included: the network is gone.
        stop: () => new Promise((resolve) => {
            server.close(resolve);
            for (const socket of sockets)
                socket.destroy();
        }),
    };
}

// On its own: until it is stopped or its standard input ends (the test
// that started it has gone).
if (process.argv[1] === fileURLToPath(import.meta.url)) {
    console.log((await serve(process.argv[2])).origin);
    process.stdin.on('end', () => process.exit(0)).resume();
}
