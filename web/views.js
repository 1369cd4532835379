// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction's views, as tabs like the desktop window's: the SWR (or
// the return loss, as chosen beside the tabs) with the radio end's curve
// when a feed line is given, the impedance, the Smith chart, the beam, and
// the elevation pattern at the frequency in its field or the one picked on
// the SWR chart. Each chart is drawn from the study's answer; their
// read-outs are the study's words.

import { FrequencyChart } from './chart.js';
import { PatternChart, SmithChart } from './polar.js';

const $ = (id) => document.getElementById(id);
const TYPING_PAUSE = 400; // ms after the last change before the pattern is computed
const LOBE_JUMP = 25; // degrees of elevation between points that are a change of lobe, as on the desktop
const PREDICTED = '#0033cc', MEASURED = '#c62828', RADIO = '#9628aa', GOOD = '#2e7d32';
const HORIZON = '#1b5e20', LOBE = '#6a1b9a', RESISTANCE = '#0033cc', REACTANCE = '#e65100';
export const VIEWS = ['swr', 'impedance', 'smith', 'beam', 'pattern'];

// Round steps of 5 around the values, with zero in sight.
const fives = (values, least = 5) => [Math.floor(Math.min(...values, 0) / 5) * 5,
                                      Math.ceil(Math.max(...values, least) / 5) * 5];

export class Views {
    #study;
    #fields;
    #charts = {};
    #shown = null;
    #pause = 0;
    #patternFor = null; // what the pattern shown, or being computed, is for
    #busy;

    // study() gives the loaded study, fields() the prediction's fields as
    // typed; busy(true/false) shows the progress while a pattern runs.
    constructor({ study, fields, busy }) {
        this.#study = study;
        this.#fields = fields;
        this.#busy = busy;
        const onReading = (text) => { $('readout').textContent = text; };
        const s = () => this.#study();
        this.#charts = {
            swr: new FrequencyChart($('swr-chart'), {
                read: (f) => s().readSwr(f, this.#returnLoss), onReading,
                choose: (f) => this.#choosePattern(f) }),
            impedance: new FrequencyChart($('impedance-chart'),
                                          { read: (f) => s().readImpedance(f), onReading }),
            smith: new SmithChart($('smith-chart'), { read: (i) => s().readSmith(i), onReading }),
            beam: new FrequencyChart($('beam-chart'), { read: (f) => s().readBeam(f), onReading }),
            pattern: new PatternChart($('pattern-chart'),
                                      { read: (e) => s().readPattern(e), onReading }),
        };
        $('scale').addEventListener('change', () => this.show(this.#shown));
        $('pattern-at').addEventListener('input', () => {
            clearTimeout(this.#pause);
            this.#pause = setTimeout(() => this.pattern(), TYPING_PAUSE);
        });
        $('pattern-at').addEventListener('keydown', (event) => {
            if (event.key === 'Enter')
                this.pattern(true);
        });
        this.#tabs();
    }

    get #returnLoss() {
        return $('scale').value === 'return-loss';
    }

    get current() {
        return VIEWS.find((v) => !$(`${v}-panel`).hidden);
    }

    // The chart shown, for saving.
    get svg() {
        return this.#charts[this.current].svg;
    }

    // Every chart says `line` where it has none; the pattern is forgotten.
    clear(line, beamLine = line) {
        for (const view of VIEWS)
            this.#charts[view].clear(view === 'beam' ? beamLine : line);
        this.#patternFor = null;
    }

    show(prediction) {
        this.#shown = prediction;
        $('readout').textContent = '';
        if (!prediction)
            return;
        const sep = this.#study().separators;
        const { title, bands, points, labels } = prediction;
        const column = (k) => points.map((p) => [p[0], p[k] ?? NaN]);
        const db = this.#returnLoss;
        const radio = prediction.radioEnd;
        const measured = prediction.measured?.swr ?? [];
        const curves = [{ name: radio ? 'at the antenna' : 'predicted', colour: PREDICTED,
                          points: db ? prediction.returnLoss : column(1) }];
        if (radio)
            curves.push({ name: radio.name, colour: RADIO,
                          points: radio.points.map((p) => [p[0], p[db ? 2 : 1]]) });
        if (measured.length)
            curves.push({ name: radio ? 'measured at the radio' : 'measured', colour: MEASURED,
                          dashed: true, points: db ? prediction.measuredReturnLoss : measured });
        const all = curves.flatMap((c) => c.points.map((p) => p[1])).filter(Number.isFinite);
        const match = db
            ? { label: labels.returnLoss, low: 0, downwards: true,
                high: Math.min(40, Math.max(20, Math.ceil(Math.max(...all) / 5) * 5)),
                guides: [{ value: prediction.swr2ReturnLoss, label: 'SWR 2', colour: GOOD }] }
            : { label: labels.swr, low: 1, high: Math.min(10, Math.max(3, Math.ceil(Math.max(...all, 1)))),
                guides: [{ value: 2, label: 'SWR 2', colour: GOOD }] };
        const [gainLow, gainHigh] = fives(points.flatMap((p) => [p[2], p[3]]).filter(Number.isFinite));
        const horizon = { name: 'at the horizon', colour: HORIZON, points: column(2) };
        this.#charts.swr.draw({
            title, bands, sep,
            panels: [{ ...match, share: 2, curves },
                     { label: 'dBi', low: gainLow, high: gainHigh, curves: [horizon] }],
        });
        // The resistance can soar near a resonance of the disc: the axis stops
        // at ten times the reference.
        const limit = 10 * prediction.reference;
        const ohms = prediction.impedance.flatMap((p) => [p[1], p[2]]).filter(Number.isFinite)
            .map((v) => Math.min(Math.max(v, -limit), limit));
        const [ohmsLow, ohmsHigh] = fives([...ohms, prediction.reference]);
        this.#charts.impedance.draw({
            title, bands, sep,
            panels: [{ label: labels.impedance, low: ohmsLow, high: ohmsHigh,
                       guides: [{ value: prediction.reference, label: labels.resistanceGuide,
                                  colour: GOOD }],
                       curves: [{ name: 'resistance R', colour: RESISTANCE,
                                  points: prediction.impedance.map((p) => [p[0], p[1]]) },
                                { name: 'reactance X', colour: REACTANCE,
                                  points: prediction.impedance.map((p) => [p[0], p[2]]) }] }],
        });
        this.#charts.smith.draw({ title, smith: prediction.smith, sep });
        const elevations = points.map((p) => p[4]).filter(Number.isFinite);
        this.#charts.beam.draw({
            title, bands, sep,
            panels: [{ label: 'dBi', low: gainLow, high: gainHigh, share: 2,
                       curves: [horizon, { name: 'strongest lobe', colour: LOBE, points: column(3) }] },
                     { label: 'degrees', low: Math.floor(Math.min(...elevations, 0) / 10) * 10,
                       high: Math.ceil(Math.max(...elevations, 10) / 10) * 10,
                       curves: [{ name: 'strongest lobe\u2019s elevation', colour: LOBE,
                                  points: column(4), breakAt: LOBE_JUMP }] }],
        });
    }

    // The pattern for the field's frequency and the prediction's fields,
    // computed when its view is shown and what it is for has changed (or
    // `again`, on Enter).
    async pattern(again = false) {
        clearTimeout(this.#pause);
        const study = this.#study();
        if (this.current !== 'pattern' || !study || !this.#shown)
            return;
        const at = $('pattern-at').value;
        const fields = this.#fields();
        const key = JSON.stringify([at, fields, this.#shown.title]);
        if (key === this.#patternFor && !again)
            return;
        this.#patternFor = key;
        const chart = this.#charts.pattern;
        chart.clear(`Computing the elevation pattern at ${at.trim() || $('pattern-at').placeholder} MHz…`);
        this.#busy(true);
        let answer;
        try {
            answer = await study.pattern(at, fields);
        } finally {
            this.#busy(false);
        }
        if (key !== this.#patternFor)
            return;
        if (answer.pattern)
            return chart.draw({ title: answer.pattern.title, pattern: answer.pattern,
                                sep: study.separators });
        this.#patternFor = null;
        $('pattern-at').setAttribute('aria-invalid', answer.problem ? 'true' : 'false');
        chart.clear(answer.problem ?? answer.failure ??
                    (answer.problems ? 'Put the fields right first.'
                                     : 'The pattern was cancelled. Press Enter in its field, or ' +
                                       'click the SWR chart, to compute it.'));
    }

    // A frequency picked on the SWR chart becomes the pattern's, shown at once.
    #choosePattern(mhz) {
        $('pattern-at').value = this.#study().patternAt(mhz);
        this.select('pattern');
    }

    // Shows the view `name` with its controls beside the tabs.
    select(name) {
        for (const view of VIEWS) {
            const on = view === name;
            $(`${view}-tab`).setAttribute('aria-selected', String(on));
            $(`${view}-tab`).tabIndex = on ? 0 : -1;
            $(`${view}-panel`).hidden = !on;
        }
        $('scale-control').hidden = name !== 'swr';
        $('pattern-control').hidden = name !== 'pattern';
        $('readout').textContent = '';
        this.pattern();
    }

    // The tabs of the charts: Left and Right move between them.
    #tabs() {
        VIEWS.forEach((view, i) => {
            const tab = $(`${view}-tab`);
            tab.addEventListener('click', () => this.select(view));
            tab.addEventListener('keydown', (event) => {
                if (event.key !== 'ArrowLeft' && event.key !== 'ArrowRight')
                    return;
                const next = VIEWS[(i + (event.key === 'ArrowRight' ? 1 : VIEWS.length - 1)) %
                                   VIEWS.length];
                this.select(next);
                $(`${next}-tab`).focus();
            });
        });
    }
}
