#include "integertext.h"

std::string IntegerText(Integer n)
{
    // Digit by digit from the remainder's magnitude, so the most negative
    // value needs no negation.
    char digits[48];
    char *p = digits + sizeof digits;
    const bool negative = n < 0;
    do {
        const int d = static_cast<int>(n % 10);
        *--p = static_cast<char>('0' + (d < 0 ? -d : d));
        n /= 10;
    } while (n != 0);
    if (negative)
        *--p = '-';
    return std::string(p, digits + sizeof digits);
}

std::string TermText(Integer n)
{
    if (n >= 0)
        return IntegerText(n);
    std::string term(1, '(');
    term += IntegerText(n);
    term += ')';
    return term;
}
