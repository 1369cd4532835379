// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One NEC-2 deck through nec2c compiled to WebAssembly: a fresh instance of
// the module for each deck, since nec2c keeps its state in globals and ends
// by calling exit(). The deck goes into the instance's in-memory file system
// and the output is read back from it, as nec2c's -i and -o options name
// them. Used by the engine's worker and by the tests under Node.

import createNec2c from './nec2c.js';

// Runs `deck` (text) in a new instance of `wasmModule`, a compiled
// WebAssembly.Module of nec2c.wasm. Resolves to { status, output, stderr }:
// nec2c's exit status as a shell would see it (0 to 255), its output file's
// text ('' when it wrote none) and what it wrote on standard error.
export async function runDeck(wasmModule, deck) {
    const stderr = [];
    const nec = await createNec2c({
        noInitialRun: true,
        print: () => {},
        printErr: (line) => stderr.push(line),
        // exit() ends this run only, never the worker or Node's process.
        quit: (status, toThrow) => {
            throw toThrow;
        },
        instantiateWasm: (imports, done) => {
            WebAssembly.instantiate(wasmModule, imports).then((instance) => done(instance));
            return {};
        },
    });
    nec.FS.writeFile('/deck.nec', deck);
    const status = nec.callMain(['-i', '/deck.nec', '-o', '/deck.out']) & 0xff;
    let output = '';
    try {
        output = nec.FS.readFile('/deck.out', { encoding: 'utf8' });
    } catch {
        // No output file: nec2c stopped before opening it.
    }
    return { status, output, stderr: stderr.join('\n') };
}
