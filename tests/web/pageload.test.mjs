// The page's first frame is its final one: on every phone nothing moves once
// it shows, and it is already in the language the engine goes on to choose.
// And the language switch scales with the window, as its controls do.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { contextOptions, profiles } from './layouts.mjs';
import { browserName } from './browsers.mjs';
import { design, launch, openPage, windowViewport } from './velmora.mjs';

// Chromium only: layout shifts are reported by Chromium's PerformanceObserver alone.
const chromiumOnly = browserName === 'chromium' ? {} : { skip: `Chromium only, not ${browserName}` };

let browser;
before(async () => {
    if (!chromiumOnly.skip) browser = await launch();
});
after(async () => browser?.close());

// Before the page's script: the layout shifts, and what the page shows when
// its script has run and before its engine is ready.
function watch(stored) {
    if (stored) localStorage.setItem('velmora.language', stored);
    window.shifts = [];
    new PerformanceObserver((list) => window.shifts.push(...list.getEntries().map((e) => e.value)))
        .observe({ type: 'layout-shift', buffered: true });
    Object.defineProperty(window, 'velmora', {
        configurable: true,
        set(velmora) {
            Object.defineProperty(window, 'velmora', { value: velmora });
            window.first = {
                lang: document.documentElement.lang,
                button: document.getElementById('Buton0').textContent,
                switchedTo: document.querySelector('#Languages > [aria-pressed="true"]').lang,
                list: document.getElementById('Sluch').size,
            };
        },
    });
}

async function load(options) {
    const opened = await openPage(browser, options);
    const seen = await opened.page.evaluate(async (ready) => {
        // Two frames after start-up, for a shift it would cause.
        await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
        return { ready, first: window.first, lang: document.documentElement.lang, shifts: window.shifts, list: document.getElementById('Sluch').size };
    }, opened.ready);
    await opened.context.close();
    return seen;
}

describe('the first frame', chromiumOnly, () => {
    for (const profile of profiles.filter((p) => p.layout === 'touch'))
        for (const locale of ['bg-BG', 'en-GB'])
            test(`${profile.name}, ${locale}: no layout shift from the first frame on`, async () => {
                const seen = await load({ locale, init: watch, device: contextOptions(profile) });
                assert.equal(seen.ready, true);
                assert.deepEqual(seen.shifts, []);
                // The list already a drop-down, as the touch layout has it.
                assert.equal(seen.first.list, 1);
                assert.equal(seen.first.lang, seen.lang);
            });

    // [browser locale, address query, kept choice, the language]
    const rows = [
        ['bg-BG', '', null, 'bg'],
        ['en-GB', '', null, 'en'],
        ['de-DE', '', null, 'en'],
        ['en-GB', '?lang=bg', null, 'bg'],
        ['bg-BG', '?lang=EN_gb', null, 'en'],
        ['bg-BG', '?lang=xx', null, 'bg'],
        ['en-US', '', 'bg', 'bg'],
        ['en-US', '?lang=en', 'bg', 'en'],
    ];
    for (const [locale, search, stored, expected] of rows)
        test(`${locale}${search}${stored ? `, kept ${stored}` : ''}: ${expected} before the engine starts, and the engine agrees`, async () => {
            const seen = await load({ locale, search, init: { content: `(${watch})(${JSON.stringify(stored)})` } });
            assert.equal(seen.ready, true);
            assert.deepEqual(seen.first, { ...seen.first, lang: expected, switchedTo: expected, button: design(expected).texts.captions.Buton0 });
            assert.equal(seen.lang, expected, 'the engine chose otherwise');
        });
});

describe('the language switch', chromiumOnly, () => {
    const sizes = async (viewport) => {
        const { page, context } = await openPage(browser, { device: { viewport } });
        const seen = await page.evaluate(() => {
            const button = document.querySelector('#Languages > button');
            const box = button.getBoundingClientRect();
            return {
                window: document.getElementById('MainWindow').getBoundingClientRect().width,
                font: parseFloat(getComputedStyle(button).fontSize),
                width: box.width,
                height: box.height,
            };
        });
        await context.close();
        return seen;
    };

    test('grows with the window: on 4K as much larger as the window is', async () => {
        const small = await sizes({ width: windowViewport.width, height: windowViewport.height });
        const large = await sizes({ width: 3840, height: 2160 });
        const scale = large.window / small.window;
        assert.ok(scale > 2, `the window only ${scale} times larger`);
        for (const key of ['font', 'width', 'height'])
            assert.ok(Math.abs(large[key] / small[key] - scale) < 0.1 * scale, `${key}: ${small[key]} → ${large[key]} px, the window × ${scale.toFixed(2)}`);
    });

    test('on a phone, targets of 44 px at the same font as at scale 1', async () => {
        const phone = profiles.find((p) => p.name === 'Pixel 7');
        const seen = await sizes(phone.options.viewport);
        const scaleOne = await sizes({ width: windowViewport.width, height: windowViewport.height });
        assert.ok(seen.width >= 44 && seen.height >= 44, `${seen.width} × ${seen.height}`);
        assert.equal(seen.font, scaleOne.font);
    });
});
