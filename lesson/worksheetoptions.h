#pragma once

#include "catalogue.h"
#include "worksheetchoices.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// A refused option: its name, the value given and what it allows.
struct OptionProblem
{
    std::string option;
    std::string value;
    std::string allowed;
    bool unknown = false; // no option of that name

    bool operator==(const OptionProblem &) const = default;
};

// The options by the names the command line (--count 12) and the page's
// query (count=12) share:
//   count       1..40                    range  10, 100, 200, 500, 1000, 1500, 2000
//   variants    1..40                    code   1..999999
//   lang        a catalogue's code       paper  a4, letter
//   unsolvable  the share without integer solutions, percent 0..100 ("25" or "25%")
//   zeros, euclid  flags: no value, or 1/0, yes/no, true/false, on/off
// Numbers are plain decimal digits; names of values are read in any case.
std::optional<OptionProblem> ApplyWorksheetOption(WorksheetChoices &choices, std::string_view name,
                                                  std::string_view value);

// A flag may come without a value; every other option needs one.
bool IsWorksheetFlag(std::string_view name);

// The choices from the defaults and the options in order, or the first one
// refused.
std::variant<WorksheetChoices, OptionProblem>
ReadWorksheetOptions(const std::vector<std::pair<std::string, std::string>> &options);

// The refusal in one line of that language; `prefix` goes before the
// option's name ("--" on the command line).
std::string OptionProblemText(const OptionProblem &problem, const Catalogue &language,
                              std::string_view prefix);
