// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web page in headless Chromium, used as a person would use it, against
// the desktop program run in the same test: the seven results of 146 MHz in
// both units as `discone --inches 146` and `--cm 146` print them; the
// desktop's words for a text that is not a number, zero and a number too
// large; the prediction's summary, its table and its deck as `--cm 146
// --swr` and `--nec` print them; the tuning as `--tune` finds it and "Use
// F′ MHz" calculating the tuned design; a measurement's summary as
// `--measured` gives it; the chart read from the keyboard; the fields of
// the frequencies, the reference and the feed line as `--points`, `--z0`
// and `--feedline` take them, a length the study refuses, and each view's
// chart, read from the keyboard, the pattern's picked on the SWR chart; no
// request to
// another site and no style or script the page's policy refuses; the page at
// 360 pixels wide; and axe-core finding no serious or critical violation.
//   node page_test.mjs SITE NATIVE_BUILD MEASUREMENT.s1p
// NATIVE_BUILD is a build of the desktop program (app/discone or
// ui/discone in it); without one the test is skipped (status 77).

import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { basename, join } from 'node:path';
import { after, before, test } from 'node:test';
import { promisify } from 'node:util';
import { chromium } from 'playwright-core';
import { chromiumOptions, serveSite } from './site_server.mjs';

const [site, native, measurement] = process.argv.slice(2);
const discone = ['app/discone', 'ui/discone'].map((p) => join(native, p)).find(existsSync);
if (!discone) {
    console.log(`No desktop program in ${native} to compare with: build it first (make build).`);
    process.exit(77);
}
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// The desktop program's standard output in the page's en-US: a point, and
// the amateur bands of ITU Region 2.
async function desktop(...args) {
    const { stdout } = await promisify(execFile)(discone, args,
                                                 { env: { ...process.env, LC_ALL: 'en_US.UTF-8' } });
    return stdout;
}

// "key<TAB>text" lines, as the program prints the seven results.
function dimensions(text) {
    return Object.fromEntries(text.trim().split('\n').filter((l) => l.includes('\t'))
                                  .map((l) => l.split('\t')));
}

const RESULTS = ['height-to-disc', 'side-length', 'disc-spacing', 'disc-diameter',
                 'minimum-diameter', 'mesh-spacing', 'skirt-diameter'];
const AGAIN = ' Type it into the orange box and press a CALCULATE button again.';

let server, browser, page;
const refused = []; // requests to other sites, and what the page's policy refused

before(async () => {
    server = await serveSite(site);
    browser = await chromium.launch(chromiumOptions);
    const context = await browser.newContext({ locale: 'en-US', acceptDownloads: true });
    page = await context.newPage();
    page.on('request', (r) => {
        if (!r.url().startsWith(server.url) && !r.url().startsWith('blob:'))
            refused.push(`request to ${r.url()}`);
    });
    page.on('console', (m) => {
        if (/Content.Security.Policy|Refused to/i.test(m.text()))
            refused.push(m.text());
    });
    page.on('pageerror', (e) => refused.push(`page error: ${e.message}`));
    await page.goto(server.url);
});

after(async () => {
    await browser?.close();
    await server?.close();
});

async function calculate(text, button) {
    await page.fill('#frequency', text);
    await page.click(button);
}

async function results() {
    const shown = {};
    for (const key of RESULTS)
        shown[key] = await page.inputValue(`#${key}`);
    return shown;
}

// The bytes of the download a button starts.
async function downloaded(button) {
    const [download] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
    const chunks = [];
    for await (const chunk of await download.createReadStream())
        chunks.push(chunk);
    return { name: download.suggestedFilename(), text: Buffer.concat(chunks).toString('utf8') };
}

const predicted = () => page.waitForFunction(
    () => /^Predicted for /.test(document.getElementById('prediction-status').textContent),
    null, { timeout: 60_000 });

const tuned = () => page.waitForFunction(() => !document.getElementById('use').disabled, null,
                                         { timeout: 90_000 });

test('the seven results of both units are the desktop program\'s', async () => {
    for (const [button, option] of [['#inches', '--inches'], ['#centimetres', '--cm']]) {
        await calculate('146', button);
        assert.deepEqual(await results(), dimensions(await desktop(option, '146')), option);
    }
});

test('a failed calculation is said beside the box in the desktop\'s words', async () => {
    const before = await results();
    const cases = [
        ['abc', 'Type mismatch\n\nThe lowest frequency must be a number of megahertz, such as ' +
                '146, without letters or units.'],
        ['0', 'Division by zero\n\nThe lowest frequency must be a number of megahertz other ' +
              'than zero, such as 146.'],
        ['1e39', 'Overflow\n\nThe lowest frequency is too large or too small to calculate ' +
                 'with. Type a number of megahertz such as 146.'],
    ];
    for (const [typed, words] of cases) {
        await calculate(typed, '#inches');
        assert.equal(await page.textContent('#status'), words + AGAIN, typed);
        assert.deepEqual(await results(), before, `${typed} leaves the results`);
    }
});

test('the prediction, its table and its deck are the command line\'s', async () => {
    await calculate('146', '#centimetres');
    await page.click('#predict-button');
    await predicted();
    const table = await desktop('--cm', '146', '--swr');
    // The table's comment lines after its header are the summary and notes.
    const lines = table.split('\n').filter((l) => l.startsWith('# ')).map((l) => l.slice(2));
    const header = lines.findIndex((l) => l.startsWith('frequency_mhz'));
    assert.deepEqual((await page.inputValue('#summary')).split('\n'), lines.slice(header + 1));
    const saved = await downloaded('#save-table');
    assert.equal(saved.text, table);
    const deck = await downloaded('#save-deck');
    assert.equal(deck.name, 'discone-146MHz.nec');
    assert.equal(deck.text, await desktop('--cm', '146', '--nec'));
    const plot = await downloaded('#save-plot');
    assert.match(plot.text, /^<\?xml [^]*<svg [^]*Discone for 146 MHz \(centimetres\)[^]*<\/svg>$/);
});

test('the chart reads out from the keyboard', async () => {
    await page.focus('#swr-chart');
    await page.keyboard.press('Home');
    const first = await page.textContent('#readout');
    assert.match(first, /^146 MHz: SWR \d\.\d\d, −?\d+\.\d dBi at the horizon$/);
    await page.keyboard.press('ArrowRight');
    assert.notEqual(await page.textContent('#readout'), first);
    assert.equal(await page.getAttribute('#readout', 'aria-live'), 'polite');
});

test('a measurement is read in the page and summed up as the command line sums it', async () => {
    await page.setInputFiles('#measurement-file', measurement);
    const name = basename(measurement);
    await page.waitForFunction((n) => document.getElementById('notice').textContent.includes(n),
                               name);
    assert.match(await page.textContent('#notice'), new RegExp(`^Loaded 6 measured points from ${name}$`));
    const table = await desktop('--cm', '146', '--swr', '--measured', measurement);
    const expected = table.split('\n').filter((l) => l.startsWith('# measured'))
                         .map((l) => l.slice(2));
    assert.ok(expected.length > 0);
    const summary = (await page.inputValue('#summary')).split('\n');
    assert.deepEqual(summary.filter((l) => l.startsWith('measured')), expected);
});

test('tuning, and Use F′ MHz calculating the tuned design', async () => {
    await tuned();
    const [line, next] = (await desktop('--cm', '146', '--tune')).split('\n');
    const said = line.replace(/^# /, '');
    assert.equal(await page.textContent('#tuning'), said[0].toUpperCase() + said.slice(1));
    const frequency = /cut for (\S+) MHz/.exec(said)[1];
    assert.equal(await page.textContent('#use'), `Use ${frequency} MHz`);
    assert.ok(next.startsWith('# the tuned design'));
    await page.click('#use');
    assert.equal(await page.inputValue('#frequency'), frequency);
    assert.deepEqual(await results(), dimensions(await desktop('--cm', frequency)));
    await predicted();
    assert.match(await page.textContent('#prediction-title'), new RegExp(`${frequency} MHz, centimetres`));
});

// The summary and notes: the table's comment lines after its header.
function summaryOf(table) {
    const lines = table.split('\n').filter((l) => l.startsWith('# ')).map((l) => l.slice(2));
    return lines.slice(lines.findIndex((l) => l.startsWith('frequency_mhz')) + 1);
}

test('the frequencies, the reference and the feed line are the command line\'s', async () => {
    const summary = async () => (await page.inputValue('#summary')).split('\n');
    await calculate('146', '#centimetres');
    const cases = [
        { tag: '11 frequencies', fields: { points: '11' }, args: [] },
        { tag: '75 ohms', fields: { reference: '75' }, args: ['--z0', '75'] },
        { tag: 'a feed line', fields: { reference: '50', cable: 'rg213', length: '10' },
          args: ['--feedline', 'rg213:10'], radio: true },
    ];
    for (const { tag, fields, args, radio } of cases) {
        // The measurement loaded before stays beside the prediction.
        const expected = summaryOf(await desktop('--cm', '146', '--points', '11', '--swr',
                                                 '--measured', measurement, ...args));
        for (const [id, value] of Object.entries(fields))
            await (id === 'reference' || id === 'cable' ? page.selectOption(`#${id}`, value)
                                                        : page.fill(`#${id}`, value));
        // Until the prediction for all the fields is shown; a wrong one is
        // told by the comparison after.
        await page.waitForFunction((lines) => /^Predicted for .* at 11 frequencies/.test(
            document.getElementById('prediction-status').textContent) &&
            document.getElementById('summary').value === lines, expected.join('\n'),
                                   { timeout: 60_000 }).catch(() => {});
        const shown = await summary();
        assert.deepEqual(shown, expected, tag);
        assert.equal(shown.some((l) => l.startsWith('radio end: ')), Boolean(radio), tag);
    }
    // The radio end beside the antenna, read as return loss from the keyboard.
    await page.selectOption('#scale', 'return-loss');
    await page.focus('#swr-chart');
    await page.keyboard.press('Home');
    assert.match(await page.textContent('#readout'), new RegExp(
        '^146 MHz: antenna return loss \\d+\\.\\d dB, radio end return loss \\d+\\.\\d dB, ' +
        '−?\\d+\\.\\d dBi at the horizon$'));
    assert.match(await page.innerHTML('#swr-chart'), /at the radio, 10 m of RG-213\/U/);
    // A length the study's settings refuse, in the desktop's words (its
    // limits are 0 and kMaximumFeedlineMetres, 1000).
    await page.fill('#length', 'ten');
    await page.waitForSelector('#length-problem:not([hidden])');
    assert.equal(await page.textContent('#length-problem'),
                 'Type the feed line\'s length as a number from 0 to 1000 m, such as 12 or 1.5');
    assert.equal(await page.getAttribute('#length', 'aria-invalid'), 'true');
    await page.fill('#length', '10');
    await page.waitForSelector('#length-problem[hidden]', { state: 'attached' });
});

test('with no diameter typed, a design that 2 mm rods do not fit takes the rods that do', async () => {
    const note = summaryOf(await desktop('--cm', '1300', '--swr', '--points', '11'))
        .find((l) => l.startsWith('rods of '));
    const mm = /^rods of (\S+) mm/.exec(note)[1];
    await calculate('1300', '#centimetres');
    await page.waitForFunction((mm) => document.getElementById('prediction-status').textContent
        .startsWith(`Predicted for 16 rods of ${mm} mm`), mm, { timeout: 60_000 });
    assert.equal(await page.inputValue('#diameter'), mm);
    assert.ok((await page.inputValue('#summary')).split('\n').includes(note));
    await calculate('146', '#centimetres');
    await page.waitForFunction(() => /^Predicted for 16 rods of 2 mm .* from 146 /.test(
        document.getElementById('prediction-status').textContent), null, { timeout: 60_000 });
    assert.equal(await page.inputValue('#diameter'), '2');
});

test('each view shows its chart under its name and reads out from the keyboard', async () => {
    const views = [
        { tab: 'impedance', name: 'Impedance chart', reading: /^1460 MHz: R −?\d+\.\d Ω, X −?\d+\.\d Ω$/ },
        { tab: 'smith', name: 'Smith chart', reading: /^1460 MHz: R −?\d+\.\d Ω, X −?\d+\.\d Ω, SWR \d+\.\d\d$/ },
        { tab: 'beam', name: 'Beam chart', reading: /^1460 MHz: −?\d+\.\d dBi at the horizon/ },
    ];
    for (const { tab, name, reading } of views) {
        await page.click(`#${tab}-tab`);
        assert.equal(await page.getAttribute(`#${tab}-tab`, 'aria-selected'), 'true', tab);
        assert.equal(await page.getAttribute(`#${tab}-chart`, 'aria-label'), name, tab);
        await page.waitForSelector(`#${tab}-chart svg`);
        await page.focus(`#${tab}-chart`);
        await page.keyboard.press('End');
        assert.match(await page.textContent('#readout'), reading, tab);
    }
    // Enter on the SWR chart takes the read-out's frequency to the pattern.
    await page.click('#swr-tab');
    await page.focus('#swr-chart');
    await page.keyboard.press('Home');
    await page.keyboard.press('Enter');
    assert.equal(await page.getAttribute('#pattern-tab', 'aria-selected'), 'true');
    assert.equal(await page.inputValue('#pattern-at'), '146');
    assert.equal(await page.getAttribute('#pattern-chart', 'aria-label'), 'Elevation pattern chart');
    await page.waitForSelector('#pattern-chart svg', { timeout: 120_000 });
    assert.match(await page.innerHTML('#pattern-chart'), /elevation patterns[^]*146 MHz/);
    await page.focus('#pattern-chart');
    await page.keyboard.press('Home');
    assert.match(await page.textContent('#readout'), /^146 MHz, −\d+° elevation: /);
});

test('the page fits 360 pixels and axe-core finds no serious or critical violation', async () => {
    await page.setViewportSize({ width: 360, height: 740 });
    const width = await page.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(width <= 360, `the page is ${width} pixels wide`);
    await page.evaluate(axeSource);
    for (const view of ['calculator', 'info']) {
        if (view === 'info')
            await page.click('#info-button');
        const found = await page.evaluate(() => window.axe.run(document, {
            resultTypes: ['violations'],
        }).then((r) => r.violations.map((v) => ({ id: v.id, impact: v.impact,
                                                  nodes: v.nodes.map((n) => n.target.join(' ')) }))));
        const grave = found.filter((v) => v.impact === 'serious' || v.impact === 'critical');
        assert.deepEqual(grave, [], `${view}: ${JSON.stringify(grave)}`);
    }
    await page.click('#return');
});

test('nothing came from another site and the page\'s policy refused nothing', () => {
    assert.deepEqual(refused, []);
});
