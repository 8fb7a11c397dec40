#pragma once

#include "placeholders.h"
#include "wideint.h"

#include <string>

// An integer in digits, a minus sign before a negative one: "-3".
std::string WholeText(Wide n);
