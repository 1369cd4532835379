// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Cancelling a run of the web page's engine: the workers busy with it are
// terminated (their threads end though their decks never would), the run's
// decks not yet started are never handed out, nothing more is reported for
// it, fresh workers take the place of the old, and other runs carry on. The
// workers are stand-ins (stand-in-worker.mjs) in Node threads.
//   node engine_cancel_test.mjs SITE

import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';
import { setTimeout as delay } from 'node:timers/promises';
import { pathToFileURL } from 'node:url';
import { ThreadWorker } from './thread-worker.mjs';

const site = pathToFileURL(join(process.argv[2], '/'));
const { Engine } = await import(new URL('engine.js', site));
const standIn = new URL('stand-in-worker.mjs', import.meta.url);

// An engine of `size` stand-in workers; `made` lists every worker it made.
function standInEngine(size) {
    const made = [];
    const engine = new Engine({
        size,
        wasm: {},
        makeWorker: () => made.push(new ThreadWorker(standIn)) && made.at(-1),
    });
    return { engine, made };
}

async function until(condition, what) {
    for (const start = Date.now(); !condition(); await delay(10))
        assert.ok(Date.now() - start < 5000, `timed out waiting until ${what}`);
}

function within(promise, what) {
    const timeout = delay(5000, null, { ref: false }).then(() => assert.fail(`timed out: ${what}`));
    return Promise.race([promise, timeout]);
}

const decksHandedOut = (made) => made.flatMap((w) => w.posted.map((m) => m.deck)).sort();

const cases = [
    {
        tag: 'stops-its-workers-and-drops-its-queue',
        run: async () => {
            const { engine, made } = standInEngine(2);
            const stop = new AbortController();
            const reported = [];
            const onResult = (i) => reported.push(i);
            const cancelled =
                engine.run(['spin', 'spin', 'echo a', 'echo b'], { signal: stop.signal, onResult });
            await until(() => made.length === 2 && made.every((w) => w.posted.length === 1),
                        'both workers hold a deck');
            const busy = [...made];
            stop.abort();
            await assert.rejects(cancelled, { name: 'AbortError' });
            await within(Promise.all(busy.map((w) => w.ended)), 'the busy threads end');
            assert.equal(made.length, 4, 'two fresh workers');

            const next = [];
            const results = await engine.run(['echo c', 'echo d', 'echo e'],
                                             { onResult: (i) => next.push(i) });
            assert.deepEqual(results, [{ output: 'c' }, { output: 'd' }, { output: 'e' }]);
            assert.deepEqual(next.sort(), [0, 1, 2]);
            assert.deepEqual(reported, []);
            assert.equal(made.length, 4, 'no more workers than two');
            assert.deepEqual(decksHandedOut(made), ['echo c', 'echo d', 'echo e', 'spin', 'spin']);
            engine.close();
        },
    },
    {
        tag: 'leaves-other-runs-alone',
        run: async () => {
            const { engine, made } = standInEngine(2);
            const stop = new AbortController();
            const cancelled = engine.run(['spin'], { signal: stop.signal });
            const other = engine.run(['sleep 300 y']);
            await until(() => made.length === 2 && made.every((w) => w.posted.length === 1),
                        'both workers hold a deck');
            const [spinning, sleeping] = made;
            stop.abort();
            await assert.rejects(cancelled, { name: 'AbortError' });
            assert.deepEqual(await within(other, 'the other run'), [{ output: 'y' }]);
            await within(spinning.ended, 'the cancelled run\'s thread ends');
            const state = await Promise.race([sleeping.ended.then(() => 'ended'),
                                              delay(50).then(() => 'running')]);
            assert.equal(state, 'running', "the other run's worker");
            assert.equal(made.length, 3, 'one fresh worker');
            engine.close();
        },
    },
];

for (const { tag, run } of cases)
    test(tag, run);
