// Screenshots of the page for the README: a phone upright and on its side,
// and a 1920 × 1080 projector, each after one calculation; in Bulgarian, and
// the phone and the projector in English too.
//
//   node scripts/page-screenshots.mjs [OUT_DIR]     (default docs/)
//
// Needs the default build and tests/web's packages (npm ci there); the PNGs
// are then reduced to a palette with ImageMagick, when it is there.

import { spawnSync } from 'node:child_process';
import { resolve } from 'node:path';

import { contextOptions, profiles } from '../tests/web/layouts.mjs';
import { launch, openPage, root } from '../tests/web/velmora.mjs';

const out = resolve(process.argv[2] ?? resolve(root, 'docs'));
const shots = [
    ['page-phone.png', 'Pixel 7', 'bg-BG'],
    ['page-phone-landscape.png', 'Pixel 7 landscape', 'bg-BG'],
    ['page-projector.png', '1920 × 1080', 'bg-BG'],
    ['page-phone-en.png', 'Pixel 7', 'en-US'],
    ['page-projector-en.png', '1920 × 1080', 'en-US'],
];

const browser = await launch();
try {
    for (const [file, name, locale] of shots) {
        const profile = profiles.find((p) => p.name === name);
        const { page, context } = await openPage(browser, { locale, device: contextOptions(profile) });
        await page.fill('#Pole1', '3');
        await page.fill('#Pole2', '5');
        await page.fill('#Pole3', '1');
        await page.evaluate(() => window.velmora.queueDraws([0.25]));
        await (profile.options.hasTouch ? page.tap('#Buton0') : page.click('#Buton0'));
        // No caret or focus ring in the picture.
        await page.evaluate(() => document.activeElement?.blur());
        const path = resolve(out, file);
        await page.screenshot({ path });
        await context.close();
        const reduced = spawnSync('convert', [path, '-strip', '-colors', '64', `PNG8:${path}`]);
        console.log(path, reduced.status === 0 ? '(64 colours)' : '(as taken)');
    }
} finally {
    await browser.close();
}
