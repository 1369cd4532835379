// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web page's speed and size, for the README: in Debian's headless
// Chromium, from loading the page on localhost to its frequency box taking
// typing and to its calculator answering; from pressing Predicted SWR… to
// the complete default SWR curve (146 MHz, centimetres, 16 rods of 2 mm,
// 101 frequencies) drawn, against `discone --cm 146 --swr` run in the same
// run; the longest the page's thread was busy meanwhile; and the folder's
// size, each file compressed with gzip -9.
//   node bench/web_page.mjs SITE NATIVE_BUILD [ROUNDS]
// playwright-core comes from tests/web (scripts/install-deps web).

import { execFileSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync, statSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const tests = new URL('../tests/web/', import.meta.url);
const { chromium } = createRequire(new URL('package.json', tests))('playwright-core');
const { chromiumOptions, serveSite } = await import(new URL('site_server.mjs', tests));

const [site, native, roundsText = '7'] = process.argv.slice(2);
const rounds = Number(roundsText);
const discone = ['app/discone', 'ui/discone'].map((p) => join(native, p)).find(existsSync);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const range = (values) => `median ${median(values).toFixed(0)} ms, ${Math.min(...values).toFixed(0)} ` +
                          `to ${Math.max(...values).toFixed(0)} ms`;

function files(folder) {
    return readdirSync(folder).flatMap((name) => {
        const path = join(folder, name);
        return statSync(path).isDirectory() ? files(path) : [path];
    });
}

let raw = 0, packed = 0;
for (const file of files(site)) {
    const bytes = readFileSync(file);
    raw += bytes.length;
    packed += gzipSync(bytes, { level: 9 }).length;
}
console.log(`folder: ${(raw / 1024).toFixed(0)} KiB, ${(packed / 1024).toFixed(0)} KiB with gzip -9`);

const server = await serveSite(site);
const browser = await chromium.launch(chromiumOptions);
const cli = [], typing = [], answering = [], predicting = [], busiest = [];
try {
    for (let round = 0; round < rounds; ++round) {
        let start = performance.now();
        execFileSync(discone, ['--cm', '146', '--swr'], { stdio: 'ignore' });
        cli.push(performance.now() - start);

        const context = await browser.newContext({ locale: 'en-US' });
        const page = await context.newPage();
        await page.goto(server.url, { waitUntil: 'commit' });
        await page.waitForSelector('#frequency:not([disabled])');
        const times = await page.evaluate(() => new Promise((resolve) => {
            const typed = performance.now();
            const check = () => {
                if (document.documentElement.dataset.ready)
                    resolve({ typed, ready: performance.now() });
                else
                    setTimeout(check, 2);
            };
            check();
        }));
        typing.push(times.typed);
        answering.push(times.ready);
        await page.fill('#frequency', '146');
        await page.click('#centimetres');
        // The workers start while the user reads the results.
        await page.waitForTimeout(1000);
        const result = await page.evaluate(() => new Promise((resolve) => {
            let longest = 0;
            const observer = new PerformanceObserver((list) => {
                for (const entry of list.getEntries())
                    longest = Math.max(longest, entry.duration);
            });
            observer.observe({ type: 'longtask' });
            const status = document.getElementById('prediction-status');
            const begin = performance.now();
            new MutationObserver(() => {
                if (status.textContent.startsWith('Predicted for'))
                    requestAnimationFrame(() => {
                        observer.disconnect();
                        resolve({ ms: performance.now() - begin, longest });
                    });
            }).observe(status, { childList: true, characterData: true, subtree: true });
            document.getElementById('predict-button').click();
        }));
        predicting.push(result.ms);
        busiest.push(result.longest);
        await context.close();
    }
} finally {
    await browser.close();
    await server.close();
}
console.log(`page load to the frequency box taking typing: ${range(typing)}`);
console.log(`page load to the calculator answering: ${range(answering)}`);
console.log(`discone --cm 146 --swr: ${range(cli)}`);
console.log(`Predicted SWR… to the complete default curve: ${range(predicting)} ` +
            `(${(median(predicting) / median(cli)).toFixed(2)} × the command line)`);
console.log(`longest task on the page's thread meanwhile: ${range(busiest)}`);
