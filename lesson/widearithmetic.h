#pragma once

#include "wideint.h"

// Whole-number arithmetic on 128 bits for the bounds and the picture, where
// the products of a coefficient and a bound need more than 64.
Wide WideAbs(Wide n);
Wide WideGcd(Wide a, Wide b);
// Quotients rounded toward minus and plus infinity; d != 0.
Wide FloorDivide(Wide n, Wide d);
Wide CeilDivide(Wide n, Wide d);
