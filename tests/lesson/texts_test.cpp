// The account's messages: alike in every language, every placeholder filled
// on every road, filled once only; and field texts quoted safely.

#include "euclid.h"
#include "fieldtext.h"
#include "placeholders.h"
#include "solvetexts.h"

#include "cataloguefields.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

namespace {

// The names between braces; "?" marks a brace without its partner.
std::multiset<std::string> PlaceholderNames(std::string_view message)
{
    std::multiset<std::string> names;
    std::size_t p = 0;
    while (true) {
        const std::size_t open = message.find_first_of("{}", p);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = message.find('}', open + 1);
        const std::size_t next = message.find('{', open + 1);
        if (message[open] == '}' || close == std::string_view::npos || next < close) {
            names.insert("?");
            p = open + 1;
            continue;
        }
        names.insert(std::string(message.substr(open + 1, close - open - 1)));
        p = close + 1;
    }
    return names;
}

TEST(EuclidTexts, SamePlaceholdersInEveryLanguage)
{
    std::map<std::string, std::map<std::string, std::multiset<std::string>>> byKey;
    for (const Catalogue *catalogue : Catalogues)
        ForEachPhrase(*catalogue, [&](const std::string &key, const Phrase &phrase) {
            if (key.starts_with("euclid.") || key.starts_with("commandLine."))
                byKey[key][std::string(catalogue->code)] = PlaceholderNames(phrase.value);
        });
    ASSERT_EQ(byKey.size(), 60u + 26u);
    for (const auto &[key, languages] : byKey) {
        EXPECT_EQ(languages.size(), Catalogues.size()) << key;
        for (const auto &[code, names] : languages) {
            EXPECT_EQ(names, languages.at("bg")) << key << " in " << code;
            EXPECT_EQ(names.count("?"), 0u) << key << " in " << code << ": a lone brace";
        }
    }
    EXPECT_EQ(byKey.at("euclid.reduce").at("en"),
              (std::multiset<std::string>{"size", "stepX", "stepY", "sum", "cancel", "at"}));
}

// Every road of the account, in every language: no brace is left, since no
// input here types one.
TEST(EuclidTexts, NothingLeftUnfilledOnAnyRoad)
{
    const std::vector<std::array<const char *, 3>> roads = {
        {"91", "35", "14"},    {"4", "6", "3"},   {"7", "7", "7"},   {"4", "6", "0"},
        {"0", "4", "8"},       {"0", "4", "6"},   {"6", "0", "-12"}, {"6", "0", "5"},
        {"0", "0", "0"},       {"0", "0", "5"},   {"", "x", "1,5"},  {"1e99", "32768", "3"},
        {"-91", "-35", "-14"}, {"35", "91", "14"}};
    std::set<std::string> firstWords;
    for (const Catalogue *language : Catalogues) {
        for (const auto &[a, b, c] : roads) {
            const std::string account = EuclidAccount(a, b, c, ".", *language);
            EXPECT_EQ(account.find_first_of("{}"), std::string::npos)
                << language->code.value << ": " << account;
            for (const std::string &line : Lines(account)) {
                EXPECT_FALSE(line.empty());
                firstWords.insert(line.substr(0, line.find(' ')));
            }
        }
    }
    EXPECT_GT(firstWords.size(), 20u);
}

// The working's pair is x₀, y₀ with subscript digits in every language, as
// the fields name it, even where the working itself writes Xо.
TEST(EuclidTexts, BridgeNamesThePairAsTheFieldsDo)
{
    for (const Catalogue *language : Catalogues) {
        const EuclidLesson lesson = EuclidLessonFor("91", "35", "14", ".", *language);
        ASSERT_EQ(lesson.steps.back().kind, EuclidStep::Kind::Bridge);
        const std::string &first = lesson.steps.back().lines.front();
        EXPECT_NE(first.find("x₀ = −1, y₀ = 3"), std::string::npos) << first;
        EXPECT_EQ(first.find("Xо"), std::string::npos) << first;
    }
}

// Curly quotes, the one name of the section, and no word for the working
// but "working" in English.
TEST(EuclidTexts, TypographyAndTerms)
{
    EXPECT_EQ(std::string_view(English.euclid.title), "Using Euclid's algorithm");
    EXPECT_EQ(std::string_view(Bulgarian.euclid.title), "Решение с алгоритъма на Евклид");
    for (const Catalogue *language : Catalogues)
        ForEachPhrase(*language, [&](const std::string &key, const Phrase &phrase) {
            const std::string_view text = phrase.value;
            if (!key.starts_with("euclid.") && !key.starts_with("worksheet.") &&
                !key.starts_with("menus.") && !key.starts_with("commandLine."))
                return;
            EXPECT_EQ(text.find('"'), std::string_view::npos) << key;
            if (language == &English) {
                EXPECT_EQ(text.find("transcript"), std::string_view::npos) << key;
                EXPECT_EQ(text.find("account"), std::string_view::npos) << key;
                EXPECT_EQ(text.find("Euclid's way"), std::string_view::npos) << key;
            }
            if (language == &Bulgarian) {
                EXPECT_EQ(text.find("тъждество"), std::string_view::npos) << key;
                EXPECT_EQ(text.find("пътя на Евклид"), std::string_view::npos) << key;
                EXPECT_EQ(text.find("по алгоритъма"), std::string_view::npos) << key;
            }
            // Ranges of options with an en dash: 1–40, never 1-40.
            for (std::size_t at = text.find('-'); at != std::string_view::npos;
                 at = text.find('-', at + 1))
                EXPECT_FALSE(at > 0 && at + 1 < text.size() && std::isdigit(text[at - 1]) &&
                             std::isdigit(text[at + 1]))
                    << key << ": " << text;
        });
}

TEST(FillPlaceholders, FillsEachNameOnceAndLeavesTheRest)
{
    EXPECT_EQ(FillPlaceholders("{a} = {b} * {a}", {{"a", "6"}, {"b", "(-2)"}}), "6 = (-2) * 6");
    // A value is never read again: a field's text may hold braces.
    EXPECT_EQ(FillPlaceholders("“{text}”", {{"text", "{text}{x}"}, {"x", "no"}}), "“{text}{x}”");
    EXPECT_EQ(FillPlaceholders("{unknown} and {", {{"a", "1"}}), "{unknown} and {");
    EXPECT_EQ(FillPlaceholders("", {}), "");
}

struct PlainRow
{
    const char *text;
    bool plain;
};

class PlainInteger : public testing::TestWithParam<PlainRow>
{
};

TEST_P(PlainInteger, OnlySignAndDigits)
{
    EXPECT_EQ(IsPlainInteger(GetParam().text), GetParam().plain) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainInteger,
                         testing::Values(PlainRow{"91", true}, PlainRow{"-35", true},
                                         PlainRow{"+5", true}, PlainRow{"007", true},
                                         PlainRow{"99999999999", true}, PlainRow{"", false},
                                         PlainRow{"-", false}, PlainRow{" 5", false},
                                         PlainRow{"5 ", false}, PlainRow{"1.5", false},
                                         PlainRow{"1,5", false}, PlainRow{"1e3", false},
                                         PlainRow{"\xE2\x88\x92"
                                                  "5",
                                                  false},
                                         PlainRow{"--5", false}, PlainRow{"\xD9\xA3", false}));

TEST(QuotedFieldText, KeepsWellFormedTextAndReplacesTheRest)
{
    EXPECT_EQ(QuotedFieldText("\xF0\x9F\x98\x80 abc"), "\xF0\x9F\x98\x80 abc");
    EXPECT_EQ(QuotedFieldText("България"), "България");
    EXPECT_EQ(QuotedFieldText("a\tb\x7f"), "a\uFFFDb\uFFFD");
    // Broken, overlong and surrogate sequences, a C1 control, a line separator.
    EXPECT_EQ(QuotedFieldText("\xC3"), "\uFFFD");
    EXPECT_EQ(QuotedFieldText("\xC0\xAF"), "\uFFFD\uFFFD");
    EXPECT_EQ(QuotedFieldText("\xED\xA0\x80"), "\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(QuotedFieldText("\xC2\x85"
                              "x\u2028"),
              "\uFFFDx\uFFFD");
    EXPECT_EQ(QuotedFieldText("abcdef", 3), "abc…");
    EXPECT_EQ(QuotedFieldText("абв", 3), "абв");
}

} // namespace
