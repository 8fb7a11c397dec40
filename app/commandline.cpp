#include "commandline.h"

#include "euclid.h"
#include "languages.h"
#include "placeholders.h"
#include "solve.h"
#include "worksheetoptions.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view Program = "velmora";

// Qt's own options, which the window keeps taking with one dash or two.
constexpr std::array<std::string_view, 35> QtOptions = {"platform",
                                                        "platformpluginpath",
                                                        "platformtheme",
                                                        "plugin",
                                                        "qwindowgeometry",
                                                        "qwindowicon",
                                                        "qwindowtitle",
                                                        "reverse",
                                                        "session",
                                                        "style",
                                                        "stylesheet",
                                                        "widgetcount",
                                                        "display",
                                                        "geometry",
                                                        "name",
                                                        "title",
                                                        "visual",
                                                        "ncols",
                                                        "cmap",
                                                        "im",
                                                        "inputstyle",
                                                        "nograb",
                                                        "dograb",
                                                        "sync",
                                                        "fn",
                                                        "font",
                                                        "bg",
                                                        "background",
                                                        "fg",
                                                        "foreground",
                                                        "btn",
                                                        "button",
                                                        "qmljsdebugger",
                                                        "testability",
                                                        "qdevicepixelratio"};

bool IsQtOption(std::string_view argument)
{
    if (!argument.starts_with("--"))
        return false;
    argument.remove_prefix(2);
    argument = argument.substr(0, argument.find('='));
    return std::find(QtOptions.begin(), QtOptions.end(), argument) != QtOptions.end();
}

bool IsOwnOption(std::string_view argument)
{
    return argument == "--help" || argument == "-h" || argument == "--version" ||
           argument == "--explain" || argument == "--lang" || argument.starts_with("--lang=");
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// "bg, en", or for the help "bg|en".
std::string LanguageCodes(std::string_view separator)
{
    std::string codes;
    for (const Catalogue *catalogue : Catalogues) {
        if (!codes.empty())
            codes += separator;
        codes += catalogue->code.value;
    }
    return codes;
}

std::string WithLineFeeds(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k)
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n'))
            lines += text[k];
    return lines;
}

std::string HelpText(const Catalogue &language)
{
    const CommandLineTexts &say = language.commandLine;
    const std::string languageSyntax = "--lang " + LanguageCodes("|");
    const auto syntax = [](std::string_view name) { return OptionSyntax(SheetOptionNamed(name)); };
    const auto byDefault = [](std::string_view name) {
        return std::to_string(SheetOptionNamed(name).byDefault);
    };
    const std::string worksheet =
        FillPlaceholders(say.worksheet, {{"count", syntax("count")},
                                         {"range", syntax("range")},
                                         {"variants", syntax("variants")},
                                         {"code", syntax("code")},
                                         {"unsolvable", syntax("unsolvable")},
                                         {"paper", syntax("paper")},
                                         {"countDefault", byDefault("count")},
                                         {"rangeDefault", byDefault("range")},
                                         {"variantsDefault", byDefault("variants")},
                                         {"unsolvableDefault", byDefault("unsolvable")},
                                         {"paperDefault", std::string(SheetPapers[0])}});
    const std::vector<std::pair<std::string_view, std::string_view>> options = {
        {"--explain A B C", say.explain},
        {languageSyntax, say.lang},
        {"-h, --help", say.help},
        {"--version", say.version},
        {"--worksheet -o FILE.pdf", worksheet},
    };
    std::size_t width = 0;
    for (const auto &[syntax, text] : options)
        width = std::max(width, syntax.size());

    std::string help = FillPlaceholders(say.usage, {{"program", std::string(Program)}}) + "\n";
    help += std::string(say.summary.value) + "\n\n";
    help += std::string(say.options.value) + "\n";
    for (const auto &[syntax, text] : options) {
        help += "  " + std::string(syntax) + std::string(width - syntax.size() + 2, ' ');
        help += std::string(text) + "\n";
    }
    help += "\n" + std::string(say.reading.value) + "\n";
    help += std::string(say.exitStatus.value) + "\n";
    return help;
}

// The arguments taken apart; the first fault, if any, as a filled message.
struct Request
{
    bool help = false;
    bool version = false;
    std::optional<std::array<std::string_view, 3>> explain;
    std::optional<std::string_view> language;
    const Catalogue *catalogue = nullptr; // what `language` names
    Phrase CommandLineTexts::*fault = nullptr;
    std::string faultArgument;
};

Request Parse(std::span<const std::string_view> arguments)
{
    Request request;
    const auto fail = [&](Phrase CommandLineTexts::*fault, std::string_view argument = {}) {
        if (!request.fault) {
            request.fault = fault;
            request.faultArgument = argument;
        }
    };
    // Only the message is chosen here; its language is known at the end.
    using say = CommandLineTexts;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            request.help = true;
        } else if (argument == "--version") {
            request.version = true;
        } else if (argument == "--explain") {
            if (request.explain)
                fail(&say::repeated, argument);
            if (arguments.size() - i - 1 < 3) {
                fail(&say::missingCoefficients);
                break;
            }
            // Taken as typed, so that -35 is a coefficient and not an option.
            request.explain = {arguments[i + 1], arguments[i + 2], arguments[i + 3]};
            i += 3;
        } else if (argument == "--lang" || argument.starts_with("--lang=")) {
            if (request.language)
                fail(&say::repeated, "--lang");
            std::string_view code;
            if (argument == "--lang") {
                if (i + 1 == arguments.size()) {
                    fail(&say::missingLanguage);
                    break;
                }
                code = arguments[++i];
            } else {
                code = argument.substr(7);
            }
            request.language = code;
            const Catalogue *catalogue = FindCatalogue(Lower(code));
            if (!request.catalogue)
                request.catalogue = catalogue; // the first one speaks
            if (!catalogue)
                fail(&say::unknownLanguage, code);
        } else {
            fail(&say::unknownArgument, argument);
        }
    }
    if (request.language && !request.help && !request.version && !request.explain)
        fail(&say::languageAlone);
    return request;
}

} // namespace

bool WantsCommandLine(std::span<const std::string_view> arguments)
{
    return std::any_of(arguments.begin(), arguments.end(), [](std::string_view argument) {
        return IsOwnOption(argument) || (argument.starts_with("--") && !IsQtOption(argument));
    });
}

CommandLineResult RunCommandLine(std::span<const std::string_view> arguments,
                                 const CommandLineSetting &setting)
{
    const Request request = Parse(arguments);
    const Catalogue &language = request.catalogue ? *request.catalogue : setting.language;
    if (request.fault) {
        const Phrase &fault = language.commandLine.*request.fault;
        const std::string message = FillPlaceholders(fault, {{"argument", request.faultArgument},
                                                             {"language", request.faultArgument},
                                                             {"languages", LanguageCodes(", ")}});
        return {2, {}, std::string(Program) + ": " + message + "\n"};
    }
    if (request.help || (!request.version && !request.explain))
        return {0, HelpText(language), {}};
    if (request.version)
        return {0, std::string(Program) + " " + std::string(setting.version) + "\n", {}};
    const auto &[a, b, c] = *request.explain;
    return {0, ExplainText(a, b, c, setting.decimalSeparator, language, setting.random), {}};
}

std::string ExplainText(std::string_view a, std::string_view b, std::string_view c,
                        std::string_view decimalSeparator, const Catalogue &language,
                        const RandomSource &random)
{
    std::string text =
        WithLineFeeds(Solve({a, b, c}, random, decimalSeparator, language.transcript).Text());
    text += "\n";
    text += language.euclid.title.value;
    text += "\n";
    text += WithLineFeeds(EuclidAccount(a, b, c, decimalSeparator, language));
    return text;
}
