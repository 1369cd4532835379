// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's shell: the views (the calculator, the building notes, the web
// link), the calculate buttons' way in, and the service worker that keeps
// the page for offline use. The calculation itself is wired in by
// setCalculator() once the project's C++ runs in the page.

const $ = (id) => document.getElementById(id);

// The seven result boxes by the names the command line prints them with.
export const resultBoxes = Object.fromEntries(
    ['height-to-disc', 'side-length', 'disc-spacing', 'disc-diameter', 'minimum-diameter',
     'mesh-spacing', 'skirt-diameter']
        .map((key) => [key, $(key)]));

let calculator = null;

// calculate(unit, text) -> { results: { key: text } } or { error: text },
// unit being 'inches' or 'centimetres' and text what the input box holds.
export function setCalculator(calculate) {
    calculator = calculate;
}

function say(text) {
    $('status').textContent = text;
}

function calculate(unit) {
    if (!calculator) {
        say('The calculation is not in this page yet.');
        return;
    }
    const { results, error } = calculator(unit, $('frequency').value);
    if (error) {
        say(error);
        return;
    }
    say('');
    const unitWords = unit === 'inches' ? 'in inches' : 'in centimetres';
    for (const [key, box] of Object.entries(resultBoxes)) {
        box.value = results[key] ?? '';
        box.setAttribute('aria-description', unitWords);
    }
}

// One of the two full views, the other hidden; the focus goes where the
// keyboard user continues.
function show(view, focus) {
    $('calculator').hidden = view !== 'calculator';
    $('info').hidden = view !== 'info';
    focus.focus();
}

for (const button of document.querySelectorAll('[data-unit]'))
    button.addEventListener('click', () => calculate(button.dataset.unit));
$('info-button').addEventListener('click', () => show('info', $('info-title')));
$('return').addEventListener('click', () => show('calculator', $('info-button')));
$('info').addEventListener('keydown', (event) => {
    if (event.key === 'Escape')
        show('calculator', $('info-button'));
});
$('website-button').addEventListener('click', () => $('web').showModal());
$('web-close').addEventListener('click', () => $('web').close());

// Offline after the first visit; a page opened from a file has no worker.
if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
    navigator.serviceWorker.register('sw.js').catch(() => {});
