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
