// Euclid's way and "Your answer" on the page, in the engine VELMORA_BROWSER
// names: the account the page shows is the native engine's byte for byte;
// the section is reached by keyboard and by a tap; on a projector it stands
// beside the window and shows the transcript and the account whole; and the
// pupil's answers get the verdicts and first findings of a model of our own.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { devices } from 'playwright-core';

import { browserName, launchBrowser } from './browsers.mjs';
import { until } from './deadline.mjs';
import { fillAndCalculate as calculate } from './inputs.mjs';
import { runAxe } from './layouts.mjs';
import { design, languageCodes, launch, mulberry32, native, openPage, pluralForm } from './velmora.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

const chromiumOnly = browserName === 'chromium' ? {} : { skip: `Chromium's phone profiles only, not ${browserName}` };
const { defaultBrowserType, ...pixel7 } = devices['Pixel 7'];
const phone = { ...pixel7, deviceScaleFactor: 1 };
const phoneSize = { width: pixel7.viewport.width, height: pixel7.viewport.height };

const shownAccount = (s) => s.evaluate(() => document.getElementById('EuclidWay').textContent);
const lf = (text) => text.replace(/\r\n/g, '\n');

// ---- the account --------------------------------------------------------

describe("Euclid's way after Calculate", () => {
    const equations = [
        [1534, 1309, 652],
        [91, 35, 14],
        [-91, 35, -14],
        [0, 4, 8],
        [0, 4, 6],
        [4, 6, 0],
        [0, 0, 5],
        ['1,5', 'abc', '7'],
        ['-1.5', '6', '9'],
    ];
    for (const code of languageCodes())
        test(`is the native engine's, byte for byte (${code})`, async () => {
            const s = await browser.open({ search: `?lang=${code}` });
            const separator = await s.evaluate(() => {
                const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
                return parts.find((p) => p.type === 'decimal')?.value ?? '.';
            });
            const expected = native([['language', code], ...equations.map(([a, b, c]) => ['euclid', a, b, c, separator])]).slice(1)
                .map((view) => JSON.parse(view).euclid);
            for (const [i, equation] of equations.entries()) {
                await s.click('#Buton1');
                await calculate(s, equation);
                const shown = await shownAccount(s);
                assert.ok(shown.length > 0, `${equation}: an account`);
                assert.equal(shown, lf(expected[i]), equation.join(' '));
            }
            // A new equation leaves no account of the old one behind.
            await s.click('#Buton1');
            assert.equal(await shownAccount(s), '');
            await s.close();
        });

    // Runs in the page: the table of Euclid's way, if one is shown, and the
    // chosen method.
    const shownTable = () => {
        const table = document.querySelector('#EuclidWay table');
        return {
            method: document.querySelector('input[name="EuclidMethod"]:checked')?.value,
            text: document.getElementById('EuclidWay').textContent,
            transcript: document.getElementById('Pole4').value,
            table: table && {
                name: table.getAttribute('aria-label'),
                headers: [...table.querySelectorAll('thead th')].map((th) => [th.textContent, th.scope]),
                rows: [...table.tBodies[0].rows].map((row) => [...row.cells].map((cell) => cell.textContent)),
            },
        };
    };
    const number = (text) => BigInt(text.replace('\u2212', '-'));

    test('shows the table method as a table a screen reader reads by column, chosen by tap or keys and kept for the visit', async () => {
        const s = await browser.open({ search: '?lang=en' });
        await calculate(s, [91, 35, 14]);
        const before = await s.evaluate(shownTable);
        assert.equal(before.method, 'substitution');
        assert.equal(before.table, null);

        await s.click('input[name="EuclidMethod"][value="table"]');
        const tabled = await until('the table after a click on "As a table"', () => s.evaluate(shownTable), (seen) => seen.table !== null);
        assert.equal(tabled.method, 'table');
        assert.equal(tabled.transcript, before.transcript, 'the working is not drawn again');
        assert.equal(tabled.table.name, design('en').texts.phrases['euclid.tableName']);
        assert.deepEqual(tabled.table.headers, [['q', 'col'], ['r', 'col'], ['s', 'col'], ['t', 'col']]);
        // Every row keeps r = 91s + 35t, from the rows of 91 and 35 down to the GCD.
        const rows = tabled.table.rows;
        assert.deepEqual(rows.slice(0, 2).map((row) => row.slice(1)), [['91', '1', '0'], ['35', '0', '1']]);
        for (const [q, r, sv, t] of rows) {
            assert.equal(number(r), 91n * number(sv) + 35n * number(t), `${q} ${r} ${sv} ${t}`);
        }
        assert.equal(rows.at(-1)[1], '7');
        assert.ok(!tabled.text.includes('91 = 2·35 + 21'), 'no divisions beside the table');

        // By keys: the checked choice takes the arrow to the other one.
        await s.focus('input[name="EuclidMethod"][value="table"]');
        await s.press('ArrowUp');
        const substituted = await until('the substitution after an arrow key', () => s.evaluate(shownTable), (seen) => seen.table === null);
        assert.equal(substituted.method, 'substitution');
        assert.ok(substituted.text.includes('91 = 2·35 + 21'), substituted.text);

        // Kept through New data and another language.
        await s.press('ArrowDown');
        await until('the table again', () => s.evaluate(shownTable), (seen) => seen.table !== null);
        await s.click('#Buton2');
        await s.click('#Languages > button[lang="bg"]');
        await s.click('#Buton1');
        await calculate(s, [-91, 35, -14]);
        const kept = await until('the table in Bulgarian', () => s.evaluate(shownTable), (seen) => seen.table !== null);
        assert.equal(kept.method, 'table');
        assert.equal(kept.table.name, design('bg').texts.phrases['euclid.tableName']);
        assert.equal(await s.evaluate(() => document.getElementById('EuclidAsTableCaption').textContent),
            design('bg').texts.phrases['euclid.asTable']);
        await s.close();
    });

    test('is reached from the link after the transcript, by keyboard and by click', async () => {
        const s = await browser.open({ viewport: phoneSize });
        await calculate(s, [91, 35, 14]);
        // Where the section stands once the link's scroll has come to rest.
        const reached = () => until('the section in the upper half of the screen', () => s.evaluate(() => {
            const box = document.getElementById('Euclid').getBoundingClientRect();
            return { hash: location.hash, top: Math.round(box.top), height: innerHeight };
        }), (at) => at.hash === '#Euclid' && at.top >= -1 && at.top < at.height / 2);
        const link = await s.evaluate(() => {
            const e = document.getElementById('EuclidLink');
            const box = e.getBoundingClientRect();
            return { text: e.textContent, shown: box.height >= 44 && box.bottom <= innerHeight + 1 };
        });
        assert.equal(link.text, design('bg').texts.phrases['euclid.title']);
        assert.ok(link.shown, 'the link stands on the first screen, 44 px high');
        await s.focus('#EuclidLink');
        await s.press('Enter');
        let at = await reached();
        assert.equal(at.hash, '#Euclid');
        assert.ok(at.top >= -1 && at.top < at.height / 2, `section top at ${at.top}`);
        await s.evaluate(() => {
            history.replaceState(null, '', location.pathname);
            scrollTo(0, 0);
        });
        await s.click('#EuclidLink');
        at = await reached();
        assert.equal(at.hash, '#Euclid');
        assert.ok(at.top >= -1 && at.top < at.height / 2, `section top at ${at.top}`);
        await s.close();
    });
});

// ---- a projector ------------------------------------------------------------

// Runs in the page: where the window, the panel and every line of the
// transcript's copy and of the account lie.
function projected() {
    const $ = (id) => document.getElementById(id);
    const box = (e) => e.getBoundingClientRect();
    const lines = (e) => {
        const range = document.createRange();
        range.selectNodeContents(e);
        return [...range.getClientRects()].filter((r) => r.width > 0);
    };
    const all = [...lines($('TranscriptCopy')), ...lines($('EuclidWay'))];
    const languages = box($('Languages'));
    const under = (r) => r.left < languages.right && r.right > languages.left && r.top < languages.bottom && r.bottom > languages.top;
    return {
        underTheSwitch: all.filter(under).length,
        window: box($('MainWindow')).toJSON(),
        reading: box($('Reading')).toJSON(),
        lowest: Math.max(...all.map((r) => r.bottom)),
        rightmost: Math.max(...all.map((r) => r.right)),
        leftmost: Math.min(...all.map((r) => r.left)),
        overflow: [$('Reading').scrollHeight - $('Reading').clientHeight, $('Reading').scrollWidth - $('Reading').clientWidth],
        viewport: [innerWidth, innerHeight],
        fontSizes: [$('TranscriptCopy'), $('EuclidWay'), $('Pole4')].map((e) => parseFloat(getComputedStyle(e).fontSize)),
        copy: $('TranscriptCopy').textContent,
        copyShown: getComputedStyle($('TranscriptCopy')).display !== 'none',
    };
}

describe('on a projector', () => {
    // The least size beside the window is where its scale gives the panel's
    // text 1.25 rem (1920 × 1080 at 120 % zoom); 1280 × 720 is below it.
    for (const [width, height, least] of [[1920, 1080, 24], [1600, 900, 20]])
        test(`${width} × ${height}: the transcript and Euclid's way beside the window, whole`, async (t) => {
            const s = await browser.open({ viewport: { width, height } });
            await calculate(s, [91, 35, 14]);
            const m = await s.evaluate(projected);
            t.diagnostic(`${width} × ${height}: text ${m.fontSizes[1].toFixed(2)} px, lowest line ${m.lowest.toFixed(0)} of ${m.viewport[1]}, `
                + `reading box ${m.reading.width.toFixed(0)} × ${m.reading.height.toFixed(0)}, overflow ${m.overflow}`);
            assert.deepEqual(m.viewport, [width, height]);
            assert.ok(m.copyShown, 'the transcript shown whole beside the window');
            assert.equal(m.copy, lf(await s.transcript()));
            assert.ok(m.leftmost >= m.window.right, 'beside the window, not over it');
            assert.ok(m.lowest <= height && m.rightmost <= width, 'every line on the screen');
            assert.equal(m.underTheSwitch, 0, 'lines under the language switch');
            assert.ok(m.overflow.every((o) => o <= 0), `nothing to scroll: ${m.overflow}`);
            assert.ok(m.fontSizes.every((size) => size >= least), `text of ${m.fontSizes} px`);
            // At the window's scale: the panel's text is the window's.
            assert.ok(Math.abs(m.fontSizes[1] - m.fontSizes[2]) < 0.05, `${m.fontSizes}`);
            await s.close();
        });
});

describe('on a projector, Euclid\'s way longer than two columns hold', () => {
    // In Bulgarian 1534x + 1309y = 652 is more than two columns a screen
    // high: the two grow down the page, and no line runs off its right edge.
    test('1920 × 1080: every line on the screen\'s width, the page scrolled down for the rest', async () => {
        const s = await browser.open({ viewport: { width: 1920, height: 1080 } });
        await calculate(s, [1534, 1309, 652]);
        const m = await s.evaluate(projected);
        const page = await s.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
        assert.ok(page[0] <= page[1], `the page scrolls sideways: ${page}`);
        assert.ok(m.leftmost >= m.window.right && m.rightmost <= m.viewport[0], `lines from x = ${m.leftmost} to ${m.rightmost}`);
        assert.ok(m.overflow[1] <= 0, `the reading box overflows by ${m.overflow[1]} px to the right`);
        assert.ok(m.lowest > m.viewport[1], 'the rest below the screen');
        assert.equal(m.underTheSwitch, 0, 'lines under the language switch');
        // A shorter one again fills two columns a screen high.
        await s.click('#Buton1');
        await calculate(s, [91, 35, 14]);
        const short = await s.evaluate(projected);
        assert.ok(short.reading.bottom <= short.viewport[1] && short.reading.height > 0.9 * short.viewport[1],
            `the reading box from y = ${short.reading.top} to ${short.reading.bottom} of ${short.viewport[1]}`);
        assert.ok(short.lowest <= short.viewport[1] && short.overflow.every((o) => o <= 0), `${short.overflow}`);
        await s.close();
    });

    // Paced, the lesson passes from one way to the other and back, with
    // the focus on the button that paces it.
    test('1920 × 1080, paced: the columns change with the steps shown, the focus on Next', async () => {
        const s = await browser.open({ viewport: { width: 1920, height: 1080 } });
        await calculate(s, [1534, 1309, 652]);
        const state = () => s.evaluate(() => ({
            overfull: document.getElementById('Reading').classList.contains('overfull'),
            focused: document.activeElement?.id,
            shown: [...document.querySelectorAll('#EuclidWay .euclid-line')].filter((l) => !l.hidden).length,
            scroll: [document.documentElement.scrollWidth, document.documentElement.clientWidth, scrollY],
        }));
        assert.equal((await state()).overfull, true);
        await s.click('#EuclidNext');
        const first = await until('the first step', state, (seen) => seen.shown === 1);
        assert.deepEqual([first.overfull, first.focused], [false, 'EuclidNext']);
        let seen = first;
        while (!seen.overfull) {
            await s.press('Alt+PageDown');
            const before = seen.shown;
            seen = await until('the next step', state, (now) => now.shown > before);
        }
        assert.equal(seen.focused, 'EuclidNext', `the focus on ${seen.focused} at step ${seen.shown}`);
        assert.ok(seen.scroll[0] <= seen.scroll[1], `the page scrolls sideways: ${seen.scroll}`);
        await s.close();
    });

    // A resize, as a change of the zoom brings, measures the columns again,
    // and the page keeps its place, scrolled down to the pupil's answer.
    test('1920 × 1080: scrolled down, a resize keeps the page where it was', async () => {
        const s = await browser.open({ viewport: { width: 1920, height: 1080 } });
        await calculate(s, [1534, 1309, 652]);
        const place = await s.evaluate(() => {
            window.scrollTo(0, document.getElementById('Practice').getBoundingClientRect().top + scrollY - 8);
            const at = scrollY;
            window.dispatchEvent(new Event('resize'));
            return [at, scrollY, document.getElementById('Reading').classList.contains('overfull')];
        });
        assert.ok(place[0] > 500, `scrolled to ${place[0]}`);
        assert.deepEqual(place.slice(1), [place[0], true]);
        await s.close();
    });
});

// ---- zoomed in on a projector ---------------------------------------------------

// The browser's zoom Z on a W × H screen is a viewport of W/Z × H/Z CSS
// pixels, each Z of the screen's pixels: where the driver can, the page is
// opened so (Chromium), elsewhere at the smaller viewport alone. Text Z
// times its CSS size on the screen: a size in CSS pixels times Z is the size
// a pupil at the projector sees, in the screen's pixels.
function zoomedIn() {
    const $ = (id) => document.getElementById(id);
    const box = (e) => e.getBoundingClientRect();
    const texts = ['EuclidWay', 'BoundsAccount', 'PictureTitle', 'AnswerNoneCaption'];
    // Each formula of Euclid's way whose unbroken width fits its line, and
    // whether it stands on one row of it: one top for all of its boxes, no
    // box higher than a line, so neither a line break nor a column's.
    const broken = [];
    let fitting = 0;
    for (const f of document.querySelectorAll('#EuclidWay .formula')) {
        const line = f.closest('.euclid-line');
        const style = getComputedStyle(line);
        const lineHeight = parseFloat(style.lineHeight) || 1.25 * parseFloat(style.fontSize);
        const saved = [f.style.whiteSpace, f.style.maxWidth];
        Object.assign(f.style, { whiteSpace: 'nowrap', maxWidth: 'none' });
        const natural = box(f).width;
        [f.style.whiteSpace, f.style.maxWidth] = saved;
        if (natural > line.clientWidth) continue;
        ++fitting;
        const rects = [...f.getClientRects()].filter((r) => r.width > 0);
        if (rects.some((r) => Math.abs(r.top - rects[0].top) > 1 || r.height > 1.5 * lineHeight))
            broken.push(`${f.textContent}: ${rects.map((r) => `${Math.round(r.left)},${Math.round(r.top)} ${Math.round(r.width)}×${Math.round(r.height)}`).join('; ')}`);
    }
    return {
        viewport: [innerWidth, innerHeight],
        ratio: devicePixelRatio,
        rem: parseFloat(getComputedStyle(document.documentElement).fontSize),
        scroll: [document.documentElement.scrollWidth, document.documentElement.clientWidth],
        window: box($('MainWindow')).toJSON(),
        panel: box($('Panel')).toJSON(),
        sizes: Object.fromEntries(texts.map((id) => [id, parseFloat(getComputedStyle($(id)).fontSize)])),
        fitting,
        broken,
    };
}

describe('zoomed in on a 1920 × 1080 projector', () => {
    test('at 100, 150 and 200 %: the panel\'s text larger on the screen, below the window, nothing sideways, no formula broken', async (t) => {
        const seen = new Map();
        for (const zoom of [1, 1.5, 2]) {
            const viewport = { width: Math.round(1920 / zoom), height: Math.round(1080 / zoom) };
            const s = await browser.open({ viewport, deviceScale: zoom });
            await calculate(s, [1534, 1309, 652]);
            const m = await s.evaluate(zoomedIn);
            await s.close();
            const at = `${zoom * 100} %`;
            t.diagnostic(`${at}: ${m.viewport.join(' × ')} CSS px, ${m.ratio} to a CSS px, text ${JSON.stringify(m.sizes)} CSS px, ${m.fitting} formulas that fit`);
            assert.deepEqual(m.viewport, [viewport.width, viewport.height]);
            if (browser.can.deviceScale) assert.equal(m.ratio, zoom, 'the device scale');
            assert.ok(m.scroll[0] <= m.scroll[1], `${at}: the page scrolls sideways, ${m.scroll}`);
            assert.ok(m.fitting > 20, `${at}: ${m.fitting} formulas`);
            assert.deepEqual(m.broken, [], `${at}: formulas broken where they fit`);
            // Beside the window at 100 %; zoomed in, the panel goes below it.
            if (zoom === 1) assert.ok(m.panel.left >= m.window.right, `${at}: the panel at x = ${m.panel.left}`);
            else assert.ok(m.panel.top >= m.window.bottom - 1 && m.panel.right <= viewport.width, `${at}: the panel at ${m.panel.left}, ${m.panel.top}`);
            seen.set(zoom, m);
        }
        // Zoomed in, never below the reader's own text size half as large
        // again; on the screen each step of the zoom larger than the one before.
        for (const [id, size] of Object.entries(seen.get(1).sizes)) {
            const onScreen = [1, 1.5, 2].map((zoom) => seen.get(zoom).sizes[id] * zoom);
            assert.ok(onScreen[0] < onScreen[1] && onScreen[1] < onScreen[2], `${id}: ${onScreen.map((p) => p.toFixed(1))} screen px`);
            for (const zoom of [1.5, 2])
                assert.ok(seen.get(zoom).sizes[id] >= 1.5 * seen.get(zoom).rem - 0.01, `${id} at ${zoom * 100} %: ${seen.get(zoom).sizes[id]} CSS px`);
            assert.ok(size >= 24, `${id} at 100 %: ${size} CSS px`);
        }
    });
});

// ---- "Your answer" ------------------------------------------------------------

const fill = (template, slots) => template.replace(/\{(\w+)\}/g, (all, name) => (name in slots ? String(slots[name]) : all));
// Numbers and the arithmetic of a pair as the board writes them: U+2212
// for a minus, a negative factor in brackets, the products, then the sum.
const num = (n) => (n < 0n ? `−${-n}` : String(n));
const factor = (n) => (n < 0n ? `(${num(n)})` : num(n));
const check = (a, x, b, y) =>
    `${a}·${factor(x)} + ${b}·${factor(y)} = ${num(a * x)} ${b * y < 0n ? '−' : '+'} ${b * y < 0n ? -b * y : b * y} = ${num(a * x + b * y)}`;
// The tally in the language's plural form for the hints taken.
function tally(texts, slots) {
    const forms = texts.plurals['practice.tally'];
    return fill(forms[Math.min(pluralForm(texts.pluralForms, slots.hints), forms.length - 1)], slots);
}

// The model: the GCD and a solution of |A| x + |B| y = GCD, in BigInt.
function euclid(a, b) {
    let [r0, r1, s0, s1, t0, t1] = [a, b, 1n, 0n, 0n, 1n];
    while (r1 !== 0n) {
        const q = r0 / r1;
        [r0, r1, s0, s1, t0, t1] = [r1, r0 - q * r1, s1, s0 - q * s1, t1, t0 - q * t1];
    }
    return { gcd: r0, x: s0, y: t0 };
}

// Equations with positive coefficients, and answers of every kind with what
// the first finding must say (a model of our own, in English).
function cases(random, count) {
    const phrases = design('en').texts.phrases;
    const p = (key) => phrases[`practice.${key}`];
    const int = (lo, hi) => BigInt(lo + Math.floor(random() * (hi - lo + 1)));
    const out = [];
    while (out.length < count) {
        const g0 = int(1, 4);
        const a = g0 * int(2, 30);
        const b = g0 * int(2, 30);
        const { gcd, x, y } = euclid(a, b);
        const solvable = random() < 0.8;
        const c = solvable ? gcd * int(-20, 20) : gcd * int(-10, 10) + int(1, Number(gcd) - 1 || 1);
        if (!solvable && (gcd === 1n || c % gcd === 0n)) continue;
        const eq = [a, b, c];
        if (!solvable) {
            out.push({ kind: 'no solution claimed, rightly', eq, answer: ['', '', '', '', true], verdict: 'right',
                first: fill(p('noSolution.right'), { a, b, gcd, c: num(c) }) });
            continue;
        }
        const k = c / gcd;
        const t = int(-3, 3);
        const x0 = x * k + (b / gcd) * t;
        const y0 = y * k - (a / gcd) * t;
        const [sx, sy] = random() < 0.5 ? [b / gcd, -a / gcd] : [-b / gcd, a / gcd];
        const right = { kind: 'right', eq, answer: [x0, y0, sx, sy, false], verdict: 'right',
            first: fill(p('particular.right'), { check: check(a, x0, b, y0) }) };
        const kinds = [
            right,
            { kind: 'wrong pair', eq, answer: [x0 + 1n, y0, sx, sy, false], verdict: 'wrong',
                first: fill(p('particular.wrong'), { check: check(a, x0 + 1n, b, y0), c: num(c) }) },
            { kind: 'no solution claimed, wrongly', eq, answer: ['', '', '', '', true], verdict: 'wrong',
                first: fill(p('noSolution.wrong'), { a, b, gcd, c: num(c) }) },
        ];
        if (y0 !== 0n)
            kinds.push({ kind: 'sign of y₀ swapped', eq, answer: [x0, -y0, sx, sy, false], verdict: 'wrong',
                first: fill(p('particular.wrong'), { check: check(a, x0, b, -y0), c: num(c) }),
                also: p('particular.signOfY').split('{equation}')[1] });
        if (gcd > 1n)
            kinds.push({ kind: 'steps times the GCD', eq, answer: [x0, y0, b, -a, false], verdict: 'wrong',
                first: fill(p('steps.multipleOfGcd'), { p: num(b), q: num(-a), gcd }) });
        out.push(kinds[Math.floor(random() * kinds.length)]);
    }
    return out;
}

// Runs in the page: the feedback as shown and named.
function feedbackShown() {
    const e = document.getElementById('Feedback');
    return {
        verdict: e.dataset.verdict,
        lines: [...e.querySelectorAll('p')].map((p) => ({ text: p.textContent, mistake: p.classList.contains('mistake') })),
        role: e.getAttribute('role'),
        live: e.getAttribute('aria-live'),
        name: e.getAttribute('aria-label'),
        tally: document.getElementById('Tally').textContent,
    };
}

function assertFinding(seen, c) {
    const label = `${c.kind}: ${c.eq.join(', ')} answered ${c.answer.join(', ')}`;
    assert.equal(seen.verdict, c.verdict, label);
    const findings = seen.lines.slice(1);
    if (c.verdict === 'right') {
        assert.ok(findings.every((l) => !l.mistake), label);
        assert.equal(findings[0].text, c.first, label);
        return;
    }
    const mistakes = findings.filter((l) => l.mistake);
    assert.ok(mistakes.length > 0, label);
    // A wrong answer is never told a pair that solves the equation.
    const [a, b, cc] = c.eq;
    const minus = (t) => BigInt(t.replace('−', '-'));
    for (const line of findings)
        for (const m of line.text.matchAll(/x₀? = ((?:−)?\d+),? (?:and )?y₀? = ((?:−)?\d+)|\(((?:−)?\d+)[;,] ((?:−)?\d+)\)/g)) {
            const [u, v] = m[1] ? [m[1], m[2]] : [m[3], m[4]];
            assert.ok(a * minus(u) + b * minus(v) !== cc || (minus(u) === c.answer[0] && minus(v) === c.answer[1]), `${label}: "${line.text}"`);
        }
    assert.equal(mistakes[0].text, c.first, label);
    if (c.also) assert.ok(mistakes.some((l) => l.text.endsWith(c.also)), `${label}: the swapped sign named`);
}

// One answer typed into the empty fields and checked, by keyboard: Tab from
// field to field, Space on the claim, Enter on Check.
async function answerByKeyboard(s, [x0, y0, p, q, none]) {
    await s.focus('#AnswerX0');
    for (const [i, value] of [x0, y0, p, q].entries()) {
        if (i > 0) await s.press('Tab');
        if (String(value) !== '') await s.type(String(value));
    }
    await s.press('Tab');
    const checked = await s.evaluate(() => document.getElementById('AnswerNone').checked);
    if (checked !== none) await s.press('Space');
    await s.press('Tab');
    await s.press('Enter');
}

describe('your answer', () => {
    test('a round by keyboard: right, wrong, swapped signs, multiple steps and the claim both ways', async (t) => {
        const list = cases(mulberry32(2027), 14);
        const s = await browser.open({ search: '?lang=en' });
        let right = 0;
        const seenEquations = new Set();
        for (const c of list) {
            await s.click('#Buton1');
            await calculate(s, c.eq.map(String));
            await answerByKeyboard(s, c.answer);
            const seen = await s.evaluate(feedbackShown);
            assertFinding(seen, c);
            // Each equation counts once in the round, from its first check.
            const key = c.eq.join(' ');
            if (!seenEquations.has(key)) right += c.verdict === 'right' ? 1 : 0;
            seenEquations.add(key);
            assert.equal(seen.tally, tally(design('en').texts, { right, total: seenEquations.size, hints: 0 }));
        }
        const kinds = new Set(list.map((c) => c.kind));
        t.diagnostic(`${list.length} answers: ${[...kinds].join('; ')}`);
        assert.ok(kinds.size >= 5, [...kinds].join('; '));
        await s.click('#TallyClear');
        assert.equal(await s.evaluate(() => document.getElementById('Tally').textContent),
            tally(design('en').texts, { right: 0, total: 0, hints: 0 }));
        await s.close();
    });

    test('the feedback is a polite live region named in the page language; a correction earns no point', async () => {
        for (const code of languageCodes()) {
            const s = await browser.open({ search: `?lang=${code}` });
            const texts = design(code).texts;
            await s.fill('#Pole1', '3');
            await s.fill('#Pole2', '5');
            await s.fill('#Pole3', '1');
            // Before Calculate: the equation in the fields is checked.
            await s.fill('#AnswerX0', '2');
            await s.fill('#AnswerY0', '1');
            await s.fill('#AnswerP', '5');
            await s.fill('#AnswerQ', '-3');
            await s.click('#AnswerCheck');
            let seen = await s.evaluate(feedbackShown);
            assert.equal(seen.role, 'status');
            assert.equal(seen.live, 'polite');
            assert.equal(seen.name, texts.practiceControls.feedback.accessibleName);
            assert.equal(seen.verdict, 'wrong');
            assert.equal(seen.lines[0].text, texts.phrases['practice.wrong']);
            await s.fill('#AnswerX0', '-3');
            await s.fill('#AnswerY0', '2');
            await s.click('#AnswerCheck');
            seen = await s.evaluate(feedbackShown);
            assert.equal(seen.verdict, 'right');
            assert.equal(seen.lines[0].text, texts.phrases['practice.right']);
            assert.equal(seen.tally, tally(texts, { right: 0, total: 1, hints: 0 }));
            // New data: the next equation, and the answer starts afresh.
            await s.click('#Buton2');
            const after = await s.evaluate(() => ({
                fields: ['AnswerX0', 'AnswerY0', 'AnswerP', 'AnswerQ'].map((id) => document.getElementById(id).value),
                feedback: document.getElementById('Feedback').textContent,
                equation: [1, 2, 3].map((k) => document.getElementById(`Pole${k}`).value),
            }));
            assert.deepEqual(after.fields, ['', '', '', '']);
            assert.equal(after.feedback, '');
            assert.notDeepEqual(after.equation, ['3', '5', '1']);
            await s.close();
        }
    });

    test('hints come one at a time by the Hint button, end in the whole answer, and count in the score', async () => {
        for (const code of languageCodes()) {
            const s = await browser.open({ search: `?lang=${code}` });
            const texts = design(code).texts;
            const named = await s.evaluate(() => ({
                hint: document.getElementById('AnswerHint').textContent,
                hintName: document.getElementById('AnswerHint').getAttribute('aria-label'),
                hintsName: document.getElementById('Hints').getAttribute('aria-label'),
            }));
            assert.equal(named.hint, texts.practiceControls.hint.text, code);
            assert.equal(named.hintName, texts.practiceControls.hint.accessibleName, code);
            assert.equal(named.hintsName, texts.practiceControls.hints.accessibleName, code);
            await s.fill('#Pole1', '91');
            await s.fill('#Pole2', '35');
            await s.fill('#Pole3', '14');
            const shownHints = () => s.evaluate(() => ({
                items: [...document.querySelectorAll('#Hints li')].map((li) => li.textContent),
                hidden: document.getElementById('Hints').hidden,
                disabled: document.getElementById('AnswerHint').disabled,
                tally: document.getElementById('Tally').textContent,
            }));
            assert.deepEqual((await shownHints()).items, [], code);
            // By keyboard: the button takes the focus and Enter.
            for (let k = 1; k <= 3; ++k) {
                await s.focus('#AnswerHint');
                await s.press('Enter');
                const seen = await until(`hint ${k} in ${code}`, shownHints, (v) => v.items.length === k);
                assert.equal(seen.hidden, false, code);
                assert.equal(seen.disabled, k === 3, code);
            }
            const { items, tally: score } = await shownHints();
            assert.match(items[0], /7 = 2·91 − 5·35/, code);
            assert.match(items[1], /4·91 − 10·35/, code);
            assert.match(items[2], /x = 4 − 5t, y = −10 \+ 13t, t ∈ ℤ/, code);
            assert.match(items[2], /A\(x₀ \+ pt\) \+ B\(y₀ \+ qt\) = C \+ \(Ap \+ Bq\)t/, code);
            assert.equal(score, tally(texts, { right: 0, total: 0, hints: 3 }), code);
            // The whole answer the last hint gives is right, and after hints earns no point.
            for (const [id, value] of [['#AnswerX0', '4'], ['#AnswerY0', '-10'], ['#AnswerP', '-5'], ['#AnswerQ', '13']]) await s.fill(id, value);
            await s.click('#AnswerCheck');
            const checked = await until(`the verdict in ${code}`, () => s.evaluate(feedbackShown), (v) => v.verdict === 'right');
            assert.equal(checked.tally, tally(texts, { right: 0, total: 1, hints: 3 }), code);
            await s.close();
        }
    });

    test('after Check on a phone the feedback is scrolled into view', async () => {
        const s = await browser.open({ search: '?lang=en', viewport: phoneSize });
        await s.fill('#Pole1', '91');
        await s.fill('#Pole2', '35');
        await s.fill('#Pole3', '14');
        await s.fill('#AnswerX0', '4');
        await s.fill('#AnswerY0', '10');
        await s.click('#AnswerCheck');
        const seen = await until('the feedback within the screen', () => s.evaluate(() => {
            const box = document.getElementById('Feedback').getBoundingClientRect();
            return { top: box.top, height: window.innerHeight, text: document.getElementById('Feedback').textContent };
        }), (v) => v.text !== '' && v.top >= 0 && v.top < v.height);
        assert.match(seen.text, /91·4 \+ 35·10 = 364 \+ 350 = 714, not 14\./);
        assert.doesNotMatch(seen.text, /x₀ = 4, y₀ = −10|\(4, −10\)/);
        await s.close();
    });

    // The answer starts afresh with every new equation and language; a
    // changed coefficient takes the feedback away and leaves the entries.
    test('New data, Clear, a range and a language empty the answer; a coefficient typed clears the feedback only', async () => {
        const s = await browser.open({ search: '?lang=en' });
        const answer = () => s.evaluate(() => ({
            entries: ['AnswerX0', 'AnswerY0', 'AnswerP', 'AnswerQ'].map((id) => document.getElementById(id).value),
            claim: document.getElementById('AnswerNone').checked,
            feedback: document.getElementById('Feedback').textContent,
        }));
        const answered = async () => {
            await s.fill('#Pole1', '3');
            await s.fill('#Pole2', '5');
            await s.fill('#Pole3', '1');
            for (const [id, value] of [['#AnswerX0', '2'], ['#AnswerY0', '-1'], ['#AnswerP', '5'], ['#AnswerQ', '-3']]) await s.fill(id, value);
            await s.click('#AnswerCheck');
            assert.notEqual((await answer()).feedback, '');
        };
        const empty = { entries: ['', '', '', ''], claim: false, feedback: '' };
        for (const start of [() => s.click('#Buton2'), () => s.click('#Buton1'), () => s.select('#Sluch', '500'), () => s.click('#Languages > button[lang="bg"]')]) {
            await answered();
            await start();
            assert.deepEqual(await answer(), empty, String(start));
        }
        await answered();
        await s.fill('#Pole3', '2');
        assert.deepEqual(await answer(), { entries: ['2', '-1', '5', '-3'], claim: false, feedback: '' });
        await s.close();
    });

    test('its controls are named as design.json names them, and take whole numbers with a sign', async () => {
        const s = await browser.open({ search: '?lang=en' });
        const seen = await s.evaluate(() => Object.fromEntries(['AnswerX0', 'AnswerY0', 'AnswerP', 'AnswerQ', 'AnswerNone', 'AnswerCheck', 'AnswerHint', 'TallyClear']
            .map((id) => [id, [document.getElementById(id).getAttribute('aria-label'), document.getElementById(id).getAttribute('inputmode')]])));
        const names = design('en').texts.practiceControls;
        const expected = { AnswerX0: 'x0', AnswerY0: 'y0', AnswerP: 'stepX', AnswerQ: 'stepY', AnswerNone: 'noSolution', AnswerCheck: 'check', AnswerHint: 'hint', TallyClear: 'clearTally' };
        for (const [id, key] of Object.entries(expected)) assert.equal(seen[id][0], names[key].accessibleName, id);
        for (const [id, start] of [['AnswerX0', 'x₀'], ['AnswerY0', 'y₀'], ['AnswerP', 'p in x = x₀ + pt'], ['AnswerQ', 'q in y = y₀ + qt'], ['AnswerNone', 'No integer solution'], ['AnswerCheck', 'Check']])
            assert.ok(seen[id][0].startsWith(start), `${id}: ${seen[id][0]}`);
        for (const id of ['AnswerX0', 'AnswerY0', 'AnswerP', 'AnswerQ']) assert.equal(seen[id][1], 'numeric', id);
        await s.close();
    });
});

describe('the panel in both languages', () => {
    // Runs in the page: every caption and name of the panel as shown.
    const panelShown = (s, ids) => s.evaluate((list) => ({
        captions: Object.fromEntries(list.captions.map((id) => [id, document.getElementById(id).textContent])),
        names: Object.fromEntries(list.names.map((id) => [id, document.getElementById(id).getAttribute('aria-label')])),
    }), ids);
    test('captions and names as design.json has them, and again after a switch', async () => {
        const ids = { captions: Object.keys(design('bg').texts.panel.captions), names: Object.keys(design('bg').texts.panel.accessibleNames) };
        assert.deepEqual(Object.keys(design('en').texts.panel.captions).sort(), [...ids.captions].sort());
        const s = await browser.open({ search: '?lang=bg' });
        assert.deepEqual(await panelShown(s, ids), { captions: design('bg').texts.panel.captions, names: design('bg').texts.panel.accessibleNames });
        await calculate(s, [91, 35, 14]);
        await s.click('#AnswerCheck');
        await s.click('#Languages > button[lang="en"]');
        assert.deepEqual(await panelShown(s, ids), { captions: design('en').texts.panel.captions, names: design('en').texts.panel.accessibleNames });
        // A new language starts a new account: nothing is left in the old one.
        const left = await s.evaluate(() => [document.getElementById('EuclidWay').textContent, document.getElementById('Feedback').textContent]);
        assert.deepEqual(left, ['', '']);
        await s.close();
    });
});

// ---- phones: touch, the two fixes, and axe ------------------------------------

describe('on a Pixel 7', chromiumOnly, () => {
    let chromium;
    before(async () => {
        if (!chromiumOnly.skip) chromium = await launch();
    });
    after(async () => chromium?.close());

    test('a second tap closes the introduction; the transcript shows every line after Calculate', async () => {
        const { page, context } = await openPage(chromium, { device: phone });
        const height = () => page.evaluate(() => document.getElementById('Pole0').getBoundingClientRect().height);
        const closed = await height();
        await page.tap('#Pole0');
        const open = await height();
        assert.ok(open > closed * 2, `open ${open} px, closed ${closed} px`);
        await page.tap('#Pole0');
        assert.equal(await height(), closed);
        // Opened again, as a reader leaves it, then Calculate.
        await page.tap('#Pole0');
        for (const [id, value] of [['#Pole1', '1534'], ['#Pole2', '1309'], ['#Pole3', '652']]) await page.fill(id, value);
        await page.tap('#Buton0');
        const box = await page.evaluate(() => {
            const e = document.getElementById('Pole4');
            return { scroll: e.scrollHeight, client: e.clientHeight, lines: e.value.split('\n').filter(Boolean).length };
        });
        assert.ok(box.lines >= 12, `${box.lines} lines`);
        assert.ok(box.scroll <= box.client, `${box.scroll} px of lines in ${box.client} px`);
        await context.close();
    });

    test('a round by touch: wrong, then corrected', async () => {
        const { page, context } = await openPage(chromium, { device: phone, search: '?lang=en' });
        for (const [id, value] of [['#Pole1', '91'], ['#Pole2', '35'], ['#Pole3', '14']]) await page.fill(id, value);
        await page.tap('#Buton0');
        await page.tap('#EuclidLink');
        const type = async (answer) => {
            for (const [id, value] of Object.entries(answer)) {
                await page.tap(id);
                await page.fill(id, value);
            }
            await page.tap('#AnswerCheck');
            return page.evaluate(feedbackShown);
        };
        // 91 * 2 + 35 * (-5) = 7: times 2 gives 4, -10; the steps 5, -13.
        let seen = await type({ '#AnswerX0': '4', '#AnswerY0': '10', '#AnswerP': '5', '#AnswerQ': '-13' });
        assert.equal(seen.verdict, 'wrong');
        assert.equal(seen.lines.find((l) => l.mistake).text, '91·4 + 35·10 = 364 + 350 = 714, not 14.');
        seen = await type({ '#AnswerY0': '-10' });
        assert.equal(seen.verdict, 'right');
        // Corrected, so no point.
        assert.equal(seen.tally, 'Right at the first try: 0 of 1; hints used: 0');
        const targets = await page.evaluate(() => ['AnswerX0', 'AnswerY0', 'AnswerP', 'AnswerQ', 'AnswerCheck', 'AnswerHint', 'TallyClear', 'EuclidLink']
            .map((id) => {
                const e = document.getElementById(id);
                return [id, e.getBoundingClientRect().height, parseFloat(getComputedStyle(e).fontSize)];
            }));
        for (const [id, h, size] of targets) {
            assert.ok(h >= 44, `${id}: ${h} px high`);
            assert.ok(size >= 16, `${id}: ${size} px text`);
        }
        await context.close();
    });

    for (const [name, device] of [['Pixel 7', phone], ['1920 × 1080', { viewport: { width: 1920, height: 1080 }, deviceScaleFactor: 1 }]])
        test(`axe-core: the panel with an account and feedback, ${name}`, async () => {
            const { page, context } = await openPage(chromium, { device });
            for (const [id, value] of [['#Pole1', '4'], ['#Pole2', '6'], ['#Pole3', '3']]) await page.fill(id, value);
            await page.click('#Buton0');
            await page.fill('#AnswerX0', '1');
            await page.click('#AnswerCheck');
            const { violations, incomplete } = await runAxe(page);
            assert.deepEqual(violations, []);
            assert.deepEqual(incomplete.filter((r) => r.id === 'aria-prohibited-attr'), []);
            await context.close();
        });
});
