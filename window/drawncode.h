#pragma once

#include <cstdint>

// A worksheet's code drawn from the system's randomness, for the dialog and
// the command line alike; the page draws its bits in the browser.
std::uint32_t DrawnWorksheetCode();
