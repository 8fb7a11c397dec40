// The page's commands, in the engine VELMORA_BROWSER names: whole
// transcripts, the two input states, clearing, filling, the one random
// sequence and the statistics of the fill rule.

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
    // Inputs, the draw for t, the locale, and the transcript.
    const cases = [
        // r = 0.25 gives 3.5 and so t = 4: the tie goes to the even side.
        [['3', '5', '1'], [0.25], 'bg-BG', goldenTranscript('bg')],
        // The smallest |x| wins, with its minus sign; the largest draw gives t = 11.
        [['2', '3', '1'], [1 - 2 ** -24], 'bg-BG', lines(
            'Решавам Диофантово уравнение 2x + 3y = 1',
            'За коефициентите 2 и 3 е изчислен НОД = 1',
            ...solvable(2, 3, 1),
            'Търся в интервала 0, 3',
            'открито решение Xо = -1; Yо = 1',
            'X = Xо - (B*t)/NOD = -1 - ( 3 * t )',
            'Y = Yо + (A * t) / NOD = 1 + ( 2 * t )',
            ...check(11, 2, -34, 3, 23, 1))],
        // Nothing within [0, 1]: the wider interval finds x = 1, y = -2.
        [['-5', '-3', '1'], [0.1], 'bg-BG', lines(
            'Решавам Диофантово уравнение -5x - 3y = 1',
            'За коефициентите -5 и -3 е изчислен НОД = 1',
            ...solvable(-5, -3, 1),
            'Търся в интервала 0, 1',
            'В този интервал няма решение. Търся в интервала 0, 5',
            'открито решение Xо = 1; Yо = -2',
            'X = Xо - (B*t)/NOD = 1 - ( -3 * t )',
            'Y = Yо + (A * t) / NOD = -2 + ( -5 * t )',
            ...check(2, -5, 7, -3, -12, 1))],
        // Reduced to -2x - 3y = -1, whose first interval is empty; r = 0 gives t = 1.
        [['-4', '-6', '-2'], [0], 'bg-BG', lines(
            'Решавам Диофантово уравнение -4x - 6y = -2',
            'За коефициентите -4 и -6 е изчислен НОД = 2',
            'Извършва се съкращаване на коефициентите в уравнението:',
            'Уравнение добива вида: -2x - 3y = -1',
            ...solvable(-2, -3, -1),
            'Търся в интервала 0, -1',
            'В този интервал няма решение. Търся в интервала 0, 3',
            'открито решение Xо = -1; Yо = 1',
            'X = Xо - (B*t)/NOD = -1 - ( -3 * t )',
            'Y = Yо + (A * t) / NOD = 1 + ( -2 * t )',
            ...check(1, -2, 2, -3, -1, -1))],
        [['4', '6', '0'], [0.5], 'bg-BG', lines(
            'Решавам Диофантово уравнение 4x + 6y = 0',
            'За коефициентите 4 и 6 е изчислен НОД = 2',
            'Извършва се съкращаване на коефициентите в уравнението:',
            'Уравнение добива вида: 2x + 3y = 0',
            'Уравнението има решение за x = -1,5')],
        // An English browser: the page in English, with a full stop.
        [['4', '6', '0'], [0.5], 'en-US', lines(
            'Solving the Diophantine equation 4x + 6y = 0',
            'The coefficients 4 and 6 have GCD = 2',
            'Dividing the coefficients of the equation by the GCD:',
            'The equation takes the form: 2x + 3y = 0',
            'The equation holds whenever x is y times -1.5')],
        [['0', '4', '6'], [0.5], 'bg-BG', lines(
            'Решавам Диофантово уравнение 0x + 4y = 6',
            'Диофантовото уравнение 0x + 4y = 6',
            'е с некоректно въведени коефициенти!',
            'Уравнението има решение за всяко x.   y = 1,5')],
        [['3', '0', '9'], [0.5], 'bg-BG', lines(
            'Решавам Диофантово уравнение 3x + 0y = 9',
            'Диофантовото уравнение 3x + 0y = 9',
            'е с некоректно въведени коефициенти!',
            'Уравнението има решение за всяко y.   x = 3')],
        [['4', '6', '3'], [0.5], 'bg-BG', lines(
            'Решавам Диофантово уравнение 4x + 6y = 3',
            'За коефициентите 4 и 6 е изчислен НОД = 2',
            'Изчисленият НОД на 4 и 6 не е делител на 3',
            'Диофантовото уравнение НЯМА решение в областта на целите числа!')],
        // Read as 7 and -8: rounded down.
        [['7.9', '-7.2', '12ab'], [0.5], 'bg-BG', lines(
            'Решавам Диофантово уравнение 7x - 8y = 12',
            'За коефициентите 7 и -8 е изчислен НОД = 1',
            ...solvable(7, -8, 12),
            'Търся в интервала 0, 12',
            'открито решение Xо = 4; Yо = 2',
            'X = Xо - (B*t)/NOD = 4 - ( -8 * t )',
            'Y = Yо + (A * t) / NOD = 2 + ( 7 * t )',
            ...check(6, 7, 52, -8, 44, 12))],
        // Four characters reach beyond the limits; the calculation stops there.
        [['9e99', '-1e5', '3'], [0.5], 'bg-BG', lines(
            'Решавам Диофантово уравнение 9E+99x - 100000y = 3',
            'Коефициентът A = 9E+99 е извън допустимия интервал от -2147483648 до 2147483647!',
            'Коефициентът B = -100000 е извън допустимия интервал от -32767 до 32767!')],
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
        // Seeded once, then exactly one fill of three coefficients.
        if (s.calls) {
            assert.equal(s.calls.velmora_seed, 1);
            assert.equal(s.calls.velmora_fill, 3);
            assert.equal(s.calls.velmora_solve, undefined);
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
        const fills = () => (spy ? page.evaluate(() => window.engineCalls.velmora_fill) : 0);
        const coefficients = () => page.evaluate(() => [1, 2, 3].map((i) => document.getElementById(`Pole${i}`).value));
        await page.queueDraws([0, 0.5, 1 - 2 ** -24]);
        const before = [await fills(), await coefficients()];
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
        assert.deepEqual([await fills(), await coefficients()], before);

        // And Данни still finds its range, with the draws queued before.
        await page.click('#Buton2');
        assert.deepEqual(await coefficients(), ['1', '6', '11']);
        if (spy) assert.equal(await fills(), before[0] + 3);
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
        // Enter in a field is no command: the window has no default button.
        await page.press('Enter');
        assert.equal(await inputState(page), 'Ready');

        const elements = () => page.evaluate(() => document.getElementsByTagName('*').length);
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
        assert.equal(await page.evaluate(() => window.hacked ?? null), null);
        assert.deepEqual(await page.resources(), []);
        if (page.requests) assert.deepEqual(page.requests.filter((url) => !url.startsWith('file:')), []);
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

    test('range 10: every value 1..11, the two ends half as often', async (t) => {
        const page = await browser.open();
        const values = await press(page, 2000); // 6000 draws
        const counts = new Map();
        for (const v of values) {
            assert.match(v, /^\d+$/);
            counts.set(+v, (counts.get(+v) ?? 0) + 1);
        }
        assert.deepEqual([...counts.keys()].sort((a, b) => a - b), [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11]);
        // Chi-square over 11 cells (10 degrees of freedom). The bound 60
        // is passed by chance about once in 10^9 runs.
        let chi2 = 0;
        for (let v = 1; v <= 11; v++) {
            const expected = values.length * (v === 1 || v === 11 ? 0.05 : 0.1);
            chi2 += (counts.get(v) - expected) ** 2 / expected;
        }
        t.diagnostic(`6000 draws, chi-square ${chi2.toFixed(1)} against the bound 60`);
        assert.ok(chi2 < 60, `chi-square ${chi2}`);
        // The same counts against a flat rule would be far out.
        let flat = 0;
        for (let v = 1; v <= 11; v++) flat += (counts.get(v) - values.length / 11) ** 2 / (values.length / 11);
        assert.ok(flat > 60, `a flat rule fits too: ${flat}`);
        await page.close();
    });

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
