#include "answermodel.h"

namespace {

Big Abs(Big n)
{
    return n < 0 ? -n : n;
}

// g = a s + b t for a, b >= 0.
Big Extended(Big a, Big b, Big &s, Big &t)
{
    if (b == 0) {
        s = 1;
        t = 0;
        return a;
    }
    Big s1, t1;
    const Big g = Extended(b, a % b, s1, t1);
    s = t1;
    t = s1 - (a / b) * t1;
    return g;
}

} // namespace

Big Gcd(Big a, Big b)
{
    a = Abs(a);
    b = Abs(b);
    while (b != 0) {
        const Big r = a % b;
        a = b;
        b = r;
    }
    return a;
}

ModelEquation Model(std::int64_t a, std::int64_t b, std::int64_t c)
{
    ModelEquation e{a, b, c, 0, false, 0, 0, 0, 0};
    if (a == 0 && b == 0) {
        e.solvable = c == 0;
        return e;
    }
    Big s, t;
    e.gcd = Extended(Abs(e.a), Abs(e.b), s, t);
    e.solvable = e.c % e.gcd == 0;
    e.stepX = e.b / e.gcd;
    e.stepY = -e.a / e.gcd;
    if (e.solvable) {
        const Big k = e.c / e.gcd;
        e.x1 = (e.a < 0 ? -s : s) * k;
        e.y1 = (e.b < 0 ? -t : t) * k;
        // Smallest |x1| in the family, to keep pairs built from it small.
        if (e.stepX != 0) {
            const Big m = Abs(e.stepX);
            const Big shift = (e.x1 % m + m) % m - e.x1;
            const Big times = shift / e.stepX;
            e.x1 += times * e.stepX;
            e.y1 += times * e.stepY;
        }
    }
    return e;
}

std::optional<Finding> Slip(const ModelEquation &e, Big x, Big y)
{
    if (e.a * y + e.b * x == e.c)
        return Finding::PairSwapped;
    if (-e.a * x + e.b * y == e.c)
        return Finding::SignOfX;
    if (e.a * x - e.b * y == e.c)
        return Finding::SignOfY;
    if (-e.a * x - e.b * y == e.c)
        return Finding::SignsOfBoth;
    return std::nullopt;
}

std::optional<Finding> FirstMistake(const ModelEquation &e, Big x, Big y, Big p, Big q)
{
    if (!e.solvable)
        return Finding::NoPairExists;
    if (e.a * x + e.b * y != e.c)
        return Finding::ParticularWrong;
    if (e.a == 0 && e.b == 0)
        return std::nullopt; // every pair, no steps to give
    // Steps reach every solution when they solve the homogeneous equation and
    // have no common factor: then they are a unit multiple of the smallest.
    if (p == 0 && q == 0)
        return Finding::StepsZero;
    if (e.a * p + e.b * q != 0)
        return Finding::StepsRelation;
    const Big common = Gcd(p, q);
    if (common == 1)
        return std::nullopt;
    return common == e.gcd ? Finding::StepsMultipleOfGcd : Finding::StepsMultiple;
}
