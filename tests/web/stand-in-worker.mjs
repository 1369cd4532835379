// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A stand-in for the engine's worker script: the deck "echo TEXT" is
// answered with TEXT at once, "sleep MS TEXT" with TEXT after MS
// milliseconds, and "spin" never: the thread stays busy for ever, as with a
// deck nec2c takes too long over, so only terminating the worker stops it.

self.onmessage = ({ data: { id, deck } }) => {
    const [word, ...rest] = deck.split(' ');
    if (word === 'spin')
        for (;;);
    const [ms, ...text] = rest;
    if (word === 'sleep')
        setTimeout(() => self.postMessage({ id, output: text.join(' ') }), Number(ms));
    else
        self.postMessage({ id, output: rest.join(' ') });
};
