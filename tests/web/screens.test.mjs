// The page's two layouts in every engine the suite runs, by the size of the
// viewport alone: which layout each size gets, measured; a calculation in
// each; reflow at 320 CSS px in the window's tab order; the reader's own
// text spacing. (Phones with touch are emulated in Chromium: layouts.test.)

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { launchBrowser } from './browsers.mjs';
import { clippedCaptions, measure, spaceOut, unreachable, windowViewport, worked } from './layouts.mjs';
import { design } from './velmora.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

const window_ = design();
const px = (twips) => Math.round(twips / window_.twipsPerPixel);
const designed = { width: px(window_.clientWidth), height: px(window_.clientHeight) };
const size = (width, height) => ({ width, height });
const scale1 = size(windowViewport.width, windowViewport.height);

// Opens the page at a size, or says why this engine's window cannot take it
// (a desktop browser's window has a least size of its own).
async function openAt(t, viewport) {
    const s = await browser.open({ viewport });
    const inner = await s.evaluate(() => [window.innerWidth, window.innerHeight]);
    if (inner[0] !== viewport.width || inner[1] !== viewport.height) {
        await s.close();
        t.skip(`${browser.name}'s window took ${inner.join(' × ')}`);
        return null;
    }
    return s;
}

describe('each size its layout', () => {
    const sizes = [
        ['320 × 568', size(320, 568), 'touch'],
        ['640 × 360', size(640, 360), 'touch'],
        ['915 × 412', size(915, 412), 'touch'],
        ['the least for the window', scale1, 'window'],
        ['1280 × 800', size(1280, 800), 'window'],
        ['1920 × 1080', size(1920, 1080), 'window'],
    ];
    for (const [name, viewport, layout] of sizes)
        test(`${name}: ${layout}, measured, and a calculation`, async (t) => {
            const s = await openAt(t, viewport);
            if (!s) return;
            const seen = await s.evaluate(measure);
            assert.equal(seen.layout, layout);
            assert.ok(seen.scrollWidth <= seen.viewport.width, `scrolls sideways: ${seen.scrollWidth}`);
            assert.ok(seen.smallestFont >= 16, `a font of ${seen.smallestFont} px`);
            if (layout === 'touch') {
                for (const c of seen.targets)
                    assert.ok(c.width >= 44 && c.height >= 44, `${c.id} is ${c.width} × ${c.height}`);
            } else {
                const scale = seen.window.width / designed.width;
                const share = Math.max(seen.withPanel.width / seen.viewport.width, seen.window.height / seen.viewport.height);
                const aspect = seen.window.width / seen.window.height / (designed.width / designed.height);
                assert.ok(scale >= 1 && share >= 0.9 && share <= 1, `scale ${scale}, ${share} of the viewport`);
                assert.ok(Math.abs(aspect - 1) < 0.005, `aspect ${aspect} of the designed one`);
                for (const c of seen.targets)
                    assert.ok(c.width >= 24 && c.height >= 24, `${c.id} is ${c.width} × ${c.height}`);
            }
            assert.deepEqual(await s.evaluate(unreachable), []);

            await s.fill('#Pole1', '3');
            await s.fill('#Pole2', '5');
            await s.fill('#Pole3', '1');
            await s.queueDraws([0.25]);
            await s.click('#Buton0');
            assert.equal(await s.transcript(), worked);
            const calculated = await s.evaluate(measure);
            assert.ok(calculated.transcript.firstLineShown, 'the first line of the transcript is on screen');
            assert.equal(await s.evaluate(() => document.activeElement.id), 'Pole4');
            await s.close();
        });
});

describe('reflow', () => {
    // 320 × 200 is 1280 × 800 at 400 % zoom, in CSS pixels.
    for (const viewport of [size(320, 256), size(320, 200)])
        test(`${viewport.width} × ${viewport.height}: every control reached, in the window's tab order`, async (t) => {
            const s = await openAt(t, viewport);
            if (!s) return;
            const seen = await s.evaluate(measure);
            assert.equal(seen.layout, 'touch');
            assert.ok(seen.scrollWidth <= seen.viewport.width, `scrolls sideways: ${seen.scrollWidth}`);
            assert.deepEqual(await s.evaluate(unreachable), []);

            await s.focus('#Pole0');
            const order = ['Pole0'];
            for (let k = 1; k < window_.tabOrder.filter((id) => !/^(Etiket|Label)/.test(id)).length; k++) {
                await s.press('Tab');
                order.push(await s.evaluate(() => document.activeElement.id));
                const r = await s.evaluate(() => {
                    const b = document.activeElement.getBoundingClientRect();
                    return [b.top, b.bottom, window.innerHeight, b.left, b.right, document.documentElement.clientWidth];
                });
                assert.ok(r[0] < r[2] && r[1] > 0 && r[3] >= 0 && r[4] <= r[5], `${order.at(-1)} off screen: ${r}`);
            }
            assert.deepEqual(order, window_.tabOrder.filter((id) => !/^(Etiket|Label)/.test(id)));
            await s.close();
        });
});

describe('text spacing', () => {
    const sizes = [
        ['the window at scale 1', scale1],
        ['the window on 1280 × 800', size(1280, 800)],
        ['one column at 320 px', size(320, 568)],
        ['two columns on a phone on its side', size(863, 360)],
    ];
    for (const [name, viewport] of sizes)
        test(`${name}: no caption clipped`, async (t) => {
            const s = await openAt(t, viewport);
            if (!s) return;
            assert.deepEqual(await s.evaluate(clippedCaptions), []);
            assert.notEqual(await s.evaluate(spaceOut), 'normal', 'the spacing took hold');
            assert.deepEqual(await s.evaluate(clippedCaptions), []);
            await s.close();
        });
});
