// The page's worksheet for the README: the sheet printed by Chromium to PDF,
// the first page of the sheet and the first page of its key side by side.
//
//   node scripts/page-worksheet-picture.mjs [OUT.png]   (default docs/page-worksheet.png)
//
// Needs the default build, tests/web's packages (npm ci there), poppler-utils
// and ImageMagick.

import { spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

import { launch, openPage, root } from '../tests/web/velmora.mjs';

const out = resolve(process.argv[2] ?? resolve(root, 'docs/page-worksheet.png'));
const scratch = mkdtempSync(join(tmpdir(), 'velmora-picture-'));
const run = (command, args) => {
    const r = spawnSync(command, args, { encoding: 'utf8' });
    if (r.status !== 0) throw new Error(`${command}: ${r.error ?? r.stderr}`);
    return r.stdout;
};

const browser = await launch();
try {
    const { page, context } = await openPage(browser, { search: '?worksheet&count=8&range=100&variants=2&code=4711&lang=bg&euclid' });
    await page.waitForSelector('#Worksheet[data-state="sheet"]');
    const pdf = join(scratch, 'sheet.pdf');
    writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
    await context.close();

    // The key starts on the first page whose text begins with its title.
    const pages = Number(run('pdfinfo', [pdf]).match(/Pages:\s+(\d+)/)[1]);
    let key = 0;
    for (let n = 1; n <= pages && !key; n++)
        if (run('pdftotext', ['-f', String(n), '-l', String(n), pdf, '-']).trimStart().startsWith('Отговори')) key = n;
    if (!key) throw new Error('no page of the key');
    const shots = [1, key].map((n) => {
        const prefix = join(scratch, `page-${n}`);
        run('pdftoppm', ['-f', String(n), '-l', String(n), '-r', '60', '-png', '-singlefile', pdf, prefix]);
        return `${prefix}.png`;
    });
    run('convert', [...shots, '-bordercolor', '#808080', '-border', '1', '-background', '#d4d0c8', '-splice', '16x16',
        '+append', '-gravity', 'southeast', '-splice', '16x16', '-strip', '-colors', '64', `PNG8:${out}`]);
    console.log(out);
} finally {
    await browser.close();
    rmSync(scratch, { recursive: true, force: true });
}
