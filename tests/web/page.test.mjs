// The page itself in Chromium: offline from file://, its policy, the window
// as designed (places, colours, names, tab order) and its failure message.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { gzipSync } from 'node:zlib';

import { decodePng, design, launch, openPage, pagePath, pageUrl, rgb, root } from './velmora.mjs';

let browser;
before(async () => (browser = await launch()));
after(async () => browser?.close());

const window_ = design();
const px = (twips) => Math.round(twips / window_.twipsPerPixel);
const focusable = ['Pole0', 'Pole1', 'Pole2', 'Pole3', 'Pole4', 'Buton0', 'Buton1', 'Sluch', 'Buton2'];

describe('offline and safe', () => {
    test('loads from file:// with every other request refused, and asks for none', async () => {
        const { page, context, requests, errors, ready } = await openPage(browser);
        assert.equal(ready, true);
        assert.deepEqual(requests, [pageUrl]);
        assert.deepEqual(errors, []);
        assert.equal(await page.title(), window_.caption);
        await context.close();
    });

    test('one file within its size budget: under 120 KB gzip', async (t) => {
        const bytes = readFileSync(pagePath);
        const packed = gzipSync(bytes, { level: 9 }).length;
        t.diagnostic(`velmora.html: ${bytes.length} bytes, ${packed} gzip`);
        assert.ok(packed < 120 * 1024, `${packed} bytes gzip`);
    });

    test('its Content-Security-Policy refuses the network and stray scripts', async () => {
        const { page, context } = await openPage(browser);
        const policy = await page.$$eval('meta[http-equiv="Content-Security-Policy" i]', (m) => m.map((e) => e.content));
        assert.equal(policy.length, 1);
        const directives = Object.fromEntries(policy[0].split(';').map((d) => d.trim().split(/\s+/)).filter((d) => d[0]).map(([k, ...v]) => [k, v]));
        assert.deepEqual(directives['default-src'], ["'none'"]);
        for (const [name, sources] of Object.entries(directives))
            for (const source of sources) {
                assert.ok(!/^(https?:|wss?:|\*|'unsafe-eval'|'unsafe-inline')/.test(source), `${name} allows ${source}`);
                if (name.startsWith('script-src')) assert.ok(!/^(data|blob):/.test(source), `${name} allows ${source}`);
            }

        // What the browser refuses under it, whatever the route would do.
        const violations = await page.evaluate(async () => {
            const seen = [];
            document.addEventListener('securitypolicyviolation', (e) => seen.push(e.effectiveDirective));
            await fetch('https://velmora.example/x').catch(() => {});
            const img = document.createElement('img');
            img.src = 'https://velmora.example/x.png';
            document.body.append(img);
            const script = document.createElement('script');
            script.textContent = 'window.injected = 1';
            document.body.append(script);
            await new Promise((r) => setTimeout(r, 200));
            img.remove();
            script.remove();
            return { seen: [...new Set(seen)].sort(), injected: window.injected };
        });
        assert.deepEqual(violations, { seen: ['connect-src', 'img-src', 'script-src-elem'], injected: undefined });
        await context.close();
    });

    test('without WebAssembly it says so in Bulgarian where the transcript stands', async () => {
        // The message as the page's generator writes it: adjacent literals.
        const source = readFileSync(resolve(root, 'web/makepage.cpp'), 'utf8');
        const literals = source.slice(source.indexOf('"Изчислителното ядро')).split(';')[0];
        const message = [...literals.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((m) => JSON.parse(`"${m[1]}"`)).join('');
        assert.ok(message.length > 40, 'the message is in web/makepage.cpp');

        const { page, context, ready } = await openPage(browser, { init: () => delete globalThis.WebAssembly });
        assert.equal(ready, false);
        assert.equal(await page.$eval('#Pole4', (e) => e.value), message);
        // Shown at once, not only after start-up has had its time.
        assert.equal(await page.$eval('#Pole4', (e) => getComputedStyle(e).color), 'rgb(0, 0, 0)');
        await context.close();
    });
});

describe('the window as designed', () => {
    test('every control at its place and size, with its accessible name', async () => {
        const { page, context } = await openPage(browser);
        const seen = await page.evaluate((ids) => {
            const client = document.getElementById('MainWindow').getBoundingClientRect();
            return Object.fromEntries(ids.map((id) => {
                const e = document.getElementById(id);
                if (!e) return [id, null];
                const r = e.getBoundingClientRect();
                return [id, {
                    box: [r.left - client.left, r.top - client.top, r.width, r.height],
                    label: e.getAttribute('aria-label'),
                    tag: e.tagName.toLowerCase(),
                    type: e.type ?? null,
                    text: ['BUTTON', 'DIV', 'SPAN', 'LABEL'].includes(e.tagName) ? e.textContent : null,
                }];
            }).concat([['MainWindow', [client.width, client.height]]]));
        }, window_.controls.map((c) => c.id));
        assert.deepEqual(seen.MainWindow, [px(window_.clientWidth), px(window_.clientHeight)]);
        const tags = { TextBox: ['input', 'textarea'], CommandButton: ['button'], ListBox: ['select'], Label: ['div', 'span', 'label'] };
        for (const c of window_.controls) {
            const s = seen[c.id];
            assert.ok(s, `${c.id} exists`);
            assert.deepEqual(s.box, [px(c.left), px(c.top), px(c.width), px(c.height)], `${c.id} box`);
            assert.equal(s.label, c.accessibleName, `${c.id} aria-label`);
            assert.ok(tags[c.type].includes(s.tag), `${c.id} is a ${s.tag}`);
            if (c.type === 'CommandButton' || c.type === 'Label')
                assert.equal(s.text.replace(/\u00a0/g, ' '), c.text, `${c.id} caption`);
        }
        await context.close();
    });

    test('fields, list and introduction as designed', async () => {
        const { page, context } = await openPage(browser);
        const s = await page.evaluate(() => {
            const $ = (id) => document.getElementById(id);
            const style = (id) => getComputedStyle($(id));
            return {
                fields: [1, 2, 3].map((i) => [$(`Pole${i}`).type, $(`Pole${i}`).maxLength, style(`Pole${i}`).textAlign]),
                transcript: [$('Pole4').tagName, $('Pole4').readOnly, $('Pole4').disabled, style('Pole4').overflowY],
                introduction: [$('Pole0').tagName, $('Pole0').readOnly, $('Pole0').value, $('Pole0').scrollWidth <= $('Pole0').clientWidth],
                list: [$('Sluch').multiple, $('Sluch').size > 1, [...$('Sluch').options].map((o) => o.text)],
                font: [style('MainWindow').fontFamily, style('Pole1').fontFamily, style('Buton0').fontSize],
            };
        });
        for (const f of s.fields) assert.deepEqual(f, ['text', 4, 'center']);
        assert.deepEqual(s.transcript.slice(0, 3), ['TEXTAREA', true, false]);
        assert.ok(['scroll', 'auto'].includes(s.transcript[3]));
        assert.deepEqual(s.introduction.slice(0, 2), ['TEXTAREA', false]);
        assert.equal(s.introduction[2], window_.introduction.map((line) => line + '\n').join(''));
        assert.equal(s.introduction[3], true, 'the introduction wraps');
        assert.deepEqual(s.list, [false, true, window_.ranges]);
        for (const family of s.font.slice(0, 2))
            assert.match(family, /^"?Times New Roman"?, "?Liberation Serif"?, serif$/);
        assert.equal(s.font[2], '16px'); // 12 pt
        await context.close();
    });

    test('colours read back from a screenshot', async () => {
        const { page, context } = await openPage(browser);
        // No focus ring or caret in the picture.
        await page.evaluate(() => document.activeElement?.blur());
        let shot = decodePng(await page.locator('#MainWindow').screenshot());
        assert.deepEqual([shot.width, shot.height], [px(window_.clientWidth), px(window_.clientHeight)]);

        // The commonest colour inside a control, a few pixels in from its
        // edges: its face, whatever the caption and the border.
        const face = (c) => {
            const counts = new Map();
            for (let y = px(c.top) + 4; y < px(c.top + c.height) - 4; y++)
                for (let x = px(c.left) + 4; x < px(c.left + c.width) - 4; x++) {
                    const key = shot.pixel(x, y).join(',');
                    counts.set(key, (counts.get(key) ?? 0) + 1);
                }
            return [...counts].sort((a, b) => b[1] - a[1])[0][0].split(',').map(Number);
        };
        for (const c of window_.controls.filter((c) => c.back !== null))
            assert.deepEqual(face(c), rgb(c.back), `${c.id} face`);
        // Free corners of the client area show the window's own colour.
        const back = rgb(window_.windowBack);
        for (const [x, y] of [[1, 1], [shot.width - 2, 1], [1, shot.height - 2], [shot.width - 2, shot.height - 2]])
            assert.deepEqual(shot.pixel(x, y), back, `window at ${x}, ${y}`);
        // Calculated: a locked field looks as it did, a disabled Изчисли
        // keeps its face.
        const field = window_.controls.find((c) => c.id === 'Pole1');
        const fieldBefore = face(field);
        await page.click('#Buton0');
        await page.evaluate(() => document.activeElement?.blur());
        shot = decodePng(await page.locator('#MainWindow').screenshot());
        assert.deepEqual(face(field), fieldBefore);
        const calculate = window_.controls.find((c) => c.id === 'Buton0');
        assert.deepEqual(face(calculate), rgb(calculate.back));
        await context.close();
    });
});

describe('keyboard', () => {
    const order = async (page, key, steps) => {
        const ids = [];
        for (let k = 0; k < steps; k++) {
            await page.keyboard.press(key);
            ids.push(await page.evaluate(() => document.activeElement?.id));
        }
        return ids;
    };

    test('Tab runs through the controls in the designed order, skipping a disabled Изчисли', async () => {
        const { page, context } = await openPage(browser);
        await page.focus('#Pole0');
        assert.deepEqual(await order(page, 'Tab', focusable.length - 1), focusable.slice(1));
        assert.deepEqual(await order(page, 'Shift+Tab', focusable.length - 1), focusable.slice(0, -1).reverse());

        await page.click('#Buton0');
        await page.focus('#Pole0');
        assert.deepEqual(await order(page, 'Tab', focusable.length - 2), focusable.filter((id) => id !== 'Buton0').slice(1));
        await context.close();
    });

    test('a whole calculation by keyboard, and the transcript can be selected', async () => {
        const { page, context } = await openPage(browser);
        await page.focus('#Pole0');
        for (const text of ['3', '5', '1']) {
            await page.keyboard.press('Tab');
            await page.keyboard.press('Control+A');
            await page.keyboard.type(text);
        }
        await page.evaluate(() => window.velmora.queueDraws([0.25]));
        await page.keyboard.press('Tab'); // Pole4
        await page.keyboard.press('Tab'); // Изчисли
        await page.keyboard.press('Enter');
        const transcript = await page.evaluate(() => window.velmora.transcript());
        assert.match(transcript, /^Решавам Диофантово уравнение 3x \+ 5y = 1\r\n[^]*-54 \+ 55 = 1\r\n$/);
        // Typing into the transcript changes nothing.
        await page.keyboard.type('x');
        await page.keyboard.press('Backspace');
        assert.equal(await page.$eval('#Pole4', (e) => e.value), transcript.replaceAll('\r\n', '\n'));
        // Locked, not disabled: select all takes the whole text.
        await page.keyboard.press('Control+A');
        const selected = await page.evaluate(() => {
            const t = document.getElementById('Pole4');
            return t.value.slice(t.selectionStart, t.selectionEnd);
        });
        assert.equal(selected, transcript.replaceAll('\r\n', '\n'));
        // Space on Изчисти clears.
        await page.focus('#Buton1');
        await page.keyboard.press('Space');
        assert.equal(await page.evaluate(() => window.velmora.transcript()), '');
        await context.close();
    });
});
