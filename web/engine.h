#pragma once

// The engine's C interface for the browser page. The page holds no rule of
// its own: it forwards the user's actions to one Visit (visit.h) and shows
// what velmora_view() returns. Reading numbers, the transcript, every
// rounding, the random sequence, the states of the inputs and the choice of
// language stay in C++. Texts cross as UTF-8 with a closing NUL in the
// module's memory; a returned text is valid until the next call.

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

// ---- the page's language ----------------------------------------------------

// The code ("bg", "en") of the language the page speaks: `address` is ?lang=
// in its address, `stored` the choice kept from an earlier visit (either
// empty where there is none), `browserTags` the browser's languages in
// order, one a line.
const char *velmora_choose_language(const char *address, const char *stored,
                                    const char *browserTags);

// The visit speaks the language of `code` from now on: 1 when the engine has
// that language, else 0 and the language stays. A new language starts a new
// account (see Visit::SetLanguage). Bulgarian until the page chooses.
int velmora_language(const char *code);

// ---- the visit ----------------------------------------------------------------

// What the user's locale writes between a number's whole and its fraction.
void velmora_separator(const char *separator);

// The user's actions: start-up, a button (0 Изчисли, 1 Изчисти, 2 Данни), a
// selection of range `index` in the list, Enter in a coefficient field, and
// field k (1 to 3) now holding `text`.
void velmora_form_load(void);
void velmora_button(int index);
void velmora_select_range(int index);
void velmora_enter(void);
void velmora_edit(int k, const char *text);

// What the page shows, as JSON:
//   {"language":"bg","fields":["3","5","7"],"locked":false,"calculate":true,
//    "range":0,"transcript":"...\r\n","focus":"transcript","accounts":[],
//    "practice":{"answer":["","","",""],"noSolution":false,"verdict":"",
//                "heading":"","lines":[],"tally":"0 of 0 right"}}
// where focus, after the last action, is "introduction", "transcript" or
// "" (where it was), and accounts holds each account's text in the order the
// visit was given them. practice is "Your answer": the pupil's four entries
// and claim, the last check's verdict ("right", "wrong", "refused" or "" for
// none), its heading and lines ({"text":"...","mistake":true}), and the
// round's tally.
const char *velmora_view(void);

// ---- "Your answer" -----------------------------------------------------------

// The pupil's entries as they stand: x0, y0, the steps p and q, and the
// claim that there is no integer solution. A new equation (New data, a
// range, Clear) or a new language empties them and the feedback.
void velmora_answer(const char *x0, const char *y0, const char *p, const char *q, int noSolution);

// Checks the answer against the equation in the fields and counts it in the
// round; returns the view's "practice" object as JSON.
const char *velmora_check(void);

// Starts the round's count again; returns the view's "practice" object.
const char *velmora_clear_tally(void);

// ---- one calculation, for the tests -----------------------------------------

// Clears, enters the three texts and calculates; returns the transcript. The
// visit's values A, B, C and NOD outlive the call, as they outlive a
// calculation in the desktop window; it draws t only when it reaches the
// check.
const char *velmora_solve(const char *a, const char *b, const char *c,
                          const char *decimalSeparator);

// The text of the visit's account `index` (0 is Euclid's way), as the view's
// accounts hold it; empty for an index it does not have.
const char *velmora_account(int index);

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
//    "lines":[{"role":"title","text":"…"},…],"labels":{…},
//    "ranges":["10",…],"languages":[{"code":"bg","name":"…"},…]}
// On a refused option ok is false, problem is its one line, lines is empty
// and choices hold what was read before it.
const char *velmora_worksheet(const char *query, const char *language, uint32_t fresh);

#ifdef __cplusplus
}
#endif
