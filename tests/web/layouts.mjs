// What the tests of the page's layouts share: the screens they are tried on,
// measurements taken inside the page, axe-core, and a local web server for
// the hosted edition.
//
// Device emulation (a phone's viewport with touch and a mobile viewport meta)
// is Chromium's: in another engine only the viewport sizes apply.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { extname, join, normalize, sep } from 'node:path';
import { gzipSync } from 'node:zlib';

import { devices } from 'playwright-core';

import { goldenTranscript } from './golden.mjs';
import { windowViewport } from './velmora.mjs';

// The screens, each with the layout the page must choose there.
const desktop = (width, height) => ({ viewport: { width, height }, deviceScaleFactor: 1 });
export const profiles = [
    { name: '320 × 568 (iPhone SE 1st gen)', layout: 'touch', options: devices['iPhone SE'] },
    { name: 'iPhone SE (3rd gen)', layout: 'touch', options: devices['iPhone SE (3rd gen)'] },
    { name: 'iPhone 13', layout: 'touch', options: devices['iPhone 13'] },
    { name: 'Pixel 7', layout: 'touch', options: devices['Pixel 7'] },
    { name: 'Pixel 7 landscape', layout: 'touch', options: devices['Pixel 7 landscape'] },
    { name: 'Galaxy Tab S4', layout: 'window', options: devices['Galaxy Tab S4'] },
    { name: '1280 × 800', layout: 'window', options: desktop(1280, 800) },
    { name: '1920 × 1080', layout: 'window', options: desktop(1920, 1080) },
    { name: '3840 × 2160', layout: 'window', options: desktop(3840, 2160) },
];

// Context options for a profile: its viewport, touch and user agent, at one
// device pixel per CSS pixel (CSS pixels are what is measured; screenshots
// stay small).
export function contextOptions(profile, extra = {}) {
    const { defaultBrowserType, ...options } = profile.options;
    return { ...options, deviceScaleFactor: 1, ...extra };
}

// ---- measured in the page ------------------------------------------------

// Runs in the page: the layout in force and what a user meets in it.
export function measure() {
    const $ = (id) => document.getElementById(id);
    const main = $('MainWindow');
    const layout = matchMedia(main.dataset.layout).matches ? 'window' : 'touch';
    // The language switch stands outside the window, yet is touched and read
    // like any of its controls.
    // The note beside the fields is no control, and in the window it is in
    // the smaller type the design gives it.
    const note = $('Note');
    const controls = [...main.children, ...document.querySelectorAll('#Languages > button')].filter((e) => e !== note);
    const targets = controls.filter((e) => e.matches('input, textarea, select, button'));
    const name = (e) => e.id || e.textContent;
    const viewport = { width: document.documentElement.clientWidth, height: window.innerHeight };
    const rect = (e) => e.getBoundingClientRect();
    const box = rect(main);
    // Euclid's way and the answer, beside the window where the screen is
    // wide enough: together they fill it.
    const panel = rect($('Panel'));
    const beside = panel.left >= box.right && panel.top < box.bottom;

    // The smallest target by its shorter side.
    const smallest = targets
        .map((e) => ({ id: name(e), width: rect(e).width, height: rect(e).height }))
        .sort((a, b) => Math.min(a.width, a.height) - Math.min(b.width, b.height))[0];
    const fontSizes = controls.map((e) => parseFloat(getComputedStyle(e).fontSize));

    // Lines of the transcript on screen: its content box cut to the viewport.
    const t = $('Pole4');
    const style = getComputedStyle(t);
    // "normal" is about 1.15 of the size for the window's font.
    const lineHeight = parseFloat(style.lineHeight) || 1.15 * parseFloat(style.fontSize);
    const top = rect(t).top + parseFloat(style.borderTopWidth) + parseFloat(style.paddingTop);
    const bottom = rect(t).bottom - parseFloat(style.borderBottomWidth) - parseFloat(style.paddingBottom);
    const shownTop = Math.max(top, 0);
    const shownBottom = Math.min(bottom, viewport.height);

    return {
        layout,
        viewport,
        scrollWidth: document.documentElement.scrollWidth,
        window: { width: box.width, height: box.height },
        beside,
        withPanel: { width: beside ? panel.right - box.left : box.width },
        smallestTarget: smallest,
        targets: targets.map((e) => ({ id: name(e), width: rect(e).width, height: rect(e).height })),
        smallestFont: Math.min(...fontSizes),
        noteFont: parseFloat(getComputedStyle(note).fontSize),
        transcript: {
            firstLineShown: top >= 0 && top + lineHeight <= viewport.height,
            linesShown: Math.max(0, Math.floor((shownBottom - shownTop) / lineHeight + 0.01)),
        },
    };
}

// ---- what a user meets, in every layout ---------------------------------------

// 3x + 5y = 1 with the draw 0.25 for t, as every layout must tell it.
export const worked = goldenTranscript('bg');

// Runs in the page: every control brought into view in turn, and whether it
// then lies wholly on screen (or, taller than the screen, starts on it) with
// nothing over its middle.
export function unreachable() {
    const width = document.documentElement.clientWidth;
    const height = window.innerHeight;
    const out = [];
    for (const e of document.getElementById('MainWindow').children) {
        // The note, while it says nothing, has nothing to reach.
        if (e.id === 'Note' && !e.textContent) continue;
        e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        const r = e.getBoundingClientRect();
        const fits = r.height <= height;
        const onScreen = r.left >= -0.5 && r.right <= width + 0.5 && r.top >= -0.5 && (fits ? r.bottom <= height + 0.5 : r.top < height);
        const y = fits ? r.top + r.height / 2 : r.top + Math.min(r.height, height) / 2;
        const hit = document.elementFromPoint(r.left + r.width / 2, y);
        if (!onScreen || !(hit === e || e.contains(hit))) out.push(`${e.id} at ${[r.left, r.top, r.width, r.height].map(Math.round)}`);
    }
    window.scrollTo(0, 0);
    return out;
}

// WCAG 1.4.12's spacing, as a reader's style sheet would set it. The
// page's policy refuses an added style element; a constructed sheet is
// the page's own object and goes through.
export function spaceOut() {
    const sheet = new CSSStyleSheet();
    sheet.replaceSync('* { line-height: 1.5 !important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important; }');
    document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];
    return getComputedStyle(document.getElementById('Etiket4')).letterSpacing;
}


// Runs in the page: each caption's letters, where they are painted and
// whether anything cuts them off: a clipping box around them, or another
// control over them.
export function clippedCaptions() {
    const out = [];
    for (const e of document.querySelectorAll('#MainWindow .caption, #MainWindow button')) {
        e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        const text = [...e.childNodes].find((n) => n.nodeType === Node.TEXT_NODE);
        let clip = { left: -Infinity, top: -Infinity, right: Infinity, bottom: Infinity };
        for (let a = e; a && a !== document.documentElement; a = a.parentElement) {
            const s = getComputedStyle(a);
            if (s.overflowX === 'visible' && s.overflowY === 'visible') continue;
            const r = a.getBoundingClientRect();
            clip = { left: Math.max(clip.left, r.left), top: Math.max(clip.top, r.top), right: Math.min(clip.right, r.right), bottom: Math.min(clip.bottom, r.bottom) };
        }
        const range = document.createRange();
        for (let i = 0; i < text.length; i++) {
            range.setStart(text, i);
            range.setEnd(text, i + 1);
            const r = range.getBoundingClientRect();
            if (r.width === 0 || /\s/.test(text.data[i])) continue;
            const x = r.left + r.width / 2;
            const y = r.top + r.height / 2;
            const hit = document.elementFromPoint(x, y);
            if (r.left < clip.left - 0.5 || r.right > clip.right + 0.5 || y < clip.top || y > clip.bottom || !(hit === e || e.contains(hit)))
                out.push(`${e.id} "${text.data[i]}" at ${Math.round(r.left)}, ${Math.round(r.top)}`);
        }
    }
    window.scrollTo(0, 0);
    return out;
}

// ---- axe-core ----------------------------------------------------------------

const require = createRequire(import.meta.url);
export const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

// Evaluated by the driver, axe-core runs in the page even under its policy,
// which refuses any script added to it.
export async function runAxe(page) {
    await page.evaluate(axeSource);
    return page.evaluate(() =>
        window.axe.run(document, {
            runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa'] },
            rules: { 'aria-prohibited-attr': { enabled: true } },
            resultTypes: ['violations', 'incomplete'],
        }).then((r) => ({
            violations: r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`),
            incomplete: r.incomplete.map((v) => ({ id: v.id, nodes: v.nodes.map((n) => n.target.join(' ')) })),
        })));
}

// ---- the hosted edition on 127.0.0.1 ------------------------------------------

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
};

// Serves a folder as a plain static host does; `requests` lists the paths
// asked for. With `compress`, gzipped where the browser accepts it, as web
// hosts serve text. Call close() when done.
export async function serve(folder, { compress = false } = {}) {
    const requests = [];
    // A stalled network: requests arrive and are counted, and none is answered.
    let stalled = false;
    // What the site serves instead of a file's own text, by path.
    const replaced = new Map();
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
        requests.push(path);
        if (stalled) return;
        const file = normalize(join(folder, path.endsWith('/') ? path + 'index.html' : path));
        const type = types[extname(file)];
        if (!file.startsWith(normalize(folder) + sep) || !type) {
            response.writeHead(404).end();
            return;
        }
        try {
            const body = replaced.get(path) ?? await readFile(file);
            const headers = { 'Content-Type': type, 'Cache-Control': 'no-cache' };
            if (compress && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '') && type !== types['.png'])
                response.writeHead(200, { ...headers, 'Content-Encoding': 'gzip' }).end(gzipSync(body));
            else response.writeHead(200, headers).end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        requests,
        stall: (on) => (stalled = on),
        replace: (path, body) => replaced.set(path, body),
        close: () => new Promise((resolve) => {
            server.closeAllConnections();
            server.close(resolve);
        }),
    };
}

export { windowViewport };
