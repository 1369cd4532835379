// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web page's folder served on 127.0.0.1 as any static web server serves
// it (GET and HEAD, a type for each ending, nothing else), for the browser
// test and the benchmark. It counts what it served.
//   const server = await serveSite(folder); ... server.url ... server.close()

import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
    '.bmp': 'image/bmp',
    '.txt': 'text/plain; charset=utf-8',
};

export async function serveSite(folder) {
    const root = normalize(folder + sep);
    const served = [];
    const server = createServer((request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        let file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
        if (!file.startsWith(root) || !['GET', 'HEAD'].includes(request.method)) {
            response.writeHead(404).end();
            return;
        }
        try {
            if (statSync(file).isDirectory())
                file = join(file, 'index.html');
            const size = statSync(file).size;
            served.push(path);
            response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
                                      'Content-Length': size });
            if (request.method === 'HEAD')
                response.end();
            else
                createReadStream(file).pipe(response);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        served,
        close: () => new Promise((resolve) => {
            server.closeAllConnections?.();
            server.close(resolve);
        }),
    };
}

// Debian's Chromium as the tests and the benchmark run it: headless, as
// root, with a fresh profile (Playwright makes one) and nothing fetched
// from elsewhere.
export const chromiumOptions = {
    executablePath: process.env.DISCONE_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
};
