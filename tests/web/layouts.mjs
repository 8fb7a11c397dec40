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

import { devices } from 'playwright-core';

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
    const controls = [...main.children];
    const targets = controls.filter((e) => e.matches('input, textarea, select, button'));
    const viewport = { width: document.documentElement.clientWidth, height: window.innerHeight };
    const rect = (e) => e.getBoundingClientRect();
    const box = rect(main);

    // The smallest target by its shorter side.
    const smallest = targets
        .map((e) => ({ id: e.id, width: rect(e).width, height: rect(e).height }))
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
        smallestTarget: smallest,
        targets: targets.map((e) => ({ id: e.id, width: rect(e).width, height: rect(e).height })),
        smallestFont: Math.min(...fontSizes),
        transcript: {
            firstLineShown: top >= 0 && top + lineHeight <= viewport.height,
            linesShown: Math.max(0, Math.floor((shownBottom - shownTop) / lineHeight + 0.01)),
        },
    };
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
// asked for. Call close() when done.
export async function serve(folder) {
    const requests = [];
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
        requests.push(path);
        const file = normalize(join(folder, path.endsWith('/') ? path + 'index.html' : path));
        const type = types[extname(file)];
        if (!file.startsWith(normalize(folder) + sep) || !type) {
            response.writeHead(404).end();
            return;
        }
        try {
            const body = await readFile(file);
            response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-cache' }).end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        requests,
        close: () => new Promise((resolve) => {
            server.closeAllConnections();
            server.close(resolve);
        }),
    };
}

export { windowViewport };
