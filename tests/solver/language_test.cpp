// Every language's catalogue: the working of 3x + 5y = 1 as its golden file
// has it, the same lines and numbers as the Bulgarian working over thousands
// of inputs, and every entry present; the English working word for word on
// every road. The languages are those the build lists, with no rows here.

#include "cataloguefields.h"
#include "golden.h"
#include "solvetexts.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <vector>

namespace {

bool HasCyrillic(std::string_view text)
{
    // U+0400..U+04FF are encoded with the lead bytes 0xD0..0xD3.
    for (const char c : text)
        if (const auto byte = static_cast<unsigned char>(c); byte >= 0xD0 && byte <= 0xD3)
            return true;
    return false;
}

// A language whose own name is written in Latin letters: no Cyrillic letter
// may stand in its texts.
bool LatinScript(const Catalogue &catalogue)
{
    return !HasCyrillic(catalogue.name);
}

const Catalogue &Language(const std::string &code)
{
    const Catalogue *catalogue = FindCatalogue(code);
    if (!catalogue)
        throw std::runtime_error("no catalogue " + code);
    return *catalogue;
}

struct TranscriptRow
{
    std::string language;
    const char *a, *b, *c;
    int t;
    const char *separator;
    std::vector<std::string> lines;
};

void PrintTo(const TranscriptRow &row, std::ostream *out)
{
    *out << row.language << ": " << row.a << ", " << row.b << ", " << row.c;
}

class TranscriptTest : public testing::TestWithParam<TranscriptRow>
{
};

TEST_P(TranscriptTest, WordForWord)
{
    const TranscriptRow &row = GetParam();
    const std::string transcript =
        SolveTexts(row.a, row.b, row.c, row.t, row.separator, Language(row.language));
    EXPECT_EQ(Lines(transcript), row.lines);
    EXPECT_TRUE(transcript.ends_with("\r\n"));
}

// The English working on every road the solver takes, word for word; the
// Bulgarian rows stand in solve_test.cpp and prepareequation_test.cpp. Every
// other language is held to the Bulgarian lines and numbers below.
const std::vector<TranscriptRow> Rows = {
    TranscriptRow{"en",
                  "0",
                  "0",
                  "5",
                  1,
                  ".",
                  {"Solving the Diophantine equation 0x + 0y = 5",
                   "The Diophantine equation 0x + 0y = 5", "has a zero coefficient on an unknown.",
                   "Please enter non-zero coefficients A and B."}},
    TranscriptRow{"en",
                  "0",
                  "4",
                  "6",
                  1,
                  ",",
                  {"Solving the Diophantine equation 0x + 4y = 6",
                   "The Diophantine equation 0x + 4y = 6", "has a zero coefficient on an unknown.",
                   "The quotient C / B is not a whole number, so the equation has no integer "
                   "solution; it holds for every x only when y = 1,5"}},
    TranscriptRow{"en",
                  "0",
                  "-4",
                  "8",
                  1,
                  ".",
                  {"Solving the Diophantine equation 0x - 4y = 8",
                   "The Diophantine equation 0x - 4y = 8", "has a zero coefficient on an unknown.",
                   "The equation holds for every x when y = -2"}},
    TranscriptRow{"en",
                  "3",
                  "0",
                  "9",
                  1,
                  ".",
                  {"Solving the Diophantine equation 3x + 0y = 9",
                   "The Diophantine equation 3x + 0y = 9", "has a zero coefficient on an unknown.",
                   "The equation holds for every y when x = 3"}},
    TranscriptRow{"en",
                  "4",
                  "6",
                  "0",
                  1,
                  ".",
                  {"Solving the Diophantine equation 4x + 6y = 0",
                   "The coefficients 4 and 6 have GCD = 2",
                   "Dividing the coefficients of the equation by the GCD:",
                   "The equation takes the form: 2x + 3y = 0",
                   "The quotient -B / A is not a whole number, so only some integers y give an "
                   "integer x; the equation holds whenever x is y times -1.5"}},
    TranscriptRow{"en",
                  "4",
                  "6",
                  "3",
                  1,
                  ".",
                  {"Solving the Diophantine equation 4x + 6y = 3",
                   "The coefficients 4 and 6 have GCD = 2", "The GCD of 4 and 6 does not divide 3",
                   "The Diophantine equation has no solution in the integers."}},
    TranscriptRow{
        "en",
        "4",
        "-6",
        "2",
        3,
        ".",
        {"Solving the Diophantine equation 4x - 6y = 2", "The coefficients 4 and -6 have GCD = 2",
         "Dividing the coefficients of the equation by the GCD:",
         "The equation takes the form: 2x - 3y = 1", "The GCD of 2 and -3 divides 1",
         "The Diophantine equation has a solution in the integers.",
         "Please wait while the search runs.",
         "Searching all pairs with |x| and |y| from 0 up to 2",
         "Found the particular solution x₀ = -1, y₀ = -1", "x = x₀ - (B * t) / GCD = -1 - (-3 * t)",
         "y = y₀ + (A * t) / GCD = -1 + (2 * t)", "Checking the solution for t = 3:",
         "A*x + B*y = C", "2 * (8) + -3 * (5) = 1", "16 + -15 = 1"}},
    TranscriptRow{"en", "3", "5", "1", 4, ".", Lines(GoldenTranscript("transcript-3-5-1.en.txt"))},
    TranscriptRow{"en",
                  "-5",
                  "-3",
                  "1",
                  2,
                  ".",
                  {"Solving the Diophantine equation -5x - 3y = 1",
                   "The coefficients -5 and -3 have GCD = 1", "The GCD of -5 and -3 divides 1",
                   "The Diophantine equation has a solution in the integers.",
                   "Please wait while the search runs.",
                   "Searching all pairs with |x| and |y| from 0 up to 1",
                   "No pair there satisfies the equation. Searching all pairs with |x| and |y| "
                   "from 0 up to 5",
                   "Found the particular solution x₀ = 1, y₀ = -2",
                   "x = x₀ - (B * t) / GCD = 1 - (-3 * t)",
                   "y = y₀ + (A * t) / GCD = -2 + (-5 * t)", "Checking the solution for t = 2:",
                   "A*x + B*y = C", "-5 * (7) + -3 * (-12) = 1", "-35 + 36 = 1"}},
    TranscriptRow{"en",
                  "9e99",
                  "9e99",
                  "-9e99",
                  1,
                  ".",
                  {"Solving the Diophantine equation 9E+99x + 9E+99y = -9E+99",
                   "The coefficient A = 9E+99 lies outside the allowed range from "
                   "-2147483648 to 2147483647.",
                   "The coefficient B = 9E+99 lies outside the allowed range from -32767 to "
                   "32767.",
                   "The coefficient C = -9E+99 lies outside the allowed range from "
                   "-2147483648 to 2147483647."}},
    TranscriptRow{"en",
                  "1",
                  "-32768",
                  "3",
                  1,
                  ".",
                  {"Solving the Diophantine equation 1x - 32768y = 3",
                   "The coefficient B = -32768 lies outside the allowed range from -32767 to "
                   "32767."}},
};

INSTANTIATE_TEST_SUITE_P(Languages, TranscriptTest, testing::ValuesIn(Rows));

// 3x + 5y = 1 with t = 4 in every language, as tests/golden keeps it for
// every suite: a language without its file there fails here.
TEST(Transcript, EveryLanguageAsItsGoldenFile)
{
    for (const Catalogue *catalogue : Catalogues) {
        const std::string code(catalogue->code);
        const std::string name = "transcript-3-5-1." + code + ".txt";
        const std::string working = SolveTexts("3", "5", "1", 4, ".", *catalogue);
        std::string golden;
        try {
            golden = GoldenTranscript(name);
        } catch (const std::runtime_error &) {
            // A new language: its working, for its translator to read and keep.
            const std::string written = std::string(VELMORA_TEST_OUTPUT_DIR) + "/" + name;
            std::ofstream(written, std::ios::binary) << working;
            ADD_FAILURE() << "no tests/golden/" << name << ": the working is in " << written
                          << "; read it, then copy it there";
            continue;
        }
        EXPECT_EQ(working, golden) << code;
    }
}

// The numbers of a line in order: signs, digits, decimal separators and
// exponents, as NumberText writes them.
std::vector<std::string> Numbers(const std::string &line)
{
    static const std::regex number(R"(-?[0-9]+(?:[.,][0-9]+)?(?:E[+-][0-9]+)?)");
    std::vector<std::string> numbers;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.push_back(it->str());
    return numbers;
}

// Each other language's transcript has exactly the Bulgarian lines, each with
// the same numbers in the same order, over the small coefficients of every
// sign, zeros included, and random ones up to the limits and beyond.
TEST(Transcript, EveryLanguageHasTheBulgarianLinesAndNumbers)
{
    std::vector<std::array<std::string, 3>> inputs;
    for (int a = -13; a <= 13; ++a)
        for (int b = -13; b <= 13; ++b)
            for (int c = -13; c <= 13; c += 2)
                inputs.push_back({std::to_string(a), std::to_string(b), std::to_string(c)});
    std::mt19937 generator(14122026);
    std::uniform_int_distribution<std::int64_t> wide(-2200000000LL, 2200000000LL);
    std::uniform_int_distribution<std::int64_t> narrow(-33000, 33000);
    for (int n = 0; n < 3000; ++n)
        inputs.push_back({std::to_string(wide(generator)), std::to_string(narrow(generator)),
                          std::to_string(n % 4 == 0 ? narrow(generator) : wide(generator))});
    for (const char *text : {"", "9e99", "-1e400", "2.7", "-2.7", "12abc", "1e5", "0.5"})
        for (const char *other : {"3", "-6", "0"})
            inputs.push_back({text, other, other}), inputs.push_back({other, text, other}),
                inputs.push_back({other, other, text});

    int compared = 0;
    for (const Catalogue *catalogue : Catalogues) {
        if (catalogue == &Bulgarian)
            continue;
        const bool latin = LatinScript(*catalogue);
        for (std::size_t n = 0; n < inputs.size(); ++n) {
            const auto &[a, b, c] = inputs[n];
            const int t = static_cast<int>(n % 11) + 1;
            const char *separator = n % 2 ? "," : ".";
            const auto bg = Lines(SolveTexts(a, b, c, t, separator, Bulgarian));
            const auto other = Lines(SolveTexts(a, b, c, t, separator, *catalogue));
            ASSERT_EQ(other.size(), bg.size())
                << catalogue->code.value << ": " << a << ", " << b << ", " << c;
            for (std::size_t k = 0; k < bg.size(); ++k) {
                ASSERT_EQ(Numbers(other[k]), Numbers(bg[k])) << other[k] << " / " << bg[k];
                if (latin) {
                    ASSERT_FALSE(HasCyrillic(other[k])) << other[k];
                }
            }
            ++compared;
        }
    }
    std::cout << "[          ] " << compared << " transcripts held against the Bulgarian ones\n";
    EXPECT_EQ(compared, 13278 * static_cast<int>(Catalogues.size() - 1));
}

// The English working says nothing false where the Bulgarian one keeps its
// original lines: a quotient that is no whole number is said to be none,
// with what follows from it, and an empty first range is not searched.
TEST(Transcript, EnglishLinesAreTrue)
{
    const TranscriptTexts &say = English.transcript;
    const auto after = [](const std::string &line, std::string_view prefix) {
        return line.substr(prefix.size());
    };
    const auto whole = [](const std::string &number) {
        return number.find_first_of(".,E") == std::string::npos;
    };
    int fractions = 0, skipped = 0;
    for (int a = -13; a <= 13; ++a) {
        for (int b = -13; b <= 13; ++b) {
            for (int c = -13; c <= 13; ++c) {
                const auto lines = Lines(SolveTexts(std::to_string(a), std::to_string(b),
                                                    std::to_string(c), 1, ".", English));
                for (const std::string &line : lines) {
                    SCOPED_TRACE(line);
                    for (const auto &[plain, fraction] :
                         {std::pair(&say.anyX, &say.anyXFraction),
                          std::pair(&say.anyY, &say.anyYFraction),
                          std::pair(&say.solutionForX, &say.solutionForXFraction)}) {
                        if (line.starts_with(plain->value)) {
                            EXPECT_TRUE(whole(after(line, plain->value)));
                        }
                        if (line.starts_with(fraction->value)) {
                            EXPECT_FALSE(whole(after(line, fraction->value)));
                            ++fractions;
                        }
                    }
                    if (line.starts_with(say.search.searching.value)) {
                        EXPECT_GE(std::stoi(line.substr(line.rfind(' ') + 1)), 0);
                    }
                    if (line.starts_with(say.search.skipped.value)) {
                        EXPECT_LT(std::stoi(line.substr(line.rfind(' ') + 1)), 0);
                        ++skipped;
                    }
                }
            }
        }
    }
    EXPECT_GT(fractions, 300);
    EXPECT_GT(skipped, 50);
    // The lines the issue names.
    EXPECT_EQ(Lines(SolveTexts("5", "0", "7", 1, ".", English)).back(),
              "The quotient C / A is not a whole number, so the equation has no integer solution; "
              "it holds for every y only when x = 1.4");
    const auto empty = Lines(SolveTexts("-3", "-5", "-1", 1, ".", English));
    ASSERT_GE(empty.size(), 7u);
    EXPECT_EQ(empty[5], "Skipping the empty range of |x| and |y| from 0 up to -1");
    EXPECT_EQ(empty[6], "Searching instead all pairs with |x| and |y| from 0 up to 5");
}

// Every phrase of every catalogue is there and says something; only the
// introduction field, the working's field and the range list show no text of their own.
TEST(Catalogue, EveryEntryInEveryLanguage)
{
    const std::set<std::string> emptyByDesign = {
        "controls.introduction.text", "controls.transcript.text", "controls.ranges.text"};
    std::set<std::string> codes;
    std::map<std::string, std::set<std::string>> keys;
    for (const Catalogue *catalogue : Catalogues) {
        const std::string code(catalogue->code);
        EXPECT_TRUE(codes.insert(code).second) << "two catalogues for " << code;
        EXPECT_EQ(FindCatalogue(code), catalogue);
        const bool latin = LatinScript(*catalogue);
        ForEachPhrase(*catalogue, [&](const std::string &key, const Phrase &phrase) {
            EXPECT_TRUE(keys[code].insert(key).second) << code << ": " << key << " twice";
            EXPECT_EQ(phrase.value.empty(), emptyByDesign.count(key) == 1) << code << ": " << key;
            if (latin) {
                EXPECT_FALSE(HasCyrillic(phrase.value)) << code << ": " << key;
            }
        });
        EXPECT_GE(catalogue->introduction.lines.size(), 10u) << code;
        for (std::string_view paragraph : catalogue->introduction.lines) {
            EXPECT_FALSE(paragraph.empty()) << code;
            if (latin) {
                EXPECT_FALSE(HasCyrillic(paragraph)) << code << ": " << paragraph;
            }
        }
    }
    for (const auto &[code, names] : keys)
        EXPECT_EQ(names, keys.at("bg")) << code;
    // Every entry of the catalogue: a section lost in the generator shows here.
    EXPECT_EQ(keys.at("bg").size(), 417u);
}

// The texts that carry no language stay the same in every catalogue: the
// window's formula captions and the sample coefficients.
TEST(Catalogue, FormulasAlike)
{
    for (const Catalogue *catalogue : Catalogues) {
        const ControlTexts &c = catalogue->controls;
        EXPECT_EQ(std::string_view(c.captionA.text), "A*x") << catalogue->code.value;
        EXPECT_EQ(std::string_view(c.captionB.text), "B*y");
        EXPECT_EQ(std::string_view(c.captionC.text), "C");
        EXPECT_EQ(std::string_view(c.equals.text), " = ");
        EXPECT_EQ(std::string_view(c.title.text), "Velmora");
        EXPECT_EQ(std::string_view(c.coefficientA.text), "5");
        EXPECT_EQ(std::string_view(c.coefficientB.text), "3");
        EXPECT_EQ(std::string_view(c.constantC.text), "3");
    }
}

} // namespace
