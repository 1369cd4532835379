// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction, as the desktop's prediction window has it: the design of
// the last calculation that worked, predicted again a short pause after
// each change of the fields; the SWR and beam charts with their read-out,
// the summary, the tuning and "Use F′ MHz", the progress and Cancel, the
// files saved as downloads and a measurement read from a file the user
// chooses (in the page: it is never sent anywhere). Every text for people
// comes from the study; this only shows it.

import { FrequencyChart, svgFile } from './chart.js';

const $ = (id) => document.getElementById(id);
const TYPING_PAUSE = 400; // ms after the last change before a sweep starts
const LOBE_JUMP = 25; // degrees of elevation between points that are a change of lobe, as on the desktop
const LARGEST_MEASUREMENT = 16 * 1024 * 1024; // bytes; 100,000 points take 5 MB

function download(name, text, type) {
    const url = URL.createObjectURL(new Blob([text], { type }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

export class Prediction {
    #studyReady;
    #study = null;
    #calculate;
    #opened = false;
    #design = null; // the design followed: { frequency, defaultHighest, heading, fileStem }
    #unit = 'inches';
    #state = 'none'; // running, done, failed, cancelled
    #shown = null; // the prediction shown
    #tuned = null;
    #generation = 0;
    #pause = 0;
    #busy = 0; // study calls under way
    #swr;
    #beam;

    // calls.calculate(unit) presses the calculator's button of the unit.
    constructor(studyReady, calls) {
        this.#studyReady = studyReady;
        this.#calculate = calls.calculate;
        const reading = (text) => { $('readout').textContent = text; };
        this.#swr = new FrequencyChart($('swr-chart'),
                                       { read: (f) => this.#study.readSwr(f), onReading: reading });
        this.#beam = new FrequencyChart($('beam-chart'),
                                        { read: (f) => this.#study.readBeam(f), onReading: reading });
        for (const id of ['wires', 'diameter', 'highest'])
            $(id).addEventListener('input', () => {
                clearTimeout(this.#pause);
                this.#pause = setTimeout(() => this.#sweep(), TYPING_PAUSE);
            });
        $('cancel').addEventListener('click', () => this.#study?.cancel());
        $('use').addEventListener('click', () => this.#useTuned());
        $('save-plot').addEventListener('click', () => this.#savePlot());
        $('save-deck').addEventListener('click', () => this.#saveDeck());
        $('save-touchstone').addEventListener('click', () => this.#saveText(
            'touchstone', '.s1p', 'Saved the Touchstone file as', () => this.#study.touchstone()));
        $('save-table').addEventListener('click', () => this.#saveText(
            'table', '.txt', 'Saved the table as', () => this.#study.table()));
        $('load-measurement').addEventListener('click', () => $('measurement-file').click());
        $('measurement-file').addEventListener('change', () => this.#loadMeasurement());
        this.#tabs();
    }

    async open() {
        const section = $('prediction');
        const first = section.hidden;
        section.hidden = false;
        $('prediction-title').focus();
        if (!first)
            return;
        this.#opened = true;
        this.#study = await this.#studyReady;
        const settings = this.#study.settings();
        this.#noDesign = settings.noDesign;
        $('diameter').value = settings.diameter.byDefault;
        $('wires').value = settings.wires.byDefault;
        this.follow(this.#pending?.answer, this.#pending?.unit);
    }

    #noDesign = '';
    #pending = null;

    // The calculator calculated `answer` in `unit`: the design to show.
    follow(answer, unit) {
        if (!this.#opened || !this.#study) {
            this.#pending = answer ? { answer, unit } : this.#pending;
            return;
        }
        if (!answer) {
            for (const id of ['wires', 'diameter', 'highest', 'save-deck', 'load-measurement'])
                $(id).disabled = true;
            this.#swr.clear(this.#noDesign);
            this.#beam.clear(this.#noDesign);
            this.#setState('none', this.#noDesign);
            return;
        }
        for (const id of ['wires', 'diameter', 'highest', 'save-deck', 'load-measurement'])
            $(id).disabled = false;
        const before = this.#design;
        if (!before || $('highest').value === before.defaultHighest)
            $('highest').value = answer.design.defaultHighest;
        this.#design = answer.design;
        this.#unit = unit;
        $('prediction-title').textContent = answer.design.heading;
        // The same antenna in the other unit: only the words change.
        if (answer.sameAntenna && before && (this.#state === 'running' || this.#state === 'done')) {
            if (this.#state === 'done')
                this.#show(this.#study.view());
            return;
        }
        if (!answer.sameAntenna) {
            this.#shown = null;
            this.#tuned = null;
            this.#showTuning('');
            this.#show(null, 'The predicted SWR appears here.', 'The beam appears here.');
        }
        this.#sweep();
    }

    #fields() {
        return { wires: $('wires').value, diameter: $('diameter').value,
                 highest: $('highest').value };
    }

    #problems(problems = {}) {
        for (const id of ['wires', 'diameter', 'highest']) {
            const text = problems[id] ?? '';
            $(`${id}-problem`).textContent = text;
            $(`${id}-problem`).hidden = !text;
            $(id).setAttribute('aria-invalid', text ? 'true' : 'false');
        }
    }

    #progress(done, total) {
        $('progress').max = total;
        $('progress').value = done;
    }

    #work(busy) {
        this.#busy += busy ? 1 : -1;
        $('progress').hidden = this.#busy === 0;
        $('cancel').disabled = this.#busy === 0;
        if (busy)
            $('progress').removeAttribute('value'); // busy until the first part is done
    }

    async #sweep() {
        clearTimeout(this.#pause);
        if (!this.#design)
            return;
        const generation = ++this.#generation;
        const fields = this.#fields();
        this.#problems();
        if (!this.#shown) {
            this.#swr.clear('Predicting…');
            this.#beam.clear('Predicting…');
        }
        this.#setState('running', this.#study.running(fields.highest));
        this.#work(true);
        let answer;
        try {
            answer = await this.#study.predict(fields, (d, t) => this.#progress(d, t));
        } finally {
            this.#work(false);
        }
        if (generation !== this.#generation)
            return;
        if (answer.problems) {
            this.#problems(answer.problems);
            this.#setState(this.#shown ? 'done' : 'none', '');
        } else if (answer.cancelled) {
            this.#setState('cancelled',
                           'Cancelled. Change a value, or calculate again, to predict again.');
        } else if (answer.failure) {
            this.#shown = null;
            this.#show(null, answer.failure, answer.failure);
            this.#setState('failed', answer.failure);
        } else {
            this.#show(answer.prediction);
            this.#setState('done', answer.prediction.status);
            if (answer.tuned)
                this.#showTuned(answer.tuned);
            else
                this.#tune(answer.tuning, generation);
        }
    }

    async #tune(line, generation) {
        this.#tuned = null;
        this.#showTuning(line);
        this.#work(true);
        let answer;
        try {
            answer = await this.#study.tune((d, t) => this.#progress(d, t));
        } finally {
            this.#work(false);
        }
        if (generation !== this.#generation && answer.cancelled)
            return;
        if (answer.frequency)
            this.#showTuned(answer);
        else
            this.#showTuning(answer.line);
    }

    #showTuned(tuned) {
        this.#tuned = tuned;
        this.#showTuning(tuned.line);
    }

    #showTuning(line) {
        $('tuning').textContent = line;
        $('use').disabled = !this.#tuned;
        $('use').textContent = this.#tuned ? this.#tuned.use : 'Use the tuned design';
    }

    // Types F′ into the calculator's box and presses the button of the unit
    // shown, as the user would.
    #useTuned() {
        if (!this.#tuned)
            return;
        $('frequency').value = this.#tuned.frequency;
        this.#calculate(this.#unit);
    }

    #setState(state, status) {
        this.#state = state;
        $('prediction-status').textContent = status;
        $('prediction-status').classList.toggle('failed', state === 'failed');
        const shown = this.#shown !== null && state !== 'running';
        for (const id of ['save-plot', 'save-touchstone', 'save-table'])
            $(id).disabled = !shown;
    }

    #show(prediction, swrPlaceholder = '', beamPlaceholder = '') {
        this.#shown = prediction;
        $('readout').textContent = '';
        if (!prediction) {
            this.#swr.clear(swrPlaceholder);
            this.#beam.clear(beamPlaceholder);
            $('summary').value = '';
            return;
        }
        const sep = this.#study.separators;
        const points = prediction.points;
        const column = (k) => points.map((p) => [p[0], p[k] ?? NaN]);
        const finite = points.map((p) => p[1]).filter(Number.isFinite);
        const swrTop = Math.min(10, Math.max(3, Math.ceil(Math.max(...finite, 1))));
        const gains = points.flatMap((p) => [p[2], p[3]]).filter(Number.isFinite);
        const gainLow = Math.floor(Math.min(...gains, 0) / 5) * 5;
        const gainHigh = Math.ceil(Math.max(...gains, 0) / 5) * 5 || 5;
        const horizon = { name: 'at the horizon', colour: '#1b5e20', points: column(2) };
        const curves = [{ name: 'predicted SWR', colour: '#0033cc', points: column(1) }];
        if (prediction.measured?.swr.length)
            curves.push({ name: 'measured SWR', colour: '#c62828', dashed: true,
                          points: prediction.measured.swr });
        this.#swr.draw({
            title: prediction.title, bands: prediction.bands, sep,
            panels: [{ label: 'SWR', low: 1, high: swrTop, share: 2, curves },
                     { label: 'dBi', low: gainLow, high: gainHigh, curves: [horizon] }],
        });
        const elevations = points.map((p) => p[4]).filter(Number.isFinite);
        this.#beam.draw({
            title: prediction.title, bands: prediction.bands, sep,
            panels: [{ label: 'dBi', low: gainLow, high: gainHigh, share: 2,
                       curves: [horizon, { name: 'strongest lobe', colour: '#6a1b9a',
                                           points: column(3) }] },
                     { label: 'degrees', low: Math.floor(Math.min(...elevations, 0) / 10) * 10,
                       high: Math.ceil(Math.max(...elevations, 10) / 10) * 10,
                       curves: [{ name: 'strongest lobe\u2019s elevation', colour: '#6a1b9a',
                                  points: column(4), breakAt: LOBE_JUMP }] }],
        });
        $('summary').value = prediction.summary;
    }

    #notify(text, problem = false) {
        $('notice').textContent = text;
        $('notice').classList.toggle('failed', problem);
    }

    #saveText(what, ending, saying, make) {
        if (!this.#shown)
            return this.#notify(`There is no prediction to save yet.`, true);
        const name = this.#design.fileStem + ending;
        download(name, make(), 'text/plain');
        this.#notify(`${saying} ${name}`);
    }

    #savePlot() {
        const chart = $('beam-panel').hidden ? this.#swr : this.#beam;
        if (!this.#shown || !chart.svg)
            return this.#notify('There is no prediction to save yet.', true);
        const name = this.#design.fileStem + '.svg';
        download(name, svgFile(chart.svg), 'image/svg+xml');
        this.#notify(`Saved the plot as ${name}`);
    }

    #saveDeck() {
        const answer = this.#study.deck(this.#fields());
        if (answer.error)
            return this.#notify(answer.error, true);
        const name = this.#design.fileStem + '.nec';
        download(name, answer.deck, 'text/plain');
        this.#notify(`Saved the NEC-2 deck as ${name}`);
    }

    // The file is read here, in the page, and never leaves it.
    #loadMeasurement() {
        const input = $('measurement-file');
        const file = input.files[0];
        input.value = '';
        if (!file)
            return;
        if (file.size > LARGEST_MEASUREMENT)
            return this.#notify(`${file.name}: the file is larger than 16 MiB`, true);
        const reader = new FileReader();
        reader.onerror = () => this.#notify(`${file.name}: the file could not be read`, true);
        reader.onload = () => {
            const answer = this.#study.measurement(file.name, new Uint8Array(reader.result));
            if (answer.error)
                return this.#notify(answer.error, true);
            if (this.#shown)
                this.#show(this.#study.view());
            this.#notify(`Loaded ${answer.points} measured points from ${file.name}`);
        };
        reader.readAsArrayBuffer(file);
    }

    // The tabs of the charts: Left and Right move between them.
    #tabs() {
        const tabs = [$('swr-tab'), $('beam-tab')];
        const select = (tab) => {
            for (const t of tabs) {
                const on = t === tab;
                t.setAttribute('aria-selected', String(on));
                t.tabIndex = on ? 0 : -1;
                $(t.getAttribute('aria-controls')).hidden = !on;
            }
            $('readout').textContent = '';
        };
        tabs.forEach((tab, i) => {
            tab.addEventListener('click', () => select(tab));
            tab.addEventListener('keydown', (event) => {
                if (event.key !== 'ArrowLeft' && event.key !== 'ArrowRight')
                    return;
                const next = tabs[(i + (event.key === 'ArrowRight' ? 1 : tabs.length - 1)) % tabs.length];
                select(next);
                next.focus();
            });
        });
    }
}
