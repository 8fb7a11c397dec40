// The page's commands wired to the engine's visit, in the engine
// VELMORA_BROWSER names: transcripts shown, the two input states as the
// controls show them, clearing, filling, Enter, and the one random sequence.
// The rules themselves are tested with the visit (tests/lesson).

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, needs } from './browsers.mjs';
import { goldenTranscript } from './golden.mjs';
import { spyOnEngine } from './velmora.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

const lines = (...list) => list.map((line) => line + '\r\n').join('');

// Types the coefficients, queues the draws, presses Изчисли.
async function calculate(page, [a, b, c], draws = []) {
    await page.fill('#Pole1', a);
    await page.fill('#Pole2', b);
    await page.fill('#Pole3', c);
    await page.queueDraws(draws);
    await page.click('#Buton0');
    return page.transcript();
}

// The state of the inputs: Ready or Calculated, and whether the pair agrees.
async function inputState(page) {
    const s = await page.evaluate(() => ({
        locked: [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).readOnly),
        disabled: document.getElementById('Buton0').disabled,
    }));
    if (s.locked.every((l) => l) && s.disabled) return 'Calculated';
    if (s.locked.every((l) => !l) && !s.disabled) return 'Ready';
    return `mixed ${JSON.stringify(s)}`;
}

describe('worked transcripts, byte for byte', () => {
    const solvable = (a, b, c) => [
        `Изчисленият НОД на ${a} и ${b} е делител на ${c}`,
        'Диофантовото уравнение има решение в областта на целите числа.',
        'Моля, изчакайте обработката на данните!',
    ];
    const check = (t, a, x, b, y, c) => [
        `Извършва се проверка за t = ${t}: `,
        'A*X + B*Y = C;  ',
        `${a} * (${x}) + ${b} * (${y}) = ${c}`,
        `${a * x} + ${b * y} = ${c}`,
    ];
    // Inputs, the draw for t, the locale, and the transcript: one row for
    // each way the page's language and locale reach it. Every road of the
    // transcript is checked through the visit (tests/lesson).
    const cases = [
        // r = 0.25 gives 3.5 and so t = 4: the tie goes to the even side.
        [['3', '5', '1'], [0.25], 'bg-BG', goldenTranscript('bg')],
        [['4', '6', '0'], [0.5], 'en-US', lines(
            'Solving the Diophantine equation 4x + 6y = 0',
            'The coefficients 4 and 6 have GCD = 2',
            'Dividing the coefficients of the equation by the GCD:',
            'The equation takes the form: 2x + 3y = 0',
            'The quotient -B / A is not a whole number, so only some integers y give an integer x; the equation holds whenever x is y times -1.5')],
        [['0', '4', '6'], [0.5], 'bg-BG', lines(
            'Решавам Диофантово уравнение 0x + 4y = 6',
            'Диофантовото уравнение 0x + 4y = 6',
            'е с некоректно въведени коефициенти!',
            'Уравнението има решение за всяко x.   y = 1,5')],
    ];

    for (const [inputs, draws, locale, expected] of cases)
        test(`${inputs.join(', ')} in ${locale}`, async () => {
            const page = await browser.open({ locale });
            assert.equal(await calculate(page, inputs, draws), expected);
            // The field shows the same text in plain lines.
            assert.equal(await page.value('#Pole4'), expected.replaceAll('\r\n', '\n'));
            await page.close();
        });

    // Headless Chromium reports the browser's language while Intl's default
    // stays en-US: the separator must follow the language.
    test('the separator follows navigator.language, not Intl\'s default', needs('init'), async () => {
        const page = await browser.open({
            locale: 'en-US',
            init: () => Object.defineProperty(Navigator.prototype, 'language', { get: () => 'bg-BG' }),
        });
        assert.match(await calculate(page, ['0', '4', '6'], [0.5]), /y = 1,5\r\n$/);
        await page.close();
    });
});

describe('input states', () => {
    test('start-up: range 10 selected, one fill, empty transcript, Ready', async () => {
        // Where the engine's calls can be counted, they are.
        const page = await browser.open(browser.can.init ? { init: spyOnEngine } : {});
        assert.equal(page.ready, true);
        const s = await page.evaluate(() => ({
            range: document.getElementById('Sluch').value,
            selected: document.getElementById('Sluch').selectedIndex,
            transcript: window.velmora.transcript(),
            shown: document.getElementById('Pole4').value,
            calls: window.engineCalls ?? null,
            focus: document.activeElement.id,
        }));
        assert.equal(s.range, '10');
        assert.equal(s.selected, 0);
        assert.equal(s.transcript, '');
        assert.equal(s.shown, '');
        assert.equal(s.focus, 'Pole0');
        assert.equal(await inputState(page), 'Ready');
        for (const id of ['Pole1', 'Pole2', 'Pole3'])
            assert.match(await page.value(`#${id}`), /^([1-9]|1[01])$/);
        // Seeded once, then the language and start-up's one fill, in the
        // engine, and nothing that calculates.
        if (s.calls) {
            assert.equal(s.calls.velmora_seed, 1);
            assert.equal(s.calls.velmora_command, 2);
            assert.equal(s.calls.velmora_solve, undefined);
            assert.equal(s.calls.velmora_fill, undefined);
        }
        await page.close();
    });

    test('Изчисли locks the fields with their look, disables itself, focuses the transcript at its top', async () => {
        const page = await browser.open();
        const look = () => page.evaluate(() => [1, 2, 3].map((i) => {
            const s = getComputedStyle(document.getElementById(`Pole${i}`));
            return [s.color, s.backgroundColor, s.borderTopColor, s.borderTopStyle, s.opacity, s.cursor];
        }));
        const before = await look();
        // A long transcript, taller than the field, so that its scroll position matters.
        const transcript = await calculate(page, ['12', '-18', '30'], [0.5]);
        assert.ok(transcript.split('\r\n').length > 14);
        assert.equal(await inputState(page), 'Calculated');
        assert.deepEqual(await look(), before);
        const where = await page.evaluate(() => {
            const t = document.getElementById('Pole4');
            return { focus: document.activeElement.id, top: t.scrollTop, overflow: t.scrollHeight > t.clientHeight };
        });
        assert.deepEqual(where, { focus: 'Pole4', top: 0, overflow: true });
        // The caret at the start, where reading begins, not after the last line.
        assert.deepEqual(await page.evaluate(() => {
            const t = document.getElementById('Pole4');
            return [t.selectionStart, t.selectionEnd];
        }), [0, 0]);

        // Locked fields take no typing; the disabled button takes no click,
        // by mouse or by a script's click() alike.
        await page.focus('#Pole1');
        await page.type('9');
        assert.equal(await page.value('#Pole1'), '12');
        await page.queueDraws([0.9]);
        if (page.clickAt) {
            const [x, y] = await page.evaluate(() => {
                const r = document.getElementById('Buton0').getBoundingClientRect();
                return [r.x + r.width / 2, r.y + r.height / 2];
            });
            await page.clickAt(x, y);
        }
        await page.evaluate(() => document.getElementById('Buton0').click());
        assert.equal(await page.transcript(), transcript);
        await page.close();
    });

    // One sequence, drawn as the desktop window draws it: t only when a
    // calculation reaches the check, and fills and t in the order they come.
    test('t is drawn only when the calculation reaches the check', async () => {
        const page = await browser.open();
        await page.queueDraws([0.75, 0.25, 0.5, 0]);
        // No check on these roads: no draw taken.
        await calculate(page, ['0', '0', '5']);
        await page.click('#Buton1');
        await calculate(page, ['4', '6', '3']);
        await page.click('#Buton1');
        // The first draw is still there for t: 0.75 * 10 + 1 = 8.5, to the even 8.
        assert.match(await calculate(page, ['3', '5', '1']), /проверка за t = 8: /);
        // The fill goes on from the same sequence: 0.25, 0.5 and 0 of range 10.
        await page.click('#Buton2');
        const coefficients = await page.evaluate(() => [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).value));
        assert.deepEqual(coefficients, ['4', '6', '1']);
        await page.close();
    });

    test('Изчисти empties the four fields and unlocks, leaves the introduction and the range', async () => {
        const page = await browser.open();
        await page.select('#Sluch', '500');
        const introduction = await page.value('#Pole0');
        await calculate(page, ['3', '5', '7'], [0.5]);
        await page.click('#Buton1');
        assert.equal(await inputState(page), 'Ready');
        for (const id of ['Pole1', 'Pole2', 'Pole3', 'Pole4']) assert.equal(await page.value(`#${id}`), '', id);
        assert.equal(await page.transcript(), '');
        assert.equal(await page.value('#Pole0'), introduction);
        assert.equal(await page.value('#Sluch'), '500');
        // Three empty fields read as zeros.
        await page.click('#Buton0');
        assert.equal(await page.transcript(), lines(
            'Решавам Диофантово уравнение 0x + 0y = 0',
            'Диофантовото уравнение 0x + 0y = 0',
            'е с некоректно въведени коефициенти!',
            'Моля, въведете стойности на коефициентите!'));
        assert.equal(await inputState(page), 'Calculated');
        await page.close();
    });

    test('Данни and a selection in the list fill from the selected range, from Calculated too', async () => {
        const page = await browser.open();
        const coefficients = () => page.evaluate(() => [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).value));
        const top = 1 - 2 ** -24;

        await calculate(page, ['3', '5', '7'], [0.5]);
        await page.queueDraws([0, 0.5, top]);
        await page.click('#Buton2');
        assert.deepEqual(await coefficients(), ['1', '6', '11']);
        assert.equal(await inputState(page), 'Ready');
        assert.equal(await page.transcript(), '');
        assert.equal(await page.value('#Pole4'), '');

        // A tie goes to the even value: 0.125 * 100 + 1 = 13.5 gives 14.
        // 0.375 * 100 + 1 = 38.5 gives 38, where rounding half up gives 39.
        await calculate(page, ['3', '5', '7'], [0.5]);
        await page.queueDraws([0.125, top, 0.375]);
        await page.select('#Sluch', '100');
        assert.deepEqual(await coefficients(), ['14', '101', '38']);
        assert.equal(await inputState(page), 'Ready');

        // By keyboard: one step down the list is one fill from the next range.
        await page.queueDraws([0.5, 0.5, top]);
        await page.focus('#Sluch');
        await page.press('ArrowDown');
        assert.equal(await page.value('#Sluch'), '200');
        assert.deepEqual(await coefficients(), ['101', '101', '201']);
        await page.close();
    });

    // The engine's calls are counted where a script can run before the
    // page's own; in every engine the queued draws, still unused, tell.
    test('the range stays selected: Ctrl+click and Ctrl+Space neither clear it nor fill', needs('mouseAt'), async () => {
        const spy = browser.can.init;
        const page = await browser.open(spy ? { init: spyOnEngine } : {});
        const selections = () => (spy ? page.evaluate(() => window.engineCalls.velmora_command ?? 0) : 0);
        const coefficients = () => page.evaluate(() => [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).value));
        await page.queueDraws([0, 0.5, 1 - 2 ** -24]);
        const before = [await selections(), await coefficients()];
        const [x, y] = await page.evaluate(() => {
            const list = document.getElementById('Sluch');
            // What reached the list, so that a click that missed cannot pass.
            list.addEventListener('mousedown', (e) => (list.dataset.pressed = `${e.ctrlKey}`), { once: true });
            const r = list.options[0].getBoundingClientRect();
            return [r.x + r.width / 2, r.y + r.height / 2];
        });
        await page.clickAt(x, y, 'Control');
        assert.equal(await page.evaluate(() => document.getElementById('Sluch').dataset.pressed), 'true');
        await page.focus('#Sluch');
        await page.press('Control+Space');
        assert.equal(await page.evaluate(() => document.getElementById('Sluch').selectedIndex), 0);
        assert.deepEqual([await selections(), await coefficients()], before);

        // And Данни still finds its range, with the draws queued before.
        await page.click('#Buton2');
        assert.deepEqual(await coefficients(), ['1', '6', '11']);
        await page.close();
    });

    test('a field takes four characters at most, and user text stays text', async () => {
        const page = await browser.open();
        await page.fill('#Pole1', '');
        await page.focus('#Pole1');
        await page.type('12345');
        assert.equal(await page.value('#Pole1'), '1234');
        await page.fill('#Pole2', '-98765'); // as a paste
        assert.equal(await page.value('#Pole2'), '-987');
        await page.fill('#Pole3', '5');

        // The picture after Calculate is the engine's own markup, held apart.
        // Euclid's way's lines are the page's own elements, holding text.
        const elements = () => page.evaluate(() => [...document.getElementsByTagName('*')].filter((e) => !e.closest('#PictureView, #EuclidWay')).length);
        const count = await elements();
        const markup = '<img src=x onerror="window.hacked=1"><b>x</b>';
        await page.fill('#Pole0', markup);
        await page.fill('#Pole1', '');
        await page.focus('#Pole1');
        await page.type('<b>x</b>');
        await page.fill('#Pole2', '<i>');
        await page.fill('#Pole3', '&lt;');
        await page.queueDraws([0.5]);
        await page.click('#Buton0');
        assert.equal(await page.value('#Pole1'), '<b>x');
        assert.equal(await page.value('#Pole0'), markup);
        assert.match(await page.transcript(), /^Решавам Диофантово уравнение 0x \+ 0y = 0\r\n/);
        assert.equal(await elements(), count);
        assert.equal(await page.evaluate(() => document.querySelectorAll('#PictureView img, #PictureView b, #PictureView i, #EuclidWay img, #EuclidWay b, #EuclidWay i').length), 0);
        assert.equal(await page.evaluate(() => window.hacked ?? null), null);
        assert.deepEqual(await page.resources(), []);
        if (page.requests) assert.deepEqual(page.requests.filter((url) => !url.startsWith('file:')), []);
        await page.close();
    });
});

describe('Enter in a coefficient field', () => {
    test('calculates as Изчисли does, and does nothing while Изчисли is disabled', async () => {
        const page = await browser.open();
        await page.fill('#Pole1', '3');
        await page.fill('#Pole2', '5');
        await page.fill('#Pole3', '1');
        await page.queueDraws([0.25, 0.9]);
        await page.focus('#Pole2');
        await page.press('Enter');
        assert.equal(await inputState(page), 'Calculated');
        const transcript = await page.transcript();
        assert.match(transcript, /^Решавам Диофантово уравнение 3x \+ 5y = 1\r\n/);
        assert.match(transcript, /проверка за t = 4: /);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'Pole4');

        await page.focus('#Pole3');
        await page.press('Enter');
        assert.equal(await page.transcript(), transcript);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'Pole3');
        await page.close();
    });
});

describe('the line beside the fields', () => {
    const note = (page) => page.evaluate(() => {
        const e = document.getElementById('Note');
        return { text: e.textContent, role: e.getAttribute('role'), live: e.getAttribute('aria-live'), cut: e.scrollWidth > e.clientWidth };
    });

    // In each language its own words, whole in the strip beside the fields.
    for (const [code, words] of [['bg', 'Натиснете „Изчисти“, за да промените уравнението'], ['en', 'Press Clear to change the equation']])
        test(`a key in a locked field is answered: "${words}", read out politely`, async () => {
            const page = await browser.open({ search: `?lang=${code}` });
            await calculate(page, ['3', '5', '1'], [0.5]);
            assert.equal((await note(page)).text, '');
            await page.focus('#Pole2');
            await page.type('7');
            assert.equal(await page.value('#Pole2'), '5');
            assert.deepEqual(await note(page), { text: words, role: 'status', live: 'polite', cut: false });
            await page.click('#Buton1');
            assert.equal((await note(page)).text, '');
            await page.close();
        });

    test('a field read otherwise than typed is named when Изчисли is pressed, and the working is the solver\'s', async () => {
        const page = await browser.open();
        const transcript = await calculate(page, ['1,5', '5', '−35'], [0.5]);
        assert.equal((await note(page)).text, 'Прочетено като A = 1, C = 0');
        assert.match(transcript, /^Решавам Диофантово уравнение 1x \+ 5y = 0\r\n/);
        await page.click('#Buton2');
        assert.equal((await note(page)).text, '');
        await page.close();
    });
});

describe('the fill rule from the page generator', () => {
    // Presses Данни n times in the page; every coefficient it wrote.
    const press = (page, n) => page.evaluate((n) => {
        const out = [];
        for (let k = 0; k < n; k++) {
            document.getElementById('Buton2').click();
            for (const i of [1, 2, 3]) out.push(document.getElementById(`Pole${i}`).value);
        }
        return out;
    }, n);

    test('range 2000: 1..2001, and two page loads draw different sequences', async () => {
        const first = await browser.open();
        const second = await browser.open();
        await first.select('#Sluch', '2000');
        await second.select('#Sluch', '2000');
        const a = await press(first, 300);
        const b = await press(second, 300);
        for (const v of a) assert.ok(/^\d+$/.test(v) && +v >= 1 && +v <= 2001, v);
        assert.ok(new Set(a).size > 500, 'values spread over the range');
        assert.notDeepEqual(a, b);
        await first.close();
        await second.close();
    });
});
