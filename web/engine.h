#pragma once

// The engine's C interface for the browser page. The page calls nothing else
// of the solver: reading numbers, the transcript, every rounding and the
// random sequence stay in C++. Texts cross as UTF-8 with a closing NUL in
// the module's memory.

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

// One calculation over the three coefficient texts; it draws t only when it
// reaches the check. Returns the transcript with its CR LF line ends, valid
// until the next call. A, B, C and NOD outlive the call, as they outlive a
// calculation in the desktop window.
const char *velmora_solve(const char *a, const char *b, const char *c,
                          const char *decimalSeparator);

// One random coefficient: the next draw r, r * R + 1 rounded half to even,
// where R is the range entry's text read as a number. Returns its digits,
// valid until the next call.
const char *velmora_fill(const char *range);

#ifdef __cplusplus
}
#endif
