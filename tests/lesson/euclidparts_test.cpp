// Euclid's way's lines cut at their formulas, which a page keeps on one line
// where they fit: the parts give the line back, and each formula part is a
// whole formula or number of the school notation, never a cut one.

#include "euclid.h"
#include "languages.h"
#include "schoolformula.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Method = EuclidLesson::Method;

struct PartsRow
{
    const char *a, *b, *c;
};

class EuclidParts : public testing::TestWithParam<PartsRow>
{
};

std::string Joined(const std::vector<std::string> &parts)
{
    std::string text;
    for (const std::string &part : parts)
        text += part;
    return text;
}

// Any values: the formulas are read, not checked.
const NameValues &Letters()
{
    static const NameValues letters = [] {
        NameValues names;
        for (const char *name : {"x", "y", "t", "x₀", "y₀", "x₁", "y₁"})
            names[name] = Rational{};
        return names;
    }();
    return letters;
}

TEST_P(EuclidParts, AreWholeFormulasBetweenTheWords)
{
    const PartsRow &row = GetParam();
    for (const Catalogue *language : {&Bulgarian, &English})
        for (const Method method : {Method::Substitution, Method::Table}) {
            const EuclidLesson lesson =
                EuclidLessonFor(row.a, row.b, row.c, ".", *language, method);
            const std::string pairs = language == &English ? ", " : "; ";
            std::size_t formulas = 0, wholeLines = 0;
            for (const EuclidStep &step : lesson.steps)
                for (std::size_t k = 0; k < step.lines.size() + step.linesAfter.size(); ++k) {
                    const std::string &line = k < step.lines.size()
                                                  ? step.lines[k]
                                                  : step.linesAfter[k - step.lines.size()];
                    const std::vector<std::string> parts = EuclidLineParts(step, k);
                    ASSERT_EQ(parts.size() % 2, 1u) << line;
                    EXPECT_EQ(Joined(parts), line);
                    for (std::size_t p = 1; p < parts.size(); p += 2) {
                        const std::string &formula = parts[p];
                        ++formulas;
                        ASSERT_FALSE(formula.empty()) << line;
                        EXPECT_NE(formula.front(), ' ') << line;
                        EXPECT_NE(formula.back(), ' ') << line;
                        // A formula with a relation in it reads whole and
                        // holds; a part of one would not read.
                        if (formula.find(" = ") != std::string::npos &&
                            formula.find('|') == std::string::npos &&
                            formula.find_first_of("ABCdrsqab") == std::string::npos) {
                            const auto read = ReadSchoolFormula(formula, pairs, Letters());
                            EXPECT_TRUE(read) << formula << " in " << line;
                        }
                    }
                    if (parts.size() == 3 && parts[0].empty() && parts[2].empty())
                        ++wholeLines;
                }
            if (std::string(row.a) != "0" && std::string(row.b) != "0") {
                EXPECT_GT(formulas, 5u);
                if (method == Method::Substitution) {
                    EXPECT_GE(wholeLines, 1u) << "the divisions are formulas whole";
                }
            }
        }
}

const PartsRow Rows[] = {
    {"91", "35", "14"}, {"-91", "35", "-14"}, {"1534", "1309", "652"}, {"90", "45", "0"},
    {"6", "4", "7"},    {"0", "4", "6"},      {"5", "0", "7"},         {"3", "5", "1"},
};

INSTANTIATE_TEST_SUITE_P(Lesson, EuclidParts, testing::ValuesIn(Rows));

// The reasons of a refusal are words, which wrap; their numbers stay whole.
TEST(EuclidParts, ARefusalsReasonsWrap)
{
    const EuclidLesson lesson = EuclidLessonFor("99999999999", "1", "1", ".", English);
    ASSERT_EQ(lesson.steps.size(), 1u);
    const std::vector<std::string> parts = EuclidLineParts(lesson.steps.front(), 0);
    EXPECT_EQ(parts, std::vector<std::string>{lesson.steps.front().lines.front()});
}

} // namespace
