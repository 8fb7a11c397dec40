// The bounds after Euclid's way on the page, in the engine VELMORA_BROWSER
// names: a tick for "natural" or "non-negative", four boxes, the solutions
// within them worked out after Calculate, the picture shading the same
// bounds; a bad box said in the page's language; the bounds kept through new
// data and a new language; targets a finger can take on a phone. While they
// are in effect "Your answer" takes the list of the solutions they allow.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { launchBrowser } from './browsers.mjs';
import { until } from './deadline.mjs';
import { fillAndCalculate } from './inputs.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

async function calculate(s, coefficients) {
    await s.click('#Buton1');
    await fillAndCalculate(s, coefficients);
}

// What the user sees of the bounds and of the picture's marks inside them.
const shownBounds = (s) =>
    s.evaluate(() => {
        const $ = (id) => document.getElementById(id);
        const svg = $('Picture').hidden ? null : $('PictureView').querySelector('svg');
        return {
            natural: $('BoundsNatural').checked,
            nonNegative: $('BoundsNonNegative').checked,
            ends: ['BoundXMin', 'BoundXMax', 'BoundYMin', 'BoundYMax'].map((id) => $(id).value),
            account: $('BoundsAccount').hidden ? '' : $('BoundsAccount').textContent,
            faults: $('BoundsFaults').textContent,
            title: $('BoundsTitle').textContent,
            xFromName: $('BoundXMin').getAttribute('aria-label'),
            inBounds: svg
                ? [...svg.querySelectorAll('[data-in-bounds="true"]')].map((m) => `${m.dataset.x},${m.dataset.y}`).sort()
                : null,
        };
    });

describe('the bounds after Euclid\'s way', () => {
    test('give the solutions within them and shade the picture', async () => {
        const s = await browser.open({ search: '?lang=en' });
        await s.click('#BoundsNatural');
        await calculate(s, [3, 5, 47]);
        const natural = await until('the natural solutions of 3x + 5y = 47', () => shownBounds(s),
            (b) => b.account.includes('(4, 7), (9, 4), (14, 1)'));
        assert.deepEqual(natural.inBounds, ['14,1', '4,7', '9,4']);
        assert.equal(natural.faults, '');

        await s.fill('#BoundXMax', '10');
        const narrowed = await until('x ≤ 10 taken', () => shownBounds(s),
            (b) => b.account.includes('(4, 7), (9, 4)') && !b.account.includes('(14, 1)'));
        assert.deepEqual(narrowed.inBounds, ['4,7', '9,4']);

        // Ticking the other choice clears the first.
        await s.click('#BoundsNonNegative');
        await until('one choice at a time', () => shownBounds(s), (b) => b.nonNegative && !b.natural);

        await s.fill('#BoundYMin', '1.5');
        const faulty = await until('the bad box named', () => shownBounds(s), (b) => b.faults !== '');
        assert.match(faulty.faults, /^y from: “1\.5” is not a whole number/);
        assert.equal(faulty.account, '', 'nothing worked out from half the bounds');
        assert.deepEqual(faulty.inBounds, [], 'no region shaded while a box is wrong');
        await s.close();
    });

    test('are kept through new data and a new language', async () => {
        const s = await browser.open({ search: '?lang=en' });
        await s.click('#BoundsNonNegative');
        await s.fill('#BoundXMin', '-3');
        await s.fill('#BoundYMax', 'z');
        await s.click('#Buton2');
        await s.click('#Languages > button[lang="bg"]');
        const kept = await until('the bounds in Bulgarian', () => shownBounds(s), (b) => b.faults.startsWith('y до:'));
        assert.equal(kept.nonNegative, true);
        assert.deepEqual(kept.ends, ['-3', '', '', 'z']);
        assert.equal(kept.title, 'Решения при ограничения');
        assert.equal(kept.xFromName, 'Най-малката допустима стойност на x');

        await s.fill('#BoundYMax', '');
        await calculate(s, [4, 2, 18]);
        const legs = await until('the non-negative solutions of 4x + 2y = 18', () => shownBounds(s),
            (b) => b.account.includes('(0; 9), (1; 7), (2; 5), (3; 3), (4; 1)'));
        assert.deepEqual(legs.inBounds, ['0,9', '1,7', '2,5', '3,3', '4,1']);
        await s.close();
    });

    test('take a finger on a phone', async () => {
        const s = await browser.open({ viewport: { width: 360, height: 740 } });
        const sizes = await s.evaluate(() =>
            ['BoundsNatural', 'BoundsNonNegative', 'BoundXMin', 'BoundXMax', 'BoundYMin', 'BoundYMax'].map((id) => {
                const element = document.getElementById(id);
                const target = element.type === 'checkbox' ? element.closest('label') : element;
                const box = target.getBoundingClientRect();
                return { id, height: box.height, width: box.width, right: box.right, font: parseFloat(getComputedStyle(element).fontSize), screen: document.documentElement.clientWidth };
            }),
        );
        for (const size of sizes) {
            assert.ok(size.height >= 44 && size.width >= 44, `${size.id}: ${size.width}×${size.height}`);
            assert.ok(size.right <= size.screen + 0.5, `${size.id} ends at ${size.right} of ${size.screen}`);
            if (!size.id.startsWith('Bounds')) assert.ok(size.font >= 16, `${size.id}: ${size.font}px type`);
        }
        await s.close();
    });
});

// What the user sees of "Your answer" while a task has bounds.
const shownList = (s) =>
    s.evaluate(() => {
        const $ = (id) => document.getElementById(id);
        const rendered = (e) => e.getClientRects().length > 0;
        const list = $('AnswerList');
        const box = list.getBoundingClientRect();
        return {
            list: rendered(list),
            pair: rendered($('AnswerX0')),
            claim: rendered($('AnswerNone')),
            name: list.getAttribute('aria-label'),
            caption: $('AnswerListCaption').textContent,
            captionFor: $('AnswerListCaption').htmlFor,
            value: list.value,
            lines: [...$('Feedback').children].map((p) => p.textContent),
            live: [$('Feedback').getAttribute('role'), $('Feedback').getAttribute('aria-live')],
            hints: [...$('Hints').children].map((li) => li.innerText),
            hintEnabled: !$('AnswerHint').disabled,
            tally: $('Tally').textContent,
            size: { width: box.width, height: box.height, right: box.right, font: parseFloat(getComputedStyle(list).fontSize), screen: document.documentElement.clientWidth },
        };
    });

describe('the list of the solutions within the bounds', () => {
    test('is asked for while bounds are in effect, checked, hinted and scored', async () => {
        const s = await browser.open({ search: '?lang=en' });
        await calculate(s, [3, 5, 47]);
        let seen = await shownList(s);
        assert.deepEqual([seen.list, seen.pair, seen.claim], [false, true, true], 'no bounds: the pair and the steps');

        await s.click('#BoundsNatural');
        seen = await until('the list in place of the pair', () => shownList(s), (v) => v.list && !v.pair && !v.claim);
        assert.equal(seen.name, 'Your list of all the solutions within the bounds, such as (4, 7), (9, 4)');
        assert.equal(seen.caption, 'All the solutions within the bounds');
        assert.equal(seen.captionFor, 'AnswerList');

        // Typed with U+2212 and either separator, checked by Enter: what is
        // wrong, and no missing pair named.
        await s.fill('#AnswerList', '(4; 7), (5, 6), (−1; 10)');
        await s.press('Enter');
        seen = await until('the feedback on the list', () => shownList(s), (v) => v.lines.length > 0);
        assert.deepEqual(seen.live, ['status', 'polite']);
        assert.deepEqual(seen.lines, [
            'Not right yet.',
            '(5, 6) is not a solution: 3·5 + 5·6 = 15 + 30 = 45, not 47.',
            '(−1, 10) solves the equation but lies outside the bounds: x ≥ 1 does not hold.',
            '1 listed solution is right and within the bounds.',
            '2 solutions within the bounds are missing from the list.',
        ]);
        assert.ok(!seen.lines.join(' ').includes('(9, 4)') && !seen.lines.join(' ').includes('(14, 1)'));
        assert.equal(seen.tally, 'Right at the first try: 0 of 1; hints used: 0');

        // The hints one at a time, the first a line for each bound, the last
        // the whole list.
        for (let k = 1; k <= 4; ++k) {
            await s.click('#AnswerHint');
            seen = await until(`hint ${k}`, () => shownList(s), (v) => v.hints.length === k);
        }
        assert.equal(seen.hintEnabled, false);
        assert.match(seen.hints[0], /x ≥ 1 {2}⇒ .*\n(.*\n)*y ≥ 1 {2}⇒/);
        assert.match(seen.hints[3], /\(4, 7\), \(9, 4\), \(14, 1\)/);
        assert.equal(seen.tally, 'Right at the first try: 0 of 1; hints used: 4');

        // The bounds gone, the tick scrolled back to as the user would: the
        // pair and the steps again.
        await s.evaluate(() => document.getElementById('BoundsNatural').scrollIntoView({ block: 'center' }));
        await s.click('#BoundsNatural');
        seen = await until('the pair asked for again', () => shownList(s), (v) => !v.list && v.pair && v.claim);
        assert.deepEqual(seen.lines, [], 'the feedback was about the list');
        assert.equal(seen.value, '(4; 7), (5, 6), (−1; 10)', 'the list kept for the bounds again');
        await s.close();
    });

    test('takes a finger on a phone, in the page\'s language', async () => {
        const s = await browser.open({ viewport: { width: 360, height: 740 }, search: '?lang=uk' });
        await s.click('#BoundsNonNegative');
        await s.fill('#Pole1', '4');
        await s.fill('#Pole2', '2');
        await s.fill('#Pole3', '18');
        await s.fill('#AnswerList', '(0; 9) (1; 7) (2; 5) (3; 3) (4; 1)');
        await s.click('#AnswerCheck');
        const seen = await until('the list checked in Ukrainian', () => shownList(s), (v) => v.lines.length > 0);
        const { width, height, right, font, screen } = seen.size;
        assert.ok(width >= 44 && height >= 44, `${width}×${height}`);
        assert.ok(right <= screen + 0.5, `ends at ${right} of ${screen}`);
        assert.ok(font >= 16, `${font}px type`);
        assert.equal(seen.caption, 'Усі розв’язки в цих межах');
        assert.equal(seen.lines.at(-1), 'Список повний: у цих межах 5 розв’язків.');
        await s.close();
    });
});
