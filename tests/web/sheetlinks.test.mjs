// The solver and its worksheet view lead to each other, in the engine
// VELMORA_BROWSER names: each link named in the page's language and reached
// by the keyboard from its neighbour, Enter following it.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { launchBrowser } from './browsers.mjs';
import { until } from './deadline.mjs';
import { design } from './velmora.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

// Runs in the page: which of the two it is, ready, and the focused element.
function where() {
    const view = document.getElementById('Worksheet');
    return {
        view: view && !view.hidden && view.dataset.state ? 'worksheet' : document.getElementById('MainWindow').offsetParent !== null ? 'solver' : '',
        search: location.search,
        lang: document.documentElement.lang,
        toSheet: document.getElementById('WorksheetLink')?.textContent,
        toSolver: document.getElementById('SolverLink')?.textContent,
        focused: document.activeElement?.id ?? '',
    };
}

// While a link is followed the old page goes: a look that finds none is no
// finding.
const look = (s) => () => s.evaluate(where).catch(() => null);

for (const code of ['en', 'bg', 'uk'])
    test(`the solver links to its worksheet view and back, by keyboard (${code})`, async () => {
        const captions = design(code).texts.panel.captions;
        const s = await browser.open({ search: `?lang=${code}` });
        let seen = await s.evaluate(where);
        assert.equal(seen.view, 'solver');
        assert.equal(seen.toSheet, captions.WorksheetLink);

        // Next after the panel's last control, Start again.
        await s.focus('#TallyClear');
        await s.press('Tab');
        assert.equal((await s.evaluate(where)).focused, 'WorksheetLink');
        await s.press('Enter');
        seen = await until('the worksheet view after the link', look(s), (v) => v?.view === 'worksheet');
        assert.match(seen.search, /^\?worksheet(&|$)/);
        assert.equal(seen.lang, code);
        assert.equal(seen.toSolver, captions.SolverLink);

        // The way back stands before the form's first field.
        await s.evaluate(() => document.querySelector('#SheetForm input, #SheetForm select').focus());
        await s.press('Shift+Tab');
        assert.equal((await s.evaluate(where)).focused, 'SolverLink');
        await s.press('Enter');
        seen = await until('the solver after the link back', look(s), (v) => v?.view === 'solver' && !/worksheet/.test(v.search));
        await until('the solver ready', () => s.evaluate(() => window.velmora.ready).catch(() => false), (ok) => ok === true);
        assert.equal((await s.evaluate(where)).lang, code);
        await s.close();
    });

test("the worksheet view's link back follows the sheet's language", async () => {
    const s = await browser.open({ search: '?worksheet&lang=uk' });
    const seen = await until('the worksheet view', look(s), (v) => v?.view === 'worksheet');
    assert.equal(seen.toSolver, design('uk').texts.panel.captions.SolverLink);
    await s.evaluate(() => {
        const language = document.querySelector('#SheetForm [name=lang]');
        language.value = 'bg';
        language.dispatchEvent(new Event('change', { bubbles: true }));
    });
    const switched = await until('the link back in Bulgarian', look(s), (v) => v?.lang === 'bg');
    assert.equal(switched.toSolver, design('bg').texts.panel.captions.SolverLink);
    await s.close();
});
