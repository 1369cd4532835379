// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's NEC-2 engine: nec2c in a pool of Web Workers (engine-worker.js),
// text in, text out. A run is a list of decks; each deck's output text, or an
// error message, is reported as it finishes, with at most one deck per
// worker and at most `size` workers. Cancelling a run terminates the workers
// busy with it and starts fresh ones in their place, so nothing of it goes
// on, while the decks of other runs carry on.
//
//   const engine = new Engine();
//   const results = await engine.run(decks, { onResult, signal });
//   // results[i] is { output } or { error }, in the decks' order

// nec2c.wasm, from beside this file, compiled once for every worker.
async function compileNec2c() {
    const url = new URL('./nec2c.wasm', import.meta.url);
    const response = await fetch(url);
    if (!response.ok)
        throw new Error(`${url.pathname} could not be loaded (HTTP ${response.status})`);
    return WebAssembly.compile(await response.arrayBuffer());
}

function moduleWorker() {
    return new Worker(new URL('./engine-worker.js', import.meta.url), { type: 'module' });
}

function cancelled(signal) {
    return signal.reason ?? new DOMException('The run was cancelled', 'AbortError');
}

export class Engine {
    #size;
    #makeWorker;
    #wasm;
    #slots = []; // { worker, job }, job null while the worker waits
    #queue = []; // { run, index, deck } not yet handed to a worker
    #lastId = 0;

    // size: the most decks at once (the processor's threads); makeWorker: a
    // function returning a new Worker (for tests); wasm: a compiled
    // WebAssembly.Module of nec2c.wasm, or a promise of one.
    constructor({ size, makeWorker = moduleWorker, wasm } = {}) {
        this.#size = Math.max(1, size ?? globalThis.navigator?.hardwareConcurrency ?? 1);
        this.#makeWorker = makeWorker;
        this.#wasm = wasm;
    }

    get size() {
        return this.#size;
    }

    // Compiles nec2c and starts every worker ahead of the first run, so that
    // the first prediction does not wait for them.
    prepare() {
        const wasm = (this.#wasm ??= compileNec2c());
        Promise.resolve(wasm).catch(() => {
            // The first run tries again.
            if (this.#wasm === wasm)
                this.#wasm = undefined;
        });
        while (this.#slots.length < this.#size) {
            const slot = { worker: null, job: null };
            try {
                this.#start(slot);
            } catch {
                return;
            }
            this.#slots.push(slot);
        }
    }

    // Runs every deck (a string). onResult(index, result) is called as each
    // finishes, result being { output } or { error }. Resolves to every
    // result in the decks' order; once `signal` aborts, rejects with its
    // reason and reports nothing more.
    run(decks, { onResult = () => {}, signal } = {}) {
        return new Promise((resolve, reject) => {
            if (signal?.aborted)
                return reject(cancelled(signal));
            if (decks.length === 0)
                return resolve([]);
            const run = { results: [], left: decks.length, onResult, resolve, reject, over: false };
            decks.forEach((deck, index) => this.#queue.push({ run, index, deck: String(deck) }));
            signal?.addEventListener('abort', () => this.#cancel(run, cancelled(signal)), {
                once: true,
            });
            this.#dispatch();
        });
    }

    // Stops every run and every worker; the engine can be used again.
    close() {
        const jobs = [...this.#queue, ...this.#slots.map((slot) => slot.job)];
        const runs = new Set(jobs.map((job) => job?.run));
        for (const slot of this.#slots)
            slot.worker.terminate();
        this.#slots = [];
        this.#queue = [];
        for (const run of runs) {
            if (run && !run.over) {
                run.over = true;
                run.reject(new DOMException('The engine was closed', 'AbortError'));
            }
        }
    }

    #dispatch() {
        while (this.#queue.length > 0) {
            let slot = this.#slots.find((s) => s.job === null);
            if (!slot) {
                if (this.#slots.length >= this.#size)
                    return;
                slot = { worker: null, job: null };
                try {
                    this.#start(slot);
                } catch (e) {
                    // No worker at all (a policy forbids it, say): the deck fails.
                    const error = `the engine's worker could not be started: ${e.message}`;
                    this.#report(this.#queue.shift(), { error });
                    continue;
                }
                this.#slots.push(slot);
            }
            const job = this.#queue.shift();
            job.id = ++this.#lastId;
            slot.job = job;
            const wasm = (this.#wasm ??= compileNec2c());
            Promise.resolve(wasm).then(
                (module) => {
                    if (slot.job === job)
                        slot.worker.postMessage({ id: job.id, deck: job.deck, module });
                },
                (e) => {
                    // The next run tries again (the first visit may be offline).
                    if (this.#wasm === wasm)
                        this.#wasm = undefined;
                    const error = `nec2c could not be loaded: ${e.message}`;
                    this.#finish(slot, job.id, { error });
                },
            );
        }
    }

    // A fresh worker for the slot.
    #start(slot) {
        const worker = this.#makeWorker();
        slot.worker = worker;
        worker.addEventListener('message', ({ data }) => {
            if (slot.worker === worker)
                this.#finish(slot, data.id,
                             'output' in data ? { output: data.output } : { error: data.error });
        });
        // A worker that fails outside a deck (its script did not load, say)
        // fails the deck it holds and is replaced.
        worker.addEventListener('error', (event) => {
            event.preventDefault?.();
            if (slot.worker !== worker)
                return;
            const job = slot.job;
            const error = `the engine's worker failed: ${event.message || 'no reason given'}`;
            this.#restart(slot);
            if (job)
                this.#report(job, { error });
            this.#dispatch();
        });
    }

    #restart(slot) {
        slot.worker.terminate();
        slot.job = null;
        try {
            this.#start(slot);
        } catch {
            // The next deck tries again, and fails if no worker can start.
            this.#slots = this.#slots.filter((s) => s !== slot);
        }
    }

    #finish(slot, id, result) {
        const job = slot.job;
        if (!job || job.id !== id)
            return;
        slot.job = null;
        try {
            this.#report(job, result);
        } finally {
            this.#dispatch();
        }
    }

    #report({ run, index }, result) {
        if (run.over)
            return;
        run.results[index] = result;
        if (--run.left === 0) {
            run.over = true;
            run.resolve(run.results);
        }
        run.onResult(index, result);
    }

    #cancel(run, reason) {
        if (run.over)
            return;
        run.over = true;
        this.#queue = this.#queue.filter((job) => job.run !== run);
        for (const slot of this.#slots)
            if (slot.job?.run === run)
                this.#restart(slot);
        run.reject(reason);
        this.#dispatch();
    }
}
