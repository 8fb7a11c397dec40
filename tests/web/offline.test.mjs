// The hosted edition, served from 127.0.0.1: installable, with a service
// worker that keeps it working offline after one visit. Installability and
// the network switch are asked of Chromium over its DevTools protocol.

import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { inflateSync } from 'node:zlib';
import { resolve } from 'node:path';
import { after, before, describe, test } from 'node:test';

import { serve } from './layouts.mjs';
import { browserName } from './browsers.mjs';
import { within } from './deadline.mjs';
import { chromiumArgs, design, languageCodes, launch, pagePath, sitePath } from './velmora.mjs';

// Chromium only: installability and the network switch are Chromium's DevTools; in the other engines the suite skips these.
const chromiumOnly = browserName === 'chromium' ? {} : { skip: `Chromium only, not ${browserName}` };

let browser;
let site;
before(async () => {
    if (chromiumOnly.skip) return;
    browser = await launch();
    site = await serve(sitePath);
});
after(async () => {
    await browser?.close();
    await site?.close();
});

const window_ = design();
const title = window_.controls.find((c) => c.id === 'Label1');
const policyOf = (html) => html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
const descriptionOf = (html) => html.match(/<meta name="description" content="([^"]*)"/)?.[1];

// A context that reaches 127.0.0.1 and nothing else.
async function local() {
    const context = await browser.newContext({ locale: 'bg-BG' });
    await context.route('**/*', (route) =>
        route.request().url().startsWith(site.url) ? route.continue() : route.abort('blockedbyclient'));
    return context;
}

describe('the hosted folder', chromiumOnly, () => {
    test('the single file plus what installing needs, under a policy widened by that alone', () => {
        const single = readFileSync(pagePath, 'utf8');
        const hosted = readFileSync(resolve(sitePath, 'index.html'), 'utf8');
        assert.equal(policyOf(hosted), `${policyOf(single)}; manifest-src 'self'; worker-src 'self'; connect-src 'self'`);
        // The module beside the page, byte for byte the one inside the single file.
        const inline = single.match(/<script id="engine" type="application\/wasm;deflate;base64">([^<]*)<\/script>/);
        assert.ok(inline, 'the single file carries its module');
        assert.ok(readFileSync(resolve(sitePath, 'velmora.wasm')).equals(inflateSync(Buffer.from(inline[1].trim(), 'base64'))),
            'velmora.wasm is not the single file\'s module');
        const plain = hosted
            .replace(policyOf(hosted), policyOf(single))
            .replace(' data-worker="sw.js"', '')
            .replace('<script id="engine" type="application/wasm;deflate;base64" data-src="velmora.wasm"></script>', inline[0])
            .replace(/<link rel="preload" href="velmora.wasm" as="fetch" type="application\/wasm" crossorigin>\n<link rel="manifest" href="manifest.bg.webmanifest">\n<link rel="apple-touch-icon" href="data:image\/png;base64,[A-Za-z0-9+/=]+">\n/, '');
        assert.ok(plain === single, 'the hosted page differs from the single file beyond its install links and its module');
        // Described in Bulgarian, in both, as in the Bulgarian manifest; the
        // English one in English.
        const manifest = (code) => JSON.parse(readFileSync(resolve(sitePath, `manifest.${code}.webmanifest`), 'utf8'));
        assert.equal(descriptionOf(single), manifest('bg').description);
        assert.match(manifest('bg').description, /^[^a-z]*Velmora [а-я]/);
        for (const code of languageCodes()) {
            const m = manifest(code);
            assert.equal(m.lang, code);
            assert.equal(m.description, design(code).texts.description);
            assert.ok(m.description.length >= 50 && m.description.length <= 160, 'a search snippet long');
            assert.deepEqual({ ...m, lang: '', description: '' }, { ...manifest('bg'), lang: '', description: '' });
        }
        assert.ok(!/[\u0400-\u04ff]/.test(manifest('en').description));
    });

    // iOS asks a site's folder for this file by name, whatever the page links.
    test('an iPhone finds apple-touch-icon.png beside the page: a 180 × 180 PNG', async () => {
        const response = await fetch(`${site.url}apple-touch-icon.png`);
        assert.equal(response.status, 200, 'apple-touch-icon.png is not served from the hosted folder');
        assert.equal(response.headers.get('content-type'), 'image/png');
        const png = Buffer.from(await response.arrayBuffer());
        assert.equal(png.readUInt32BE(0), 0x89504e47, 'not a PNG');
        assert.equal([png.readUInt32BE(16), png.readUInt32BE(20)].join(' × '), '180 × 180');
    });

    test('Chromium finds the manifest installable', async () => {
        // Chromium installs nothing from an incognito context: this one has
        // a profile of its own, thrown away afterwards.
        const { chromium } = await import('playwright-core');
        const profile = mkdtempSync(resolve(tmpdir(), 'velmora-profile-'));
        const context = await chromium.launchPersistentContext(profile, {
            executablePath: process.env.VELMORA_CHROMIUM ?? '/usr/bin/chromium',
            headless: true,
            args: chromiumArgs,
            locale: 'bg-BG',
        });
        after(() => rmSync(profile, { recursive: true, force: true }));
        await context.route('**/*', (route) =>
            route.request().url().startsWith(site.url) ? route.continue() : route.abort('blockedbyclient'));
        try {
        const page = await context.newPage();
        await page.goto(site.url);
        assert.equal(await within('window.velmora.ready', page.evaluate(() => window.velmora.ready)), true);
        const cdp = await context.newCDPSession(page);
        const manifest = await cdp.send('Page.getAppManifest');
        assert.deepEqual(manifest.errors, []);
        const m = JSON.parse(manifest.data);
        assert.equal(m.name, title.text);
        assert.equal(m.lang, 'bg');
        assert.equal(m.display, 'standalone');
        assert.equal(m.theme_color, title.back);
        assert.equal(m.background_color, window_.windowBack);
        const sizes = m.icons.map((i) => `${i.sizes} ${i.purpose}`).sort();
        assert.deepEqual(sizes, ['192x192 any', '512x512 any', '512x512 maskable']);
        // Each icon inline, as the page's policy allows images from data:
        // URLs alone: a PNG of the size its entry names.
        const touch = await page.$eval('link[rel=apple-touch-icon]', (e) => e.href);
        const pngs = [...m.icons.map((i) => [i.src, i.sizes]), [touch, '180x180']];
        for (const [src, sizes] of pngs) {
            assert.match(src, /^data:image\/png;base64,/);
            const png = Buffer.from(src.split(',')[1], 'base64');
            assert.equal(png.readUInt32BE(0), 0x89504e47);
            assert.equal([png.readUInt32BE(16), png.readUInt32BE(20)].join('x'), sizes);
        }
        // Installability is judged once the worker controls the page.
        await within('navigator.serviceWorker.ready', page.evaluate(() => navigator.serviceWorker.ready));
        const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
        assert.deepEqual(installabilityErrors, []);
        // Switched to English, the page names the English manifest.
        await page.click('#Languages > button[lang="en"]');
        const english = await cdp.send('Page.getAppManifest');
        assert.equal(english.url, `${site.url}manifest.en.webmanifest`);
        assert.deepEqual(english.errors, []);
        assert.equal(JSON.parse(english.data).lang, 'en');
        } finally {
            await context.close();
        }
    });

    test('after one visit the worker takes control, and offline a reload still calculates', async () => {
        const context = await local();
        const page = await context.newPage();
        const violations = [];
        page.on('console', (m) => /Content Security Policy/i.test(m.text()) && violations.push(m.text()));
        await page.goto(site.url);
        await within('navigator.serviceWorker.ready', page.evaluate(() => navigator.serviceWorker.ready.then(() => true)));
        const controlled = await within('the worker taking control (controllerchange)', page.evaluate(async () => {
            if (!navigator.serviceWorker.controller)
                await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
            return navigator.serviceWorker.controller.scriptURL;
        }));
        assert.equal(controlled, `${site.url}sw.js`);
        assert.ok(site.requests.includes('/velmora.wasm'), 'the module was fetched as a file of its own');

        const asked = site.requests.length;
        await context.setOffline(true);
        await page.reload();
        assert.equal(await within('window.velmora.ready offline', page.evaluate(() => window.velmora.ready)), true);
        assert.equal(site.requests.length, asked, 'nothing reached the server');
        await page.fill('#Pole1', '3');
        await page.fill('#Pole2', '5');
        await page.fill('#Pole3', '1');
        await page.evaluate(() => window.velmora.queueDraws([0.25]));
        await page.click('#Buton0');
        assert.match(await page.evaluate(() => window.velmora.transcript()), /^Решавам Диофантово уравнение 3x \+ 5y = 1\r\n[^]*-54 \+ 55 = 1\r\n$/);
        assert.deepEqual(violations, []);
        await context.close();
    });

    // The network stalled, as on a train: the page opens from the cache at
    // once, as offline, while the worker's own request for the page waits in
    // the background; once answered, that answer is the next visit's page.
    test('on a stalled network the cached page opens, and a new one shows on the next visit', async () => {
        const context = await local();
        const page = await context.newPage();
        await page.goto(site.url);
        await page.evaluate(async () => {
            await navigator.serviceWorker.ready;
            if (!navigator.serviceWorker.controller)
                await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
        });
        const asked = site.requests.length;
        site.stall(true);
        try {
            await page.reload();
            assert.equal(await page.evaluate(() => window.velmora.ready), true);
            assert.ok(site.requests.slice(asked).includes('/'), 'the worker asked for the page in the background');
        } finally {
            site.stall(false);
        }

        const next = readFileSync(resolve(sitePath, 'index.html'), 'utf8').replace('</body>', '<!-- next version --></body>');
        site.replace('/', next);
        try {
            await page.reload();
            // Read once the reloaded page has started, not the one before it.
            assert.equal(await within('window.velmora.ready after the reload', page.evaluate(() => window.velmora.ready)), true);
            assert.ok(!(await page.content()).includes('<!-- next version -->'), 'the cached page first');
            // The background answer reaches the cache a moment after the page.
            await within('the next version in the cache', page.waitForFunction(
                async () => (await (await caches.match('./')).text()).includes('<!-- next version -->'), null, { timeout: 0, polling: 50 }));
            await page.reload();
            // The new document, started: the reload may hand back before the
            // old one has gone under load.
            await within('the next version shown, started, on the next visit', page.waitForFunction(
                async () => document.documentElement.outerHTML.includes('<!-- next version -->') && (await window.velmora?.ready) === true,
                null, { timeout: 0, polling: 50 }));
        } finally {
            site.replace('/', undefined);
        }
        await context.close();
    });

    test('the single file on a web site registers no worker and asks for nothing', async () => {
        const single = await serve(resolve(pagePath, '..'));
        try {
            const context = await browser.newContext();
            await context.route('**/*', (route) =>
                route.request().url().startsWith(single.url) ? route.continue() : route.abort('blockedbyclient'));
            const page = await context.newPage();
            // Every registration the page asks for, whenever it asks.
            await page.addInitScript(() => {
                window.registered = [];
                const register = navigator.serviceWorker.register.bind(navigator.serviceWorker);
                navigator.serviceWorker.register = (...args) => (window.registered.push(String(args[0])), register(...args));
            });
            await page.goto(`${single.url}velmora.html`);
            assert.equal(await within('window.velmora.ready', page.evaluate(() => window.velmora.ready)), true);
            // The hosted page registers from its load event: a task after it,
            // any such request has been made.
            const asked = await within('the load event and a task after it', page.evaluate(async () => {
                if (document.readyState !== 'complete') await new Promise((done) => addEventListener('load', done, { once: true }));
                await new Promise((done) => setTimeout(done, 0));
                return window.registered;
            }));
            assert.deepEqual(asked, []);
            assert.equal(await page.evaluate(() => navigator.serviceWorker.getRegistrations().then((r) => r.length)), 0);
            assert.deepEqual(single.requests, ['/velmora.html']);
            await context.close();
        } finally {
            await single.close();
        }
    });
});
