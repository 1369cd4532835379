// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The round charts, in chart.js's frame: the Smith chart of the impedance
// (its reflections, frequency marks and labels come from the study) with
// the SWR 2 circle, read at the computed point nearest the pointer; and the
// elevation pattern on polar rings 10 dB apart, drawn on both sides of the
// mast since the antenna is round, read along the elevation. Only the
// chart's paper (its circles and rings) is worked out here.

import { ChartBox, element, sheet, tickText } from './chart.js';

const WIDTH = 800;
const HEIGHT = 520;
const PREDICTED = '#0033cc';
const MEASURED = '#c62828';
const GOOD = '#2e7d32';
const GRID = '#c8c8c8';
const CURSOR = '#5a5a5a';

const polyline = (parent, points, colour) => element(parent, 'polyline', {
    points: points.map(([x, y]) => `${x.toFixed(1)},${y.toFixed(1)}`).join(' '),
    fill: 'none', stroke: colour, 'stroke-width': 2, 'stroke-linejoin': 'round',
});

// smith: { predicted, measured: [[mhz, re, im]] reflections; marks: [[re, im, text,
// design]]; labels: [[re, im, text]]; note }.
export class SmithChart extends ChartBox {
    #at = null;
    #points = [];
    #marker = null;

    draw({ title, smith }) {
        const svg = sheet(title, WIDTH, HEIGHT);
        const cx = WIDTH / 2, cy = 270, radius = 200;
        const at = ([re, im]) => [cx + radius * re, cy - radius * im];
        this.#at = at;
        // The paper: circles of constant resistance, arcs of constant
        // reactance (each from the right end to where it meets the rim).
        for (const r of [0.2, 0.5, 1, 2, 5])
            element(svg, 'circle', { cx: cx + radius * r / (1 + r), cy, r: radius / (1 + r),
                                     fill: 'none', stroke: GRID });
        for (const x of [0.2, 0.5, 1, 2, 5])
            for (const sign of [1, -1]) {
                const [ex, ey] = at([(x * x - 1) / (x * x + 1), sign * 2 * x / (x * x + 1)]);
                const bend = (radius / x).toFixed(1);
                element(svg, 'path', { d: `M ${cx + radius} ${cy} A ${bend} ${bend} 0 0 ` +
                                          `${sign > 0 ? 1 : 0} ${ex.toFixed(1)} ${ey.toFixed(1)}`,
                                       fill: 'none', stroke: GRID });
            }
        element(svg, 'line', { x1: cx - radius, x2: cx + radius, y1: cy, y2: cy, stroke: GRID });
        element(svg, 'circle', { cx, cy, r: radius, fill: 'none', stroke: '#000000' });
        for (const [re, im, text] of smith.labels) {
            const [x, y] = at([re, im]);
            const out = im === 0 ? [4, 14] : [re * 24, -im * 14];
            element(svg, 'text', { x: x + out[0], y: y + out[1] + 4, fill: '#5a5a5a',
                                   'text-anchor': im === 0 ? 'start' : re < -0.1 ? 'end' : 'middle' },
                    text);
        }
        element(svg, 'circle', { cx, cy, r: radius / 3, fill: 'none', stroke: GOOD,
                                 'stroke-dasharray': '6 4' });
        element(svg, 'text', { x: cx + radius / 3 * 0.71 + 8, y: cy - radius / 3 * 0.71 - 4,
                               fill: GOOD }, 'SWR 2');
        element(svg, 'text', { x: 12, y: HEIGHT - 10 }, smith.note);
        if (smith.measured.length > 0) {
            polyline(svg, smith.measured.map(([, re, im]) => at([re, im])), MEASURED);
            [['predicted', PREDICTED], ['measured', MEASURED]].forEach(([name, colour], i) => {
                element(svg, 'line', { x1: 16, x2: 36, y1: 50 + 18 * i, y2: 50 + 18 * i,
                                       stroke: colour, 'stroke-width': 2 });
                element(svg, 'text', { x: 42, y: 54 + 18 * i }, name);
            });
        }
        polyline(svg, smith.predicted.map(([, re, im]) => at([re, im])), PREDICTED);
        // The marks: a dot, and its frequency outwards from the centre.
        for (const [re, im, text, design] of smith.marks) {
            const [x, y] = at([re, im]);
            const colour = design ? '#b71c1c' : '#000000';
            const length = Math.hypot(re, im) || 1;
            element(svg, 'circle', { cx: x, cy: y, r: 3.5, fill: colour });
            element(svg, 'text', { x: x + 10 * re / length, y: y - 10 * im / length + 4, fill: colour,
                                   'text-anchor': re < 0 ? 'end' : 'start' }, text);
        }
        this.#points = smith.predicted.map(([, re, im]) => at([re, im]));
        this.#marker = element(svg, 'circle', { r: 6, fill: 'none', stroke: CURSOR,
                                                'stroke-width': 2, visibility: 'hidden' });
        this.shown(svg, this.#points.map((_, i) => i));
    }

    // The computed point nearest the pointer, inside the rim.
    placeAt(x, y) {
        const [cx, cy] = this.#at([0, 0]), [rim] = this.#at([1, 0]);
        if (Math.hypot(x - cx, y - cy) > rim - cx)
            return null;
        let best = null, nearest = Infinity;
        this.#points.forEach(([px, py], i) => {
            const d = Math.hypot(px - x, py - y);
            if (d < nearest) {
                nearest = d;
                best = i;
            }
        });
        return best;
    }

    moveCursor(index) {
        const shown = index !== null && this.#points[index];
        this.#marker.setAttribute('visibility', shown ? 'visible' : 'hidden');
        if (shown) {
            this.#marker.setAttribute('cx', this.#points[index][0].toFixed(1));
            this.#marker.setAttribute('cy', this.#points[index][1].toFixed(1));
        }
    }
}

// pattern: { frequency (the legend's text), top (the outer ring, dBi),
// points: [[elevation, dBi]] by rising elevation }.
export class PatternChart extends ChartBox {
    #centre = [0, 0];
    #radius = 200;
    #hairlines = [];

    draw({ title, pattern, sep }) {
        const svg = sheet(title, WIDTH, HEIGHT);
        const cx = 330, cy = 280, radius = 200, range = 40;
        this.#centre = [cx, cy];
        const floor = pattern.top - range;
        const at = (elevation, dbi, side = 1) => {
            const r = radius * (Math.min(Math.max(dbi, floor), pattern.top) - floor) / range;
            const a = elevation * Math.PI / 180;
            return [cx + side * r * Math.cos(a), cy - r * Math.sin(a)];
        };
        for (let e = -90; e <= 90; e += 30)
            for (const side of [1, -1]) {
                const [x, y] = at(e, pattern.top, side);
                element(svg, 'line', { x1: cx, y1: cy, x2: x, y2: y, stroke: GRID });
                if (e % 90 !== 0) {
                    const [lx, ly] = at(e, pattern.top + 5, side);
                    element(svg, 'text', { x: lx, y: ly + 4, 'text-anchor': 'middle' },
                            tickText(e, sep) + '\u00b0');
                }
            }
        for (let ring = 1; ring < range / 10; ++ring)
            element(svg, 'circle', { cx, cy, r: radius * ring * 10 / range, fill: 'none',
                                     stroke: GRID });
        element(svg, 'circle', { cx, cy, r: radius, fill: 'none', stroke: '#000000' });
        element(svg, 'line', { x1: cx - radius - 8, x2: cx + radius + 8, y1: cy, y2: cy,
                               stroke: '#5a5a5a', 'stroke-width': 1.5 });
        for (const side of [1, -1])
            element(svg, 'text', { x: cx + side * (radius + 12), y: cy + 4,
                                   'text-anchor': side > 0 ? 'start' : 'end' }, 'horizon');
        element(svg, 'text', { x: cx, y: cy - radius - 8, 'text-anchor': 'middle' }, 'up');
        element(svg, 'text', { x: cx, y: cy + radius + 18, 'text-anchor': 'middle' }, 'down');
        for (let ring = 0; ring < range / 10; ++ring) {
            const y = cy - radius * (range - ring * 10) / range;
            element(svg, 'text', { x: cx + 6, y: y + 13 },
                    tickText(pattern.top - ring * 10, sep) + (ring === 0 ? ' dBi' : ''));
        }
        const drawn = pattern.points.filter(([, dbi]) => !Number.isNaN(dbi));
        for (const side of [1, -1])
            polyline(svg, drawn.map(([e, dbi]) => at(e, dbi, side)), PREDICTED);
        element(svg, 'line', { x1: 600, x2: 624, y1: cy, y2: cy, stroke: PREDICTED,
                               'stroke-width': 2 });
        element(svg, 'text', { x: 630, y: cy + 4 }, pattern.frequency);
        this.#radius = radius;
        this.#hairlines = [1, -1].map(() => element(svg, 'line', {
            x1: cx, y1: cy, x2: cx, y2: cy, stroke: CURSOR, 'stroke-dasharray': '2 3',
            visibility: 'hidden' }));
        this.shown(svg, pattern.points.map(([e]) => e));
    }

    // The elevation under the pointer, inside the outer ring.
    placeAt(x, y) {
        const [cx, cy] = this.#centre;
        if (Math.hypot(x - cx, y - cy) > this.#radius)
            return null;
        return Math.atan2(cy - y, Math.abs(x - cx)) * 180 / Math.PI;
    }

    moveCursor(elevation) {
        const [cx, cy] = this.#centre;
        this.#hairlines.forEach((line, i) => {
            line.setAttribute('visibility', elevation === null ? 'hidden' : 'visible');
            if (elevation === null)
                return;
            const a = elevation * Math.PI / 180;
            line.setAttribute('x2', (cx + (i === 0 ? 1 : -1) * this.#radius * Math.cos(a)).toFixed(1));
            line.setAttribute('y2', (cy - this.#radius * Math.sin(a)).toFixed(1));
        });
    }
}
