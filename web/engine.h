#pragma once

// The engine's C interface for the browser page. The page calls nothing else
// of the solver: reading numbers, the transcript and every rounding stay in
// C++. Texts cross as UTF-8 with a closing NUL in the module's memory.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Memory for a text the page hands in (size includes the closing NUL).
char *velmora_alloc(uint32_t size);
void velmora_free(char *text);

// The page's one random sequence: seeded once when the page loads, then each
// draw gives the next r with 0 <= r < 1, for fills and for t alike.
void velmora_seed(uint32_t low, uint32_t high);
float velmora_draw(void);

// One calculation over the three coefficient texts. r is the draw for t,
// used only when the calculation gets that far. Returns the transcript with
// its CR LF line ends, valid until the next call. A, B, C and NOD outlive the
// call, as they outlive a calculation in the desktop window.
const char *velmora_solve(const char *a, const char *b, const char *c, float r,
                          const char *decimalSeparator);

// One random coefficient: r * R + 1 rounded half to even, where R is the
// range entry's text read as a number. Returns its digits, valid until the
// next call.
const char *velmora_fill(float r, const char *range);

#ifdef __cplusplus
}
#endif
