// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One worker of the engine's pool (engine.js): each message { id, deck,
// module } runs one deck in a fresh nec2c instance of the compiled module and
// is answered with { id, output } or { id, error }. The pool sends the next
// deck only after the answer, and terminates the worker to stop a deck.

import {runDeck} from './nec2c-run.js';

// What went wrong, in one line: nec2c's own words on standard error, or else
// the last line of its output that names an error (a card it cannot read).
function failure(status, stderr, output) {
    if (status === 0)
        return 'nec2c wrote no output';
    const lines = output.split('\n').map((line) => line.trim());
    const said = stderr.trim().replace(/\s+/g, ' ') ||
                 lines.findLast((line) => line.includes('ERROR')) ||
                 lines.findLast((line) => line !== '');
    return `nec2c failed with exit status ${status}` + (said ? `: ${said}` : '');
}

self.onmessage = async ({ data: { id, deck, module } }) => {
    try {
        const { status, output, stderr } = await runDeck(module, deck);
        if (status === 0 && output !== '')
            self.postMessage({ id, output });
        else
            self.postMessage({ id, error: failure(status, stderr, output) });
    } catch (e) {
        self.postMessage({ id, error: `nec2c could not be run: ${e?.message ?? e}` });
    }
};
