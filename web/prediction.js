// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction, as the desktop's prediction window has it: the design of
// the last calculation that worked, predicted again a short pause after
// each change of the fields; the charts (views.js) with their read-out,
// the summary, the tuning and "Use F′ MHz", the progress and Cancel, the
// files saved as downloads and a measurement read from a file the user
// chooses (in the page: it is never sent anywhere). Every text for people
// comes from the study; this only shows it.

import { svgFile } from './chart.js';
import { Views } from './views.js';

const $ = (id) => document.getElementById(id);
const TYPING_PAUSE = 400; // ms after the last change before a sweep starts
// The fields read by the study and each one's problem beside it; the choices.
const TYPED = ['wires', 'diameter', 'highest', 'points', 'length'];
const FIELDS = [...TYPED, 'reference', 'cable'];
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
    #views;

    // calls.calculate(unit) presses the calculator's button of the unit.
    constructor(studyReady, calls) {
        this.#studyReady = studyReady;
        this.#calculate = calls.calculate;
        this.#views = new Views({ study: () => this.#study, fields: () => this.#fields(),
                                  busy: (on) => this.#work(on) });
        const changed = () => {
            clearTimeout(this.#pause);
            this.#pause = setTimeout(() => this.#sweep(), TYPING_PAUSE);
        };
        for (const id of TYPED) {
            $(id).addEventListener('input', changed);
            // Enter in a field predicts at once.
            $(id).addEventListener('keydown', (event) => {
                if (event.key === 'Enter')
                    this.#sweep();
            });
        }
        // A diameter typed is the user's, whatever the design.
        $('diameter').addEventListener('input', () => { this.#chosenDiameter = null; });
        $('reference').addEventListener('change', changed);
        $('cable').addEventListener('change', () => {
            $('length').disabled = !$('cable').value;
            changed();
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
        $('diameter').value = this.#chosenDiameter = settings.diameter.byDefault;
        $('wires').value = settings.wires.byDefault;
        $('points').value = settings.points.byDefault;
        $('length').value = settings.length;
        for (const [ohms, text] of settings.references)
            $('reference').add(new Option(text, String(ohms)));
        for (const [id, name] of settings.cables)
            $('cable').add(new Option(name, id));
        this.follow(this.#pending?.answer, this.#pending?.unit);
    }

    #noDesign = '';
    #pending = null;
    // The diameter the study chose for the design, as the field shows it
    // while the user has typed none; null once they have.
    #chosenDiameter = null;

    // The calculator calculated `answer` in `unit`: the design to show.
    follow(answer, unit) {
        if (!this.#opened || !this.#study) {
            this.#pending = answer ? { answer, unit } : this.#pending;
            return;
        }
        const controls = [...FIELDS, 'pattern-at', 'save-deck', 'load-measurement'];
        if (!answer) {
            for (const id of controls)
                $(id).disabled = true;
            this.#views.clear(this.#noDesign);
            this.#setState('none', this.#noDesign);
            return;
        }
        for (const id of controls)
            $(id).disabled = false;
        $('length').disabled = !$('cable').value;
        const before = this.#design;
        if (!before || $('highest').value === before.defaultHighest)
            $('highest').value = answer.design.defaultHighest;
        this.#design = answer.design;
        this.#unit = unit;
        $('prediction-title').textContent = answer.design.heading;
        $('pattern-at').placeholder = answer.design.frequency;
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
            $('pattern-at').value = '';
            this.#show(null, 'The predicted SWR appears here.', 'The beam appears here.');
        }
        this.#sweep();
    }

    // The fields' texts; the diameter empty while it is the study's choice
    // (a field the user emptied is sent as a blank, which is refused).
    #fields() {
        const fields = Object.fromEntries(FIELDS.map((id) => [id, $(id).value]));
        fields.diameter = fields.diameter === this.#chosenDiameter ? '' : fields.diameter || ' ';
        return fields;
    }

    #problems(problems = {}) {
        for (const id of TYPED) {
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
        if (!this.#shown)
            this.#views.clear('Predicting…');
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
            this.#views.pattern();
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
        this.#views.show(prediction);
        if (!prediction) {
            this.#views.clear(swrPlaceholder, beamPlaceholder);
            $('summary').value = '';
            return;
        }
        $('summary').value = prediction.summary;
        if (prediction.chosenDiameter && this.#chosenDiameter !== null)
            $('diameter').value = this.#chosenDiameter = prediction.chosenDiameter;
        // Tall enough for every line up to twelve, so the feed line's and the
        // measurement's lines are not hidden below the fold.
        $('summary').rows = Math.min(12, Math.max(6, prediction.summary.split('\n').length));
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
        const svg = this.#views.svg;
        if (!this.#shown || !svg)
            return this.#notify('There is no prediction to save yet.', true);
        const name = this.#design.fileStem + '.svg';
        download(name, svgFile(svg), 'image/svg+xml');
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
}
