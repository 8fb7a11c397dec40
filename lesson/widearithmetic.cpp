#include "widearithmetic.h"

Wide WideAbs(Wide n)
{
    return n < 0 ? -n : n;
}

Wide WideGcd(Wide a, Wide b)
{
    a = WideAbs(a);
    b = WideAbs(b);
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

Wide FloorDivide(Wide n, Wide d)
{
    const Wide q = n / d;
    return n % d != 0 && ((n < 0) != (d < 0)) ? q - 1 : q;
}

Wide CeilDivide(Wide n, Wide d)
{
    const Wide q = n / d;
    return n % d != 0 && ((n < 0) == (d < 0)) ? q + 1 : q;
}
