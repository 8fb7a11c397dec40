#include "oracle.h"

std::int64_t SubtractionGcd(std::int64_t a, std::int64_t b)
{
    while (a != b) {
        if (a > b)
            a -= b;
        else
            b -= a;
    }
    return a;
}

std::optional<LiteralPair> LiteralSearch(double a, double b, double c, double limit)
{
    for (double i = 0; i <= limit; ++i) {
        for (double j = 0; j <= limit; ++j) {
            if (a * i + b * j == c)
                return LiteralPair{i, j, 1};
            if (a * -i + b * j == c)
                return LiteralPair{-i, j, 2};
            if (a * i - b * j == c)
                return LiteralPair{i, -j, 3};
            if (a * -i - b * j == c)
                return LiteralPair{-i, -j, 4};
        }
    }
    return std::nullopt;
}
