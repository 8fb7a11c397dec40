#include "keyanswer.h"

#include "prepareequation.h"
#include "transcriptfamily.h"

#include <cstdlib>

KeyAnswer AnswerOf(const SheetEquation &e)
{
    const std::int64_t g = GreatestCommonDivisor(std::llabs(e.a), std::llabs(e.b));
    KeyAnswer answer{g, e.c % g == 0, e.a, e.b, e.c, 0, 0, std::nullopt};
    if (!answer.solvable)
        return answer;
    answer.a = e.a / g;
    answer.b = e.b / g;
    answer.c = e.c / g;
    const auto [xo, yo] = FirstSolution(e.a, e.b, e.c);
    answer.xo = xo;
    answer.yo = yo;
    answer.euclid = FindGeneralSolution(e.a, e.b, e.c);
    return answer;
}
