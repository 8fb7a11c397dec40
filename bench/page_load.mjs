// How the hosted page loads on a phone, printed, never judged:
//   - Lighthouse's mobile preset (Performance, TBT, CLS, LCP, FCP and the
//     main thread's work), the median of its runs;
//   - in Chromium as a Pixel 7, per language: first paint, first contentful
//     paint, the engine ready, and the layout shift a PerformanceObserver saw.
//
//   node bench/page_load.mjs [--quick] [--plain]
//
// --quick leaves Lighthouse out and loads each language once. Needs the
// default build's hosted folder and tests/web's packages (npm ci there).
// Lighthouse drives Debian's chromium (CHROME_PATH, /usr/bin/chromium).

import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

import { contextOptions, profiles, serve } from '../tests/web/layouts.mjs';
import { launch, median, root, sitePath } from '../tests/web/velmora.mjs';

const quick = process.argv.includes('--quick');
const lighthouseRuns = quick ? 0 : 3;
const pageRuns = quick ? 1 : 5;

const ms = (x) => `${Math.round(x)} ms`;

// One Lighthouse run, mobile preset (its default), over the CLI. Not
// spawned synchronously: this process serves the page it loads.
async function lighthouse(url, retried = false) {
    const require = createRequire(resolve(root, 'tests/web/package.json'));
    const cli = require.resolve('lighthouse/cli/index.js');
    let run;
    try {
        run = await promisify(execFile)(process.execPath, [cli, url, '--quiet', '--output=json', '--output-path=stdout',
            '--only-categories=performance', '--chrome-flags=--headless=new --no-sandbox'], {
            env: { ...process.env, CHROME_PATH: process.env.CHROME_PATH ?? '/usr/bin/chromium' },
            maxBuffer: 1 << 28,
            timeout: 300_000,
        });
    } catch (error) {
        // A run that fails is tried once more before the figures are given up.
        if (!retried) return lighthouse(url, true);
        throw new Error(`lighthouse: ${error.message}`);
    }
    const report = JSON.parse(run.stdout);
    const audit = (id) => report.audits[id].numericValue;
    return {
        performance: Math.round(report.categories.performance.score * 100),
        tbt: audit('total-blocking-time'),
        cls: audit('cumulative-layout-shift'),
        lcp: audit('largest-contentful-paint'),
        fcp: audit('first-contentful-paint'),
        mainThread: audit('mainthread-work-breakdown'),
    };
}

// Before the page's own script: every paint and layout shift, noted.
function observe() {
    window.shifts = 0;
    new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) if (!entry.hadRecentInput) window.shifts += entry.value;
    }).observe({ type: 'layout-shift', buffered: true });
    Object.defineProperty(window, 'velmora', {
        configurable: true,
        set(velmora) {
            Object.defineProperty(window, 'velmora', { value: velmora });
            velmora.ready.then(() => (window.readyAt = performance.now()));
        },
    });
}

// The engine ready and the content painted: the paint's entry can come
// after the engine, when the engine starts from the cache.
const painted = () => window.readyAt !== undefined && performance.getEntriesByType('paint').some((p) => p.name === 'first-contentful-paint');

async function pageLoads(browser, site, locale) {
    const figures = { paint: [], contentful: [], ready: [], shift: [], lang: null };
    for (let run = 0; run < pageRuns; run++) {
        const phone = profiles.find((p) => p.name === 'Pixel 7');
        const context = await browser.newContext(contextOptions(phone, { locale, deviceScaleFactor: phone.options.deviceScaleFactor }));
        await context.route('**/*', (route) =>
            route.request().url().startsWith(site.url) ? route.continue() : route.abort('blockedbyclient'));
        const page = await context.newPage();
        await page.addInitScript(observe);
        await page.goto(site.url);
        await page.waitForFunction(painted);
        // Two frames more, for a shift that start-up would cause.
        await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
        const seen = await page.evaluate(() => ({
            paints: Object.fromEntries(performance.getEntriesByType('paint').map((p) => [p.name, p.startTime])),
            ready: window.readyAt,
            shift: window.shifts,
            lang: document.documentElement.lang,
        }));
        figures.paint.push(seen.paints['first-paint']);
        figures.contentful.push(seen.paints['first-contentful-paint']);
        figures.ready.push(seen.ready);
        figures.shift.push(seen.shift);
        figures.lang = seen.lang;
        await context.close();
    }
    return figures;
}

// Gzipped, as web hosts serve text; --plain serves it as the files stand.
const plain = process.argv.includes('--plain');
// The installed page on a stalled network: visited once, so that its worker
// holds it, then reloaded with the server answering nothing.
async function stalledOpen(browser, site) {
    const context = await browser.newContext({ locale: 'bg-BG' });
    await context.route('**/*', (route) =>
        route.request().url().startsWith(site.url) ? route.continue() : route.abort('blockedbyclient'));
    const page = await context.newPage();
    await page.addInitScript(observe);
    await page.goto(site.url);
    await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        if (!navigator.serviceWorker.controller)
            await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
    });
    site.stall(true);
    try {
        const t0 = performance.now();
        await page.reload({ waitUntil: 'commit' });
        await page.waitForFunction(painted);
        const opened = performance.now() - t0;
        const paints = await page.evaluate(() => Object.fromEntries(performance.getEntriesByType('paint').map((p) => [p.name, p.startTime])));
        return { opened, contentful: paints['first-contentful-paint'] };
    } finally {
        site.stall(false);
        await context.close();
    }
}

const site = await serve(sitePath, { compress: !plain });
try {
    console.log(`hosted page: ${sitePath}, served ${plain ? 'uncompressed' : 'gzipped'}`);
    if (lighthouseRuns) {
        const runs = [];
        for (let i = 0; i < lighthouseRuns; i++) runs.push(await lighthouse(site.url));
        const m = (key) => median(runs.map((r) => r[key]));
        console.log(`Lighthouse, mobile preset, median of ${runs.length}:`);
        console.log(`  Performance ${m('performance')} (runs: ${runs.map((r) => r.performance).join(', ')})`);
        console.log(`  TBT ${ms(m('tbt'))}, CLS ${m('cls').toFixed(3)}, LCP ${ms(m('lcp'))}, FCP ${ms(m('fcp'))}, main-thread work ${ms(m('mainThread'))}`);
    }
    const browser = await launch();
    try {
        console.log(`Chromium as a Pixel 7, median of ${pageRuns} load(s), from the start of navigation:`);
        for (const locale of ['bg-BG', 'en-GB']) {
            const f = await pageLoads(browser, site, locale);
            console.log(`  ${locale} (page in "${f.lang}"): first paint ${ms(median(f.paint))}, first contentful paint ${ms(median(f.contentful))}, engine ready ${ms(median(f.ready))}, layout shift ${median(f.shift).toFixed(3)}`);
        }
        const stalled = await stalledOpen(browser, site);
        console.log(`  installed, network stalled: first contentful paint ${ms(stalled.contentful)}, open (engine ready, content painted) ${ms(stalled.opened)} after the reload began`);
    } finally {
        await browser.close();
    }
} finally {
    await site.close();
}
