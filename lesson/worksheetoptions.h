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

// The one reader of the worksheet's options, for the command line (--count
// 12), the page's address (count=12) and the window's dialog alike, by the
// names and limits of worksheetdesign.h. Numbers are plain decimal digits;
// a percentage may end in "%"; names of values are read in any case; the
// language is any tag the program's language rule reads ("EN", "bg-BG");
// a flag's value, where one is given, is 1/0, yes/no, true/false or on/off.
std::optional<OptionProblem> ApplyWorksheetOption(WorksheetChoices &choices, std::string_view name,
                                                  std::string_view value);

// The choices from the defaults and the options in order, or the first one
// refused.
using OptionPairs = std::vector<std::pair<std::string, std::string>>;
std::variant<WorksheetChoices, OptionProblem> ReadWorksheetOptions(const OptionPairs &options);

// The choices as options, which ReadWorksheetOptions reads back as they are;
// the code left out while it is 0.
OptionPairs WorksheetOptionPairs(const WorksheetChoices &choices);

// What an option allows, as a refusal says it ("1-40"), and as the help
// writes it ("10|100|200|…|2000").
std::string AllowedValues(const SheetOption &option);
std::string OptionSyntax(const SheetOption &option);

// The refusal in one line of that language; `prefix` goes before the
// option's name ("--" on the command line).
std::string OptionProblemText(const OptionProblem &problem, const Catalogue &language,
                              std::string_view prefix);

// The refusal as a form shows it: the option named by its field's caption
// in the dialog's words ("Number of equations: “50” is not allowed; …"), an
// option no form has by its name.
std::string OptionProblemFormText(const OptionProblem &problem, const Catalogue &language);

// The caption of an option's field, without its mnemonic's "&" and the
// closing colon; empty for a name no form has.
std::string OptionCaption(std::string_view name, const Catalogue &language);

// A code drawn for a sheet from any 32 random bits.
std::uint32_t WorksheetCode(std::uint32_t random);
