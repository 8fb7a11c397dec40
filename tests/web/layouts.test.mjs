// The page on every screen from a 320 px phone to a 4K projector: the layout
// it chooses, measured; a whole calculation by touch in each; reflow at
// 320 CSS px; the reader's own text spacing.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { contextOptions, measure, profiles, unreachable, worked } from './layouts.mjs';
import { browserName } from './browsers.mjs';
import { until } from './deadline.mjs';
import { design, launch, openPage } from './velmora.mjs';

// Chromium only: device emulation (a phone's viewport, touch, zoom) is driven through Chromium; in the other engines the suite skips these.
const chromiumOnly = browserName === 'chromium' ? {} : { skip: `Chromium only, not ${browserName}` };

let browser;
before(async () => {
    if (!chromiumOnly.skip) browser = await launch();
});
after(async () => browser?.close());

const window_ = design();
const px = (twips) => Math.round(twips / window_.twipsPerPixel);
const designed = { width: px(window_.clientWidth), height: px(window_.clientHeight) };


const state = (page) => page.evaluate(() => ({
    locked: [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).readOnly),
    disabled: document.getElementById('Buton0').disabled,
    fields: [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).value),
    transcript: window.velmora.transcript(),
    focus: document.activeElement?.id,
}));

// A tap where the profile has touch, a click elsewhere.
const press = (page, profile, selector) => (profile.options.hasTouch ? page.tap(selector) : page.click(selector));


describe('every screen, measured', chromiumOnly, () => {
    const rows = [];
    after(() => {
        // The table of the layouts, for the record.
        if (rows.length === 0) return;
        console.log('\nprofile | viewport | layout | scale | smallest target | smallest font | transcript lines after a calculation');
        for (const r of rows) console.log(r.join(' | '));
    });

    for (const profile of profiles)
        test(`${profile.name}: the ${profile.layout} layout`, async () => {
            const { page, context } = await openPage(browser, { device: contextOptions(profile) });
            const seen = await page.evaluate(measure);
            assert.equal(seen.layout, profile.layout);
            assert.ok(seen.scrollWidth <= seen.viewport.width, `scrolls sideways: ${seen.scrollWidth} > ${seen.viewport.width}`);
            assert.ok(seen.smallestFont >= 16, `a font of ${seen.smallestFont} px`);
            // In the window the note has the design's smaller point size, at
            // 96 dots per inch; in the touch layout the size of the rest.
            const notePixels = profile.layout === 'window' ? (design().note.pointSize * 96) / 72 : 16;
            assert.ok(seen.noteFont >= notePixels - 0.01, `the note in a font of ${seen.noteFont} px`);

            let scale = 1;
            if (seen.layout === 'touch') {
                for (const t of seen.targets)
                    assert.ok(t.width >= 44 && t.height >= 44, `${t.id} is ${t.width} × ${t.height}`);
            } else {
                scale = seen.window.width / designed.width;
                assert.ok(scale >= 1, `scale ${scale}`);
                const share = Math.max(seen.withPanel.width / seen.viewport.width, seen.window.height / seen.viewport.height);
                assert.ok(share >= 0.9 && share <= 1, `fills ${share} of the viewport`);
                const aspect = seen.window.width / seen.window.height / (designed.width / designed.height);
                assert.ok(Math.abs(aspect - 1) < 0.005, `aspect ${aspect} of the designed one`);
                // WCAG 2.5.8: every target at least 24 × 24.
                for (const t of seen.targets)
                    assert.ok(t.width >= 24 && t.height >= 24, `${t.id} is ${t.width} × ${t.height}`);
            }

            await page.evaluate(() => window.velmora.queueDraws([0.25]));
            await page.fill('#Pole1', '3');
            await page.fill('#Pole2', '5');
            await page.fill('#Pole3', '1');
            await press(page, profile, '#Buton0');
            const calculated = await page.evaluate(measure);
            assert.equal(await page.evaluate(() => window.velmora.transcript()), worked);
            assert.ok(calculated.transcript.firstLineShown, 'the first line of the transcript is on screen');
            assert.ok(calculated.scrollWidth <= calculated.viewport.width);

            const s = seen.smallestTarget;
            rows.push([profile.name, `${seen.viewport.width} × ${seen.viewport.height}`, seen.layout, scale.toFixed(2),
                `${s.id} ${Math.round(s.width)} × ${Math.round(s.height)}`, `${seen.smallestFont} px`, calculated.transcript.linesShown]);
            await context.close();
        });
});

describe('by touch', chromiumOnly, () => {
    for (const profile of profiles.filter((p) => p.options.hasTouch))
        test(`${profile.name}: a whole calculation by taps`, async () => {
            const { page, context } = await openPage(browser, { device: contextOptions(profile) });
            await page.tap('#Buton1');
            let s = await state(page);
            assert.deepEqual([s.fields, s.transcript, s.locked, s.disabled], [['', '', ''], '', [false, false, false], false]);

            for (const [i, text] of ['3', '5', '1'].entries()) {
                await page.tap(`#Pole${i + 1}`);
                assert.equal(await page.evaluate(() => document.activeElement.id), `Pole${i + 1}`);
                await page.keyboard.type(text);
            }
            await page.evaluate(() => window.velmora.queueDraws([0.25]));
            await page.tap('#Buton0');
            s = await state(page);
            assert.equal(s.transcript, worked);
            assert.deepEqual([s.locked, s.disabled, s.focus], [[true, true, true], true, 'Pole4']);
            assert.equal((await page.evaluate(measure)).transcript.firstLineShown, true);
            // A second tap on the disabled button changes nothing.
            await page.tap('#Buton0', { force: true });
            assert.equal((await state(page)).transcript, worked);

            // Choosing a range fills at once, as in the window: a tap on the
            // window's list, or on the drop-down's entry in its picker.
            await page.evaluate(() => window.velmora.queueDraws([0.5, 0.5, 0.5]));
            if (profile.layout === 'window') {
                await page.tap('#Sluch option:nth-child(2)');
            } else {
                await page.tap('#Sluch');
                await page.selectOption('#Sluch', '100');
            }
            assert.equal(await page.$eval('#Sluch', (e) => e.value), '100');
            s = await state(page);
            assert.deepEqual([s.fields, s.transcript, s.locked, s.disabled], [['51', '51', '51'], '', [false, false, false], false]);

            await page.evaluate(() => window.velmora.queueDraws([0, 0.125, 0.99]));
            await page.tap('#Buton2');
            assert.deepEqual((await state(page)).fields, ['1', '14', '100']);
            await context.close();
        });

    // Opened, the introduction pushes the transcript down the screen: a
    // calculation still brings its first line into view.
    for (const profile of profiles.filter((p) => p.layout === 'touch'))
        test(`${profile.name}: with the introduction open, Изчисли shows the transcript's first line`, async () => {
            const { page, context } = await openPage(browser, { device: contextOptions(profile) });
            const closed = await page.$eval('#Pole0', (e) => e.getBoundingClientRect().height);
            await page.tap('#Pole0');
            assert.ok((await page.$eval('#Pole0', (e) => e.getBoundingClientRect().height)) > 2 * closed, 'the introduction opened');
            await page.evaluate(() => document.activeElement.blur());
            await page.fill('#Pole1', '3');
            await page.fill('#Pole2', '5');
            await page.fill('#Pole3', '1');
            await page.evaluate(() => window.velmora.queueDraws([0.25]));
            await page.tap('#Buton0');
            assert.equal(await page.evaluate(() => window.velmora.transcript()), worked);
            const at = await page.$eval('#Pole4', (e) => [e.getBoundingClientRect().top, window.innerHeight]);
            assert.ok((await page.evaluate(measure)).transcript.firstLineShown,
                `the transcript's first line at y = ${Math.round(at[0])} of a screen ${at[1]} px high`);
            await context.close();
        });

    test('the introduction opens at a tap in the touch layout, and brings up no keyboard', async () => {
        const phone = profiles.find((p) => p.layout === 'touch');
        const { page, context } = await openPage(browser, { device: contextOptions(phone) });
        const height = () => page.$eval('#Pole0', (e) => [e.getBoundingClientRect().height, e.inputMode, e.readOnly]);
        const [closed, mode, readOnly] = await height();
        assert.equal(mode, 'none');
        assert.equal(readOnly, false, 'still editable');
        // Its first lines show, and no more than a few.
        const line = await page.$eval('#Pole0', (e) => parseFloat(getComputedStyle(e).lineHeight));
        assert.ok(closed >= 2 * line && closed <= 5 * line, `${closed} px for lines of ${line}`);
        await page.tap('#Pole0');
        const [open] = await height();
        assert.ok(open > 2 * closed, `${open} px open`);
        await context.close();
    });

    test('the coefficient fields ask for a keyboard of digits; the list is a drop-down', async () => {
        const phone = profiles.find((p) => p.layout === 'touch');
        const { page, context } = await openPage(browser, { device: contextOptions(phone) });
        const seen = () => page.evaluate(() => ({
            modes: [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).inputMode),
            size: document.getElementById('Sluch').size,
            name: document.getElementById('Sluch').getAttribute('aria-label'),
        }));
        const touch = await seen();
        assert.deepEqual(touch.modes, ['numeric', 'numeric', 'numeric']);
        assert.equal(touch.size, 1);
        // Wide again, the window's list returns, with the same name: the
        // page rearranges itself when the media query's change reaches it,
        // a frame after the resize.
        await page.setViewportSize({ width: 1280, height: 800 });
        const wide = await until("the window's list after widening", seen, (s) => s.size !== 1);
        assert.equal(wide.size, window_.ranges.length);
        assert.equal(wide.name, touch.name);
        await context.close();
    });
});

describe('reflow', chromiumOnly, () => {
    test('1280 × 800 at 400 %: every control can be reached', async () => {
        // 320 × 200 CSS px at four device pixels each, as the zoom makes it.
        const device = { viewport: { width: 320, height: 200 }, deviceScaleFactor: 4 };
        const { page, context } = await openPage(browser, { device });
        const seen = await page.evaluate(measure);
        assert.equal(seen.layout, 'touch');
        assert.ok(seen.scrollWidth <= seen.viewport.width, `scrolls sideways: ${seen.scrollWidth}`);
        assert.deepEqual(await page.evaluate(unreachable), []);
        await context.close();
    });

    // On its side, from an iPhone SE's 568 px up: the transcript in a column
    // of its own, right of the controls and as high as they stand.
    const onItsSide = (width, height) => ({ viewport: { width, height }, hasTouch: true, isMobile: true });
    for (const [name, device] of [['568 × 320', onItsSide(568, 320)], ['640 × 360', onItsSide(640, 360)],
        ['Pixel 7 landscape', contextOptions(profiles.find((p) => p.name === 'Pixel 7 landscape'))]])
        test(`${name} on its side: the transcript beside the controls`, async () => {
            const { page, context } = await openPage(browser, { device });
            const seen = await page.evaluate(() => {
                const box = (e) => e.getBoundingClientRect();
                const transcript = box(document.getElementById('Pole4'));
                const controls = [...document.getElementById('MainWindow').children].filter((e) => e.id !== 'Pole4').map(box);
                return {
                    layout: matchMedia(document.getElementById('MainWindow').dataset.layout).matches ? 'window' : 'touch',
                    left: transcript.left,
                    top: transcript.top,
                    controlsRight: Math.max(...controls.map((r) => r.right)),
                    controlsTop: Math.min(...controls.map((r) => r.top)),
                };
            });
            assert.equal(seen.layout, 'touch');
            assert.ok(seen.left >= seen.controlsRight, `the transcript at x = ${seen.left}, left of the controls' edge at ${seen.controlsRight}`);
            assert.ok(seen.top <= seen.controlsTop + 1, `the transcript at y = ${seen.top}, below the controls' top at ${seen.controlsTop}`);
            await context.close();
        });

    test('a phone on its side: every control and the transcript reached, nothing clipped', async () => {
        for (const device of [{ viewport: { width: 640, height: 360 }, hasTouch: true, isMobile: true },
            contextOptions(profiles.find((p) => p.name === 'Pixel 7 landscape'))]) {
            const { page, context } = await openPage(browser, { device });
            assert.deepEqual(await page.evaluate(unreachable), [], JSON.stringify(device.viewport));
            await page.tap('#Buton0');
            assert.equal((await page.evaluate(measure)).transcript.firstLineShown, true);
            await context.close();
        }
    });
});

