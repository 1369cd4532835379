// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page: the views (the calculator, the building notes, the web link),
// the calculate buttons, the prediction (prediction.js) and the service
// worker that keeps the page for offline use. The calculation is the
// project's C++ (study.js), with the browser language's separators; the
// buttons work as soon as it has loaded, a fraction of a second after the
// page.

import { Engine } from './engine.js';
import { Prediction } from './prediction.js';
import { loadStudy } from './study.js';

const $ = (id) => document.getElementById(id);

// The seven result boxes by the names the command line prints them with.
const resultBoxes = Object.fromEntries(
    ['height-to-disc', 'side-length', 'disc-spacing', 'disc-diameter', 'minimum-diameter',
     'mesh-spacing', 'skirt-diameter']
        .map((key) => [key, $(key)]));

const engine = new Engine();
const studyReady = loadStudy(engine);
// For tests and the benchmark: the calculator answers from now on.
studyReady.then(() => { document.documentElement.dataset.ready = 'true'; }, () => {});
const prediction = new Prediction(studyReady, { calculate: (unit) => calculate(unit) });
let lastFrequency = '0'; // the last calculation's, as the desktop refills the box with it

function say(text) {
    $('status').textContent = text;
}

// Calculates from the input box and writes the seven result boxes; an
// error leaves every box as it was and is said beside the box, in the
// desktop's words.
async function calculate(unit) {
    let study;
    try {
        study = await studyReady;
    } catch (e) {
        say(`The calculator could not be loaded: ${e.message}`);
        return;
    }
    const answer = study.calculate(unit, $('frequency').value);
    if (answer.error) {
        say(answer.error);
        return;
    }
    say('');
    const unitWords = unit === 'inches' ? 'in inches' : 'in centimetres';
    for (const [key, box] of Object.entries(resultBoxes)) {
        box.value = answer.results[key];
        box.setAttribute('aria-description', unitWords);
    }
    lastFrequency = answer.design.frequency;
    prediction.follow(answer, unit);
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
// As on the desktop, a click into the box brings back the last frequency,
// selected, so that what is typed replaces it.
$('frequency').addEventListener('click', () => {
    $('frequency').value = lastFrequency;
    $('frequency').select();
});
$('info-button').addEventListener('click', () => show('info', $('info-title')));
$('return').addEventListener('click', () => show('calculator', $('info-button')));
$('info').addEventListener('keydown', (event) => {
    if (event.key === 'Escape')
        show('calculator', $('info-button'));
});
$('website-button').addEventListener('click', () => $('web').showModal());
$('web-close').addEventListener('click', () => $('web').close());
$('predict-button').addEventListener('click', () => prediction.open());

// nec2c compiled and its workers started while the user types.
const warm = () => engine.prepare();
if ('requestIdleCallback' in window)
    requestIdleCallback(warm, { timeout: 2000 });
else
    setTimeout(warm, 500);

// Offline after the first visit; a page opened from a file has no worker.
if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
    navigator.serviceWorker.register('sw.js').catch(() => {});
