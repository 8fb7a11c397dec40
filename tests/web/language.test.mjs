// Any language tag starts the page, in the engine VELMORA_BROWSER names.
// The decimal separator follows the browser's language; a tag that Intl
// refuses gives way to the platform's default, and the page still starts.
// WebKitGTK takes the tag from LANG, as it does on a desktop; the others get
// it as navigator.language.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { launchBrowser } from './browsers.mjs';

let browser;
before(async () => (browser = await launchBrowser()));
after(async () => browser?.close());

const open = (tag) => browser.can.init
    ? browser.open({ init: `Object.defineProperty(Navigator.prototype, 'language', { get: () => ${JSON.stringify(tag)} })` })
    : browser.open({ locale: tag });

// Tag, and the separator it must give: null where the platform's default
// decides.
const tags = [['C', null], ['', null], ['x-klingon', null], ['de_DE.UTF-8', ','], ['en_US.UTF-8', '.'], ['bg-BG', ',']];

for (const [tag, expected] of tags)
    test(`the page starts with the language "${tag}"`, async (t) => {
        const s = await open(tag);
        assert.equal(s.ready, true);
        const seen = await s.evaluate(() => navigator.language);
        await s.fill('#Pole1', '0');
        await s.fill('#Pole2', '4');
        await s.fill('#Pole3', '6');
        await s.click('#Buton0');
        const transcript = await s.transcript();
        const separator = transcript.match(/y = 1(.+)5\r\n$/)?.[1];
        t.diagnostic(`${browser.version}: "${tag}" reaches the page as "${seen}", separator "${separator}"`);
        assert.ok([',', '.'].includes(separator), transcript);
        // Where the tag reached the page (WebKit needs the locale installed).
        if (expected && seen.toLowerCase().startsWith(tag.slice(0, 2))) assert.equal(separator, expected);
        assert.deepEqual(s.errors, []);
        await s.close();
    });
