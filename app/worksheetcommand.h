#pragma once

#include "commandline.h"

// velmora --worksheet [--count N] [--range R] [--variants V] [--code K]
//   [--lang CODE] [--unsolvable PERCENT] [--zeros] [--euclid] [--paper a4|letter]
//   -o FILE.pdf
// Writes the worksheet and its key as PDF with no display, in the request's
// language. A code left out is drawn and printed on standard output; a file
// that cannot be written gets one line on standard error and status 1. The
// options are read, and refused, by ReadCommandLine.
int RunWorksheetCommand(const CommandLineRequest &request, char *program);
