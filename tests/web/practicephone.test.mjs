// "Your answer" on a phone, in Chromium's phone profiles: every control of the
// panel a 44 × 44 px target with 16 px text, the claim's box among them;
// Euclid's way closed until asked for and no link to an empty box
// before Calculate; the feedback brought into view and announced after Check.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { browserName } from './browsers.mjs';
import { until } from './deadline.mjs';
import { contextOptions, profiles } from './layouts.mjs';
import { design, launch, openPage } from './velmora.mjs';

const chromiumOnly = browserName === 'chromium' ? {} : { skip: `Chromium's phone profiles only, not ${browserName}` };

let browser;
before(async () => {
    if (!chromiumOnly.skip) browser = await launch();
});
after(async () => browser?.close());

// Runs in the page: the panel's controls as measured, and where Euclid's way,
// its link and the picture stand against the form.
function practiceShown() {
    const $ = (id) => document.getElementById(id);
    const rect = (e) => e.getBoundingClientRect();
    const rendered = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
    const form = rect($('Practice'));
    const link = $('EuclidLink');
    return {
        // Those on screen: the list of a task with bounds stands hidden.
        targets: [...document.querySelectorAll('#Practice input, #Practice button')].filter(rendered).map((e) => ({
            id: e.id,
            width: rect(e).width,
            height: rect(e).height,
            font: parseFloat(getComputedStyle(e).fontSize),
        })),
        claimFont: parseFloat(getComputedStyle($('AnswerNoneCaption')).fontSize),
        euclidShown: rendered($('Euclid')),
        euclidText: $('EuclidWay').textContent,
        euclidTop: rect($('Euclid')).top,
        link: { live: link.hasAttribute('href'), expanded: link.getAttribute('aria-expanded'), focusable: link.tabIndex >= 0 && link.matches(':any-link') },
        later: rendered($('EuclidLater')) ? $('EuclidLater').textContent : null,
        pictureShown: rendered($('Picture')),
        pictureBelowForm: rect($('Picture')).top >= form.bottom,
        height: innerHeight,
    };
}

function feedbackSeen() {
    const e = document.getElementById('Feedback');
    const box = e.getBoundingClientRect();
    const height = window.visualViewport?.height ?? innerHeight;
    return {
        text: e.textContent,
        inView: box.top >= 0 && box.top + Math.min(box.height, height / 2) <= height,
        role: e.getAttribute('role'),
        live: e.getAttribute('aria-live'),
    };
}

const claimed = (page) => page.evaluate(() => [document.getElementById('AnswerNone').checked, document.getElementById('AnswerX0').disabled]);

describe('practising on a phone', chromiumOnly, () => {
    const later = design('en').texts.panel.captions.EuclidLater;
    for (const profile of profiles.filter((p) => p.layout === 'touch'))
        test(`${profile.name}: 44 px targets, Euclid's way closed until asked for, the feedback in view`, async () => {
            const { page, context } = await openPage(browser, { device: contextOptions(profile), search: '?lang=en' });

            // Before Calculate: nothing to open, and a line saying why.
            let seen = await page.evaluate(practiceShown);
            assert.ok(seen.targets.length >= 8, `${seen.targets.length} controls`);
            for (const t of seen.targets) {
                assert.ok(t.width >= 44 && t.height >= 44, `${t.id}: ${t.width} × ${t.height} px`);
                assert.ok(t.font >= 16, `${t.id}: ${t.font} px text`);
            }
            assert.ok(seen.claimFont >= 16, `the claim's caption: ${seen.claimFont} px`);
            assert.equal(seen.euclidShown, false, "no empty box of Euclid's way");
            assert.deepEqual(seen.link, { live: false, expanded: null, focusable: false });
            assert.equal(seen.later, later);

            // The claim's box and its caption each take a tap.
            await page.tap('#AnswerNone');
            assert.deepEqual(await claimed(page), [true, true]);
            await page.tap('#AnswerNoneCaption');
            assert.deepEqual(await claimed(page), [false, false]);

            for (const [id, value] of [['#Pole1', '91'], ['#Pole2', '35'], ['#Pole3', '14']]) await page.fill(id, value);
            await page.tap('#Buton0');
            seen = await until('the link to Euclid\'s way live after Calculate', () => page.evaluate(practiceShown), (v) => v.link.live);
            assert.equal(seen.euclidShown, false, "Euclid's way stays closed above the form");
            assert.equal(seen.later, null);
            assert.ok(seen.pictureShown && seen.pictureBelowForm, 'the picture, which marks a solution, after the form');

            // A wrong pair, checked: the finding in view, in a polite live region.
            for (const [id, value] of [['#AnswerX0', '4'], ['#AnswerY0', '10']]) {
                await page.tap(id);
                await page.fill(id, value);
            }
            await page.tap('#AnswerCheck');
            const feedback = await until('the feedback within the screen', () => page.evaluate(feedbackSeen), (v) => v.text !== '' && v.inView);
            assert.match(feedback.text, /91·4 \+ 35·10 = 364 \+ 350 = 714, not 14\./);
            assert.deepEqual([feedback.role, feedback.live], ['status', 'polite']);
            // The same answer checked again is said again: its lines are new.
            await page.evaluate(() => (document.querySelector('#Feedback p').dataset.old = '1'));
            await page.tap('#AnswerCheck');
            const again = await until('the feedback drawn again', () => page.evaluate(() => {
                const first = document.querySelector('#Feedback p');
                return { fresh: first !== null && !first.dataset.old, text: document.getElementById('Feedback').textContent };
            }), (v) => v.fresh);
            assert.equal(again.text, feedback.text);

            // Asked for, it opens and comes into view, and stays open.
            await page.tap('#EuclidLink');
            seen = await until("Euclid's way open and on screen", () => page.evaluate(practiceShown),
                (v) => v.euclidShown && v.euclidTop >= -1 && v.euclidTop < v.height);
            assert.equal(seen.link.expanded, 'true');
            assert.match(seen.euclidText, /91 = 2·35 \+ 21/);
            await page.evaluate(() => scrollTo(0, 0));
            await page.tap('#EuclidLink');
            seen = await until("Euclid's way on screen again", () => page.evaluate(practiceShown),
                (v) => v.euclidShown && v.euclidTop >= -1 && v.euclidTop < v.height);

            // A new equation: closed, and no link until Calculate.
            await page.evaluate(() => scrollTo(0, 0));
            await page.tap('#Buton1');
            seen = await until('the link dead again after Clear', () => page.evaluate(practiceShown), (v) => !v.link.live);
            assert.deepEqual([seen.euclidShown, seen.link.expanded, seen.later], [false, null, later]);
            await context.close();
        });
});
