// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction's charts as SVG, drawn from the numbers the study returns:
// the frame every chart shares (a white sheet under one title, and a cursor
// read from the pointer or the keys), and panels of curves over a
// logarithmic frequency axis with the amateur bands shaded. Pointing at a
// chart, or stepping through its computed points with Left, Right, Home and
// End, puts the cursor there and hands its place to `read`, whose text (the
// study's words) is shown in the read-out; a click, Enter or Space hands it
// to `choose`, where the chart has one. Colours and lines are SVG
// attributes, not styles, so a saved chart looks as it does on the page and
// the page's style policy needs no inline styles.

const SVG = 'http://www.w3.org/2000/svg';
const WIDTH = 800;
const LEFT = 64;
const RIGHT = 16;
const TOP = 52;
const GAP = 40;
const BOTTOM = 44;

export function element(parent, name, attributes = {}, text = '') {
    const e = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes))
        e.setAttribute(key, String(value));
    if (text)
        e.textContent = text;
    parent?.appendChild(e);
    return e;
}

// A number for a tick, with the reader's decimal separator and the true
// minus sign.
export function tickText(value, sep) {
    const text = String(Math.round(value * 1000) / 1000);
    return text.replace('.', sep.decimal).replace('-', '\u2212');
}

// Round steps for a linear axis from low to high, about five of them.
function linearTicks(low, high) {
    const raw = (high - low) / 5;
    const power = 10 ** Math.floor(Math.log10(raw));
    const step = [1, 2, 2.5, 5, 10].map((m) => m * power).find((s) => s >= raw) ?? raw;
    const ticks = [];
    for (let v = Math.ceil(low / step) * step; v <= high + step * 1e-9; v += step)
        ticks.push(Math.round(v / step) * step);
    return ticks;
}

function logTicks(low, high) {
    const decades = Math.log10(high / low);
    const steps = decades > 1.5 ? [1, 2, 5] : decades > 0.6 ? [1, 2, 3, 5] : [1, 1.5, 2, 3, 4, 5, 7];
    const ticks = [];
    for (let p = Math.floor(Math.log10(low)); p <= Math.ceil(Math.log10(high)); ++p)
        for (const m of steps) {
            const v = m * 10 ** p;
            if (v >= low * (1 - 1e-9) && v <= high * (1 + 1e-9))
                ticks.push(v);
        }
    return ticks;
}

// A white sheet `width` by `height` under the chart's title.
export function sheet(title, width, height) {
    const svg = element(null, 'svg', {
        xmlns: SVG, viewBox: `0 0 ${width} ${height}`, width, height,
        'font-family': 'DejaVu Sans, Verdana, sans-serif', 'font-size': 12,
        'aria-hidden': 'true', focusable: 'false',
    });
    element(svg, 'rect', { width, height, fill: '#ffffff' });
    element(svg, 'text', { x: width / 2, y: 22, 'text-anchor': 'middle', 'font-size': 15 }, title);
    return svg;
}

// A chart in its focusable box, with a cursor at one of its places (a
// frequency, a point's index, an elevation). Subclasses draw, then call
// shown(svg, stops), and give placeAt(x, y) in the sheet's units and
// moveCursor(place) to show it (null: hide it).
export class ChartBox {
    box;
    svg = null;
    stops = [];
    cursor = null;
    #read;
    #onReading;
    #choose;

    constructor(box, { read, onReading, choose = null }) {
        this.box = box;
        this.#read = read;
        this.#onReading = onReading;
        this.#choose = choose;
        box.addEventListener('pointermove', (event) => this.#point(event));
        box.addEventListener('pointerleave', () => this.setCursor(null));
        box.addEventListener('keydown', (event) => this.#key(event));
        box.addEventListener('click', (event) => {
            this.#point(event);
            if (this.cursor !== null)
                this.#choose?.(this.cursor);
        });
    }

    clear(placeholder = '') {
        this.box.replaceChildren();
        this.svg = null;
        this.stops = [];
        this.cursor = null;
        if (placeholder) {
            const p = document.createElement('p');
            p.className = 'placeholder';
            p.textContent = placeholder;
            this.box.appendChild(p);
        }
    }

    shown(svg, stops) {
        this.box.replaceChildren(svg);
        this.svg = svg;
        this.stops = stops;
        this.setCursor(null);
    }

    setCursor(place) {
        this.cursor = place;
        if (!this.svg)
            return;
        this.moveCursor(place);
        this.#onReading(place === null ? '' : this.#read(place));
    }

    #point(event) {
        if (!this.svg)
            return;
        const box = this.svg.getBoundingClientRect();
        const [width, height] = this.svg.getAttribute('viewBox').split(' ').slice(2).map(Number);
        this.setCursor(this.placeAt((event.clientX - box.left) * width / box.width,
                                    (event.clientY - box.top) * height / box.height));
    }

    // The desktop's keys: to the computed point before or after the
    // cursor, or to either end; Enter and Space choose the cursor's place.
    #key(event) {
        const stops = this.stops;
        if (this.#choose && this.cursor !== null && ['Enter', ' '].includes(event.key)) {
            event.preventDefault();
            this.#choose(this.cursor);
            return;
        }
        if (stops.length === 0 || !['ArrowLeft', 'ArrowRight', 'Home', 'End'].includes(event.key))
            return;
        event.preventDefault();
        const c = this.cursor;
        const after = (f) => f > c + Math.abs(c) * 1e-12, before = (f) => f < c - Math.abs(c) * 1e-12;
        let next;
        if (event.key === 'Home' || (event.key === 'ArrowRight' && c === null))
            next = stops[0];
        else if (event.key === 'End' || (event.key === 'ArrowLeft' && c === null))
            next = stops.at(-1);
        else if (event.key === 'ArrowRight')
            next = stops.find(after) ?? stops.at(-1);
        else
            next = stops.findLast(before) ?? stops[0];
        this.setCursor(next);
    }
}

// panels: [{ label, low, high, downwards, share, guides: [{ value, label, colour }],
// curves: [{ name, colour, points: [[mhz, value]], dashed, breakAt }] }]; the
// panels share the height by their `share`; a panel drawn `downwards` has
// its low value at the top, as analysers draw return loss.
export class FrequencyChart extends ChartBox {
    #x = null;
    #hairline = null;

    draw({ title, panels, bands = [], sep }) {
        const stops = panels[0].curves[0].points.map(([f]) => f);
        const low = stops[0], high = stops.at(-1);
        const shares = panels.reduce((sum, p) => sum + (p.share ?? 1), 0);
        const height = 520;
        const plotHeight = height - TOP - BOTTOM - GAP * (panels.length - 1);
        const svg = sheet(title, WIDTH, height);
        const x = (f) => LEFT + (WIDTH - LEFT - RIGHT) * Math.log(f / low) / Math.log(high / low);
        this.#x = { x, low, high };
        let top = TOP;
        panels.forEach((panel, index) => {
            const h = plotHeight * (panel.share ?? 1) / shares;
            const up = (v) => h * (Math.min(Math.max(v, panel.low), panel.high) - panel.low) /
                              (panel.high - panel.low);
            const y = (v) => (panel.downwards ? top + up(v) : top + h - up(v));
            for (const [name, from, to] of bands) {
                const a = x(Math.max(from, low)), b = x(Math.min(to, high));
                element(svg, 'rect', { x: a, y: top, width: Math.max(1, b - a), height: h,
                                       fill: '#fff2b3' });
                if (index === 0)
                    element(svg, 'text', { x: (a + b) / 2, y: top + 12, 'text-anchor': 'middle',
                                           'font-size': 10, fill: '#6b5a00' }, name);
            }
            for (const v of linearTicks(panel.low, panel.high)) {
                element(svg, 'line', { x1: LEFT, x2: WIDTH - RIGHT, y1: y(v), y2: y(v),
                                       stroke: '#dddddd' });
                element(svg, 'text', { x: LEFT - 6, y: y(v) + 4, 'text-anchor': 'end' },
                        tickText(v, sep));
            }
            for (const f of logTicks(low, high)) {
                element(svg, 'line', { x1: x(f), x2: x(f), y1: top, y2: top + h, stroke: '#dddddd' });
                if (index === panels.length - 1)
                    element(svg, 'text', { x: x(f), y: top + h + 16, 'text-anchor': 'middle' },
                            tickText(f, sep));
            }
            for (const guide of panel.guides ?? []) {
                element(svg, 'line', { x1: LEFT, x2: WIDTH - RIGHT, y1: y(guide.value),
                                       y2: y(guide.value), stroke: guide.colour,
                                       'stroke-dasharray': '5 3' });
                element(svg, 'text', { x: WIDTH - RIGHT - 4, y: y(guide.value) - 4,
                                       'text-anchor': 'end', fill: guide.colour }, guide.label);
            }
            element(svg, 'rect', { x: LEFT, y: top, width: WIDTH - LEFT - RIGHT, height: h,
                                   fill: 'none', stroke: '#000000' });
            element(svg, 'text', {
                x: 14, y: top + h / 2, 'text-anchor': 'middle',
                transform: `rotate(-90 14 ${top + h / 2})`,
            }, panel.label);
            // The legend above the panel, left to right.
            let legend = LEFT + 4;
            panel.curves.forEach((curve) => {
                const points = curve.points.filter(([, v]) => Number.isFinite(v) || v === Infinity);
                if (points.length === 0)
                    return;
                const dash = curve.dashed ? { 'stroke-dasharray': '6 4' } : {};
                // A jump of more than breakAt (a change of lobe) breaks the line.
                const runs = [[]];
                points.forEach((p, i) => {
                    if (i > 0 && Math.abs(p[1] - points[i - 1][1]) > (curve.breakAt ?? Infinity))
                        runs.push([]);
                    runs.at(-1).push(p);
                });
                for (const run of runs)
                    element(svg, 'polyline', {
                        points: run.map(([f, v]) => `${x(f).toFixed(1)},${y(v).toFixed(1)}`).join(' '),
                        fill: 'none', stroke: curve.colour, 'stroke-width': 2, ...dash,
                    });
                element(svg, 'line', { x1: legend, x2: legend + 20, y1: top - 10, y2: top - 10,
                                       stroke: curve.colour, 'stroke-width': 2, ...dash });
                element(svg, 'text', { x: legend + 26, y: top - 6 }, curve.name);
                legend += 40 + 7 * curve.name.length;
            });
            top += h + GAP;
        });
        element(svg, 'text', { x: (LEFT + WIDTH - RIGHT) / 2, y: height - 8, 'text-anchor': 'middle' },
                'MHz');
        this.#hairline = element(svg, 'line', { x1: 0, x2: 0, y1: TOP, y2: height - BOTTOM,
                                                stroke: '#5a5a5a', 'stroke-dasharray': '2 3',
                                                visibility: 'hidden' });
        this.shown(svg, stops);
    }

    placeAt(px) {
        const { low, high } = this.#x;
        const t = (px - LEFT) / (WIDTH - LEFT - RIGHT);
        return t < 0 || t > 1 ? null : low * (high / low) ** t;
    }

    moveCursor(mhz) {
        this.#hairline.setAttribute('visibility', mhz === null ? 'hidden' : 'visible');
        if (mhz !== null) {
            const at = this.#x.x(mhz).toFixed(1);
            this.#hairline.setAttribute('x1', at);
            this.#hairline.setAttribute('x2', at);
        }
    }
}

// The chart as an SVG file's text.
export function svgFile(svg) {
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + new XMLSerializer().serializeToString(svg);
}
