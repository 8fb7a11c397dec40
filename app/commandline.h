#pragma once

#include "calculation.h"
#include "catalogue.h"
#include "euclidlesson.h"
#include "solutionbounds.h"
#include "worksheetchoices.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

// velmora run from a shell: --help, --version, --explain A B C with the
// bounds on its solutions and Euclid's method, --picture A B C with the
// bounds and --worksheet with its options, each with --lang, read by Qt's
// QCommandLineParser. Needs no display, nor any Qt but its core, so that it
// runs anywhere and its tests need none either.

// What the arguments (after the program's name) ask for.
struct CommandLineRequest
{
    enum class Mode {
        Window, // no option of the program's: the window's, Qt's options left to Qt
        Help,
        Version,
        Explain,
        Picture,
        Worksheet,
        Refused, // a fault among the program's own options
    };
    Mode mode = Mode::Window;
    // --lang's catalogue, else the desktop's: it speaks the output and the
    // refusals, and writes the worksheet.
    const Catalogue *language = nullptr;
    // The first bad argument, in that language and one line; empty where
    // none is. In the window's mode, an argument nothing here takes, which
    // Qt may yet take as its own.
    std::string fault;
    std::array<std::string, 3> coefficients; // for --explain and --picture, as typed
    // For --explain and --picture: --positive or --non-negative joined with the ends
    // given, the tighter end winning; none set where no bound is given.
    SolutionBounds bounds;
    EuclidLesson::Method method = EuclidLesson::Method::Substitution; // --method, for --explain
    WorksheetChoices choices; // for --worksheet, the code 0 where none is given
    std::string output;       // the worksheet's PDF file, the picture's SVG file or "-"
};

// A bound's fraction is read with the locale's decimal separator, or a
// point, so that "4,0" is the whole number it means.
CommandLineRequest ReadCommandLine(std::span<const std::string_view> arguments,
                                   const Catalogue &desktop,
                                   std::string_view decimalSeparator = ".");

// What a run prints and the status it exits with.
struct CommandLineResult
{
    int status = 0;
    std::string out; // UTF-8, LF lines
    std::string err; // one line, for bad arguments
};

struct CommandLineSetting
{
    std::string_view decimalSeparator; // of the locale's numbers
    const RandomSource &random;        // the transcript's t
    std::string_view version;
};

// Help, version, --explain, --picture and every refusal (a file that cannot
// be written, status 1); a worksheet is written by the
// program (app/worksheetcommand.h), as it needs Qt's painting, and the
// window's mode, fault-free, asks for nothing here.
CommandLineResult RunCommandLine(const CommandLineRequest &request,
                                 const CommandLineSetting &setting);

// The refusal of a bad argument, as the command line writes it.
CommandLineResult Refusal(const std::string &fault);

// What --explain prints: the transcript as the solver writes it, then under
// a heading Euclid's way and, where bounds are set, under its own the
// solutions within them, all with LF line ends.
std::string ExplainText(std::string_view a, std::string_view b, std::string_view c,
                        std::string_view decimalSeparator, const Catalogue &language,
                        const RandomSource &random, const SolutionBounds &bounds = {},
                        EuclidLesson::Method method = EuclidLesson::Method::Substitution);
