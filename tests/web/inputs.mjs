// Inputs for the differential tests: every small equation with both
// separators, the awkward texts in every place, large and out-of-range
// values, and a separator of several bytes; each with a draw for t.

import assert from 'node:assert/strict';

import { mulberry32 } from './velmora.mjs';

// Draws for t: the ends of [0, 1), the ties of r * 10 + 1, and a spread.
const draws = [0, 2 ** -24, 0.05, 0.049999997, 0.25, 0.5, 0.75, 0.95, 1 - 2 ** -24]
    .concat(Array.from({ length: 23 }, mulberry32(7)))
    .map(Math.fround);
const separators = ['.', ','];

// Texts that test the reading rather than the arithmetic.
const awkward = [
    '', ' ', '7.9', '-7.2', '-7.9', '2.5', '.5', '5.', '.', '12abc', 'abc12', '1,5', '-1e-320',
    '1e309', '-1e309', '1e308', '9e99', '-9e99', '2e9', '-3E4', '1e', '1e+', '1e-', '1e+2x', 'e5',
    '9'.repeat(400), '-' + '9'.repeat(40), '0.' + '0'.repeat(300) + '1', '4.9999999999999999',
    '2147483647', '2147483647.9', '2147483648', '-2147483648', '-2147483648.5', '-2147483649',
    '32767', '32767.5', '32768', '-32767', '-32767.1', '-32768', 'абв', 'Решавам', '١٢', '５',
    '−5', '\u00a05', '+', '-', '+-', '-+5', '--5', '++5', ' -5', '5 ', '0x10', '010', '-0',
    '+0', '0.0', 'NaN', 'nan', 'inf', 'Infinity', '-Infinity', '1_000', '1\u20092', '😀', 'x',
];

// cube: every equation with coefficients from -cube to cube; count: random
// large ones.
export function solveInputs(random, { cube = 15, count = 12000 } = {}) {
    const pick = (list) => list[Math.floor(random() * list.length)];
    const integer = (lo, hi) => lo + Math.floor(random() * (hi - lo + 1));
    const list = [];
    let k = 0;
    const add = (a, b, c, separator) => list.push([a, b, c, draws[k++ % draws.length], separator]);

    for (const separator of separators)
        for (let a = -cube; a <= cube; a++)
            for (let b = -cube; b <= cube; b++)
                for (let c = -cube; c <= cube; c++) add(`${a}`, `${b}`, `${c}`, separator);

    // Every awkward text in every place, beside ordinary and other awkward ones.
    const ordinary = () => `${integer(-40, 40)}`;
    for (const text of awkward)
        for (const separator of separators) {
            add(text, ordinary(), ordinary(), separator);
            add(ordinary(), text, ordinary(), separator);
            add(ordinary(), ordinary(), text, separator);
            add(text, text, text, separator);
            add(pick(awkward), pick(awkward), pick(awkward), separator);
        }

    // Large values inside the limits, fractions and exponents among them, and
    // values just past the limits.
    const big = () => integer(-2147483648, 2147483647);
    const mid = () => integer(-32767, 32767);
    const fraction = (n) => `${n}.${integer(0, 999)}`;
    const shapes = [
        () => [`${big()}`, `${mid()}`, `${big()}`],
        () => [`${big()}`, `${mid()}`, `${integer(-99, 99)}`],
        () => [`${integer(-2001, 2001)}`, `${integer(-2001, 2001)}`, `${integer(-2001, 2001)}`],
        () => [fraction(big()), fraction(mid()), fraction(big())],
        () => [`${integer(1, 9)}e${integer(0, 12)}`, `${integer(1, 9)}e${integer(0, 5)}`, `-${integer(1, 9)}e${integer(0, 12)}`],
        () => [`${big() * 4}`, `${mid() * 2}`, `${big() * 3}`],
        () => [`${big()}`, pick(['32768', '-32768', '40000', '1e5']), `${big()}`],
        () => [`${integer(1, 30) * 3}`, `${integer(1, 30) * 3}`, `${integer(-200, 200)}`],
    ];
    for (let n = 0; n < count; n++) add(...pick(shapes)(), pick(separators));
    // A separator of several bytes, as some languages write it.
    for (let n = 0; n < 300; n++) add(`${integer(-50, 50)}`, `${integer(-50, 50)}`, `${integer(-50, 50)}`, '٫');
    return list;
}

// Types the coefficients into their fields and presses Calculate, as a
// user does, through the session's driver.
export async function fillAndCalculate(s, [a, b, c]) {
    await s.fill('#Pole1', String(a));
    await s.fill('#Pole2', String(b));
    await s.fill('#Pole3', String(c));
    await s.click('#Buton0');
}

// The calls for a list of inputs: each input's draw queued, then the solve.
// A calculation that stops before the check leaves its draw to the next.
// Runs in the page: each row [a, b, c, r] calculated through the page's own
// buttons, r queued for t.
export function calculateByButtons(list) {
    return list.map(([a, b, c, r]) => {
        const $ = (id) => document.getElementById(id);
        $('Buton1').click();
        window.velmora.queueDraws([r]);
        [a, b, c].forEach((text, i) => ($(`Pole${i + 1}`).value = text));
        $('Buton0').click();
        return window.velmora.transcript();
    });
}

export const solveCalls = (list) => list.flatMap(([a, b, c, r, separator]) => [['queue', r], ['solve', a, b, c, separator]]);

// Prints the first few differences whole, so that a failure explains itself.
export function compare(t, what, keys, wasm, nativeAnswers) {
    assert.equal(wasm.length, keys.length);
    assert.equal(nativeAnswers.length, keys.length, `the native tool answered ${nativeAnswers.length} of ${keys.length}`);
    const differences = [];
    for (let i = 0; i < keys.length; i++)
        if (wasm[i] !== nativeAnswers[i]) differences.push(i);
    t.diagnostic(`${what}: ${keys.length} inputs, ${differences.length} differences`);
    for (const i of differences.slice(0, 5))
        t.diagnostic(`${JSON.stringify(keys[i])}\n  wasm:   ${JSON.stringify(wasm[i])}\n  native: ${JSON.stringify(nativeAnswers[i])}`);
    assert.equal(differences.length, 0);
}

