// What the browser edition's tests and timings share: where the build put the
// page, design.json, the module and the native engine; the module driven
// from node; PNG decoding; and for the timings, a Chromium that never reaches
// the network. The tests' browsers, all three engines, are in browsers.mjs.

import { spawnSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { gzipSync, inflateSync } from 'node:zlib';

import { within } from './deadline.mjs';
import { engineText } from '../../web/page/enginetext.mjs';

export const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');

function built(variable, ...candidates) {
    if (process.env[variable]) return resolve(process.env[variable]);
    const paths = candidates.map((c) => resolve(root, c));
    return paths.find(existsSync) ?? paths[0];
}

// The default build makes all three; the web preset alone makes the module.
export const pagePath = built('VELMORA_PAGE_HTML', 'build/default/web/velmora.html');
export const wasmPath = built('VELMORA_ENGINE_WASM', 'build/default/web/wasm/web/velmora.wasm',
    'build/web/web/velmora.wasm');
export const nativePath = built('VELMORA_ENGINE_TOOL', 'build/default/tests/engine_transcripts');
export const pageUrl = pathToFileURL(pagePath).href;
// The hosted edition, written beside the page.
export const sitePath = process.env.VELMORA_SITE ? resolve(process.env.VELMORA_SITE) : resolve(dirname(pagePath), 'site');

// The smallest viewport of the window layout, as the build wrote it into the
// page: there the window stands at scale 1, whole pixels and all.
export const windowViewport = (() => {
    const query = existsSync(pagePath) ? readFileSync(pagePath, 'utf8').match(/data-layout="([^"]*)"/)?.[1] : null;
    const [width, height] = [/min-width: (\d+)px/, /min-height: (\d+)px/].map((r) => +(query?.match(r)?.[1] ?? NaN));
    return { query, width, height };
})();

// ---- the window as designed ---------------------------------------------

// design.json, which the page's generator writes beside the page from the
// same tables as the desktop window: the tests hold the page against it.
export const designPath = built('VELMORA_DESIGN_JSON', resolve(dirname(pagePath), 'design.json'));

export function design(language = 'bg') {
    const d = JSON.parse(readFileSync(designPath, 'utf8'));
    const texts = d.texts[language];
    return {
        ...d,
        texts,
        introduction: texts.introduction,
        controls: d.controls.map((c) => ({
            ...c,
            text: texts.captions[c.id] ?? null,
            accessibleName: texts.accessibleNames[c.id],
        })),
        control: (id) => d.controls.find((c) => c.id === id),
    };
}

// Every language the build lists (po/LINGUAS), in its order: the tests run
// through these, so that a new language needs no row of its own.
export const languageCodes = () => Object.keys(JSON.parse(readFileSync(designPath, 'utf8')).texts);

// Which of a plural message's forms goes with n, by the rule of a po file's
// Plural-Forms header as design.json carries it: its expression is C, which
// JavaScript reads alike.
export function pluralForm(pluralForms, n) {
    const expression = pluralForms.match(/plural=(.*?);?$/)[1];
    return Number(new Function('n', `return (${expression});`)(n));
}

// "#rrggbb" as [r, g, b].
export const rgb = (hex) => [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));

// ---- the page's bytes --------------------------------------------------------

// Where the single file's bytes go, each part gzipped on its own at level 9
// as a server would send the whole: the module (base64, and within it the
// wasm's code and its data, which holds the catalogues the module speaks),
// the catalogues the page itself holds (its JSON of texts), the style, the
// script, the icon and the markup that is left.
export function pageBytes(html = readFileSync(pagePath, 'utf8')) {
    const gz = (text) => gzipSync(Buffer.from(text), { level: 9 }).length;
    const parts = {
        module: /<script id="engine" type="application\/wasm;deflate;base64">([^<]*)<\/script>/,
        catalogues: /<script id="texts" type="application\/json">([\s\S]*?)<\/script>/,
        style: /<style>([\s\S]*?)<\/style>/,
        icon: /href="data:image\/png;base64,([^"]*)"/,
    };
    // The page's own script is the longest of its plain script elements.
    const script = [...html.matchAll(/<script>([\s\S]*?)<\/script>/g)].map((m) => m[1])
        .sort((a, b) => b.length - a.length)[0] ?? '';
    let rest = html;
    const bytes = {};
    for (const [name, pattern] of [...Object.entries(parts), ['script', null]]) {
        const text = pattern ? html.match(pattern)?.[1] ?? '' : script;
        rest = rest.replace(text, '');
        bytes[name] = { plain: Buffer.byteLength(text), gzip: gz(text) };
    }
    bytes.markup = { plain: Buffer.byteLength(rest), gzip: gz(rest) };
    // The module's sections: code (10) and data (11), the rest of it aside.
    const packed = Buffer.from(html.match(parts.module)?.[1] ?? '', 'base64');
    const wasm = packed.length ? inflateSync(packed) : packed;
    const sections = {};
    for (let at = 8; at < wasm.length;) {
        const id = wasm[at++];
        let size = 0;
        for (let shift = 0; ; shift += 7) {
            const byte = wasm[at++];
            size |= (byte & 0x7f) << shift;
            if (!(byte & 0x80)) break;
        }
        const name = id === 10 ? 'code' : id === 11 ? 'data' : 'other';
        sections[name] = Buffer.concat([sections[name] ?? Buffer.alloc(0), wasm.subarray(at, at + size)]);
        at += size;
    }
    for (const [name, section] of Object.entries(sections))
        bytes[`module ${name}`] = { plain: section.length, gzip: gzipSync(section, { level: 9 }).length };
    return { total: { plain: Buffer.byteLength(html), gzip: gz(html) }, ...bytes };
}

// The same as lines to print.
export const pageBytesLines = (bytes = pageBytes()) => Object.entries(bytes).map(([name, { plain, gzip }]) =>
    `  ${name.padEnd(14)} ${String(plain).padStart(8)} bytes, ${String(gzip).padStart(7)} gzip`);

// ---- the module in node ----------------------------------------------------

export async function loadEngine(bytes = readFileSync(wasmPath)) {
    const { instance } = await WebAssembly.instantiate(bytes, {});
    const x = instance.exports;
    x._initialize();
    const text = engineText(x);
    return {
        exports: x,
        text,
        solve: (a, b, c, separator) => text.text('velmora_solve', a, b, c, separator),
        fill: (range) => text.text('velmora_fill', range),
        // One of the visit's commands (engine.h); the view as JSON.
        command: (name, argument = '', value = '') => JSON.parse(text.text('velmora_command', name, String(argument), String(value))),
        seed: (low, high) => x.velmora_seed(low, high),
        queue: (r) => x.velmora_queue_draw(r),
    };
}

// A function to evaluate in a browser: `run(engineText, arg)` with the page's
// own text passing at hand (a page's script keeps it to itself).
export function withEngineText(run) {
    return new Function('arg', `return (${run})(${engineText}, arg);`);
}

// ---- the same engine built natively --------------------------------------

// One run of the native tool over a list of calls, each an array whose first
// element names it: ['seed', low, high], ['queue', r], ['solve', a, b, c,
// separator], ['fill', range], ['language', code], ['command', name,
// argument, text] for one of the visit's commands, ['view'], ['euclid', a,
// b, c, separator] (tests/web/transcripts.cpp lists them). Returns what the
// calls that answer wrote.
export function native(calls, args = []) {
    const lines = calls.map(([name, ...rest]) =>
        [name, ...rest.map((v) => (name === 'queue' ? floatText(v) : String(v)))].join('\t') + '\n');
    const run = spawnSync(nativePath, args, { input: lines.join(''), maxBuffer: 1 << 30 });
    if (run.error || run.status !== 0) throw new Error(`${nativePath} ${args.join(' ')}: ${run.error ?? ''} ${run.stderr}`);
    if (args.length) return run.stdout.toString();
    const records = new TextDecoder('utf-8', { fatal: true }).decode(run.stdout).split('\0');
    records.pop(); // what follows the last NUL
    return records;
}

// The same calls on the module in node: those that return a text or a
// number give it, as the native tool writes it.
export function runCalls(engine, calls) {
    const out = [];
    const text = (name, ...args) => out.push(engine.text.text(name, ...args));
    for (const [name, ...args] of calls) {
        if (name === 'seed') engine.seed(...args);
        else if (name === 'queue') engine.queue(args[0]);
        else if (name === 'choose_language') text('velmora_choose_language', args[0], args[1], args[2].replaceAll(' ', '\n'));
        else if (name === 'language') text('velmora_command', 'language', args[0], '');
        else if (name === 'euclid') {
            engine.text.text('velmora_solve', ...args);
            text('velmora_view');
        } else text(`velmora_${name}`, ...args);
    }
    return out;
}

// A command of the visit as a call for runCalls and native.
export const command = (name, argument = '', value = '') => ['command', name, String(argument), String(value)];

// The text that reads back as exactly this float.
// The middle of the figures, or the mean of the middle two: what the
// benchmarks print.
export const median = (values) => {
    const v = [...values].sort((a, b) => a - b);
    const n = v.length;
    return n % 2 ? v[(n - 1) / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
};

export const floatText = (r) => Math.fround(r).toPrecision(9);

// A small generator of our own, so that every run draws the same inputs.
export function mulberry32(seed) {
    let a = seed >>> 0;
    return () => {
        a = (a + 0x6d2b79f5) >>> 0;
        let t = a;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

// ---- Chromium --------------------------------------------------------------

// Without these flags Chromium's background services try the network, which
// this machine closes; as root it needs --no-sandbox.
export const chromiumArgs = [
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];

export async function launch() {
    const { chromium } = await import('playwright-core');
    return chromium.launch({
        executablePath: process.env.VELMORA_CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        args: chromiumArgs,
    });
}

// Opens the page in a context of its own with every request but the page
// itself refused. `requests` lists every URL the page tried to fetch.
// `device` takes a context's options: a phone's viewport and touch, say.
export async function openPage(browser, { locale = 'bg-BG', init, search = '', address = pageUrl, waitReady = true, device = {} } = {}) {
    // By default the window at scale 1: its designed pixels, one to one.
    const { width, height } = windowViewport;
    const context = await browser.newContext({ locale, viewport: { width, height }, ...device });
    const requests = [];
    await context.route('**/*', (route) => {
        const url = route.request().url();
        requests.push(url);
        // The page itself, with whatever query its address carries.
        return url.split('?')[0] === address ? route.continue() : route.abort('blockedbyclient');
    });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    if (init) await page.addInitScript(init);
    await page.goto(address + search);
    const ready = waitReady ? await within('window.velmora.ready', page.evaluate(() => window.velmora.ready)) : undefined;
    return { context, page, requests, errors, ready };
}

// ---- PNG, as Chromium writes its screenshots ------------------------------

// 8-bit RGB or RGBA, not interlaced; enough for page.screenshot().
export function decodePng(buffer) {
    if (buffer.readUInt32BE(0) !== 0x89504e47) throw new Error('not a PNG');
    let width, height, channels;
    const data = [];
    for (let at = 8; at < buffer.length; ) {
        const length = buffer.readUInt32BE(at);
        const type = buffer.toString('latin1', at + 4, at + 8);
        const body = buffer.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR') {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            const [depth, colour, , , interlace] = body.subarray(8, 13);
            channels = { 2: 3, 6: 4 }[colour];
            if (depth !== 8 || !channels || interlace !== 0)
                throw new Error(`unsupported PNG: depth ${depth}, colour type ${colour}`);
        } else if (type === 'IDAT') {
            data.push(body);
        }
        at += 12 + length;
    }
    const raw = inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const pixels = Buffer.alloc(height * stride);
    for (let y = 0; y < height; y++) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        const out = pixels.subarray(y * stride, (y + 1) * stride);
        const up = y > 0 ? pixels.subarray((y - 1) * stride, y * stride) : Buffer.alloc(stride);
        for (let i = 0; i < stride; i++) {
            const a = i >= channels ? out[i - channels] : 0;
            const b = up[i];
            const c = i >= channels ? up[i - channels] : 0;
            let add;
            switch (filter) {
                case 0: add = 0; break;
                case 1: add = a; break;
                case 2: add = b; break;
                case 3: add = (a + b) >> 1; break;
                case 4: {
                    const p = a + b - c;
                    const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
                    add = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
                    break;
                }
                default: throw new Error(`bad PNG filter ${filter}`);
            }
            out[i] = (line[i] + add) & 0xff;
        }
    }
    return {
        width,
        height,
        pixel: (x, y) => {
            const i = y * stride + x * channels;
            return [pixels[i], pixels[i + 1], pixels[i + 2]];
        },
    };
}

// An init script: counts the page's calls into the module by export name in
// window.engineCalls, whichever way the page instantiates it.
export function spyOnEngine() {
    const calls = (window.engineCalls = {});
    const wrap = (instance) => {
        const exports = {};
        for (const [name, value] of Object.entries(instance.exports))
            exports[name] = typeof value !== 'function' ? value : (...args) => {
                calls[name] = (calls[name] ?? 0) + 1;
                return value(...args);
            };
        return { exports };
    };
    const W = WebAssembly;
    const Instance = W.Instance;
    const instantiate = W.instantiate.bind(W);
    W.instantiate = async (...args) => {
        const result = await instantiate(...args);
        return result instanceof Instance ? wrap(result) : { module: result.module, instance: wrap(result.instance) };
    };
    if (W.instantiateStreaming) {
        const streaming = W.instantiateStreaming.bind(W);
        W.instantiateStreaming = async (...args) => {
            const result = await streaming(...args);
            return { module: result.module, instance: wrap(result.instance) };
        };
    }
    W.Instance = function (module, imports) {
        return wrap(new Instance(module, imports));
    };
}
