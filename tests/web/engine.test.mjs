// The WebAssembly module in node against the same engine built natively:
// every transcript, fill and draw must agree to the byte. (The same module in
// each browser is held against the native build by crossengine.test.mjs.)

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { browserName } from './browsers.mjs';
import { compare, solveCalls, solveInputs } from './inputs.mjs';
import { command, languageCodes, loadEngine, mulberry32, native, runCalls } from './velmora.mjs';

const random = mulberry32(20240607);
const integer = (lo, hi) => lo + Math.floor(random() * (hi - lo + 1));
const ranges = ['10', '100', '200', '500', '1000', '1500', '2000'];
const inputs = () => solveInputs(mulberry32(20240607));

// Once, not once per browser engine: the module in node does not change with it.
describe('the module in node', { skip: browserName !== 'chromium' && 'runs with the chromium pass' }, () => {
test('the module imports nothing and answers through every function of its interface', async () => {
    const { readFileSync } = await import('node:fs');
    const { wasmPath } = await import('./velmora.mjs');
    const module = new WebAssembly.Module(readFileSync(wasmPath));
    assert.deepEqual(WebAssembly.Module.imports(module), []);
    const engine = await loadEngine();
    engine.seed(1, 2);
    for (const r of [0, 0.5, 0]) engine.queue(r);
    const started = engine.command('start');
    assert.deepEqual(started.fields, ['1', '6', '1'], 'the queued draws');
    assert.equal(started.focus, 'introduction');
    assert.deepEqual(JSON.parse(engine.text.text('velmora_view')), started);
    assert.match(engine.solve('3', '5', '1', '.'), /^Решавам Диофантово уравнение 3x \+ 5y = 1\r\n/);
    assert.match(engine.fill('10'), /^([1-9]|1[01])$/);
    assert.equal(engine.text.text('velmora_choose_language', '', '', 'en-GB'), 'en');
    assert.equal(JSON.parse(engine.text.text('velmora_worksheet', 'count=2&code=5', 'en', 0)).ok, true);
    // A command the engine does not know changes nothing.
    const view = JSON.parse(engine.text.text('velmora_view'));
    assert.deepEqual(engine.command('bogus', 'x', 'y'), view);
});

test('wasm and native check the same answers and keep the same tally', async (t) => {
    const engine = await loadEngine();
    const random = mulberry32(5150);
    const int = (n) => String(Math.floor(random() * (2 * n + 1)) - n);
    const calls = [['language', 'en']];
    for (let i = 0; i < 400; ++i) {
        if (i % 9 === 0) calls.push(command('clear'));
        for (const entry of ['coefficientA', 'coefficientB', 'constantC']) calls.push(command('edit', entry, int(entry === 'constantC' ? 40 : 12)));
        calls.push(command('claim', random() < 0.15 ? 1 : 0));
        for (const [entry, value] of [['x0', int(30)], ['y0', int(30)], ['stepX', int(12)], ['stepY', random() < 0.1 ? '1,5' : int(12)]])
            calls.push(command('edit', entry, value));
        calls.push(command('check'));
        if (i % 50 === 49) calls.push(command('startTallyAgain'));
    }
    const wasm = runCalls(engine, calls);
    compare(t, 'checks', calls, wasm, native(calls));
    const practice = wasm.map((w) => JSON.parse(w).practice);
    assert.deepEqual([...new Set(practice.map((p) => p.verdict))].sort(), ['', 'right', 'wrong'], 'right and wrong answers among them');
});

test('wasm and native write the same transcripts', async (t) => {
    const engine = await loadEngine();
    const list = inputs();
    const calls = solveCalls(list);
    const wasm = runCalls(engine, calls);
    compare(t, 'transcripts', list, wasm, native(calls));

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
    rs.push(Math.fround(1 - 2 ** -24), 0.125, 0.375, 0.05, 0.95, 2 ** -24);
    for (let i = 0; i < 3000; i++) rs.push(Math.fround(random()));
    const list = ranges.flatMap((range) => rs.map((r) => [r, range]));
    const calls = list.flatMap(([r, range]) => [['queue', r], ['fill', range]]);
    compare(t, 'fills', list, runCalls(engine, calls), native(calls));
    // Ends and ties: r = 0 gives 1, the largest r gives R + 1; 0.125 * 100 + 1
    // = 13.5 gives 14 and 0.375 * 100 + 1 = 38.5 gives 38, to the even side
    // both, where rounding half up would give 14 and 39.
    const fill = (r, range) => runCalls(engine, [['queue', r], ['fill', range]])[0];
    assert.equal(fill(0, '10'), '1');
    assert.equal(fill(Math.fround(1 - 2 ** -24), '2000'), '2001');
    assert.equal(fill(0.125, '100'), '14');
    assert.equal(fill(0.375, '100'), '38');
});

test('wasm and native draw the same sequence from a seed, fills and t interleaved', async (t) => {
    const engine = await loadEngine();
    const seeds = [[0, 0], [1, 0], [0, 1], [0xffffffff, 0xffffffff], [integer(0, 2 ** 31), integer(0, 2 ** 31)]];
    // Fills, and calculations of which only some reach the check and draw.
    const round = () => [['fill', '2000'], ['fill', '2000'], ['fill', '2000'],
        ['solve', '3', '5', `${integer(1, 9)}`, '.'], ['solve', '4', '6', '3', '.'], ['fill', '10']];
    const calls = seeds.flatMap((seed) => [['seed', ...seed], ...Array.from({ length: 400 }, round).flat()]);
    const wasm = runCalls(engine, calls);
    compare(t, 'seeded fills and transcripts', calls.filter(([name]) => name === 'fill' || name === 'solve'), wasm, native(calls));
    const fills = wasm.filter((w) => /^\d+$/.test(w)).map(Number);
    assert.ok(fills.every((v) => v >= 1 && v <= 2001), 'every fill in range');
    assert.ok(new Set(fills).size > 1500, 'fills vary');
    // The second seed's sequence is not the first's.
    assert.notDeepEqual(wasm.slice(0, 100), wasm.slice(wasm.length / seeds.length, wasm.length / seeds.length + 100));
});

// A user's visit through the C interface: random actions, each followed by
// the view, the same in the module and in the native build.
test('wasm and native hold the same visit through every command', async (t) => {
    const engine = await loadEngine();
    const pick = (list) => list[Math.floor(random() * list.length)];
    const texts = ['3', '-5', '0', '', '12ab', '9e99', '1,5', '<"\\>', 'Я', '٫'];
    const entries = ['coefficientA', 'coefficientB', 'constantC', 'x0', 'y0', 'stepX', 'stepY', 'none'];
    const calls = [['seed', 7, 11], command('start')];
    for (let n = 0; n < 3000; n++) {
        const action = pick(['calculate', 'clear', 'newData', 'range', 'edit', 'edit', 'edit', 'enter', 'language', 'separator', 'check', 'claim', 'nonsense']);
        if (action === 'range') calls.push(command('range', pick([integer(-1, 7), 'x', ''])));
        else if (action === 'edit') calls.push(command('edit', pick(entries), pick(texts)));
        else if (action === 'enter') calls.push(command('enter', pick(entries)));
        else if (action === 'language') calls.push(command('language', pick([...languageCodes(), 'xx', 'EN-gb', 'bg_BG.UTF-8'])));
        else if (action === 'separator') calls.push(command('separator', pick(['.', ',', '٫'])));
        else if (action === 'claim') calls.push(command('claim', pick(['0', '1'])));
        else calls.push(command(action));
    }
    calls.push(['view']);
    const wasm = runCalls(engine, calls);
    compare(t, 'views', calls.filter(([name]) => name === 'command' || name === 'view'), wasm, native(calls));
    // Guard the comparison: the views are JSON and reach both states and
    // every language.
    const views = wasm.filter((w) => w.startsWith('{')).map((w) => JSON.parse(w));
    assert.ok(views.some((v) => v.locked && !v.calculate && v.transcript && v.focus === 'transcript'));
    assert.ok(views.some((v) => !v.locked && v.calculate));
    assert.deepEqual([...new Set(views.map((v) => v.language))].sort(), languageCodes().sort());
    assert.ok(views.some((v) => v.fields.includes('<"\\>')), 'texts escaped and read back');
    assert.ok(views.some((v) => v.noteKind === 'locked') && views.some((v) => v.noteKind === 'readAs'), 'both notes');
});

test('wasm and native choose the page\'s language alike', async (t) => {
    const engine = await loadEngine();
    const rows = [['', '', 'bg-BG en-US'], ['en', '', 'bg-BG'], ['', 'en', 'bg'], ['', '', ''],
        ['XX', 'BG', 'en'], ['', '', 'de-DE fr bg_BG.UTF-8'], ['', '', 'C EN-gb']];
    // Each language by its own tag, in capitals and with a region.
    const own = languageCodes().flatMap((code) => [['', code, ''], ['', '', `${code.toUpperCase()}-XX`]]);
    const calls = [...rows, ...own].map((row) => ['choose_language', ...row]);
    const wasm = runCalls(engine, calls);
    compare(t, 'choices', [...rows, ...own], wasm, native(calls));
    assert.deepEqual(wasm, ['bg', 'en', 'en', 'en', 'bg', 'bg', 'en', ...languageCodes().flatMap((code) => [code, code])]);
});
});
