// The page's language, in the engine VELMORA_BROWSER names: chosen from the
// browser's languages, fixed by ?lang=, changed at once by the switch and
// kept for the next visit where storage allows; the English transcripts word
// for word on every road, and held against the native engine.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, needs } from './browsers.mjs';
import { calculateByButtons, compare, solveInputs } from './inputs.mjs';
import { design, designPath, mulberry32, native } from './velmora.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

const codes = Object.keys(JSON.parse(readFileSync(designPath, 'utf8')).texts);
const lines = (...list) => list.map((line) => line + '\r\n').join('');

// What the page shows and names, and in which language it says it is.
const shown = (s) => s.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    const controls = [...document.querySelectorAll('#MainWindow > *')];
    return {
        lang: document.documentElement.lang,
        title: document.title,
        description: document.querySelector('meta[name="description"]').content,
        captions: Object.fromEntries(controls.filter((e) => ['BUTTON', 'LABEL', 'DIV'].includes(e.tagName))
            .map((e) => [e.id, e.textContent])),
        names: Object.fromEntries(controls.map((e) => [e.id, e.getAttribute('aria-label')])),
        introduction: $('Pole0').value,
        introductionAt: [$('Pole0').selectionStart, $('Pole0').scrollTop],
        pressed: [...document.querySelectorAll('#Languages > button')]
            .filter((b) => b.getAttribute('aria-pressed') === 'true').map((b) => b.lang),
        switchName: $('Languages').getAttribute('aria-label'),
    };
});

// The page speaks `code` throughout, as design.json has that language.
function assertSpeaks(seen, code) {
    const d = design(code);
    assert.equal(seen.lang, code);
    assert.deepEqual(seen.pressed, [code]);
    assert.equal(seen.switchName, d.texts.languageSwitch);
    assert.equal(seen.title, d.texts.title);
    assert.equal(seen.description, d.texts.description);
    assert.deepEqual(seen.captions, d.texts.captions);
    assert.deepEqual(seen.names, d.texts.accessibleNames);
    assert.equal(seen.introduction, d.introduction.map((line) => line + '\n').join(''));
    assert.deepEqual(seen.introductionAt, [0, 0], 'the introduction shown from its first line');
}

async function calculate(s, [a, b, c], draws = [0.5]) {
    await s.fill('#Pole1', a);
    await s.fill('#Pole2', b);
    await s.fill('#Pole3', c);
    await s.queueDraws(draws);
    await s.click('#Buton0');
    return s.transcript();
}

describe('choosing the language', () => {
    test('design.json holds both languages with the same keys', () => {
        const [bg, en] = [design('bg').texts, design('en').texts];
        for (const part of ['captions', 'accessibleNames', 'phrases'])
            assert.deepEqual(Object.keys(en[part]).sort(), Object.keys(bg[part]).sort(), part);
        assert.equal(en.introduction.length, bg.introduction.length);
        assert.equal(bg.shortName, 'БГ');
        assert.equal(en.shortName, 'EN');
        assert.ok(!/[\u0400-\u04ff]/.test(JSON.stringify(en)), 'no Cyrillic in the English texts');
        assert.deepEqual(codes.sort(), ['bg', 'en']);
    });

    // navigator.languages reach the engine in order (the rule itself is
    // tested with the visit): a later tag, a tag in capitals, a POSIX one.
    const lists = [[['en-US', 'bg-BG'], 'en'], [['de-DE', 'bg', 'en'], 'bg'], [['BG'], 'bg'],
        [['bg_BG.UTF-8'], 'bg'], [[], 'en']];
    for (const [list, code] of lists)
        test(`navigator.languages ${JSON.stringify(list)} gives ${code}`, needs('init'), async () => {
            const s = await browser.open({
                locale: 'en-US',
                init: `Object.defineProperty(Navigator.prototype, 'languages', { get: () => Object.freeze(${JSON.stringify(list)}) })`,
            });
            assert.equal(s.ready, true);
            assertSpeaks(await shown(s), code);
            assert.deepEqual(s.errors, []);
            await s.close();
        });

    // What the engine's driver sets as the browser's language, in every engine.
    for (const [locale, code] of [['bg-BG', 'bg'], ['en-US', 'en'], ['de-DE', 'en']])
        test(`a browser in ${locale} gets ${code}`, async () => {
            const s = await browser.open({ locale });
            assert.equal(s.ready, true);
            assertSpeaks(await shown(s), code);
            await s.close();
        });

    for (const [locale, search, code] of [['bg-BG', '?lang=en', 'en'], ['en-US', '?lang=bg', 'bg'],
        ['en-US', '?lang=xx', 'en'], ['bg-BG', '?x=1&lang=en', 'en']])
        test(`${search} in a browser in ${locale} gives ${code}`, async () => {
            const s = await browser.open({ locale, search });
            assert.equal(s.ready, true);
            assertSpeaks(await shown(s), code);
            await s.close();
        });
});

describe('the switch', () => {
    test('the language already shown changes nothing', async () => {
        const s = await browser.open({ locale: 'bg-BG' });
        await s.fill('#Pole0', 'бележка');
        const transcript = await calculate(s, ['3', '5', '7']);
        await s.click('#Languages > button[lang="bg"]');
        assert.equal(await s.transcript(), transcript);
        assert.equal(await s.value('#Pole0'), 'бележка');
        assert.equal(await s.evaluate(() => document.getElementById('Buton0').disabled), true);
        await s.close();
    });

    test('changes everything at once, clears the transcript and keeps the coefficients', async () => {
        const s = await browser.open({ locale: 'bg-BG' });
        assertSpeaks(await shown(s), 'bg');
        const bulgarian = await calculate(s, ['3', '5', '7']);
        assert.ok(bulgarian.startsWith('Решавам Диофантово уравнение 3x + 5y = 7\r\n'));

        await s.click('#Languages > button[lang="en"]');
        assertSpeaks(await shown(s), 'en');
        assert.equal(await s.transcript(), '');
        assert.equal(await s.value('#Pole4'), '');
        const state = await s.evaluate(() => ({
            values: [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).value),
            locked: [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).readOnly),
            disabled: document.getElementById('Buton0').disabled,
        }));
        assert.deepEqual(state, { values: ['3', '5', '7'], locked: [false, false, false], disabled: false });

        await s.click('#Buton0');
        const english = await s.transcript();
        assert.equal(english.split('\r\n').length, bulgarian.split('\r\n').length);
        assert.ok(english.startsWith('Solving the Diophantine equation 3x + 5y = 7\r\n'), english);

        await s.click('#Languages > button[lang="bg"]');
        assertSpeaks(await shown(s), 'bg');
        assert.equal(await s.transcript(), '');
        assert.deepEqual(s.errors, []);
        await s.evaluate(() => localStorage.removeItem('velmora.language'));
        await s.close();
    });

    test('stands outside the window\'s layout, covers none of its controls and reads "БГ | EN"', async () => {
        const s = await browser.open({ locale: 'bg-BG' });
        const seen = await s.evaluate(() => {
            const nav = document.getElementById('Languages');
            const box = (e) => e.getBoundingClientRect();
            const a = box(nav);
            const overlaps = (b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
            return {
                text: nav.textContent,
                outside: !nav.closest('#MainWindow'),
                covers: [...document.querySelectorAll('#MainWindow > *')].filter((e) => overlaps(box(e))).map((e) => e.id),
                buttons: [...nav.querySelectorAll('button')].map((e) => [e.lang, e.getAttribute('aria-label'),
                    Math.round(box(e).width), Math.round(box(e).height)]),
            };
        });
        assert.equal(seen.text, 'БГ | EN');
        assert.ok(seen.outside);
        assert.deepEqual(seen.covers, [], 'controls under the switch');
        for (const [lang, name, width, height] of seen.buttons) {
            assert.equal(name, `${design(lang).texts.shortName}, ${design(lang).texts.name}`);
            assert.ok(width >= 24 && height >= 24, `${lang}: ${width} x ${height}, a target of 24 px or more`);
        }
        await s.close();
    });

    test('with ?lang= in the address, the address follows the switch', async () => {
        const s = await browser.open({ locale: 'bg-BG', search: '?lang=bg' });
        await s.click('#Languages > button[lang="en"]');
        assert.equal(await s.evaluate(() => new URLSearchParams(location.search).get('lang')), 'en');
        await s.close();
    });

    test('the choice is kept for the next visit where storage works', async (t) => {
        const s = await browser.open({ locale: 'bg-BG' });
        const storage = await s.evaluate(() => {
            try {
                localStorage.setItem('velmora.probe', '1');
                localStorage.removeItem('velmora.probe');
                return true;
            } catch {
                return false;
            }
        });
        t.diagnostic(`${browser.version}: storage ${storage ? 'works' : 'refused'} for the page`);
        await s.click('#Languages > button[lang="en"]');
        await s.reload();
        assert.equal(s.ready, true);
        assertSpeaks(await shown(s), storage ? 'en' : 'bg');
        // And the way back.
        await s.click('#Languages > button[lang="bg"]');
        await s.reload();
        assertSpeaks(await shown(s), 'bg');
        if (storage) await s.evaluate(() => localStorage.removeItem('velmora.language'));
        await s.close();
    });

    test('without storage the page starts and switches without a word', needs('init'), async () => {
        const s = await browser.open({
            locale: 'bg-BG',
            init: `Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('denied', 'SecurityError'); } })`,
        });
        assert.equal(s.ready, true);
        await s.click('#Languages > button[lang="en"]');
        assertSpeaks(await shown(s), 'en');
        assert.ok((await calculate(s, ['4', '6', '3'])).startsWith('Solving'));
        assert.deepEqual(s.errors, []);
        await s.close();
    });
});

describe('English transcripts, word for word', () => {
    const solvable = (a, b, c) => [
        `The computed GCD of ${a} and ${b} divides ${c}`,
        'The Diophantine equation has a solution in the integers.',
        'Please wait while the data are processed!',
    ];
    const check = (t, a, x, b, y, c) => [
        `Checking the solution for t = ${t}: `,
        'A*X + B*Y = C;  ',
        `${a} * (${x}) + ${b} * (${y}) = ${c}`,
        `${a * x} + ${b * y} = ${c}`,
    ];
    // One road in the English page; every road in English is checked through
    // the visit (tests/lesson).
    const cases = [
        // r = 0.25 gives 3.5 and so t = 4.
        [['3', '5', '1'], [0.25], lines(
            'Solving the Diophantine equation 3x + 5y = 1',
            'The coefficients 3 and 5 have GCD = 1',
            ...solvable(3, 5, 1),
            'Searching the interval 0, 5',
            'Solution found: Xo = 2; Yo = -1',
            'X = Xo - (B*t)/GCD = 2 - ( 5 * t )',
            'Y = Yo + (A * t) / GCD = -1 + ( 3 * t )',
            ...check(4, 3, -18, 5, 11, 1))],
    ];
    for (const [inputs, draws, expected] of cases)
        test(`${inputs.join(', ')} in en-US`, async () => {
            const s = await browser.open({ locale: 'en-US' });
            assert.equal(await calculate(s, inputs, draws), expected);
            assert.equal(await s.value('#Pole4'), expected.replaceAll('\r\n', '\n'));
            await s.close();
        });

    test('the page\'s controls in English as the native engine in English', async (t) => {
        const random = mulberry32(14);
        const list = solveInputs(random, { cube: 2, count: 100 }).filter(() => random() < 0.3);
        const s = await browser.open({ locale: 'en-US', search: '?lang=en' });
        const answers = await s.evaluate(calculateByButtons, list);
        await s.close();
        const calls = [['language', 'en'], ...list.flatMap(([a, b, c, r]) => [['queue', r], ['solve', a, b, c, '.']])];
        const expected = native(calls);
        assert.equal(expected.shift(), '1');
        compare(t, `${browser.version}: the English page`, list, answers, expected);
        assert.ok(answers.every((a) => a.startsWith('Solving the Diophantine equation ')));
        assert.ok(!answers.some((a) => /[\u0400-\u04ff]/.test(a)), 'no Cyrillic');
    });
});
