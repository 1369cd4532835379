// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Times the web page's nec2c under Node.js: compiling nec2c.wasm, starting
// an instance (the cost each deck pays, as each runs in a fresh one), and
// each deck run ROUNDS times (wall and processor time of the one thread).
// Not a test: the figures of the README's web section.
//   node time_nec2c.mjs SITE ROUNDS DECK...

import { readFileSync } from 'node:fs';
import { basename, join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [site, rounds, ...decks] = process.argv.slice(2);
const siteUrl = pathToFileURL(join(site, '/'));
const { runDeck } = await import(new URL('nec2c-run.js', siteUrl));
const { default: createNec2c } = await import(new URL('nec2c.js', siteUrl));

const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => value.toFixed(1);

let start = performance.now();
const module = await WebAssembly.compile(readFileSync(join(site, 'nec2c.wasm')));
console.log(`compile nec2c.wasm: ${ms(performance.now() - start)} ms`);

const starts = [];
for (let i = 0; i < 200; ++i) {
    start = performance.now();
    await createNec2c({
        noInitialRun: true,
        instantiateWasm: (imports, done) => {
            WebAssembly.instantiate(module, imports).then((instance) => done(instance));
            return {};
        },
    });
    starts.push(performance.now() - start);
}
console.log(`start an instance: median ${ms(median(starts))} ms of 200`);

for (const deck of decks) {
    const text = readFileSync(deck, 'utf8');
    for (let round = 1; round <= Number(rounds); ++round) {
        const wall = performance.now(), cpu = process.cpuUsage();
        const { status } = await runDeck(module, text);
        const used = process.cpuUsage(cpu);
        console.log(`${basename(deck)} round ${round}: status ${status}, ` +
                    `${ms(performance.now() - wall)} ms wall, ` +
                    `${ms((used.user + used.system) / 1000)} ms processor`);
    }
}
