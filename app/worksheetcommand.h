#pragma once

// velmora --worksheet [--count N] [--range R] [--variants V] [--code K]
//   [--lang bg|en] [--unsolvable PERCENT] [--zeros] [--euclid] [--paper a4|letter]
//   -o FILE.pdf
// Writes the worksheet and its key as PDF with no display. A code left out is
// drawn and printed on standard output. A refused option gets one line on
// standard error and status 2, and no file is written or touched; a file
// that cannot be written, status 1.
int RunWorksheetCommand(int argc, char *argv[]);
