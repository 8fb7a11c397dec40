// velmora's command line: which arguments it takes over from the window, what
// --explain, --help and --version print, the bounds on --explain's solutions,
// --method, the SVG --picture writes, read back, the worksheet's options, --lang in every form, the
// one-line errors with status 2 in the chosen language, and the built program run with no display.

#include "boundsaccount.h"
#include "commandline.h"
#include "euclid.h"
#include "linepicture.h"
#include "solvetexts.h"
#include "svgreader.h"
#include "worksheetdocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <tuple>

namespace {

// Every language's code, as the program lists them.
std::string Codes(std::string_view separator)
{
    std::string codes;
    for (const Catalogue *catalogue : Catalogues)
        codes += (codes.empty() ? "" : std::string(separator)) + std::string(catalogue->code);
    return codes;
}

std::string LineFeeds(std::string text)
{
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n'))
            out += text[k];
    return out;
}

// The transcript as the solver writes it for t, then Euclid's way.
std::string Expected(const std::string &a, const std::string &b, const std::string &c, int t,
                     const Catalogue &language, std::string_view separator = ".")
{
    return LineFeeds(SolveTexts(a, b, c, t, separator, language)) + "\n" +
           std::string(language.euclid.title.value) + "\n" +
           LineFeeds(EuclidAccount(a, b, c, separator, language));
}

// Then, where bounds are set, the solutions within them under their heading.
std::string ExpectedBounded(const std::string &a, const std::string &b, const std::string &c, int t,
                            const SolutionBounds &bounds, const Catalogue &language)
{
    return Expected(a, b, c, t, language) + "\n" + std::string(language.bounds.title.value) + "\n" +
           LineFeeds(BoundsAccount(a, b, c, bounds, language));
}

CommandLineResult Velmora(std::vector<std::string_view> arguments,
                          const Catalogue &desktop = Bulgarian, std::string_view separator = ".")
{
    const RandomSource random = FixedT({4});
    return RunCommandLine(ReadCommandLine(arguments, desktop, separator),
                          {separator, random, "1.2.3"});
}

using Mode = CommandLineRequest::Mode;

struct ModeRow
{
    std::vector<std::string_view> arguments;
    Mode mode;
    bool fault;
};

class ModeRows : public testing::TestWithParam<ModeRow>
{
};

// With no option of the program's the window opens, and what Qt does not
// take of the rest is refused once it has had its turn.
TEST_P(ModeRows, OwnOptionsTakeTheCommandLineTheRestIsTheWindows)
{
    const CommandLineRequest request = ReadCommandLine(GetParam().arguments, English);
    EXPECT_EQ(request.mode, GetParam().mode);
    EXPECT_EQ(!request.fault.empty(), GetParam().fault) << request.fault;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ModeRows,
    testing::Values(
        ModeRow{{}, Mode::Window, false}, ModeRow{{"-platform", "offscreen"}, Mode::Window, true},
        ModeRow{{"--style=fusion"}, Mode::Window, true}, ModeRow{{"--help"}, Mode::Help, false},
        ModeRow{{"-h"}, Mode::Help, false}, ModeRow{{"--version"}, Mode::Version, false},
        ModeRow{{"--explain", "1", "2", "3"}, Mode::Explain, false},
        ModeRow{{"-explain", "1", "-2", "3"}, Mode::Explain, false},
        ModeRow{{"--worksheet", "-o", "x.pdf"}, Mode::Worksheet, false},
        ModeRow{{"--lang=en"}, Mode::Refused, true}, ModeRow{{"--explian"}, Mode::Window, true},
        ModeRow{{"--explain", "1", "2", "3", "--x-min", "-5"}, Mode::Explain, false},
        ModeRow{{"--positive"}, Mode::Refused, true},
        ModeRow{{"--picture", "1", "-2", "3", "-o", "-"}, Mode::Picture, false},
        ModeRow{{"--explain", "1", "-2", "3", "--method", "table"}, Mode::Explain, false},
        ModeRow{{"--help", "--positive"}, Mode::Help, false},
        ModeRow{{"-platform", "xcb", "--help", "--bogus"}, Mode::Refused, true}));

TEST(CommandLine, WorksheetOptionsReadIntoTheChoices)
{
    const CommandLineRequest request = ReadCommandLine(
        std::vector<std::string_view>{"--worksheet",     "--count=12", "--range",    "1000",
                                      "--variants",      "3",          "--code",     "77",
                                      "--unsolvable",    "25%",        "--zeros=no", "--euclid",
                                      "--paper",         "Letter",     "--lang",     "en-GB",
                                      "--word-problems", "40%",        "--output",   "sheet.pdf"},
        Bulgarian);
    ASSERT_EQ(request.fault, "");
    const WorksheetChoices expected{.count = 12,
                                    .range = 1000,
                                    .variants = 3,
                                    .language = "en",
                                    .unsolvablePercent = 25,
                                    .zeros = false,
                                    .euclid = true,
                                    .paper = Paper::Letter,
                                    .code = 77,
                                    .wordPercent = 40};
    EXPECT_EQ(request.choices, expected);
    EXPECT_EQ(request.output, "sheet.pdf");
    EXPECT_EQ(request.language, &English);

    // What is left out is the design's default; the code 0 until drawn.
    const auto plain =
        ReadCommandLine(std::vector<std::string_view>{"--worksheet", "-o", "x.pdf"}, Bulgarian);
    EXPECT_EQ(plain.choices, WorksheetChoices{});
    EXPECT_EQ(plain.language, &Bulgarian);
}

// The key's Euclid's way follows --method: with table every entry's small
// print has the extended table's rows, and no back-substitution.
TEST(CommandLine, WorksheetKeyFollowsTheMethod)
{
    using Method = EuclidLesson::Method;
    const auto smallPrint = [](std::vector<std::string_view> words) {
        const CommandLineRequest request = ReadCommandLine(words, English);
        EXPECT_EQ(request.fault, "");
        std::vector<std::string> lines;
        for (const SheetLine &line : ChosenWorksheetDocument(request.choices).lines)
            if (line.role == SheetRole::SmallPrint)
                lines.push_back(line.text);
        return std::pair(request.choices.euclidMethod, lines);
    };
    const auto [table, tabled] =
        smallPrint({"--worksheet", "--code", "77", "--euclid", "--method", "TABLE", "-o", "x.pdf"});
    const auto [byDefault, substituted] =
        smallPrint({"--worksheet", "--code", "77", "--euclid", "-o", "x.pdf"});
    const auto [substitution, named] = smallPrint(
        {"--worksheet", "--code", "77", "--euclid", "--method=substitution", "-o", "x.pdf"});
    EXPECT_EQ(table, Method::Table);
    EXPECT_EQ(byDefault, Method::Substitution);
    EXPECT_EQ(substitution, Method::Substitution);
    EXPECT_EQ(named, substituted);
    const auto count = [](const std::vector<std::string> &lines, std::string_view text) {
        return std::count_if(lines.begin(), lines.end(), [&](const std::string &line) {
            return line.find(text) != std::string::npos;
        });
    };
    // The table's header row, "q  r  s  t" right-aligned, once an entry
    // that reaches the algorithm.
    const std::string backSubstitution(English.euclid.backSubstitution.value);
    EXPECT_GT(count(tabled, "  q  "), 0);
    EXPECT_EQ(count(substituted, "  q  "), 0);
    EXPECT_EQ(count(tabled, backSubstitution), 0);
    EXPECT_GT(count(substituted, backSubstitution), 0);
}

// --lang reads a code as the desktop and the page read theirs: in any case,
// with a region, an encoding or a modifier after it.
TEST(CommandLine, LangTakesEveryFormOfACode)
{
    for (const Catalogue *language : Catalogues) {
        const std::string code(language->code);
        std::string upper = code;
        for (char &c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (const std::string &form :
             {code, upper, code + "-" + upper, code + "_" + upper + ".UTF-8", code + "@latin"}) {
            const auto result = Velmora({"--help", "--lang", form});
            EXPECT_EQ(result.status, 0) << form << ": " << result.err;
            EXPECT_EQ(result.out, Velmora({"--help"}, *language).out) << form;
            EXPECT_EQ(Velmora({"--lang=" + form, "--explain", "3", "5", "7"}).out,
                      Expected("3", "5", "7", 4, *language))
                << form;
        }
    }
}

TEST(CommandLine, ExplainPrintsTheTranscriptThenEuclidsWay)
{
    const auto result = Velmora({"--explain", "91", "-35", "14", "--lang", "en"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, Expected("91", "-35", "14", 4, English));
    EXPECT_EQ(result.out.find('\r'), std::string::npos);
    EXPECT_NE(result.out.find(
                  "\nUsing Euclid's algorithm\nThe equation to solve in integers: 91x − 35y = "
                  "14\n"),
              std::string::npos);
}

TEST(CommandLine, CoefficientsTakenAsTyped)
{
    // Negative numbers, an option's look-alike and texts the reading rule
    // turns into numbers are all coefficients after --explain.
    EXPECT_EQ(Velmora({"--explain", "-91", "-35", "-14"}).out,
              Expected("-91", "-35", "-14", 4, Bulgarian));
    EXPECT_EQ(Velmora({"--lang=en", "--explain", "--help", "", "1,5"}).out,
              Expected("--help", "", "1,5", 4, English));
    EXPECT_EQ(Velmora({"--explain", "1,5", "7", "3"}, English, ",").out,
              Expected("1,5", "7", "3", 4, English, ","));
}

struct BoundsRow
{
    std::vector<std::string_view> arguments; // after --explain 3 5 47
    std::string_view separator;
    SolutionBounds bounds;
};

class BoundsRows : public testing::TestWithParam<BoundsRow>
{
};

// Each end as typed, a negative one too, joined with --positive or
// --non-negative so that the tighter end holds.
TEST_P(BoundsRows, ReadAndJoined)
{
    std::vector<std::string_view> arguments = {"--explain", "3", "5", "47"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const CommandLineRequest request = ReadCommandLine(arguments, English, GetParam().separator);
    ASSERT_EQ(request.fault, "");
    EXPECT_EQ(request.mode, Mode::Explain);
    EXPECT_EQ(request.bounds, GetParam().bounds);
    const std::array<std::string, 3> coefficients = {"3", "5", "47"};
    EXPECT_EQ(request.coefficients, coefficients);
}

constexpr auto None = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Arguments, BoundsRows,
    testing::Values(BoundsRow{{}, ".", {}}, BoundsRow{{"--positive"}, ".", {1, None, 1, None}},
                    BoundsRow{{"--non-negative"}, ".", {0, None, 0, None}},
                    BoundsRow{{"--x-min", "-5", "--x-max", "5"}, ".", {-5, 5, None, None}},
                    BoundsRow{{"--y-min=-6", "-y-max", "+7"}, ".", {None, None, -6, 7}},
                    BoundsRow{{"--x-max", "\u22122", "--y-max", " 40 "}, ".", {None, -2, None, 40}},
                    BoundsRow{
                        {"--positive", "--x-min", "5", "--y-min", "-3"}, ".", {5, None, 1, None}},
                    BoundsRow{{"--x-max", "-1", "--non-negative"}, ".", {0, -1, 0, None}},
                    BoundsRow{{"--x-min", "4,0", "--lang", "bg"}, ",", {4, None, None, None}},
                    BoundsRow{{"--x-min", "4.0"}, ",", {4, None, None, None}},
                    BoundsRow{{"--x-min", "-2147483648", "--y-max", "2147483647"},
                              ".",
                              {-2147483648, None, None, 2147483647}}));

struct ListedRow
{
    std::vector<std::string_view> arguments;
    const Catalogue *language;
    std::string listed; // the solutions as the account lists them
};

class ListedRows : public testing::TestWithParam<ListedRow>
{
};

// After Euclid's way, under their own heading, the solutions the bounds
// allow, in the language's pairs.
TEST_P(ListedRows, ExplainEndsWithTheSolutionsWithinTheBounds)
{
    const ListedRow &row = GetParam();
    std::vector<std::string_view> arguments = row.arguments;
    arguments.insert(arguments.end(), {"--lang", row.language->code.value});
    const auto result = Velmora(arguments, English);
    ASSERT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    const CommandLineRequest request = ReadCommandLine(arguments, English);
    const auto &[a, b, c] = request.coefficients;
    EXPECT_EQ(result.out, ExpectedBounded(a, b, c, 4, request.bounds, *row.language));
    const std::string heading = "\n\n" + std::string(row.language->bounds.title.value) + "\n";
    const std::size_t title = result.out.find(heading);
    ASSERT_NE(title, std::string::npos) << result.out;
    EXPECT_GT(title, result.out.find(row.language->euclid.title.value));
    EXPECT_NE(result.out.find(": " + row.listed + "\n", title), std::string::npos) << result.out;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ListedRows,
    testing::Values(
        ListedRow{
            {"--explain", "3", "5", "47", "--positive"}, &Bulgarian, "(4; 7), (9; 4), (14; 1)"},
        ListedRow{{"--explain", "3", "5", "47", "--positive"}, &English, "(4, 7), (9, 4), (14, 1)"},
        ListedRow{{"--positive", "--explain", "3", "5", "47", "--x-min", "5"},
                  &Bulgarian,
                  "(9; 4), (14; 1)"},
        ListedRow{{"--explain", "3", "5", "47", "--non-negative", "--x-max", "10"},
                  &English,
                  "(4, 7), (9, 4)"},
        ListedRow{{"--explain", "3", "5", "47", "--x-min", "-6", "--x-max", "5"},
                  &Bulgarian,
                  "(−6; 13), (−1; 10), (4; 7)"},
        ListedRow{{"--explain", "4", "2", "18", "--non-negative"},
                  &Bulgarian,
                  "(0; 9), (1; 7), (2; 5), (3; 3), (4; 1)"},
        ListedRow{{"--explain", "-91", "35", "14", "--x-min=1", "--x-max=11"},
                  &English,
                  "(1, 3), (6, 16), (11, 29)"}));

// No bound, no heading; a bound on an equation the working refuses adds
// nothing to what Euclid's way says of it.
TEST(CommandLine, BoundsAddNothingWhereThereIsNoAccount)
{
    EXPECT_EQ(Velmora({"--explain", "3", "5", "47"}).out, Expected("3", "5", "47", 4, Bulgarian));
    EXPECT_EQ(Velmora({"--explain", "3", "40000", "47", "--positive"}).out,
              Expected("3", "40000", "47", 4, Bulgarian));
    const std::string unsolvable = Velmora({"--explain", "4", "6", "3", "--positive"}).out;
    EXPECT_NE(unsolvable.find(Bulgarian.bounds.title.value), std::string::npos);
    EXPECT_NE(unsolvable.find(Bulgarian.bounds.noSolution.value), std::string::npos);
}

// The table's rows as the account prints them: q (empty in the first two
// rows), r, s, t, with U+2212 for minus.
std::vector<std::array<long long, 4>> TableRows(const std::string &out)
{
    std::vector<std::array<long long, 4>> rows;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string q, r, s, t, more;
        if (words >> q >> r >> s >> t && !(words >> more) && q + r + s + t == "qrst")
            break;
    }
    while (std::getline(lines, line) && line.starts_with("  ")) {
        // Read the minus signs as the stream's own, a byte each.
        std::string plain;
        for (std::size_t at = 0; at < line.size();) {
            if (line.compare(at, 3, "\u2212") == 0) {
                plain += '-';
                at += 3;
            } else {
                plain += line[at++];
            }
        }
        line = plain;
        std::istringstream cells(line);
        std::vector<long long> numbers;
        for (long long n; cells >> n;)
            numbers.push_back(n);
        if (numbers.size() == 3)
            numbers.insert(numbers.begin(), 0);
        if (numbers.size() != 4)
            break;
        rows.push_back({numbers[0], numbers[1], numbers[2], numbers[3]});
    }
    return rows;
}

// --method table lays Euclid's way out as the extended table, every row
// keeping r = s·|A| + t·|B| down to the GCD; substitution is the default.
TEST(CommandLine, MethodChoosesHowEuclidsWayIsLaidOut)
{
    using Row = std::tuple<std::string, std::string, std::string, long long>;
    for (const auto &[a, b, c, gcd] : std::vector<Row>{
             {"91", "35", "14", 7}, {"-1534", "1309", "652", 1}, {"240", "-46", "2", 2}}) {
        for (const Catalogue *language : Catalogues) {
            const std::string code(language->code);
            const auto table = Velmora({"--explain", a, b, c, "--method", "table", "--lang", code});
            ASSERT_EQ(table.status, 0) << table.err;
            EXPECT_EQ(table.out, LineFeeds(SolveTexts(a, b, c, 4, ".", *language)) + "\n" +
                                     std::string(language->euclid.title.value) + "\n" +
                                     LineFeeds(EuclidAccount(a, b, c, ".", *language,
                                                             EuclidLesson::Method::Table)));
            const auto rows = TableRows(table.out);
            const long long A = std::llabs(std::stoll(a)), B = std::llabs(std::stoll(b));
            ASSERT_GE(rows.size(), 3u) << table.out;
            EXPECT_EQ(rows[0][1], A);
            EXPECT_EQ(rows[1][1], B);
            for (const auto &[q, r, s, t] : rows)
                EXPECT_EQ(r, s * A + t * B) << a << " " << b << " row " << q << " " << r;
            EXPECT_EQ(rows.back()[1], gcd);

            const auto substitution =
                Velmora({"--explain", a, b, c, "--method", "substitution", "--lang", code});
            EXPECT_EQ(substitution.out, Velmora({"--explain", a, b, c, "--lang", code}).out);
            EXPECT_NE(substitution.out, table.out);
            EXPECT_TRUE(TableRows(substitution.out).empty());
        }
    }
    EXPECT_EQ(Velmora({"--explain", "91", "35", "14", "--method=TABLE"}).out,
              Velmora({"--explain", "91", "35", "14", "--method", "table"}).out);
}

// What the picture shows, read back: its window and its marks.
struct PictureRead
{
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    std::set<std::pair<long long, long long>> marks, inBounds;
};

PictureRead ReadPicture(const std::string &svg)
{
    PictureRead read;
    const auto root = ReadXml(svg);
    EXPECT_EQ(root->name, "svg");
    const auto edge = [&](const char *name) {
        const std::string *value = root->Attribute(name);
        return value ? std::stod(*value) : 0.0;
    };
    read.xMin = edge("data-x-min"), read.xMax = edge("data-x-max");
    read.yMin = edge("data-y-min"), read.yMax = edge("data-y-max");
    for (const XmlElement *element : root->Descendants()) {
        const std::string *x = element->Attribute("data-x"), *y = element->Attribute("data-y");
        if (!x || !y)
            continue;
        const std::pair<long long, long long> point{std::stoll(*x), std::stoll(*y)};
        read.marks.insert(point);
        if (const std::string *in = element->Attribute("data-in-bounds"); in && *in == "true")
            read.inBounds.insert(point);
    }
    return read;
}

struct PictureRow
{
    std::vector<std::string_view> arguments; // after --picture A B C -o -
    long long a, b, c;
    SolutionBounds bounds;
};

class PictureRows : public testing::TestWithParam<PictureRow>
{
};

// The marks are every integer point of the window on the line as typed, and
// the flagged ones exactly those the bounds given on the command line allow.
TEST_P(PictureRows, MarksTheSolutionsAndFlagsThoseWithinTheBounds)
{
    const PictureRow &row = GetParam();
    const std::string a = std::to_string(row.a), b = std::to_string(row.b),
                      c = std::to_string(row.c);
    std::vector<std::string_view> arguments = {"--picture", a, b, c, "-o", "-"};
    arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
    const auto result = Velmora(arguments, English);
    ASSERT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    PictureRead read;
    ASSERT_NO_THROW(read = ReadPicture(result.out)) << result.out;
    ASSERT_LT(read.xMin, read.xMax);
    ASSERT_LT(read.yMin, read.yMax);

    std::set<std::pair<long long, long long>> solutions, allowed;
    const auto within = [](long long v, const std::optional<std::int64_t> &lower,
                           const std::optional<std::int64_t> &upper) {
        return (!lower || v >= *lower) && (!upper || v <= *upper);
    };
    for (auto x = static_cast<long long>(std::ceil(read.xMin)); x <= read.xMax; ++x)
        for (auto y = static_cast<long long>(std::ceil(read.yMin)); y <= read.yMax; ++y)
            if (row.a * x + row.b * y == row.c) {
                solutions.insert({x, y});
                if (within(x, row.bounds.xMin, row.bounds.xMax) &&
                    within(y, row.bounds.yMin, row.bounds.yMax))
                    allowed.insert({x, y});
            }
    EXPECT_EQ(read.marks, solutions);
    EXPECT_EQ(read.inBounds, row.bounds.any() ? allowed : decltype(allowed){});
    EXPECT_EQ(result.out, LinePictureOfTexts(a, b, c, row.bounds, English));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, PictureRows,
    testing::Values(PictureRow{{}, 3, 5, 47, {}},
                    PictureRow{{"--positive"}, 3, 5, 47, SolutionBounds::Natural()},
                    PictureRow{{"--positive", "--x-min", "5"}, 3, 5, 47, {5, None, 1, None}},
                    PictureRow{{"--non-negative"}, 4, 2, 18, SolutionBounds::NonNegative()},
                    PictureRow{{"--x-min", "-3", "--x-max=20"}, 91, -35, 14, {-3, 20, None, None}},
                    PictureRow{{"--y-max", "0"}, -7, -3, 5, {None, None, None, 0}},
                    PictureRow{{"--positive"}, 4, 6, 3, SolutionBounds::Natural()}));

// -o FILE writes what -o - prints, in the language asked for; a file that
// cannot be written is one line and status 1, and leaves nothing behind.
TEST(CommandLine, PictureWritesTheFileStandardOutputShows)
{
    const std::string path = testing::TempDir() + "velmora_picture.svg";
    std::filesystem::remove(path);
    const auto written = Velmora({"--picture", "3", "5", "47", "--positive", "-o", path});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    const auto shown = Velmora({"--picture", "3", "5", "47", "--positive", "-o", "-"});
    EXPECT_EQ(text.str(), shown.out);
    EXPECT_EQ(shown.out, LinePictureOfTexts("3", "5", "47", SolutionBounds::Natural(), Bulgarian));
    EXPECT_NE(shown.out,
              Velmora({"--picture", "3", "5", "47", "--positive", "-o", "-", "--lang", "en"}).out);

    const std::string missing = testing::TempDir() + "no_such_directory/x.svg";
    const auto refused = Velmora({"--picture", "3", "5", "47", "-o", missing}, English);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "velmora: " + missing + ": the file cannot be written\n");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(CommandLine, LanguageByOptionElseTheDesktops)
{
    EXPECT_EQ(Velmora({"--explain", "3", "5", "7"}, English).out,
              Expected("3", "5", "7", 4, English));
    EXPECT_EQ(Velmora({"--explain", "3", "5", "7", "--lang", "BG"}, English).out,
              Expected("3", "5", "7", 4, Bulgarian));
    EXPECT_EQ(Velmora({"--lang=en", "--explain", "3", "5", "7"}).out,
              Expected("3", "5", "7", 4, English));
}

TEST(CommandLine, HelpListsEveryOptionInTheLanguage)
{
    for (const Catalogue *language : Catalogues) {
        const auto result = Velmora({"--help", "--lang", language->code.value});
        EXPECT_EQ(result.status, 0);
        const CommandLineTexts &say = language->commandLine;
        // Each option on a line of its own, its words after it in one column.
        std::size_t column = 0;
        for (const auto &[option, text] : std::vector<std::pair<std::string, const Phrase *>>{
                 {"--explain A B C", &say.explain},
                 {"--lang " + Codes("|"), &say.lang},
                 {"-h, --help", &say.help},
                 {"--version", &say.version},
                 {"--method substitution|table", &say.method},
                 {"--picture A B C -o FILE.svg", &say.picture},
                 {"--positive", &language->bounds.helpPositive},
                 {"--non-negative", &language->bounds.helpNonNegative},
                 {"--x-min N", &language->bounds.helpXMin},
                 {"--x-max N", &language->bounds.helpXMax},
                 {"--y-min N", &language->bounds.helpYMin},
                 {"--y-max N", &language->bounds.helpYMax}}) {
            const std::size_t line = result.out.find("\n  " + option + " ");
            ASSERT_NE(line, std::string::npos) << option << " in " << language->code.value;
            const std::size_t words = result.out.find_first_not_of(' ', line + 3 + option.size());
            EXPECT_EQ(
                result.out.compare(words, text->value.size() + 1, std::string(text->value) + "\n"),
                0)
                << option << " in " << language->code.value << ":\n"
                << result.out;
            if (column == 0)
                column = words - line;
            EXPECT_EQ(words - line, column) << option;
        }
        EXPECT_NE(result.out.find(say.exitStatus.value), std::string::npos);
        // What N may be, the range the bounds are read in.
        const std::size_t range = result.out.find("2147483648");
        ASSERT_NE(range, std::string::npos) << result.out;
        EXPECT_NE(result.out.find("2147483647", range), std::string::npos);

        // The worksheet's options with what each allows and its default, as
        // the worksheet's reader takes them.
        const std::size_t sheet = result.out.find("\n  --worksheet -o FILE.pdf ");
        ASSERT_NE(sheet, std::string::npos);
        const std::string line =
            result.out.substr(sheet + 1, result.out.find('\n', sheet + 1) - sheet - 1);
        EXPECT_EQ(line.find_first_of("{}"), std::string::npos) << line;
        for (const char *named :
             {"--count 1–40 ", "(10)", "--range 10|100|200|500|1000|1500|2000 ", "(100)",
              "--variants 1–40 ", "--code 1–999999 ", "--lang", "--unsolvable 0–100 ", "--zeros",
              "--euclid", "--paper a4|letter (a4)", "--word-problems 0–100 "})
            EXPECT_NE(line.find(named), std::string::npos) << named << " in " << line;
    }
    EXPECT_EQ(Velmora({"-h"}, English).out, Velmora({"--help", "--lang=en"}).out);
}

TEST(CommandLine, VersionLine)
{
    const auto result = Velmora({"--version"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "velmora 1.2.3\n");
}

struct BadRow
{
    std::vector<std::string_view> arguments;
    std::string message; // in English, the desktop's language here
};

class BadArguments : public testing::TestWithParam<BadRow>
{
};

TEST_P(BadArguments, OneLineOnStandardErrorAndStatusTwo)
{
    const auto result = Velmora(GetParam().arguments, English);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "velmora: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadArguments,
    testing::Values(
        BadRow{{"--explain", "1", "2"}, "--explain needs three coefficients: A, B and C"},
        BadRow{{"--explain"}, "--explain needs three coefficients: A, B and C"},
        BadRow{{"--explain", "1", "2", "3", "4"},
               "unknown argument “4” (velmora --help lists the options)"},
        BadRow{{"--explian", "1", "2", "3"},
               "unknown argument “--explian” (velmora --help lists the options)"},
        BadRow{{"--explain", "1", "2", "3", "--explain", "1", "2", "3"},
               "--explain is given more than once"},
        BadRow{{"--explain", "1", "2", "3", "--lang"}, "--lang needs a language: " + Codes(", ")},
        BadRow{{"--explain", "1", "2", "3", "--lang", "de"},
               "unknown language “de”; the languages are " + Codes(", ")},
        BadRow{{"--lang=en", "--lang=bg", "--help"}, "--lang is given more than once"},
        BadRow{{"--lang", "en"}, "--lang goes with --explain, --picture, --worksheet or --help"},
        BadRow{{"--help=1"}, "--help takes no value"},
        BadRow{{"--count", "3"}, "--count goes with --worksheet"},
        BadRow{{"--explain", "1", "2", "3", "--worksheet", "-o", "x.pdf"},
               "--explain and --worksheet cannot be given together"},
        BadRow{{"--worksheet", "--count", "3"},
               "-o: the PDF file to write is missing (-o FILE.pdf)"},
        BadRow{{"--help", "--nope"},
               "unknown argument “--nope” (velmora --help lists the "
               "options)"},
        BadRow{{"--explain", "3", "5", "47", "--x-min"},
               "--x-min needs a whole number from -2147483648 to 2147483647 after it"},
        BadRow{{"--explain", "3", "5", "47", "--y-max", "--lang", "en"},
               "--y-max needs a whole number from -2147483648 to 2147483647 after it"},
        BadRow{{"--explain", "3", "5", "47", "--x-max="},
               "--x-max needs a whole number from -2147483648 to 2147483647 after it"},
        BadRow{{"--explain", "3", "5", "47", "--x-min", "five"},
               "--x-min: “five” is not a number (a whole number from -2147483648 to 2147483647 "
               "is needed)"},
        BadRow{{"--explain", "3", "5", "47", "-y-min", "--five"},
               "-y-min: “--five” is not a number (a whole number from -2147483648 to 2147483647 "
               "is needed)"},
        BadRow{{"--explain", "3", "5", "47", "--x-min", "4.5"},
               "--x-min: “4.5” is not a whole number (a whole number from -2147483648 to "
               "2147483647 is needed)"},
        BadRow{{"--explain", "3", "5", "47", "--y-min=2147483648"},
               "--y-min: 2147483648 lies outside the range from -2147483648 to 2147483647"},
        BadRow{{"--explain", "3", "5", "47", "--x-max", "-99999999999999999999"},
               "--x-max: -99999999999999999999 lies outside the range from -2147483648 to "
               "2147483647"},
        BadRow{{"--explain", "3", "5", "47", "--positive", "--non-negative"},
               "--positive and --non-negative cannot be given together"},
        BadRow{{"--explain", "3", "5", "47", "--positive", "--positive"},
               "--positive is given more than once"},
        BadRow{{"--explain", "3", "5", "47", "--x-min", "1", "--x-min", "2"},
               "--x-min is given more than once"},
        BadRow{{"--explain", "3", "5", "47", "--non-negative=yes"},
               "--non-negative takes no value"},
        BadRow{{"--x-min", "3"},
               "the bounds (--positive, --x-min and the others) go with --explain A B C or "
               "--picture A B C"},
        BadRow{{"--lang", "en", "--positive"},
               "the bounds (--positive, --x-min and the others) go with --explain A B C or "
               "--picture A B C"},
        BadRow{{"--picture", "3", "5"}, "--picture needs three coefficients: A, B and C"},
        BadRow{{"--picture", "3", "5", "47"},
               "-o: the SVG file to write is missing (-o FILE.svg, or -o - for standard output)"},
        BadRow{{"--picture", "3", "5", "47", "--positive", "-o"},
               "-o: the SVG file to write is missing (-o FILE.svg, or -o - for standard output)"},
        BadRow{{"--picture", "3", "5", "47", "--explain", "1", "2", "3", "-o", "-"},
               "--explain and --picture cannot be given together"},
        BadRow{{"--worksheet", "-picture", "1", "2", "3", "-o", "x.pdf"},
               "--worksheet and -picture cannot be given together"},
        BadRow{{"--picture", "3", "40000", "47", "-o", "-"},
               "Velmora cannot solve this equation: B = 40000 lies outside the allowed range "
               "from −32767 to 32767."},
        BadRow{{"--picture", "3", "5", "47", "--y-max", "1.5", "-o", "-"},
               "--y-max: “1.5” is not a whole number (a whole number from -2147483648 to "
               "2147483647 is needed)"},
        BadRow{{"--picture", "3", "5", "47", "--positive", "--non-negative", "-o", "-"},
               "--positive and --non-negative cannot be given together"},
        BadRow{{"--explain", "3", "5", "47", "--method", "tabel"},
               "--method: “tabel” is not allowed; allowed: substitution|table"},
        BadRow{{"--explain", "3", "5", "47", "--method", "table", "--method", "table"},
               "--method is given more than once"},
        BadRow{{"--picture", "3", "5", "47", "--method", "table", "-o", "-"},
               "--method goes with --explain A B C, or with --worksheet --euclid"},
        BadRow{{"--method=table"},
               "--method goes with --explain A B C, or with --worksheet --euclid"},
        BadRow{{"--worksheet", "--method", "table", "-o", "x.pdf"},
               "--method goes with --explain A B C, or with --worksheet --euclid"},
        BadRow{{"--worksheet", "--euclid=no", "--method", "table", "-o", "x.pdf"},
               "--method goes with --explain A B C, or with --worksheet --euclid"},
        BadRow{{"--worksheet", "--euclid", "--method", "tabel", "-o", "x.pdf"},
               "--method: “tabel” is not allowed; allowed: substitution|table"},
        BadRow{{"--explain", "3", "5", "47", "-o", "x.txt"},
               "-o goes with --worksheet or --picture"},
        BadRow{{"--worksheet", "--word-problems", "101", "-o", "x.pdf"},
               "--word-problems: “101” is not allowed; allowed: 0–100 (%)"},
        BadRow{{"--worksheet", "--word-problems=-5", "-o", "x.pdf"},
               "--word-problems: “-5” is not allowed; allowed: 0–100 (%)"},
        BadRow{{"--worksheet", "--word-problems", "half", "-o", "x.pdf"},
               "--word-problems: “half” is not allowed; allowed: 0–100 (%)"},
        BadRow{{"--word-problems", "50"}, "--word-problems goes with --worksheet"},
        BadRow{{"--worksheet", "--non-negative", "-o", "x.pdf"},
               "the bounds (--positive, --x-min and the others) go with --explain A B C or "
               "--picture A B C"}));

TEST(CommandLine, ErrorsSpeakTheChosenLanguage)
{
    EXPECT_EQ(Velmora({"--bogus"}, Bulgarian).err,
              "velmora: непознат аргумент „--bogus“ (velmora --help изброява опциите)\n");
    EXPECT_EQ(Velmora({"--bogus", "--lang", "bg"}, English).err,
              "velmora: непознат аргумент „--bogus“ (velmora --help изброява опциите)\n");
    EXPECT_EQ(
        Velmora({"--lang", "en", "--worksheet", "--count", "50", "-o", "x.pdf"}, Bulgarian).err,
        "velmora: --count: “50” is not allowed; allowed: 1–40\n");

    // Every refusal, whatever its kind, in --lang's language as the desktop's
    // would say it, whichever language the desktop has.
    const std::vector<std::vector<std::string_view>> refused = {
        {"--explain", "1", "2"},
        {"--explain", "1", "2", "3", "--worksheet"},
        {"--worksheet", "--count", "50", "-o", "x.pdf"},
        {"--worksheet", "--colour", "red", "-o", "x.pdf"},
        {"--worksheet", "--zeros=maybe", "-o", "x.pdf"},
        {"--worksheet", "--count", "3"},
        {"--worksheet", "-o"},
        {"--count", "3"},
        {"--help=1"},
        {"--help", "stray"},
        {"--bogus"},
        {"--explain", "3", "5", "47", "--x-min"},
        {"--explain", "3", "5", "47", "--x-min", "1.5"},
        {"--explain", "3", "5", "47", "--x-min", "x"},
        {"--explain", "3", "5", "47", "--y-max", "3000000000"},
        {"--explain", "3", "5", "47", "--positive", "--non-negative"},
        {"--positive"},
        {"--picture", "1", "2", "3"},
        {"--picture", "1", "2"},
        {"--picture", "1", "40000", "3", "-o", "-"},
        {"--explain", "1", "2", "3", "--method", "x"},
        {"--explain", "1", "2", "3", "--picture", "1", "2", "3", "-o", "-"},
    };
    EXPECT_EQ(Velmora({"--explain", "3", "5", "47", "--x-min", "1,5"}, Bulgarian, ",").err,
              "velmora: --x-min: „1,5“ не е цяло число (нужно е цяло число от -2147483648 до "
              "2147483647)\n");
    for (const Catalogue *language : Catalogues) {
        for (const Catalogue *desktop : Catalogues) {
            for (std::vector<std::string_view> arguments : refused) {
                const auto said = Velmora(arguments, *language);
                arguments.insert(arguments.begin(), {"--lang", language->code.value});
                const auto result = Velmora(arguments, *desktop);
                EXPECT_EQ(result.status, 2) << arguments[2];
                EXPECT_EQ(result.err, said.err) << language->code.value << " " << arguments[2];
            }
        }
    }
}

// The built program, run as a shell runs it, with no display at all.
class Binary : public testing::Test
{
protected:
    void SetUp() override
    {
        const char *path = std::getenv("VELMORA_BINARY");
        if (!path || !*path)
            GTEST_SKIP() << "VELMORA_BINARY names no program";
        binary_ = path;
    }

    struct Output
    {
        int status;
        std::string out, err;
    };

    static std::string Quoted(std::string_view text)
    {
        std::string quoted = "'";
        for (const char c : text)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }

    Output Spawn(const std::vector<std::string> &arguments, const char *language = "") const
    {
        const std::string errors = testing::TempDir() + "velmora_stderr.txt";
        std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET "
                              "-u QT_QPA_PLATFORM LC_ALL=C.UTF-8 LANGUAGE=" +
                              std::string(language) + " " + Quoted(binary_);
        for (const std::string &argument : arguments)
            command.append(" ").append(Quoted(argument));
        command += " 2>" + Quoted(errors);
        Output output{};
        FILE *pipe = popen(command.c_str(), "r");
        if (!pipe) {
            ADD_FAILURE() << "cannot run " << command;
            return output;
        }
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.out.append(buffer, n);
        const int status = pclose(pipe);
        output.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream file(errors);
        std::stringstream text;
        text << file.rdbuf();
        output.err = text.str();
        return output;
    }

    std::string binary_;
};

// The t of the transcript's check, drawn from the clock; 4 where none is.
int DrawnT(const std::string &out, const Catalogue &language)
{
    const std::string_view checking = language.transcript.check.checking.value;
    const std::size_t at = out.find(checking);
    return at == std::string::npos ? 4 : std::atoi(out.c_str() + at + checking.size());
}

TEST_F(Binary, ExplainPrintsWhatTheLibraryWrites)
{
    const std::vector<std::array<std::string, 3>> inputs = {
        {"91", "35", "14"},      {"-91", "-35", "-14"},
        {"1534", "1309", "652"}, {"4", "6", "3"},
        {"0", "4", "6"},         {"1,5", "abc", ""},
        {"3", "5", "1e20"},      {"-2147483648", "-32767", "2147483647"}};
    for (const Catalogue *language : Catalogues) {
        for (const auto &[a, b, c] : inputs) {
            const auto output =
                Spawn({"--explain", a, b, c, "--lang", std::string(language->code)});
            EXPECT_EQ(output.status, 0);
            EXPECT_EQ(output.err, "");
            EXPECT_EQ(output.out, Expected(a, b, c, DrawnT(output.out, *language), *language))
                << a << " " << b << " " << c;
        }
    }
}

TEST_F(Binary, ExplainWithBoundsListsTheirSolutions)
{
    for (const auto &[language, listed] : std::vector<std::pair<const Catalogue *, std::string>>{
             {&Bulgarian, "(4; 7), (9; 4), (14; 1)"}, {&English, "(4, 7), (9, 4), (14, 1)"}}) {
        const auto output = Spawn({"--explain", "3", "5", "47", "--positive", "--lang",
                                   std::string(language->code.value)});
        EXPECT_EQ(output.status, 0);
        EXPECT_EQ(output.err, "");
        EXPECT_EQ(output.out, ExpectedBounded("3", "5", "47", DrawnT(output.out, *language),
                                              SolutionBounds::Natural(), *language));
        EXPECT_NE(output.out.find(listed), std::string::npos) << output.out;
    }
    const auto negative =
        Spawn({"--explain", "3", "5", "47", "--x-min", "-6", "--x-max", "5"}, "en");
    EXPECT_EQ(negative.status, 0) << negative.err;
    EXPECT_NE(negative.out.find("(−6, 13), (−1, 10), (4, 7)"), std::string::npos);
}

TEST_F(Binary, PictureAndTableNeedNoDisplay)
{
    const auto shown = Spawn({"--picture", "3", "5", "47", "--positive", "-o", "-"}, "en");
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, LinePictureOfTexts("3", "5", "47", SolutionBounds::Natural(), English));
    const std::set<std::pair<long long, long long>> natural = {{4, 7}, {9, 4}, {14, 1}};
    EXPECT_EQ(ReadPicture(shown.out).inBounds, natural);

    const std::string path = testing::TempDir() + "velmora_binary_picture.svg";
    std::filesystem::remove(path);
    const auto written = Spawn({"--picture", "3", "5", "47", "--positive", "-o", path}, "en");
    EXPECT_EQ(written.status, 0) << written.err;
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), shown.out);

    const auto table = Spawn({"--explain", "91", "35", "14", "--method", "table"}, "en");
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(TableRows(table.out).size(), 5u) << table.out;
}

TEST_F(Binary, LanguageFromTheDesktopWithoutLang)
{
    const auto output = Spawn({"--explain", "3", "5", "7"}, "en");
    EXPECT_EQ(output.out, Expected("3", "5", "7", DrawnT(output.out, English), English));
}

TEST_F(Binary, HelpAndVersionNeedNoDisplay)
{
    const auto help = Spawn({"--help"}, "en");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--explain A B C"), std::string::npos);
    const auto version = Spawn({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("velmora ", 0), 0u);
    const auto ukrainian = Spawn({"--help", "--lang", "uk_UA.UTF-8"}, "en");
    EXPECT_EQ(ukrainian.status, 0);
    EXPECT_EQ(ukrainian.out, Velmora({"--help"}, *FindCatalogue("uk")).out);
}

TEST_F(Binary, BadArgumentsOneLineAndStatusTwo)
{
    for (const auto &arguments : std::vector<std::vector<std::string>>{
             {"--explain", "1", "2"},
             {"--bogus", "--help"},
             {"--explain", "1", "2", "3", "--lang", "xx"},
             {"--explain", "3", "5", "47", "--x-min", "1.5"},
             {"--explain", "3", "5", "47", "--positive", "--non-negative"},
             {"--y-max", "3"},
             {"--picture", "1", "2", "3"},
             {"--explain", "1", "2", "3", "--method", "x"}}) {
        const auto output = Spawn(arguments, "en");
        EXPECT_EQ(output.status, 2) << arguments[0];
        EXPECT_EQ(output.out, "");
        EXPECT_EQ(output.err.rfind("velmora: ", 0), 0u) << output.err;
        EXPECT_EQ(output.err.find('\n'), output.err.size() - 1) << output.err;
    }
}

// Qt takes its own options first; what it leaves is refused before any
// window opens. Without a display the window's trouble is the display.
TEST_F(Binary, WhatQtLeavesIsRefused)
{
    const auto output = Spawn({"-platform", "offscreen", "--bogus"}, "en");
    EXPECT_EQ(output.status, 2);
    const std::string refusal = "velmora: unknown argument “--bogus” (velmora --help lists the "
                                "options)\n";
    EXPECT_TRUE(output.err.ends_with("\n" + refusal) || output.err == refusal) << output.err;
    EXPECT_EQ(Spawn({"--bogus"}, "en").status, 1);
}

} // namespace
