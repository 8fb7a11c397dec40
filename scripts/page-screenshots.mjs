// Screenshots of the page for the README: a phone upright and on its side,
// and a 1920 × 1080 projector, each after one calculation; in Bulgarian, and
// the phone and the projector in English too; Euclid's way beside the window
// on a projector and in its own section on a phone, and a wrong and a
// corrected answer of the pupil's, and the first hint, on a phone; the picture of 3x + 5y = 47 on
// a phone and on a projector; its natural solutions worked out after
// Euclid's way on a phone and on a projector, and a pupil's wrong list of
// them checked on a phone; on a projector, the lesson paced to its third
// step, and Euclid's way laid out as the table; and the projector at 150 %
// zoom, Euclid's way below the window in larger text.
//
//   node scripts/page-screenshots.mjs [OUT_DIR [FILE...]]   (default docs/, all)
//
// Needs the default build and tests/web's packages (npm ci there); the PNGs
// are then reduced to a palette with ImageMagick, when it is there.

import { spawnSync } from 'node:child_process';
import { resolve } from 'node:path';

import { contextOptions, profiles } from '../tests/web/layouts.mjs';
import { launch, openPage, root } from '../tests/web/velmora.mjs';

const out = resolve(process.argv[2] ?? resolve(root, 'docs'));
const only = process.argv.slice(3);
// The picture's section at the top of the screen.
const showPicture = (page) => page.evaluate(() => document.getElementById('Picture').scrollIntoView({ block: 'start' }));
// The pupil's answer to 91x + 35y = 14, typed and checked, then the section
// scrolled to the top of the screen.
const answer = (entries) => async (page) => {
    for (const [id, value] of Object.entries(entries)) await page.fill(id, value);
    await page.tap('#AnswerCheck');
    await page.evaluate(() => document.getElementById('Practice').scrollIntoView({ block: 'start' }));
};
// "Natural numbers" ticked after Calculate, the section at the top.
const natural = async (page) => {
    await page.click('#BoundsNatural');
    await page.evaluate(() => document.getElementById('Bounds').scrollIntoView({ block: 'start' }));
};
// The browser's zoom: a viewport of 1/Z the screen's CSS pixels, Z screen
// pixels to each, so that the picture has the screen's own size.
const zoomed = {
    '1920 × 1080 at 150 %': { viewport: { width: 1280, height: 720 }, deviceScaleFactor: 1.5 },
};
const showEuclid = (page) => page.evaluate(() => document.getElementById('Euclid').scrollIntoView({ block: 'start' }));
const wrong = { '#AnswerX0': '4', '#AnswerY0': '10', '#AnswerP': '5', '#AnswerQ': '-13' };

// file, screen, locale, equation, and what follows Calculate.
const shots = [
    ['page-phone.png', 'Pixel 7', 'bg-BG'],
    ['page-phone-landscape.png', 'Pixel 7 landscape', 'bg-BG'],
    ['page-projector.png', '1920 × 1080', 'bg-BG'],
    ['page-phone-en.png', 'Pixel 7', 'en-US'],
    ['page-projector-en.png', '1920 × 1080', 'en-US'],
    ['page-projector-euclid.png', '1920 × 1080', 'en-US', ['1534', '1309', '652']],
    ['page-phone-euclid.png', 'Pixel 7', 'en-US', ['91', '35', '14'], (page) => page.tap('#EuclidLink')],
    ['page-phone-practice-wrong.png', 'Pixel 7', 'en-US', ['91', '35', '14'], answer(wrong)],
    ['page-phone-practice-right.png', 'Pixel 7', 'en-US', ['91', '35', '14'], async (page) => {
        await answer(wrong)(page);
        await answer({ '#AnswerY0': '-10' })(page);
    }],
    // The first hint after the wrong answer: where to start.
    ['page-phone-practice-hint.png', 'Pixel 7', 'en-US', ['91', '35', '14'], async (page) => {
        await answer(wrong)(page);
        await page.tap('#AnswerHint');
        await page.evaluate(() => document.getElementById('PracticeTitle').scrollIntoView({ block: 'start' }));
    }],
    ['page-phone-picture.png', 'Pixel 7', 'en-US', ['3', '5', '47'], showPicture],
    ['page-projector-picture.png', '1920 × 1080', 'en-US', ['3', '5', '47'], showPicture],
    ['page-phone-bounds.png', 'Pixel 7', 'en-US', ['3', '5', '47'], natural],
    // A list with a pair that is no solution and one that breaks a bound,
    // typed before Calculate, as a pupil practises: no account and no
    // picture give the solutions away above the form.
    ['page-phone-list.png', 'Pixel 7', 'en-US', ['3', '5', '47'], async (page) => {
        await page.tap('#Buton1');
        for (const [id, value] of [['#Pole1', '3'], ['#Pole2', '5'], ['#Pole3', '47']]) await page.fill(id, value);
        await page.click('#BoundsNatural');
        await page.fill('#AnswerList', '(4; 7), (5; 6), (−1; 10)');
        await page.tap('#AnswerCheck');
        await page.evaluate(() => document.getElementById('PracticeTitle').scrollIntoView({ block: 'start' }));
    }],
    ['page-projector-pace.png', '1920 × 1080', 'bg-BG', ['91', '35', '14'], async (page) => {
        for (let step = 0; step < 3; ++step) await page.click('#EuclidNext');
    }],
    ['page-projector-table.png', '1920 × 1080', 'en-US', ['1534', '1309', '652'],
        (page) => page.click('input[name="EuclidMethod"][value="table"]')],
    ['page-projector-bounds.png', '1920 × 1080', 'bg-BG', ['3', '5', '47'], natural],
    ['page-projector-zoom-150.png', '1920 × 1080 at 150 %', 'en-US', ['91', '35', '14'], showEuclid],
];

const browser = await launch();
try {
    for (const [file, name, locale, [a, b, c] = ['3', '5', '1'], then] of shots) {
        if (only.length && !only.includes(file)) continue;
        const profile = profiles.find((p) => p.name === name);
        const device = zoomed[name] ?? contextOptions(profile);
        const { page, context } = await openPage(browser, { locale, device });
        await page.fill('#Pole1', a);
        await page.fill('#Pole2', b);
        await page.fill('#Pole3', c);
        await page.evaluate(() => window.velmora.queueDraws([0.25]));
        await (device.hasTouch ? page.tap('#Buton0') : page.click('#Buton0'));
        if (then) await then(page);
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
