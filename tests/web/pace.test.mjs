// Euclid's way a step at a time on the page, in the engine VELMORA_BROWSER
// names: Alt+Page Down, Alt+Page Up and Alt+End from the keyboard and the
// buttons by a click, the lines up to the current step shown and that one
// marked for a screen reader, and no formula broken across two lines where
// it fits on one, on a projector's screen.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { launchBrowser } from './browsers.mjs';
import { until } from './deadline.mjs';
import { fillAndCalculate as calculate } from './inputs.mjs';
import { design } from './velmora.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

// Runs in the page: the places of Euclid's way that show, the marked one,
// the step said and the buttons' states.
function paced() {
    const way = document.getElementById('EuclidWay');
    const places = [...way.querySelectorAll('.euclid-line, tbody tr')];
    const shown = places.filter((p) => p.getClientRects().length > 0);
    const marked = places.filter((p) => p.getAttribute('aria-current') === 'step');
    const button = (id) => document.getElementById(id);
    return {
        count: places.length,
        shown: shown.length,
        marked: marked.map((p) => places.indexOf(p)),
        markColour: marked[0] ? getComputedStyle(marked[0]).backgroundColor : '',
        said: document.getElementById('EuclidAt').textContent,
        previous: !button('EuclidPrevious').disabled,
        next: !button('EuclidNext').disabled,
        all: !button('EuclidAll').disabled,
        focused: document.activeElement?.id ?? '',
    };
}

const stepText = (at, count) => design('en').texts.phrases['euclid.paceAt'].replace('{current}', at).replace('{count}', count);

describe("Euclid's way a step at a time", () => {
    test('moves by the keys and the buttons, the current step marked', async () => {
        const s = await browser.open({ search: '?lang=en', viewport: { width: 1920, height: 1080 } });
        await calculate(s, [91, 35, 14]);
        const all = await until('Euclid\'s way after Calculate', () => s.evaluate(paced), (seen) => seen.count > 5);
        assert.equal(all.shown, all.count, 'all at once by default');
        assert.deepEqual(all.marked, []);
        assert.deepEqual([all.previous, all.next, all.all], [true, true, false]);

        await s.press('Alt+PageDown');
        const first = await until('the first step after Alt+Page Down', () => s.evaluate(paced), (seen) => seen.shown === 1);
        assert.deepEqual(first.marked, [0]);
        assert.equal(first.said, stepText(1, all.count));
        assert.equal(first.markColour, 'rgb(255, 224, 102)');
        assert.deepEqual([first.previous, first.next, first.all], [false, true, true]);

        await s.press('Alt+PageDown');
        await s.press('Alt+PageDown');
        const third = await until('the third step', () => s.evaluate(paced), (seen) => seen.shown === 3);
        assert.deepEqual(third.marked, [2]);
        await s.press('Alt+PageUp');
        const second = await until('the second step after Alt+Page Up', () => s.evaluate(paced), (seen) => seen.shown === 2);
        assert.deepEqual(second.marked, [1]);
        assert.equal(second.said, stepText(2, all.count));

        await s.click('#EuclidNext');
        await until('the third step after a click on Next', () => s.evaluate(paced), (seen) => seen.shown === 3 && seen.marked[0] === 2);
        await s.press('Alt+End');
        const whole = await until('every step after Alt+End', () => s.evaluate(paced), (seen) => seen.shown === seen.count);
        assert.deepEqual(whole.marked, []);
        assert.equal(whole.said, '');

        // The table's rows come one by one, as the board's.
        await s.click('input[name="EuclidMethod"][value="table"]');
        await until('the table', () => s.evaluate(() => document.querySelector('#EuclidWay table') !== null), (seen) => seen);
        await s.click('#EuclidPrevious');
        const table = await until('all but the last step', () => s.evaluate(paced), (seen) => seen.shown === seen.count - 1);
        assert.deepEqual(table.marked, [table.count - 2]);
        // To the end by Next: the focus stays on a button that leads on.
        await s.click('#EuclidNext');
        const end = await until('the last step', () => s.evaluate(paced), (seen) => seen.shown === seen.count && !seen.next);
        assert.deepEqual(end.marked, [end.count - 1]);
        assert.equal(end.focused, 'EuclidPrevious');
        await s.close();
    });

    for (const [width, height] of [[1920, 1080], [412, 915]])
        test(`keeps each formula on one line where it fits (${width} × ${height})`, async () => {
            const s = await browser.open({ search: '?lang=en', viewport: { width, height } });
            await calculate(s, [1534, 1309, 652]);
            // On a phone Euclid's way opens when asked for.
            if (width < 500) await s.click('#EuclidLink');
            const seen = await until("the formulas of Euclid's way", () =>
                s.evaluate(() => [...document.querySelectorAll('#EuclidWay .formula')].map((f) => {
                    const line = f.closest('.euclid-line');
                    const style = getComputedStyle(line);
                    const lineHeight = parseFloat(style.lineHeight) || 1.25 * parseFloat(style.fontSize);
                    const box = f.getBoundingClientRect();
                    // Its width on one line, unbroken.
                    Object.assign(f.style, { whiteSpace: 'nowrap', maxWidth: 'none' });
                    const natural = f.getBoundingClientRect().width;
                    Object.assign(f.style, { whiteSpace: '', maxWidth: '' });
                    const words = line.getClientRects();
                    return { text: f.textContent, height: box.height, lineHeight, width: natural, room: line.clientWidth, lines: Math.round(line.getBoundingClientRect().height / lineHeight), rects: words.length };
                })), (list) => list.length > 20 && list.every((f) => f.height > 0));
            let wrapped = 0;
            for (const formula of seen) {
                // A formula narrower than its column stands on one line, whole.
                if (formula.width <= formula.room) assert.ok(formula.height < 1.5 * formula.lineHeight, `${formula.text}: ${formula.height} px high, lines of ${formula.lineHeight} px`);
                if (formula.lines > 1) ++wrapped;
            }
            // On a phone lines wrap, between their formulas.
            if (width < 500) assert.ok(wrapped > 5, `${wrapped} lines wrapped`);
            await s.close();
        });
});
