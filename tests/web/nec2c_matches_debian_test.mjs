// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web page's nec2c, compiled to WebAssembly, gives the impedances
// Debian's nec2c gives for decks the program prints (--nec): at every
// frequency of the deck's FR card, within 1e-9 of each other. Each deck runs
// through the page's engine (its pool, its worker script and nec2c-run.js,
// in Node threads) while Debian's nec2c runs it too.
//   node nec2c_matches_debian_test.mjs SITE NEC2C DECK...

import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { after, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { promisify } from 'node:util';
import { ThreadWorker } from './thread-worker.mjs';

const [site, nec2c, ...decks] = process.argv.slice(2);
const siteUrl = pathToFileURL(join(site, '/'));
const { Engine } = await import(new URL('engine.js', siteUrl));
const engine = new Engine({
    size: 2,
    makeWorker: () => new ThreadWorker(new URL('engine-worker.js', siteUrl)),
    wasm: WebAssembly.compile(readFileSync(join(site, 'nec2c.wasm'))),
});
after(() => engine.close());

// The frequencies in MHz the deck's FR card asks for (FR IFRQ NFRQ 0 0 FMHZ
// DELFRQ): NFRQ of them from FMHZ, DELFRQ added each step, or multiplied
// where IFRQ is 1.
function frequencies(deck) {
    const card = deck.split('\n').find((line) => line.startsWith('FR '));
    const [, ifrq, nfrq, , , fmhz, step] = card.trim().split(/\s+/).map(Number);
    const at = (k) => (ifrq === 1 ? fmhz * step ** k : fmhz + k * step);
    return Array.from({ length: nfrq }, (_, k) => at(k));
}

// Every input impedance of nec2c's output, { mhz, r, x }: the latest
// "FREQUENCY :" line, and the impedance columns of the one source's row,
// three lines under the "ANTENNA INPUT PARAMETERS" heading.
function impedances(output) {
    const lines = output.split('\n');
    const found = [];
    let mhz = NaN;
    lines.forEach((line, i) => {
        const frequency = /FREQUENCY :\s*(\S+)\s*MHz/.exec(line);
        if (frequency)
            mhz = Number(frequency[1]);
        if (line.includes('ANTENNA INPUT PARAMETERS')) {
            const row = lines[i + 3].trim().split(/\s+/).map(Number);
            found.push({ mhz, r: row[6], x: row[7] });
        }
    });
    return found;
}

function near(value, expected, tolerance, what) {
    const scale = Math.max(Math.abs(value), Math.abs(expected));
    assert.ok(Number.isFinite(value) && Math.abs(value - expected) <= tolerance * scale,
              `${what}: ${value} against ${expected}`);
}

// Debian's nec2c in a folder of its own, with short names: it takes file
// names of at most 75 characters.
async function debian(deckFile) {
    const folder = mkdtempSync(join(tmpdir(), 'discone-nec2c-'));
    try {
        copyFileSync(deckFile, join(folder, 'deck.nec'));
        await promisify(execFile)(nec2c, ['-i', 'deck.nec', '-o', 'deck.out'], { cwd: folder });
        return readFileSync(join(folder, 'deck.out'), 'utf8');
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
}

for (const deckFile of decks) {
    test(basename(deckFile), async () => {
        const deck = readFileSync(deckFile, 'utf8');
        const [[wasm], reference] = await Promise.all([engine.run([deck]), debian(deckFile)]);
        assert.ok('output' in wasm, wasm.error);
        const expected = impedances(reference), got = impedances(wasm.output);
        const asked = frequencies(deck);
        assert.equal(expected.length, asked.length, "Debian's nec2c: impedances");
        assert.equal(got.length, asked.length, 'WebAssembly nec2c: impedances');
        asked.forEach((mhz, k) => {
            // Printed with five digits.
            near(expected[k].mhz, mhz, 1e-4, `Debian's frequency ${k}`);
            near(got[k].mhz, mhz, 1e-4, `WebAssembly frequency ${k}`);
            near(got[k].r, expected[k].r, 1e-9, `resistance at ${mhz} MHz`);
            near(got[k].x, expected[k].x, 1e-9, `reactance at ${mhz} MHz`);
        });
    });
}
