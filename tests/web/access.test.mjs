// axe-core in every layout: no WCAG 2.2 A or AA violation, and nothing left
// for review about names that a role does not allow.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { contextOptions, profiles, runAxe } from './layouts.mjs';
import { browserName } from './browsers.mjs';
import { launch, openPage } from './velmora.mjs';

// Chromium only: axe-core is run in Chromium's emulated devices; in the other engines the suite skips these.
const chromiumOnly = browserName === 'chromium' ? {} : { skip: `Chromium only, not ${browserName}` };

let browser;
before(async () => {
    if (!chromiumOnly.skip) browser = await launch();
});
after(async () => browser?.close());

const screens = [
    ['the window at scale 1', {}],
    ...['320 × 568 (iPhone SE 1st gen)', 'Pixel 7 landscape', 'Galaxy Tab S4', '1920 × 1080']
        .map((name) => [name, contextOptions(profiles.find((p) => p.name === name))]),
];

describe('axe-core', chromiumOnly, () => {
    for (const [name, device] of screens)
        test(`${name}: ready and calculated`, async () => {
            const { page, context } = await openPage(browser, { device });
            for (const moment of ['ready', 'calculated']) {
                if (moment === 'calculated') await page.click('#Buton0');
                const { violations, incomplete } = await runAxe(page);
                assert.deepEqual(violations, [], moment);
                assert.deepEqual(incomplete.filter((r) => r.id === 'aria-prohibited-attr'), [], moment);
            }
            await context.close();
        });
});
