#pragma once

// The engine's C interface for the browser page. The page holds no rule of
// its own: it hands each of the user's actions to one Visit (visit.h) as a
// command and draws the view it gets back. Reading numbers, the transcript,
// every rounding, the random sequence, the states of the inputs, "Your
// answer" and the choice of language stay in C++. Texts cross as UTF-8 with
// a closing NUL in the module's memory; a returned text is valid until the
// next call.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Memory for a text the page hands in (size includes the closing NUL).
char *velmora_alloc(uint32_t size);
void velmora_free(char *text);

// The page's one random sequence, seeded once when the page loads. Fills and
// the check's t draw from it in the order the desktop window draws.
void velmora_seed(uint32_t low, uint32_t high);

// For tests: r is handed out by the next draw, ahead of the sequence.
void velmora_queue_draw(float r);

// The code ("bg", "en") of the language the page speaks: `address` is ?lang=
// in its address, `stored` the choice kept from an earlier visit (either
// empty where there is none), `browserTags` the browser's languages in
// order, one a line.
const char *velmora_choose_language(const char *address, const char *stored,
                                    const char *browserTags);

// ---- the visit ----------------------------------------------------------------

// One of the user's actions, by name, with what it carries; returns the view.
//   "start"                      start-up: the first range, one fill
//   "calculate", "clear", "newData", "check", "startTallyAgain"
//   "range"      argument        the entry's index in the list, in digits
//   "edit"       argument, text  the field ("coefficientA", "coefficientB",
//                                "constantC", "x0", "y0", "stepX", "stepY")
//                                now holds `text`
//   "enter"      argument        Enter in that field
//   "claim"      argument        "1": no integer solution, "0": withdrawn
//   "language"   argument        a language tag: the visit speaks it, where
//                                the engine has it
//   "separator"  argument        what the user's locale writes between a
//                                number's whole and its fraction
// An unknown command, field or language changes nothing. Bulgarian until the
// page chooses.
const char *velmora_command(const char *name, const char *argument, const char *text);

// The view as it stands, as JSON:
//   {"language":"bg","fields":["3","5","7"],"entries":{"coefficientA":"3",…,
//    "stepY":""},"locked":false,"calculate":true,
//    "range":0,"transcript":"...\r\n","euclid":"...\r\n","focus":"transcript",
//    "note":"","noteKind":"","practice":{"answer":["","","",""],
//    "noSolution":false,"verdict":"","heading":"","lines":[],
//    "tally":"0 of 0 right"}}
// entries hold every field's text by its name; focus, after the last
// command, is "introduction", "transcript" or "" (where
// it was); note is the line beside the fields, noteKind "locked", "readAs"
// or "" for none; practice is "Your answer": the pupil's entries and claim,
// the last check's verdict ("right", "wrong", "refused" or "" for none), its
// heading and lines ({"text":"...","mistake":true}), and the round's tally.
const char *velmora_view(void);

// The picture of the equation calculated (see linepicture.h) as SVG text to
// place inline, its style rules in the page's style sheet; empty while
// nothing is calculated or the working refused the coefficients.
const char *velmora_picture(void);

// ---- for the tests and the benchmark ---------------------------------------

// Clears, enters the three texts and calculates; returns the transcript. It
// draws t only when it reaches the check.
const char *velmora_solve(const char *a, const char *b, const char *c,
                          const char *decimalSeparator);

// One random coefficient: the next draw r, r * R + 1 rounded half to even,
// where R is the range entry's text read as a number. Returns its digits.
const char *velmora_fill(const char *range);

// ---- the teacher's worksheet ------------------------------------------------
// (web/worksheetexports.cpp)

// The worksheet a page address asks for, as JSON. `query` holds its options
// by the command line's names, as an address's query has them
// ("worksheet&count=12&range=100&code=4711&lang=bg": pairs split by "&" or
// line feeds, percent-encoded, the name "worksheet" itself skipped).
// `language` is the page's: it speaks the refusals and the sheet where the
// query names none. `fresh` makes the code when the query gives none.
//   {"ok":true,"problem":"","code":4711,"drawn":false,"title":"…",
//    "lang":"bg","paper":"a4","choices":{"count":12,"range":100,
//    "variants":3,"unsolvable":0,"zeros":false,"euclid":false},
//    "options":{"count":"12",…},"lines":[{"role":"title","text":"…"},…],
//    "labels":{…},"lists":{"range":[["10","10"],…],"lang":[…],"paper":[…]}}
// options are the form's fields by the options' names, as read; lists the
// entries of its drop-downs, each value with the name it shows. On a refused
// option ok is false, problem is its one line, lines is empty and the
// choices hold what was read before it.
const char *velmora_worksheet(const char *query, const char *language, uint32_t fresh);

#ifdef __cplusplus
}
#endif
