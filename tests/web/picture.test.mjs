// The picture of the equation on the page, in the engine VELMORA_BROWSER
// names: after Calculate it stands inline, its marks exactly the integer
// solutions inside the window it says it draws (found here by brute force),
// drawn in the page's colours within its policy, on a phone as wide as the
// screen allows; Clear takes it away.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { launchBrowser } from './browsers.mjs';
import { until } from './deadline.mjs';
import { fillAndCalculate as calculate } from './inputs.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

// What the page shows of the picture, or null while it shows none.
const shownPicture = (s) => s.evaluate(() => {
    const section = document.getElementById('Picture');
    const svg = section.querySelector('svg');
    if (section.hidden || !svg) return null;
    const line = svg.querySelector('.vp-line');
    return {
        window: ['data-x-min', 'data-x-max', 'data-y-min', 'data-y-max'].map((name) => Number(svg.getAttribute(name))),
        marks: [...svg.querySelectorAll('[data-x]')].map((mark) => ({
            x: mark.dataset.x,
            y: mark.dataset.y,
            title: mark.querySelector('title')?.textContent ?? '',
        })),
        role: svg.getAttribute('role'),
        named: (svg.getAttribute('aria-labelledby') ?? '').split(' ').map((id) => document.getElementById(id)?.textContent ?? ''),
        lineStroke: line ? getComputedStyle(line).stroke : '',
        width: svg.getBoundingClientRect().width,
        right: svg.getBoundingClientRect().right,
        screen: document.documentElement.clientWidth,
    };
});

// Every integer solution inside the window, column by column.
function solutionsIn([a, b, c], [xMin, xMax, yMin, yMax]) {
    const [A, B, C] = [a, b, c].map(BigInt);
    const found = [];
    for (let x = Math.ceil(xMin); x <= xMax; ++x) {
        const rest = C - A * BigInt(x);
        if (B === 0n) {
            if (rest === 0n) for (let y = Math.ceil(yMin); y <= yMax; ++y) found.push(`${x},${y}`);
            continue;
        }
        if (rest % B !== 0n) continue;
        const y = Number(rest / B);
        if (y >= yMin && y <= yMax) found.push(`${x},${y}`);
    }
    return found.sort();
}

describe('the picture after Calculate', () => {
    const equations = [
        [3, 5, 47],
        [91, -35, 14],
        [0, 4, 8],
        // As long as the page's fields take.
        [-999, 9999, 9999],
        [2, 4, 5],
    ];

    test('marks exactly the solutions in its window, and goes with Clear', async () => {
        const s = await browser.open({ search: '?lang=en' });
        for (const equation of equations) {
            const name = equation.join(' ');
            await s.click('#Buton1');
            await until(`no picture after Clear before ${name}`, () => shownPicture(s), (p) => p === null);
            await calculate(s, equation);
            const shown = await until(`the picture of ${name}`, () => shownPicture(s), (p) => p !== null);
            const marked = shown.marks.map((m) => `${m.x},${m.y}`).sort();
            assert.deepEqual(marked, solutionsIn(equation, shown.window), name);
            const [a, b, c] = equation;
            const solvable = c % gcd(a, b) === 0;
            assert.ok(!solvable || marked.length >= 3, `${name}: ${marked.length} marks`);
            for (const mark of shown.marks) assert.ok(mark.title.length > 0, `${name}: a mark without a name`);
            assert.equal(shown.role, 'img');
            assert.ok(shown.named.every((text) => text.length > 0), `${name}: named by its title and description`);
            // The picture's rules reach it through the page's own style sheet.
            assert.equal(shown.lineStroke, 'rgb(26, 95, 180)', name);
        }
        await s.click('#Buton1');
        await until('no picture after the last Clear', () => shownPicture(s), (p) => p === null);
        await s.close();
    });

    test('fits a phone screen', async () => {
        const s = await browser.open({ viewport: { width: 360, height: 740 } });
        await calculate(s, [4, 2, 18]);
        const shown = await until('the picture on a phone', () => shownPicture(s), (p) => p !== null);
        assert.ok(shown.right <= shown.screen + 0.5, `the picture ends at ${shown.right} of ${shown.screen}`);
        assert.ok(shown.width >= 0.8 * shown.screen, `the picture is ${shown.width} wide on ${shown.screen}`);
        await s.close();
    });
});

function gcd(a, b) {
    [a, b] = [Math.abs(a), Math.abs(b)];
    while (b) [a, b] = [b, a % b];
    return a;
}
