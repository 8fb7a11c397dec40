#include "practicetext.h"

#include <algorithm>

std::string WholeText(Wide n)
{
    // Digits from the lowest up; a negative n is taken apart digit by digit
    // so that the most negative value needs no negation.
    std::string digits;
    const bool negative = n < 0;
    do {
        const int digit = static_cast<int>(n % 10);
        digits += static_cast<char>('0' + (negative ? -digit : digit));
        n /= 10;
    } while (n != 0);
    if (negative)
        digits += '-';
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string FactorText(Wide n)
{
    if (n >= 0)
        return WholeText(n);
    std::string text(1, '(');
    text += WholeText(n);
    text += ')';
    return text;
}

std::string ProductText(Wide a, Wide x, Wide b, Wide y)
{
    return FactorText(a) + " * " + FactorText(x) + " + " + FactorText(b) + " * " + FactorText(y);
}
