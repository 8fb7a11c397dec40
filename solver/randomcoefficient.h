#pragma once

#include <string>

// One coefficient of a random fill, as the field shows it: r * R + 1 rounded
// to the nearest integer, a tie going to the even one, so 1 to R + 1 with
// the two ends half as likely as the values between.
std::string RandomCoefficient(float r, double range);
