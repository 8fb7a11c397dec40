// The engines agree: in the browser VELMORA_BROWSER names, the page's own
// module and the page's own controls give the same transcripts and fills,
// byte for byte, as the native build for the same inputs and seeded draws.
// Each engine's run is held against the native build, so all three agree.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { launchBrowser } from './browsers.mjs';
import { calculateByButtons, compare, solveInputs } from './inputs.mjs';
import { mulberry32, native, withEngineText } from './velmora.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

// In the page: its embedded module, instantiated afresh, run through the
// calls in one go (one round trip to the browser, whatever the driver), its
// texts passed as the page passes them.
const runInPage = withEngineText((engineText, calls) => {
    const packed = Uint8Array.from(atob(document.getElementById('engine').textContent.trim()), (c) => c.charCodeAt(0));
    const inflated = new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream('deflate')));
    return inflated.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, {})).then(({ instance }) => {
        const x = instance.exports;
        x._initialize();
        const text = engineText(x);
        const out = [];
        for (const [name, ...args] of calls) {
            if (name === 'seed') x.velmora_seed(args[0], args[1]);
            else if (name === 'queue') x.velmora_queue_draw(args[0]);
            else out.push(text.text(`velmora_${name}`, ...args));
        }
        return out;
    });
});

test('the module in the browser: seeded transcripts and fills as native', async (t) => {
    const list = solveInputs(mulberry32(41), { cube: 4, count: 1500 });
    // The draws come from the seeded sequence, in the order the calculations
    // and fills take them.
    const calls = [['seed', 20240607, 1009]];
    list.forEach(([a, b, c, , separator], i) => {
        calls.push(['solve', a, b, c, separator]);
        if (i % 7 === 0) calls.push(['fill', ['10', '100', '2000'][i % 3]]);
    });
    const s = await browser.open();
    const started = performance.now();
    const inBrowser = await s.evaluate(runInPage, calls);
    const seconds = (performance.now() - started) / 1000;
    await s.close();
    const keys = calls.filter(([name]) => name === 'solve' || name === 'fill');
    compare(t, `${browser.version}: module (${seconds.toFixed(1)} s)`, keys, inBrowser, native(calls));
    const separators = new Set(keys.filter(([name]) => name === 'solve').map((k) => k[4]));
    assert.deepEqual([...separators].sort(), [',', '.', '٫']);
    assert.ok(inBrowser.some((w) => w.includes('извън допустимия интервал')), 'out-of-range values among them');
});

test('the page\'s own controls: typed texts and queued draws as native', async (t) => {
    const random = mulberry32(43);
    const list = solveInputs(random, { cube: 2, count: 100 }).filter(() => random() < 0.3);
    const s = await browser.open();
    // 0x + 4y = 6 stops before the check: it draws nothing.
    const separator = await s.evaluate(() => {
        document.getElementById('Pole1').value = '0';
        document.getElementById('Pole2').value = '4';
        document.getElementById('Pole3').value = '6';
        document.getElementById('Buton0').click();
        return window.velmora.transcript().match(/y = 1(.)5/)[1];
    });
    const answers = await s.evaluate(calculateByButtons, list);
    await s.close();
    // The same texts and draws, with the separator the page took from the
    // browser's language.
    const calls = list.flatMap(([a, b, c, r]) => [['queue', r], ['solve', a, b, c, separator]]);
    compare(t, `${browser.version}: page, separator "${separator}"`, list, answers, native(calls));
});
