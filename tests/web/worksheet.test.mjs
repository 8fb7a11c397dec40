// The teacher's worksheet on the page (?worksheet): the sheet the engine
// writes, set as printable pages, in the engine VELMORA_BROWSER names; in
// Chromium printed to PDF and read back against the command line's PDF; and
// the module's JSON against the native build's.

import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { after, before, test } from 'node:test';

import { browserName, launchBrowser } from './browsers.mjs';
import { until, within } from './deadline.mjs';
import { design, languageCodes, loadEngine, native, pluralForm, root } from './velmora.mjs';

const program = resolve(process.env.VELMORA_PROGRAM ?? join(root, 'build/default/app/velmora'));

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

const scratch = mkdtempSync(join(tmpdir(), 'velmora-sheet-'));
after(() => rmSync(scratch, { recursive: true, force: true }));

// The page opened on a worksheet address, once it shows a sheet or a problem.
async function openSheet(search) {
    const s = await browser.open({ search });
    await within('the worksheet view', s.evaluate(() => new Promise((done) => {
        const settled = () => document.getElementById('Worksheet')?.dataset.state;
        const poll = () => (settled() ? done(settled()) : setTimeout(poll, 20));
        poll();
    })));
    return s;
}

// A count typed over the old one, its change once the typing ends, as a
// user's edit reaches the form: a driver's clear would fire a change of its
// own on the empty field first, and the form would put its default back.
const typeCount = (s, count) => s.evaluate((value) => {
    const field = document.querySelector('#SheetForm [name=count]');
    field.value = value;
    field.dispatchEvent(new Event('input', { bubbles: true }));
    field.dispatchEvent(new Event('change', { bubbles: true }));
}, count);

// What the view shows: its state, the sheet's lines by role, the problem and
// the address.
const shown = (s) => s.evaluate(() => {
    const view = document.getElementById('Worksheet');
    return {
        state: view.dataset.state,
        problem: document.getElementById('SheetProblem').hidden ? '' : document.getElementById('SheetProblem').textContent,
        search: location.search,
        pages: document.querySelectorAll('#Sheet .sheet-page').length,
        equations: [...document.querySelectorAll('#Sheet .sheet-equation')].map((e) => e.textContent),
        codes: [...document.querySelectorAll('#Sheet .sheet-code')].map((e) => e.textContent),
        key: [...document.querySelectorAll('#Sheet .sheet-table tr, #Sheet .sheet-keyEquation, #Sheet .sheet-keyLine')].map((e) => e.textContent),
        mainShown: getComputedStyle(document.getElementById('MainWindow')).display !== 'none',
        lang: document.documentElement.lang,
    };
});

test('a worksheet address shows the sheet it names, the same for the same code', async () => {
    const search = '?worksheet&count=12&range=100&variants=3&code=4711&lang=bg';
    const first = await openSheet(search);
    const a = await shown(first);
    await first.close();
    assert.equal(a.state, 'sheet');
    assert.equal(a.mainShown, false, 'the window gives way to the sheet');
    assert.equal(a.equations.length, 36);
    assert.equal(a.pages, 6, 'three variants and each variant\'s key, each from a page of its own');
    assert.deepEqual(a.codes.slice(0, 3), a.codes.slice(3), 'the key heads its blocks with the variants\' codes');
    assert.match(a.equations[0], /^1\. −?\d*x [+−] \d*y = −?\d+$/);
    assert.equal(new Set(a.equations.slice(0, 12)).size, 12, 'no equation repeats on a sheet');
    assert.equal(a.lang, 'bg');

    const again = await openSheet(search);
    const b = await shown(again);
    await again.close();
    assert.deepEqual(b.equations, a.equations);
    assert.deepEqual(b.key, a.key);

    const other = await openSheet(search.replace('4711', '4712'));
    const c = await shown(other);
    await other.close();
    assert.notDeepEqual(c.equations, a.equations, 'another code, another sheet');
});

test('the form\'s choices go into the address and the sheet', async () => {
    const s = await openSheet('?worksheet&code=77&lang=en');
    const start = await shown(s);
    assert.equal(start.equations.length, 10, 'ten equations unless asked');
    assert.match(start.search, /count=10&range=100&variants=1&code=77&lang=en&unsolvable=0&paper=a4/);
    await typeCount(s, '5');
    // A drop-down's choice as the user's pick ends: the value and a change.
    await s.evaluate(() => {
        const range = document.querySelector('#SheetForm [name=range]');
        range.value = '10';
        range.dispatchEvent(new Event('change', { bubbles: true }));
    });
    await s.click('#SheetForm [name=euclid]');
    // The sheet is written again a task after the form's change.
    const changed = await until('the sheet of five equations with Euclid\'s way in the key', () => shown(s),
        (v) => v.equations.length === 5 && /euclid$/.test(v.search));
    assert.equal(changed.equations.length, 5);
    assert.match(changed.search, /count=5&range=10&.*&euclid$/);
    assert.ok(await s.evaluate(() => document.querySelectorAll('#Sheet .sheet-smallPrint').length > 5), 'Euclid\'s way in the key');

    // A new code is drawn and kept in the address.
    await s.click('#SheetNewCode');
    const drawn = await until('a new code in the address', () => shown(s),
        (v) => new URLSearchParams(v.search).get('code') !== new URLSearchParams(changed.search).get('code'));
    const code = new URLSearchParams(drawn.search).get('code');
    assert.match(code, /^[1-9]\d{0,5}$/);
    assert.notDeepEqual(drawn.equations, changed.equations);
    await s.close();
});

test('every rule of the view matches something in it', async () => {
    const s = await openSheet('?worksheet&count=2&variants=2&code=8&euclid&pictures&paper=letter');
    const unmatched = await s.evaluate(() => {
        const rules = (list) => [...list].flatMap((r) => (r.cssRules ? rules(r.cssRules) : [r]));
        return rules(document.styleSheets[0].cssRules)
            .filter((r) => r.selectorText && /worksheet-view|#Worksheet|#Sheet|\.sheet-/.test(r.selectorText))
            .filter((r) => document.querySelectorAll(r.selectorText).length === 0)
            .map((r) => r.selectorText);
    });
    await s.close();
    assert.deepEqual(unmatched, []);
});

test('bad values give the one-line message and no sheet', async (t) => {
    const rows = [
        // Named by the form's captions, as the form shows them.
        ['?worksheet&count=41&lang=en', /^Number of equations: /, /1–40/],
        ['?worksheet&range=300&lang=en', /^Range: /, /10, 100, 200, 500, 1000, 1500, 2000/],
        ['?worksheet&paper=a3&lang=bg', /^Хартия: /, /a4, letter/],
        ['?worksheet&points=101&lang=uk', /^Бали за завдання: /, /0–100/],
        ['?worksheet&word-problems=101&lang=en', /^Word problems: /, /0–100/],
        ['?worksheet&colour=red&lang=en', /colour/, /count, range, variants/],
    ];
    for (const [search, option, allowed] of rows) {
        const s = await openSheet(search);
        const v = await shown(s);
        await s.close();
        t.diagnostic(`${search}: ${v.problem}`);
        assert.equal(v.state, 'problem', search);
        assert.match(v.problem, option);
        assert.match(v.problem, allowed);
        assert.doesNotMatch(v.problem, /\n/);
        assert.equal(v.equations.length, 0);
    }
    // The problem speaks the language asked for.
    const s = await openSheet('?worksheet&lang=bg&count=0');
    assert.match((await shown(s)).problem, /не е позволено/);
    // Put right in the form, the sheet comes back.
    await typeCount(s, '3');
    const fixed = await until('the sheet back after the count was put right', () => shown(s), (v) => v.state === 'sheet');
    await s.close();
    assert.equal(fixed.state, 'sheet');
    assert.equal(fixed.equations.length, 3);
});

test('on paper the controls are hidden and each variant and the key start a page', async () => {
    const s = await openSheet('?worksheet&count=3&variants=2&code=5&paper=letter');
    const rules = await s.evaluate(() => {
        const print = [...document.styleSheets[0].cssRules].filter((r) => r.media && [...r.media].includes('print'));
        const inner = print.flatMap((r) => [...r.cssRules]).map((r) => r.cssText);
        const page = [...document.styleSheets[0].cssRules].filter((r) => r.type === CSSRule.PAGE_RULE).map((r) => r.cssText);
        return { inner, page };
    });
    assert.ok(rules.inner.some((r) => /#SheetForm/.test(r) && /display: none/.test(r)), 'the form is not printed');
    assert.ok(rules.inner.some((r) => /\.sheet-page \+ \.sheet-page/.test(r) && /break-before: page/.test(r)));
    assert.ok(rules.page.some((r) => /size: letter/.test(r)), rules.page.join(' '));
    if (s.page?.emulateMedia) {
        await s.page.emulateMedia({ media: 'print' });
        const display = await s.evaluate(() => getComputedStyle(document.getElementById('SheetForm')).display);
        assert.equal(display, 'none');
    }
    await s.close();
});

// ---- Chromium's PDF against the command line's -------------------------------

// In the order the text is drawn: a table's row is one line, whatever
// pdftotext's own reading order makes of the columns.
const pdfText = (file) => {
    const run = spawnSync('pdftotext', ['-raw', '-enc', 'UTF-8', file, '-'], { encoding: 'utf8' });
    assert.equal(run.status, 0, run.stderr);
    return run.stdout;
};
const pageSize = (file) => spawnSync('pdfinfo', [file], { encoding: 'utf8' }).stdout.match(/Page size:\s+([\d.]+) x ([\d.]+)/).slice(1).map(Number);
const words = (text) => text.split(/\s+/).filter(Boolean).join(' ');
// The PDF repeats a variant's heading on its later pages; the browser breaks
// its own pages, so the page's text goes without them.
const unrepeated = (text) => text.replace(/^.*\d+-\d+ \((continued|продължение|продовження)\)$/gmu, '');

const printable = browserName === 'chromium' ? {} : { skip: 'printing to PDF is driven in Chromium' };
const cases = [
    ['bg', 'count=12&range=100&variants=3&code=4711&lang=bg', [595, 842]],
    ['en, Letter, Euclid\'s way, unsolvable and zeros', 'count=7&range=1000&variants=2&code=99&lang=en&unsolvable=30&zeros&euclid&paper=letter', [612, 792]],
];
for (const [name, options, [width, height]] of cases) {
    test(`printed by Chromium, the sheet reads as the command line's PDF: ${name}`, printable, async () => {
        assert.ok(existsSync(program), `${program}: build the program or set VELMORA_PROGRAM`);
        const cli = join(scratch, `cli-${width}.pdf`);
        const args = ['--worksheet', ...options.split('&').flatMap((o) => {
            const [k, v] = o.split('=');
            return v === undefined ? [`--${k}`] : [`--${k}`, v];
        }), '-o', cli];
        const run = spawnSync(program, args, { encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
        assert.equal(run.status, 0, run.stderr);

        const s = await openSheet(`?worksheet&${options}`);
        const printed = join(scratch, `page-${width}.pdf`);
        writeFileSync(printed, await s.page.pdf({ preferCSSPageSize: true, printBackground: false }));
        await s.close();

        const expected = pdfText(cli);
        const got = pdfText(printed);
        assert.ok(expected.length > 200);
        assert.equal(words(got), words(unrepeated(expected)));
        for (const file of [cli, printed]) {
            const [w, h] = pageSize(file);
            assert.ok(Math.abs(w - width) < 1 && Math.abs(h - height) < 1, `${file}: ${w} x ${h}`);
        }
    });
}

// ---- the module and the native build give the same JSON --------------------------

test('velmora_worksheet: the module\'s JSON is the native build\'s', async () => {
    const calls = [
        ['worksheet', 'worksheet&count=12&range=100&variants=3&code=4711&lang=bg', 'bg', 0],
        ['worksheet', 'count=40&range=2000&variants=2&code=999999&unsolvable=50%25&zeros&euclid=yes&paper=LETTER', 'en', 0],
        ['worksheet', 'count=3\nrange=10\nlang=en', 'bg', 123456789],
        ['worksheet', 'worksheet&count=4&range=20', 'en', 1],
        ['worksheet', 'worksheet&code=0', 'bg', 1],
        ['worksheet', 'lang=xx', 'en', 1],
        ['worksheet', 'count=10&code=4711&lang=en&word-problems=50', 'en', 0],
        ['worksheet', 'count=4&code=77&lang=uk&pictures&word-problems=50', 'en', 0],
    ];
    const engine = await loadEngine();
    const fromModule = calls.map(([, query, language, fresh]) => engine.text.text('velmora_worksheet', query, language, fresh));
    const fromNative = native(calls.map(([name, query, ...rest]) => [name, query.replaceAll('\n', '\\n'), ...rest]));
    assert.deepEqual(fromModule, fromNative);

    const [sheet, large, lines, refused, zero, language, words, pictures] = fromModule.map((j) => JSON.parse(j));
    assert.equal(pictures.choices.pictures, true);
    assert.equal(pictures.options.pictures, '1');
    const drawn = pictures.lines.filter((l) => l.role === 'picture');
    assert.ok(drawn.length > 0 && drawn.every((l) => /^<svg [^>]*class="velmora-picture"/.test(l.picture) && !l.picture.includes('<style>')),
        'the page\'s pictures, styled by its style sheet');
    assert.equal(pictures.lines.filter((l) => l.role === 'keyRow').length, 4);
    assert.equal(words.choices.wordProblems, 50);
    assert.equal(words.options['word-problems'], '50');
    assert.equal(words.lines.filter((l) => l.role === 'equation').length, 10);
    assert.equal(words.lines.filter((l) => l.role === 'keyEquation' && /^\d+\. Let x be the number of /.test(l.text)).length, 5,
        'five of the ten items set as word problems, their unknowns in the key');
    assert.equal(sheet.ok, true);
    assert.equal(sheet.lines.filter((l) => l.role === 'equation').length, 36);
    assert.deepEqual(large.choices, { count: 40, range: 2000, variants: 2, unsolvable: 50, zeros: true, euclid: true, pictures: false, wordProblems: 0 });
    assert.equal(large.paper, 'letter');
    assert.equal(large.lang, 'en', 'the page\'s language where the query names none');
    assert.ok(large.lines.some((l) => l.role === 'smallPrint' && /Euclid/i.test(l.text)) || large.lines.filter((l) => l.role === 'smallPrint').length > 80);
    assert.equal(lines.ok, true, 'line feeds part the options too');
    assert.equal(lines.drawn, true);
    assert.equal(lines.code, (123456789 % 999999) + 1);
    assert.equal(lines.choices.range, 10);
    assert.equal(refused.ok, false);
    assert.match(refused.problem, /^Range: “20” .*10, 100, 200, 500, 1000, 1500, 2000$/);
    assert.deepEqual(refused.lines, []);
    assert.equal(zero.ok, false);
    assert.match(zero.problem, /^Код: .*1–999999/);
    assert.equal(language.ok, false);
    assert.match(language.problem, /^Language of the sheet: .*bg, en/);
});

// Where a number meets a noun, the key's settings line takes the form the
// language's own rule chooses: evaluated here from the po file's
// Plural-Forms header, against the rule the build compiled into the module.
test('the key names its counts of equations and variants in each language\'s plural form', async () => {
    const engine = await loadEngine();
    const fill = (message, values) => message.replace(/\{(\w+)\}/g, (all, name) => values[name] ?? all);
    for (const code of languageCodes()) {
        const { phrases, plurals, pluralForms } = design(code).texts;
        for (const n of [1, 2, 5, 11, 21, 22, 40]) {
            const variants = Math.min(n, 40);
            const sheet = JSON.parse(engine.text.text('velmora_worksheet', `count=${n}&variants=${variants}&code=77&lang=${code}`, code, 0));
            assert.equal(sheet.ok, true, `${code}, ${n}: ${sheet.problem}`);
            const settings = sheet.lines.find((l) => l.role === 'smallPrint' && l.text.includes('77')).text;
            const counted = (key, count) => fill(plurals[key][pluralForm(pluralForms, count)], { count });
            assert.equal(settings, fill(phrases['worksheet.settings'], {
                code: 77, equations: counted('worksheet.equations', n), range: 100,
                variants: counted('worksheet.variants', variants), unsolvable: 0,
            }), `${code}, ${n}`);
        }
    }
    // The forms as a teacher reads them.
    const line = (code, count, variants) => JSON.parse(engine.text.text('velmora_worksheet', `count=${count}&variants=${variants}&code=5&lang=${code}`, code, 0))
        .lines.find((l) => l.role === 'smallPrint').text;
    assert.match(line('en', 1, 1), /: 1 equation in the range 100, 1 variant, /);
    assert.match(line('en', 12, 2), /: 12 equations in the range 100, 2 variants, /);
    assert.match(line('bg', 1, 1), /: 1 уравнение в интервала 100, 1 вариант, /);
    assert.match(line('bg', 12, 2), /: 12 уравнения в интервала 100, 2 варианта, /);
});

// The same options, the same sheet: the JSON's lines are the command line's
// text (its PlainText, as pdftotext reads the PDF) line for line.
test('the module\'s lines are the command line PDF\'s text', { skip: existsSync(program) ? false : `no ${program}` }, async () => {
    const cli = join(scratch, 'lines.pdf');
    const run = spawnSync(program, ['--worksheet', '--count', '6', '--variants', '2', '--code', '31337', '--lang', 'en', '--unsolvable', '50', '-o', cli],
        { encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
    assert.equal(run.status, 0, run.stderr);
    const engine = await loadEngine();
    const sheet = JSON.parse(engine.text.text('velmora_worksheet', 'count=6&variants=2&code=31337&lang=en&unsolvable=50', 'bg', 0));
    const text = sheet.lines.filter((l) => l.role !== 'pageBreak').map((l) => (l.cells ? l.cells.join(' ') : l.text)).join('\n');
    assert.equal(words(text), words(unrepeated(pdfText(cli))));
    assert.equal(readFileSync(cli).subarray(0, 5).toString(), '%PDF-');
});

// Each variant's key is a table the page names for screen readers, row for
// row the command line's; with the pictures, each solvable item's picture
// follows its table, ids its own.
test('the key\'s tables are the command line\'s, and the pictures follow them', { skip: existsSync(program) ? false : `no ${program}` }, async () => {
    const options = 'count=6&variants=2&code=31337&lang=en&unsolvable=50&points=2&pictures';
    const cli = join(scratch, 'tables.pdf');
    const run = spawnSync(program, ['--worksheet', ...options.split('&').flatMap((o) => {
        const [k, v] = o.split('=');
        return v === undefined ? [`--${k}`] : [`--${k}`, v];
    }), '-o', cli], { encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
    assert.equal(run.status, 0, run.stderr);
    const s = await openSheet(`?worksheet&${options}`);
    const tables = await s.evaluate(() => [...document.querySelectorAll('#Sheet .sheet-table')].map((table) => {
        const after = table.nextElementSibling?.matches('.sheet-pictures') ? table.nextElementSibling : null;
        return {
            headings: [...table.tHead.rows[0].cells].map((c) => `${c.tagName} ${c.scope}`),
            text: [...table.rows].map((r) => [...r.cells].map((c) => c.textContent).join(' ')),
            rows: [...table.tBodies[0].rows].map((r) => ({
                first: `${r.cells[0].tagName} ${r.cells[0].scope}`,
                cells: [...r.cells].map((c) => c.textContent),
            })),
            pictures: [...(after?.querySelectorAll('figure') ?? [])].map((f) => {
                const svg = f.querySelector('svg.velmora-picture');
                const names = (svg?.getAttribute('aria-labelledby') ?? '').split(' ').filter(Boolean);
                return {
                    caption: f.querySelector('figcaption').textContent,
                    marks: svg ? svg.querySelectorAll('[data-x][data-y]').length : 0,
                    // Each name found once in the page, inside its own picture.
                    named: names.length === 2 && names.every((id) => document.querySelectorAll(`[id="${id}"]`).length === 1 && svg.contains(document.getElementById(id))),
                };
            }),
        };
    }));
    await s.close();
    assert.equal(tables.length, 2, 'a table for each variant');
    const printed = words(unrepeated(pdfText(cli)));
    for (const table of tables) {
        assert.deepEqual(new Set(table.headings), new Set(['TH col']));
        assert.equal(table.headings.length, 7);
        assert.equal(table.rows.length, 6);
        for (const row of table.rows) assert.equal(row.first, 'TH row');
        assert.ok(printed.includes(words(table.text.join(' '))), `not in the command line's key: ${table.text.join(' | ')}`);
        const solvable = table.rows.filter((r) => r.cells[3] === 'has solutions').map((r) => `${r.cells[0]}. ${r.cells[1]}`);
        assert.ok(solvable.length > 0 && solvable.length < 6, 'half of them solvable');
        assert.deepEqual(table.pictures.map((p) => p.caption), solvable, 'a picture for each solvable item, after its table');
        for (const picture of table.pictures) {
            assert.ok(picture.marks >= 3, `${picture.caption}: ${picture.marks} solutions marked`);
            assert.ok(picture.named, `${picture.caption}: not named by ids of its own`);
        }
    }
});
