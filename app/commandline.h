#pragma once

#include "calculation.h"
#include "catalogue.h"

#include <span>
#include <string>
#include <string_view>

// velmora run from a shell: --help, --version and --explain A B C [--lang
// CODE]. Free of any toolkit, so that it needs no display and can be tested.

// Whether the arguments (after the program's name) are for the command line
// rather than the window: any of its options, or an option that is neither
// its own nor one of Qt's. Anything else is left to Qt, as before.
bool WantsCommandLine(std::span<const std::string_view> arguments);

// What a run prints and the status it exits with.
struct CommandLineResult
{
    int status = 0;
    std::string out; // UTF-8, LF lines
    std::string err; // one line, for bad arguments
};

struct CommandLineSetting
{
    const Catalogue &language;         // where --lang does not choose one
    std::string_view decimalSeparator; // of the locale's numbers
    const RandomSource &random;        // the transcript's t
    std::string_view version;
};

CommandLineResult RunCommandLine(std::span<const std::string_view> arguments,
                                 const CommandLineSetting &setting);

// What --explain prints: the transcript as the solver writes it, then under
// a heading Euclid's way, both with LF line ends.
std::string ExplainText(std::string_view a, std::string_view b, std::string_view c,
                        std::string_view decimalSeparator, const Catalogue &language,
                        const RandomSource &random);
