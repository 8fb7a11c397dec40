// The WebAssembly module against the same engine built natively: every
// transcript, fill and draw must agree to the byte.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { floatText, loadEngine, mulberry32, native } from './velmora.mjs';

const random = mulberry32(20240607);
const pick = (list) => list[Math.floor(random() * list.length)];
const integer = (lo, hi) => lo + Math.floor(random() * (hi - lo + 1));

// Draws for t: the ends of [0, 1), the ties of r * 10 + 1, and a spread.
const draws = [0, 2 ** -24, 0.05, 0.049999997, 0.25, 0.5, 0.75, 0.95, 1 - 2 ** -24]
    .concat(Array.from({ length: 23 }, random))
    .map(Math.fround);
const separators = ['.', ','];
const ranges = ['10', '100', '200', '500', '1000', '1500', '2000'];

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

function inputs() {
    const list = [];
    let k = 0;
    const add = (a, b, c, separator) => list.push([a, b, c, draws[k++ % draws.length], separator]);

    for (const separator of separators)
        for (let a = -15; a <= 15; a++)
            for (let b = -15; b <= 15; b++)
                for (let c = -15; c <= 15; c++) add(`${a}`, `${b}`, `${c}`, separator);

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
    for (let n = 0; n < 12000; n++) add(...pick(shapes)(), pick(separators));
    // A separator of several bytes, as some languages write it.
    for (let n = 0; n < 300; n++) add(`${integer(-50, 50)}`, `${integer(-50, 50)}`, `${integer(-50, 50)}`, '٫');
    return list;
}

// Prints the first few differences whole, so that a failure explains itself.
function compare(t, what, keys, wasm, nativeAnswers) {
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

test('the module imports nothing and exports the engine', async () => {
    const { readFileSync } = await import('node:fs');
    const { wasmPath } = await import('./velmora.mjs');
    const module = new WebAssembly.Module(readFileSync(wasmPath));
    assert.deepEqual(WebAssembly.Module.imports(module), []);
    const exported = WebAssembly.Module.exports(module).map((e) => e.name).sort();
    for (const name of ['_initialize', 'memory', 'velmora_alloc', 'velmora_draw', 'velmora_fill',
        'velmora_free', 'velmora_seed', 'velmora_solve'])
        assert.ok(exported.includes(name), `exports ${name}`);
});

test('wasm and native write the same transcripts', async (t) => {
    const engine = await loadEngine();
    const list = inputs();
    const wasm = list.map(([a, b, c, r, separator]) => engine.solve(a, b, c, r, separator));
    const answers = native('', list.map(([a, b, c, r, separator]) => [a, b, c, floatText(r), separator]));
    compare(t, 'transcripts', list, wasm, answers);

    // Guard the comparison itself: the set reaches every road, and the
    // answers are transcripts, not empty strings that agree by accident.
    const seen = (text) => wasm.some((w) => w.includes(text));
    for (const text of ['НЯМА решение', 'има решение за всяко x', 'има решение за всяко y',
        'Уравнението има решение за x = ', 'Моля, въведете', 'открито решение Xо = ',
        'извън допустимия интервал', 'В този интервал няма решение', 'y = 1,5', 'y = 1.5', '٫'])
        assert.ok(seen(text), `some transcript holds "${text}"`);
    assert.ok(wasm.every((w) => w.startsWith('Решавам Диофантово уравнение ') && w.endsWith('\r\n')));
});

test('wasm and native fill alike for every range', async (t) => {
    const engine = await loadEngine();
    const rs = [];
    for (let i = 0; i <= 4000; i++) rs.push(Math.fround(i / 4000));
    rs.push(Math.fround(1 - 2 ** -24), 0.125, 0.05, 0.95, 2 ** -24);
    for (let i = 0; i < 3000; i++) rs.push(Math.fround(random()));
    const list = ranges.flatMap((range) => rs.map((r) => [r, range]));
    const wasm = list.map(([r, range]) => engine.fill(r, range));
    const answers = native('fill', list.map(([r, range]) => [floatText(r), range]));
    compare(t, 'fills', list, wasm, answers);
    // Ends and ties: r = 0 gives 1, the largest r gives R + 1, 0.125 * 100 + 1 gives 14.
    assert.equal(engine.fill(0, '10'), '1');
    assert.equal(engine.fill(Math.fround(1 - 2 ** -24), '2000'), '2001');
    assert.equal(engine.fill(0.125, '100'), '14');
});

test('wasm and native draw the same sequence from a seed', async (t) => {
    const engine = await loadEngine();
    const seeds = [[0, 0], [1, 0], [0, 1], [0xffffffff, 0xffffffff], [integer(0, 2 ** 31), integer(0, 2 ** 31)]];
    const n = 2000;
    const wasm = seeds.map(([low, high]) => {
        engine.seed(low, high);
        return Array.from({ length: n }, () => floatText(engine.draw()) + '\n').join('');
    });
    const answers = native('draws', seeds.map(([low, high]) => [low, high, n]).map((l) => l.map(String)));
    // %.9g and toPrecision(9) differ in form only (exponents, trailing zeros).
    const normalise = (text) => text.split('\n').filter(Boolean).map(Number);
    compare(t, 'draw sequences', seeds, wasm.map(normalise).map(String), answers.map(normalise).map(String));
    const all = wasm.flatMap(normalise);
    assert.ok(all.every((r) => r >= 0 && r < 1), 'every draw in [0, 1)');
    assert.ok(new Set(all).size > all.length * 0.99, 'draws vary');
});
