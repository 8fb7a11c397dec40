// The transcripts kept once in tests/golden, which the native tests read too.

import { readFileSync } from 'node:fs';

// 3x + 5y = 1 with t = 4 (the draw 0.25), in `language`, CR LF and all.
export const goldenTranscript = (language) =>
    readFileSync(new URL(`../golden/transcript-3-5-1.${language}.txt`, import.meta.url), 'utf8');
