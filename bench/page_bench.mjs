// Timings of the browser edition, printed, never judged:
//   - where the single file's bytes go, each part gzipped on its own;
//   - load from file:// to the first transcript, each run in a new Chromium;
//   - a click on Изчисли to the transcript on screen;
//   - one solve call in WebAssembly against the same engine built natively.
//
//   node bench/page_bench.mjs [--quick]
//
// Needs the default build (the page, its module, the native engine tool) and
// tests/web's packages (npm ci there).

import { readFileSync } from 'node:fs';

import { engineText } from '../web/page/enginetext.mjs';
import { launch, median, mulberry32, native as nativeTool, openPage, pageBytesLines, pagePath, wasmPath } from '../tests/web/velmora.mjs';

const quick = process.argv.includes('--quick');
const coldRuns = quick ? 5 : 11;
const clickRounds = quick ? 11 : 31;
const solveSeconds = quick ? 0.3 : 1.5;

const ms = (x) => `${x.toFixed(x < 1 ? 3 : 1)} ms`;

// In the page before its script runs: when start-up is over, click Изчисли
// at once and note when the transcript has reached the screen. Times are
// from the start of the navigation.
function firstTranscript() {
    const afterPaint = (then) => requestAnimationFrame(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = then;
        channel.port2.postMessage(0);
    });
    Object.defineProperty(window, 'velmora', {
        configurable: true,
        set(velmora) {
            Object.defineProperty(window, 'velmora', { value: velmora });
            velmora.ready.then((ok) => {
                window.readyAt = performance.now();
                if (!ok) return;
                document.getElementById('Buton0').click();
                afterPaint(() => (window.shownAt = velmora.transcript() ? performance.now() : NaN));
            });
        },
    });
}

async function coldLoads() {
    const launches = [], ready = [], shown = [];
    for (let run = 0; run < coldRuns; run++) {
        const t0 = performance.now();
        const browser = await launch();
        launches.push(performance.now() - t0);
        const { page } = await openPage(browser, { init: firstTranscript, waitReady: false });
        await page.waitForFunction(() => window.shownAt !== undefined);
        const [r, s] = await page.evaluate(() => [window.readyAt, window.shownAt]);
        ready.push(r);
        shown.push(s);
        await browser.close();
    }
    console.log(`load from file:// to the first transcript, cold browser, median of ${coldRuns}:`);
    console.log(`  to the first transcript on screen  ${ms(median(shown))}  (range ${ms(Math.min(...shown))} .. ${ms(Math.max(...shown))})`);
    console.log(`  of which to start-up over          ${ms(median(ready))}`);
    console.log(`  (starting Chromium itself          ${ms(median(launches))})`);
}

// Inputs for the clicks: the desktop's hardest typed ones and random fills.
const clickInputs = [
    ['7', '6', '6'],
    ['-5', '-3', '1'],
    ['9973', '9967', '9999'],
    ['7', '9973', '2e9'],
    ['2e9', '9999', '-2e9'],
    ['9e99', '9e9', '1'],
];

async function clicks(browser) {
    const { page, context } = await openPage(browser);
    await page.evaluate(() => {
        window.clickTimes = [];
        // Around the page's own handler on the button: capture before it,
        // bubble after it, when the transcript is set.
        let handlerStart = 0;
        document.addEventListener('click', () => (handlerStart = performance.now()), { capture: true });
        document.addEventListener('click', (event) => {
            if (event.target.id !== 'Buton0') return;
            const now = performance.now();
            const times = [now - handlerStart, now - event.timeStamp];
            requestAnimationFrame(() => {
                const channel = new MessageChannel();
                channel.port1.onmessage = () => window.clickTimes.push([...times, performance.now() - event.timeStamp]);
                channel.port2.postMessage(0);
            });
        });
    });
    const once = async () => {
        const n = await page.evaluate(() => window.clickTimes.length);
        await page.click('#Buton0');
        await page.waitForFunction((n) => window.clickTimes.length > n, n);
        return page.evaluate(() => window.clickTimes.at(-1));
    };
    console.log(`click on Изчисли to the transcript, median of ${clickRounds} clicks each`);
    console.log('(handler: the page\'s own work; set: from the click to the text set; screen: to the next frame):');
    const columns = (name, t) => console.log(`  ${name.padEnd(24)} ${t.map((x) => (typeof x === 'string' ? x : ms(x)).padStart(10)).join(' ')}`);
    columns('input', ['handler', 'set', 'screen']);
    const all = [];
    const report = (name, times) => {
        all.push(...times);
        columns(name, [0, 1, 2].map((i) => median(times.map((t) => t[i]))));
    };
    for (const input of clickInputs) {
        const times = [];
        for (let k = 0; k < clickRounds; k++) {
            await page.click('#Buton1');
            for (const [i, text] of input.entries()) await page.fill(`#Pole${i + 1}`, text);
            times.push(await once());
        }
        report(input.join(' '), times);
    }
    await page.selectOption('#Sluch', '2000');
    const times = [];
    for (let k = 0; k < clickRounds; k++) {
        await page.click('#Buton2');
        times.push(await once());
    }
    report('fills from 2000', times);
    columns(`all ${all.length} clicks`, [0, 1, 2].map((i) => median(all.map((t) => t[i]))));
    columns('slowest', [0, 1, 2].map((i) => Math.max(...all.map((t) => t[i]))));
    await context.close();
}

// The same inputs for both builds: every small equation, and random ones of
// up to four typed characters.
function solveInputs() {
    const random = mulberry32(7);
    const list = [];
    for (let a = -15; a <= 15; a++)
        for (let b = -15; b <= 15; b++)
            for (let c = -15; c <= 15; c++) list.push([`${a}`, `${b}`, `${c}`, '.']);
    const typed = () => `${Math.floor(random() * 10999) - 999}`;
    for (let n = 0; n < 10000; n++) list.push([typed(), typed(), typed(), ',']);
    return list;
}

// Runs in node and in the browser alike: solve calls on texts placed in the
// module's memory beforehand, so only the call is timed. With `marshal`, each
// call also copies its texts in and the transcript out, as the page does.
async function timeWasm(engineText, bytes, inputs, seconds, marshal) {
    const { instance } = await WebAssembly.instantiate(bytes, {});
    const x = instance.exports;
    x._initialize();
    const text = engineText(x);
    const placed = inputs.map((texts) => texts.map(text.put));
    let calls = 0, sink = 0;
    const start = performance.now();
    let elapsed = 0;
    do {
        if (marshal) for (const texts of inputs) sink += text.text('velmora_solve', ...texts).length;
        else for (const [a, b, c, s] of placed) sink += x.velmora_solve(a, b, c, s);
        calls += inputs.length;
        elapsed = (performance.now() - start) / 1000;
    } while (elapsed < seconds);
    return { calls, seconds: elapsed, sink };
}

async function solveCalls(browser) {
    const inputs = solveInputs();
    const bytes = readFileSync(wasmPath);
    const perCall = ({ calls, seconds }) => (seconds / calls) * 1e6;

    const timed = nativeTool(inputs.map((texts) => ['solve', ...texts]), ['time', String(solveSeconds)]);
    const [calls, seconds] = timed.trim().split(' ').map(Number);
    const native = perCall({ calls, seconds });

    const node = perCall(await timeWasm(engineText, bytes, inputs, solveSeconds, false));
    const nodeMarshal = perCall(await timeWasm(engineText, bytes, inputs, solveSeconds, true));

    const context = await browser.newContext();
    await context.route('**/*', (route) => route.abort());
    const page = await context.newPage();
    const chromium = perCall(await page.evaluate(
        async ([source, texts, encoded, inputs, seconds]) => {
            const bytes = Uint8Array.from(atob(encoded), (c) => c.charCodeAt(0));
            return (0, eval)(`(${source})`)((0, eval)(`(${texts})`), bytes, inputs, seconds, false);
        },
        [timeWasm.toString(), engineText.toString(), bytes.toString('base64'), inputs, solveSeconds]));
    await context.close();

    const line = (name, us) => console.log(`  ${name.padEnd(40)} ${us.toFixed(3).padStart(8)} us   wasm/native ${(us / native).toFixed(2)}`);
    console.log(`one solve call, wasm against native, ${inputs.length} inputs, about ${solveSeconds} s each:`);
    console.log(`  ${'native (g++ build of the engine)'.padEnd(40)} ${native.toFixed(3).padStart(8)} us`);
    line(`wasm in node ${process.versions.node}`, node);
    line(`wasm in Chromium ${browser.version()}`, chromium);
    line('wasm in node, texts copied as the page does', nodeMarshal);
}

console.log(`page: ${pagePath}`);
// Held at 168,761 bytes gzipped by the page test: these parts say where a
// change went.
console.log('where the bytes go, each part gzipped on its own:');
for (const line of pageBytesLines()) console.log(line);
await coldLoads();
const browser = await launch();
try {
    await clicks(browser);
    await solveCalls(browser);
} finally {
    await browser.close();
}
