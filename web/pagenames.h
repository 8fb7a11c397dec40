#pragma once

#include "controltable.h"

#include <cstdint>
#include <string>

// How the design tables are named in the page and in design.json.

// Pole0, Buton2, …: arrays carry their index; Sluch and Label1 stand alone.
std::string elementId(const ControlEntry &entry);

// A 0x00BBGGRR colour as CSS writes it, #rrggbb.
std::string cssColour(std::uint32_t bgr);
