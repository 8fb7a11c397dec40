#include "drawncode.h"

#include "worksheetoptions.h"

#include <random>

std::uint32_t DrawnWorksheetCode()
{
    std::random_device device;
    return WorksheetCode(device());
}
