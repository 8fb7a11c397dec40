// The page on every screen from a 320 px phone to a 4K projector: the layout
// it chooses, measured; a whole calculation by touch in each; reflow at
// 320 CSS px; the reader's own text spacing.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { contextOptions, measure, profiles } from './layouts.mjs';
import { browserName } from './browsers.mjs';
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
const focusable = ['Pole0', 'Pole1', 'Pole2', 'Pole3', 'Pole4', 'Buton0', 'Buton1', 'Sluch', 'Buton2'];
const lines = (...list) => list.map((line) => line + '\r\n').join('');

// 3x + 5y = 1 with the draw 0.25 for t, as every layout must tell it.
const worked = lines(
    'Решавам Диофантово уравнение 3x + 5y = 1',
    'За коефициентите 3 и 5 е изчислен НОД = 1',
    'Изчисленият НОД на 3 и 5 е делител на 1',
    'Диофантовото уравнение има решение в областта на целите числа.',
    'Моля, изчакайте обработката на данните!',
    'Търся в интервала 0, 5',
    'открито решение Xо = 2; Yо = -1',
    'X = Xо - (B*t)/NOD = 2 - ( 5 * t )',
    'Y = Yо + (A * t) / NOD = -1 + ( 3 * t )',
    'Извършва се проверка за t = 4: ',
    'A*X + B*Y = C;  ',
    '3 * (-18) + 5 * (11) = 1',
    '-54 + 55 = 1',
);

const state = (page) => page.evaluate(() => ({
    locked: [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).readOnly),
    disabled: document.getElementById('Buton0').disabled,
    fields: [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).value),
    transcript: window.velmora.transcript(),
    focus: document.activeElement?.id,
}));

// A tap where the profile has touch, a click elsewhere.
const press = (page, profile, selector) => (profile.options.hasTouch ? page.tap(selector) : page.click(selector));

// Runs in the page: every control brought into view in turn, and whether it
// then lies wholly on screen (or, taller than the screen, starts on it) with
// nothing over its middle.
function unreachable() {
    const width = document.documentElement.clientWidth;
    const height = window.innerHeight;
    const out = [];
    for (const e of document.getElementById('MainWindow').children) {
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

            let scale = 1;
            if (seen.layout === 'touch') {
                for (const t of seen.targets)
                    assert.ok(t.width >= 44 && t.height >= 44, `${t.id} is ${t.width} × ${t.height}`);
            } else {
                scale = seen.window.width / designed.width;
                assert.ok(scale >= 1, `scale ${scale}`);
                const share = Math.max(seen.window.width / seen.viewport.width, seen.window.height / seen.viewport.height);
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
        // Wide again, the window's list returns, with the same name.
        await page.setViewportSize({ width: 1280, height: 800 });
        const wide = await seen();
        assert.equal(wide.size, window_.ranges.length);
        assert.equal(wide.name, touch.name);
        await context.close();
    });
});

describe('reflow', chromiumOnly, () => {
    // 320 × 256, and 1280 × 800 at 400 % zoom: 320 × 200 CSS px at four
    // device pixels each.
    const screens = [
        ['320 × 256', { viewport: { width: 320, height: 256 } }],
        ['1280 × 800 at 400 %', { viewport: { width: 320, height: 200 }, deviceScaleFactor: 4 }],
    ];
    for (const [name, device] of screens)
        test(`${name}: every control can be reached, in the window's tab order`, async () => {
            const { page, context } = await openPage(browser, { device });
            const seen = await page.evaluate(measure);
            assert.equal(seen.layout, 'touch');
            assert.ok(seen.scrollWidth <= seen.viewport.width, `scrolls sideways: ${seen.scrollWidth}`);
            assert.deepEqual(await page.evaluate(unreachable), []);

            await page.focus('#Pole0');
            const order = ['Pole0'];
            for (let k = 1; k < focusable.length; k++) {
                await page.keyboard.press('Tab');
                order.push(await page.evaluate(() => document.activeElement.id));
                // Focus brings the control on screen.
                const r = await page.evaluate(() => {
                    const b = document.activeElement.getBoundingClientRect();
                    return [b.top, b.bottom, window.innerHeight, b.left, b.right, document.documentElement.clientWidth];
                });
                assert.ok(r[0] < r[2] && r[1] > 0 && r[3] >= 0 && r[4] <= r[5], `${order.at(-1)} off screen: ${r}`);
            }
            assert.deepEqual(order, focusable);
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

describe('text spacing', chromiumOnly, () => {
    // WCAG 1.4.12's spacing, as a reader's style sheet would set it. The
    // page's policy refuses an added style element; a constructed sheet is
    // the page's own object and goes through.
    function spaceOut() {
        const sheet = new CSSStyleSheet();
        sheet.replaceSync('* { line-height: 1.5 !important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important; }');
        document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];
        return getComputedStyle(document.getElementById('Etiket4')).letterSpacing;
    }

    // Runs in the page: each caption's letters, where they are painted and
    // whether anything cuts them off: a clipping box around them, or another
    // control over them.
    function clippedCaptions() {
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

    const screens = [
        ['the window at scale 1', {}],
        ['the window on 1280 × 800', { viewport: { width: 1280, height: 800 } }],
        ['one column on a 320 px phone', contextOptions(profiles[0])],
        ['two columns on a phone on its side', contextOptions(profiles.find((p) => p.name === 'Pixel 7 landscape'))],
    ];
    for (const [name, device] of screens)
        test(`${name}: no caption clipped`, async () => {
            const { page, context } = await openPage(browser, { device });
            const before = await page.evaluate(clippedCaptions);
            assert.deepEqual(before, []);
            const spacing = await page.evaluate(spaceOut);
            assert.notEqual(spacing, 'normal', 'the spacing took hold');
            assert.deepEqual(await page.evaluate(clippedCaptions), []);
            await context.close();
        });
});
