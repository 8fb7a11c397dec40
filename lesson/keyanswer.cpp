#include "keyanswer.h"

#include "findsolution.h"
#include "prepareequation.h"

#include <cstdlib>
#include <optional>

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

    const std::optional<SearchHit> hit = SearchParticularSolution(a, b, c).hit;
    answer.xo = hit->x;
    answer.yo = hit->y;
    return answer;
}
