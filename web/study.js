// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The project's C++ in the page (discone.js and discone.wasm, built from
// web/cpp/ with calc, nec and study): the calculator, the study and every
// text for people, with the browser language's separators. The study's
// NEC-2 runs go to the engine's workers (engine.js) through the pool
// below, which the C++ engine (cpp/poolengine.cpp) calls as Module.discone.
// One prediction, tuning or pattern runs at a time: a new prediction stops
// the one running and waits for it to end; a tuning or a pattern waits its
// turn. The other calls answer at once, also while one runs.
//
//   const study = await loadStudy(engine);
//   study.calculate('inches', '146')  // { results, design } or { error }
//   await study.predict({ wires, diameter, highest, points, reference, cable, length },
//                       onProgress)

import createDiscone from './discone.js';

// The prediction's fields, in the order the C functions take them.
const FIELDS = ['wires', 'diameter', 'highest', 'points', 'reference', 'cable', 'length'];

// The decimal and group separators of `language`, as Intl writes numbers.
export function separatorsOf(language) {
    const parts = new Intl.NumberFormat(language).formatToParts(12345.6);
    return {
        decimal: parts.find((p) => p.type === 'decimal')?.value ?? '.',
        group: parts.find((p) => p.type === 'group')?.value ?? ',',
    };
}

// The runs of the study's engine on the engine's pool: each a list of decks
// whose results are taken one by one as they finish.
class Pool {
    #engine;
    #runs = new Map();
    #last = 0;
    stopped = false; // the study under way was stopped: no run starts
    onProgress = () => {};

    constructor(engine) {
        this.#engine = engine;
    }

    start(decks) {
        if (this.stopped)
            return -1;
        const id = ++this.#last;
        const run = { done: [], waiting: null, outputs: new Map(), error: '',
                      stop: new AbortController() };
        this.#runs.set(id, run);
        const tell = (event) => {
            if (run.waiting) {
                const wake = run.waiting;
                run.waiting = null;
                wake(event);
            } else {
                run.done.push(event);
            }
        };
        this.#engine.run(decks, {
            signal: run.stop.signal,
            onResult: (index, result) => {
                if ('output' in result) {
                    run.outputs.set(index, result.output);
                    tell(index);
                } else if (!run.error) {
                    // The first failure ends the run.
                    run.error = result.error;
                    run.stop.abort();
                    tell(-2);
                }
            },
        }).catch(() => {
            if (!run.error)
                tell(-1);
        });
        return id;
    }

    next(id) {
        const run = this.#runs.get(id);
        if (!run)
            return Promise.resolve(-1);
        if (run.done.length > 0)
            return Promise.resolve(run.done.shift());
        return new Promise((resolve) => { run.waiting = resolve; });
    }

    take(id, index) {
        const run = this.#runs.get(id);
        if (!run)
            return '';
        if (index < 0)
            return run.error;
        const output = run.outputs.get(index) ?? '';
        run.outputs.delete(index);
        return output;
    }

    stop(id) {
        const run = this.#runs.get(id);
        this.#runs.delete(id);
        run?.stop.abort();
    }

    // Stops every run: each waiting study call wakes up cancelled.
    stopAll() {
        this.stopped = true;
        for (const id of [...this.#runs.keys()]) {
            const run = this.#runs.get(id);
            run.stop.abort();
            if (run.waiting) {
                const wake = run.waiting;
                run.waiting = null;
                wake(-1);
            }
        }
    }

    progress(done, total) {
        this.onProgress(done, total);
    }
}

export class Study {
    #module;
    #pool;
    #sep;
    #region;
    #busy = Promise.resolve();

    constructor(module, pool, language) {
        this.#module = module;
        this.#pool = pool;
        this.#sep = separatorsOf(language);
        this.#region = this.#call('discone_region', ['string'],
                                   [/-([A-Za-z]{2})\b/.exec(language)?.[1] ?? ''], 'number');
    }

    get separators() {
        return this.#sep;
    }

    // A C function that answers at once, called straight, not through
    // ccall: ccall would take an answer during a prediction's wait for the
    // prediction's. Strings go in on the heap, the answer comes back as text
    // (or a number).
    #call(name, types, args, returns = 'string') {
        const m = this.#module;
        const allocated = [];
        const values = args.map((value, i) => {
            if (types[i] !== 'string')
                return value;
            const size = m.lengthBytesUTF8(value) + 1;
            const at = m._malloc(size);
            m.stringToUTF8(value, at, size);
            allocated.push(at);
            return at;
        });
        try {
            const result = m['_' + name](...values);
            return returns === 'string' ? m.UTF8ToString(result) : result;
        } finally {
            allocated.forEach((at) => m._free(at));
        }
    }

    #json(name, types, args) {
        return JSON.parse(this.#call(name, [...types, 'string', 'string'],
                                     [...args, this.#sep.decimal, this.#sep.group]));
    }

    // unit: 'inches' or 'centimetres'.
    calculate(unit, text) {
        return this.#json('discone_calculate', ['number', 'string'],
                          [unit === 'inches' ? 0 : 1, text]);
    }

    settings() {
        return this.#json('discone_settings', [], []);
    }

    running(highest) {
        return this.#call('discone_running', ['string', 'string', 'string'],
                          [highest, this.#sep.decimal, this.#sep.group]);
    }

    // One study call at a time: the one under way is stopped first, unless
    // this one waits for its end.
    async #exclusive(name, types, args, onProgress, waits = false) {
        if (!waits)
            this.#pool.stopAll();
        const before = this.#busy;
        let finish;
        this.#busy = new Promise((resolve) => { finish = resolve; });
        await before;
        this.#pool.stopped = false;
        this.#pool.onProgress = onProgress ?? (() => {});
        try {
            const text = await this.#module.ccall(
                name, 'string', [...types, 'string', 'string'],
                [...args, this.#sep.decimal, this.#sep.group], { async: true });
            return JSON.parse(text);
        } finally {
            this.#pool.onProgress = () => {};
            finish();
        }
    }

    // fields: { wires, diameter, highest, points, reference, cable, length } as
    // typed and chosen; cable is a cable's id, or empty for none.
    predict(fields, onProgress) {
        return this.#exclusive('discone_predict', [...FIELDS.map(() => 'string'), 'number'],
                               [...FIELDS.map((k) => fields[k]), this.#region], onProgress);
    }

    tune(onProgress) {
        return this.#exclusive('discone_tune', [], [], onProgress, true);
    }

    // The elevation pattern at `at` as typed (empty: the design frequency).
    pattern(at, fields, onProgress) {
        return this.#exclusive('discone_pattern', ['string', ...FIELDS.map(() => 'string')],
                               [at, ...FIELDS.map((k) => fields[k])], onProgress, true);
    }

    // The pattern field's text for a frequency chosen on the SWR chart.
    patternAt(mhz) {
        return this.#call('discone_pattern_at', ['number', 'string', 'string'],
                          [mhz, this.#sep.decimal, this.#sep.group]);
    }

    // Stops the prediction or tuning under way; it answers { cancelled }.
    cancel() {
        this.#pool.stopAll();
    }

    view() {
        return this.#json('discone_view', ['number'], [this.#region]);
    }

    table() {
        return this.#call('discone_table', [], []);
    }

    touchstone() {
        return this.#call('discone_touchstone', [], []);
    }

    deck(fields) {
        return this.#json('discone_deck', FIELDS.map(() => 'string'), FIELDS.map((k) => fields[k]));
    }

    // bytes: a Uint8Array of the file the user chose.
    measurement(name, bytes) {
        const m = this.#module;
        const at = m._malloc(Math.max(1, bytes.length));
        m.HEAPU8.set(bytes, at);
        try {
            return this.#json('discone_measurement', ['string', 'number', 'number'],
                              [name, at, bytes.length]);
        } finally {
            m._free(at);
        }
    }

    // The read-outs: at a frequency, the Smith chart's at a computed
    // point's index, the pattern's at an elevation.
    readSwr(mhz, returnLoss) {
        return this.#read('discone_read_swr', [mhz, returnLoss ? 1 : 0], ['number', 'number']);
    }

    readBeam(mhz) {
        return this.#read('discone_read_beam', [mhz]);
    }

    readImpedance(mhz) {
        return this.#read('discone_read_impedance', [mhz]);
    }

    readSmith(index) {
        return this.#read('discone_read_smith', [index]);
    }

    readPattern(elevation) {
        return this.#read('discone_read_pattern', [elevation]);
    }

    #read(name, args, types = ['number']) {
        return this.#call(name, [...types, 'string', 'string'],
                          [...args, this.#sep.decimal, this.#sep.group]);
    }
}

// The module, its engine pool on `engine`, for the browser's language.
export async function loadStudy(engine, language = navigator.language) {
    const pool = new Pool(engine);
    const module = await createDiscone({ discone: pool });
    return new Study(module, pool, language);
}
