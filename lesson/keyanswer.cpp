#include "keyanswer.h"

#include "prepareequation.h"
#include "search.h"

#include <algorithm>
#include <cstdlib>

KeyAnswer AnswerOf(const SheetEquation &e)
{
    const std::int64_t g = GreatestCommonDivisor(std::llabs(e.a), std::llabs(e.b));
    KeyAnswer answer{g, e.c % g == 0, e.a, e.b, e.c, 0, 0};
    if (!answer.solvable)
        return answer;
    answer.a = e.a / g;
    answer.b = e.b / g;
    answer.c = e.c / g;
    const std::int64_t a = answer.a, b = answer.b, c = answer.c;

    // The search walks from (0, 0): with a zero somewhere its first pair
    // lies on an axis.
    if (c == 0)
        return answer;
    if (a == 0) {
        answer.yo = c / b;
        return answer;
    }
    if (b == 0) {
        answer.xo = c / a;
        return answer;
    }

    // As the transcript searches: up to the largest signed coefficient, and
    // should that hold no pair, up to the largest magnitude.
    auto hit = FirstAcceptedPair(a, b, c, std::max({a, b, c}));
    if (!hit)
        hit = FirstAcceptedPair(a, b, c, std::max({std::llabs(a), std::llabs(b), std::llabs(c)}));
    answer.xo = hit->x;
    answer.yo = hit->y;
    return answer;
}
