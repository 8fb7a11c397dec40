// The one language rule: a tag gives the same catalogue on the desktop and on
// the page, whatever its case and whatever follows the language.

#include "languagechoice.h"
#include "languages.h"

#include <gtest/gtest.h>

#include <cctype>

#include <string>
#include <vector>

namespace {

std::string CodeOf(const Catalogue *catalogue)
{
    return catalogue ? std::string(catalogue->code.value) : "none";
}

struct TagRow
{
    const char *tag;
    const char *code;
};

class CatalogueOfTagTest : public testing::TestWithParam<TagRow>
{
};

TEST_P(CatalogueOfTagTest, GivesTheLanguageWhateverTheCaseAndRegion)
{
    EXPECT_EQ(CodeOf(CatalogueOfTag(GetParam().tag)), GetParam().code) << GetParam().tag;
}

INSTANTIATE_TEST_SUITE_P(Tags, CatalogueOfTagTest,
                         testing::Values(TagRow{"bg", "bg"}, TagRow{"BG", "bg"},
                                         TagRow{"bg-BG", "bg"}, TagRow{"bg_BG.UTF-8", "bg"},
                                         TagRow{"bg@latin", "bg"}, TagRow{"Bg-bg", "bg"},
                                         TagRow{"en", "en"}, TagRow{"EN-us", "en"},
                                         TagRow{"en_GB.UTF-8", "en"}, TagRow{"de-DE", "none"},
                                         TagRow{"bgx", "none"}, TagRow{"b", "none"},
                                         TagRow{"", "none"}, TagRow{"-BG", "none"},
                                         TagRow{"C", "none"}, TagRow{"C.UTF-8", "none"}));

// LANGUAGE, LC_ALL, LC_MESSAGES, LANG, and the language chosen. Greenlandic
// and Faroese stand for any language without a catalogue.
struct DesktopRow
{
    const char *name;
    const char *language;
    const char *lcAll;
    const char *lcMessages;
    const char *lang;
    const char *chosen;
};

class DesktopChoiceTest : public testing::TestWithParam<DesktopRow>
{
};

TEST_P(DesktopChoiceTest, FollowsTheLocaleAsLinuxProgramsDo)
{
    const DesktopRow &row = GetParam();
    EXPECT_EQ(CodeOf(&DesktopChoice(row.language, row.lcAll, row.lcMessages, row.lang)), row.chosen)
        << row.name;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Environments, DesktopChoiceTest, testing::Values(
    DesktopRow{"no locale at all",         "",               "",            "",            "",            "bg"},
    DesktopRow{"C",                        "",               "",            "",            "C",           "bg"},
    DesktopRow{"C.UTF-8",                  "",               "C.UTF-8",     "",            "",            "bg"},
    DesktopRow{"POSIX",                    "",               "",            "POSIX",       "",            "bg"},
    DesktopRow{"bg_BG.UTF-8",              "",               "",            "",            "bg_BG.UTF-8", "bg"},
    DesktopRow{"en_GB.UTF-8",              "",               "",            "",            "en_GB.UTF-8", "en"},
    DesktopRow{"kl_GL.UTF-8",              "",               "",            "",            "kl_GL.UTF-8", "en"},
    DesktopRow{"sr_RS@latin",              "",               "",            "",            "sr_RS@latin", "en"},
    DesktopRow{"LANGUAGE=en under C",      "en",             "",            "",            "C.UTF-8",     "en"},
    DesktopRow{"LANGUAGE=en under bg",     "en",             "bg_BG.UTF-8", "",            "",            "en"},
    DesktopRow{"LANGUAGE=bg under en",     "bg",             "",            "",            "en_US.UTF-8", "bg"},
    DesktopRow{"first usable of LANGUAGE", "kl:fo_FO:bg:en", "",            "",            "C",           "bg"},
    DesktopRow{"LANGUAGE of no catalogue", "kl:fo",          "",            "",            "bg_BG.UTF-8", "en"},
    DesktopRow{"LANGUAGE empty entries",   ":bg_BG:",        "",            "",            "en_US",       "bg"},
    DesktopRow{"LANGUAGE=C defers",        "C",              "",            "",            "en_US.UTF-8", "en"},
    DesktopRow{"LANGUAGE=C under bg",      "C",              "",            "",            "bg_BG.UTF-8", "bg"},
    DesktopRow{"LANGUAGE=POSIX:C defers",  "POSIX:C",        "",            "",            "en_US.UTF-8", "en"},
    DesktopRow{"LC_ALL over LANG",         "",               "bg_BG.UTF-8", "",            "en_US.UTF-8", "bg"},
    DesktopRow{"LC_ALL=C over LANG",       "",               "C",           "",            "en_US.UTF-8", "bg"},
    DesktopRow{"LC_MESSAGES over LANG",    "",               "",            "en_US.UTF-8", "bg_BG.UTF-8", "en"},
    DesktopRow{"LC_ALL over LC_MESSAGES",  "",               "bg_BG",       "en_US",       "",            "bg"},
    DesktopRow{"LANGUAGE=BG",              "BG",             "",            "",            "en_US.UTF-8", "bg"},
    DesktopRow{"LANGUAGE=bg-BG",           "bg-BG",          "",            "",            "en_US.UTF-8", "bg"},
    DesktopRow{"LANGUAGE=EN_us under bg",  "EN_us",          "bg_BG.UTF-8", "",            "",            "en"},
    DesktopRow{"LANG=BG_bg.utf8",          "",               "",            "",            "BG_bg.utf8",  "bg"},
    DesktopRow{"LC_ALL=c.utf8",            "",               "c.utf8",      "",            "en_US.UTF-8", "bg"},
    DesktopRow{"LANGUAGE=bg@latin",        "bg@latin",       "",            "",            "en_US",       "bg"},
    DesktopRow{"LANGUAGE=POSIX:C under bg", "POSIX:C",       "",            "",            "bg_BG.UTF-8", "bg"},
    DesktopRow{"LANGUAGE=bg_BG.UTF-8@x",   "bg_BG.UTF-8@x",  "",            "",            "en_US.UTF-8", "bg"},
    DesktopRow{"LANG=bg_BG@latin",         "",               "",            "",            "bg_BG@latin", "bg"}),
    [](const testing::TestParamInfo<DesktopRow> &info) {
        std::string name;
        for (const char c : std::string(info.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });
// clang-format on

// ?lang=, the kept choice, the browser's languages, and the language chosen.
struct PageRow
{
    const char *address;
    const char *stored;
    std::vector<std::string_view> browser;
    const char *chosen;
};

class PageChoiceTest : public testing::TestWithParam<PageRow>
{
};

TEST_P(PageChoiceTest, AddressThenKeptChoiceThenBrowserElseEnglish)
{
    const PageRow &row = GetParam();
    EXPECT_EQ(CodeOf(&PageChoice(row.address, row.stored, row.browser)), row.chosen)
        << "?lang=" << row.address << ", kept " << row.stored;
}

INSTANTIATE_TEST_SUITE_P(Visits, PageChoiceTest,
                         testing::Values(
                             // The browser's languages in order: the first with a catalogue wins.
                             PageRow{"", "", {"bg-BG", "en-US"}, "bg"},
                             PageRow{"", "", {"en-US", "bg-BG"}, "en"},
                             PageRow{"", "", {"de-DE", "bg", "en"}, "bg"},
                             PageRow{"", "", {"fr-CA", "en-GB", "bg"}, "en"},
                             PageRow{"", "", {"de-DE", "fr"}, "en"}, PageRow{"", "", {}, "en"},
                             PageRow{"", "", {"BG"}, "bg"}, PageRow{"", "", {"bg_BG.UTF-8"}, "bg"},
                             PageRow{"", "", {"C", "bg"}, "bg"}, PageRow{"", "", {""}, "en"},
                             // ?lang= before everything, as long as it names a catalogue.
                             PageRow{"en", "", {"bg-BG"}, "en"}, PageRow{"bg", "", {"en-US"}, "bg"},
                             PageRow{"xx", "", {"en-US"}, "en"}, PageRow{"xx", "", {"bg-BG"}, "bg"},
                             PageRow{"EN", "bg", {"bg-BG"}, "en"},
                             // Then the choice of an earlier visit.
                             PageRow{"", "en", {"bg-BG"}, "en"}, PageRow{"", "bg", {"en-US"}, "bg"},
                             PageRow{"en", "bg", {"bg-BG"}, "en"},
                             PageRow{"", "xx", {"bg-BG"}, "bg"}));

TEST(LanguageChoiceTest, DesktopAndPageReadEveryTagAlike)
{
    // The same tag as LANGUAGE on the desktop and as the browser's language.
    for (const char *tag : {"bg", "BG", "bg-BG", "bg_BG.UTF-8", "bg@latin", "en", "EN-GB",
                            "en_US.UTF-8", "de-DE", "kl", "fr_FR@euro"}) {
        const std::vector<std::string_view> browser{tag};
        EXPECT_EQ(&DesktopChoice(tag, "", "", "bg_BG.UTF-8"), &PageChoice("", "", browser)) << tag;
    }
}

} // namespace
