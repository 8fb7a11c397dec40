#include "commandline.h"

#include "boundsaccount.h"
#include "boundtext.h"
#include "euclid.h"
#include "languagechoice.h"
#include "languages.h"
#include "linepicture.h"
#include "placeholders.h"
#include "practicetext.h"
#include "solve.h"
#include "worksheetoptions.h"

#include <QCommandLineParser>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view Program = "velmora";

// --method's values, each with the lesson's method.
constexpr std::array<std::pair<std::string_view, EuclidLesson::Method>, 2> Methods = {{
    {"substitution", EuclidLesson::Method::Substitution},
    {"table", EuclidLesson::Method::Table},
}};

std::string MethodNames(std::string_view separator)
{
    std::string names;
    for (const auto &[name, method] : Methods)
        names += (names.empty() ? "" : std::string(separator)) + std::string(name);
    return names;
}

// The ends of the bounds, in the order the account takes them.
constexpr std::array<std::string_view, 4> BoundEnds = {"x-min", "x-max", "y-min", "y-max"};

std::optional<std::int64_t> &EndOf(SolutionBounds &bounds, std::size_t k)
{
    std::optional<std::int64_t> *const ends[] = {&bounds.xMin, &bounds.xMax, &bounds.yMin,
                                                 &bounds.yMax};
    return *ends[k];
}

QString Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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
                                         {"wordProblems", syntax("word-problems")},
                                         {"wordProblemsDefault", byDefault("word-problems")},
                                         {"countDefault", byDefault("count")},
                                         {"rangeDefault", byDefault("range")},
                                         {"variantsDefault", byDefault("variants")},
                                         {"unsolvableDefault", byDefault("unsolvable")},
                                         {"paperDefault", std::string(SheetPapers[0])}});
    const BoundsTexts &bounds = language.bounds;
    const std::vector<std::pair<std::string, std::string_view>> options = {
        {"--explain A B C", say.explain},
        {"--method " + MethodNames("|"), say.method},
        {"--picture A B C -o FILE.svg", say.picture},
        {"--positive", bounds.helpPositive},
        {"--non-negative", bounds.helpNonNegative},
        {"--x-min N", bounds.helpXMin},
        {"--x-max N", bounds.helpXMax},
        {"--y-min N", bounds.helpYMin},
        {"--y-max N", bounds.helpYMax},
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
    help += "\n" + FillPlaceholders(bounds.helpBounds, {{"lower", WholeText(BoundLowest)},
                                                        {"upper", WholeText(BoundHighest)}});
    help += "\n" + std::string(say.reading.value) + "\n";
    help += std::string(say.exitStatus.value) + "\n";
    return help;
}

// The worksheet's options, as the design names them; --lang is the command
// line's own and serves the worksheet too.
std::vector<const SheetOption *> SheetCommandOptions()
{
    std::vector<const SheetOption *> options;
    for (const SheetOption &option : SheetOptions)
        if (option.kind != SheetOptionKind::Language)
            options.push_back(&option);
    return options;
}

// Every option, each by all its names; the first name is the one a message
// writes. One that takes a value names it.
struct OptionEntry
{
    QStringList names;
    bool takesValue;
};

std::vector<OptionEntry> OptionEntries()
{
    std::vector<OptionEntry> entries = {
        {{"help", "h"}, false}, {{"version"}, false},      {{"explain"}, false},
        {{"lang"}, true},       {{"worksheet"}, false},    {{"output", "o"}, true},
        {{"positive"}, false},  {{"non-negative"}, false}, {{"picture"}, false},
        {{"method"}, true},
    };
    for (std::string_view end : BoundEnds)
        entries.push_back({{Text(end)}, true});
    for (const SheetOption *option : SheetCommandOptions())
        entries.push_back({{Text(option->name)}, option->kind != SheetOptionKind::Flag});
    return entries;
}

const OptionEntry *EntryNamed(const std::vector<OptionEntry> &entries, const QString &name)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const OptionEntry &entry) {
        return entry.names.contains(name);
    });
    return found == entries.end() ? nullptr : &*found;
}

// "--count=12" and "-count 12" alike give "count".
QString NameOf(const QString &argument)
{
    QString name = argument;
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    return name.left(name.indexOf(u'='));
}

bool IsOption(std::string_view argument, std::string_view name)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(2);
    else if (argument.starts_with("-"))
        argument.remove_prefix(1);
    else
        return false;
    return argument == name;
}

} // namespace

CommandLineRequest ReadCommandLine(std::span<const std::string_view> arguments,
                                   const Catalogue &desktop, std::string_view decimalSeparator)
{
    using Mode = CommandLineRequest::Mode;
    CommandLineRequest request;
    request.language = &desktop;
    const std::vector<OptionEntry> entries = OptionEntries();
    const auto namesAnOption = [&](std::string_view word) {
        return word.starts_with('-') && EntryNamed(entries, NameOf(Text(word)));
    };

    // The three words after --explain or --picture are its coefficients,
    // taken before the parser sees them: to any parser a negative one, -35,
    // is an option. So is a bound's -5, which the next word gives unless it
    // is one of the options; with none the bound is empty, and refused so.
    QStringList words{Text(Program)};
    std::optional<std::string_view> tooFewCoefficients; // the option short of them
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool bound =
            std::any_of(BoundEnds.begin(), BoundEnds.end(),
                        [&](std::string_view end) { return IsOption(arguments[i], end); });
        if (bound) {
            const bool given = i + 1 < arguments.size() && !namesAnOption(arguments[i + 1]);
            words << Text(arguments[i]) + u'=' + (given ? Text(arguments[i + 1]) : QString());
            i += given ? 1 : 0;
            continue;
        }
        words << Text(arguments[i]);
        const std::string_view task = IsOption(arguments[i], "explain")   ? "explain"
                                      : IsOption(arguments[i], "picture") ? "picture"
                                                                          : "";
        if (task.empty())
            continue;
        const std::size_t given = std::min<std::size_t>(3, arguments.size() - i - 1);
        if (given < 3 && !tooFewCoefficients)
            tooFewCoefficients = task;
        for (std::size_t k = 0; k < given; ++k)
            request.coefficients[k] = arguments[i + 1 + k];
        i += given;
    }

    QCommandLineParser parser;
    // One dash or two, as Qt's own options: -lang en is --lang en.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionEntry &entry : entries) {
        parser.addOption(entry.takesValue ? QCommandLineOption(entry.names, {}, entry.names[0])
                                          : QCommandLineOption(entry.names));
    }
    const bool parsed = parser.parse(words);

    // The messages speak the language asked for, even about another fault.
    std::optional<QString> asked;
    if (!parser.values("lang").isEmpty())
        asked = parser.values("lang").constFirst();
    const Catalogue *chosen = asked ? CatalogueOfTag(asked->toStdString()) : nullptr;
    if (chosen)
        request.language = chosen;
    const CommandLineTexts &say = request.language->commandLine;
    const auto fill = [&](const Phrase &message, std::initializer_list<Placeholder> values) {
        return FillPlaceholders(message, values);
    };
    // As typed, by whichever of its names: "-o" for output.
    const auto typed = [&](const QString &name) {
        const OptionEntry *entry = EntryNamed(entries, name);
        const QStringList names = entry ? entry->names : QStringList{name};
        for (const QString &word : words.mid(1))
            if (word.startsWith(u'-') && names.contains(NameOf(word)))
                return word.left(word.indexOf(u'=')).toStdString();
        return name.toStdString();
    };
    const bool explain = parser.isSet("explain"), worksheet = parser.isSet("worksheet");
    const bool picture = parser.isSet("picture");
    const bool positive = parser.isSet("positive"), nonNegative = parser.isSet("non-negative");
    const bool bounded = positive || nonNegative ||
                         std::any_of(BoundEnds.begin(), BoundEnds.end(),
                                     [&](std::string_view end) { return parser.isSet(Text(end)); });
    // A flag of the worksheet's may say its value (--zeros=no), as a page's
    // address does; the option reader takes it.
    const auto flagValue = [&](const QString &name) -> std::optional<std::string> {
        for (const QString &word : words.mid(1))
            if (word.startsWith(u'-') && NameOf(word) == name && word.contains(u'='))
                return word.mid(word.indexOf(u'=') + 1).toStdString();
        return std::nullopt;
    };
    const auto isSheetOption = [](const QString &name) {
        return std::any_of(SheetOptions.begin(), SheetOptions.end(),
                           [&](const SheetOption &option) { return Text(option.name) == name; });
    };
    const auto fault = [&]() -> std::string {
        if (!parser.unknownOptionNames().isEmpty()) {
            const std::string name = parser.unknownOptionNames()[0].toStdString();
            if (!worksheet)
                return fill(say.unknownArgument, {{"argument", typed(Text(name))}});
            WorksheetChoices unused;
            return OptionProblemText(*ApplyWorksheetOption(unused, name, ""), *request.language,
                                     "--");
        }
        for (const OptionEntry &entry : entries)
            if (!entry.takesValue && !isSheetOption(entry.names[0]) && flagValue(entry.names[0]))
                return fill(say.noValue, {{"option", typed(entry.names[0])}});
        const QString last = NameOf(words.constLast());
        const OptionEntry *lastEntry = EntryNamed(entries, last);
        if (!parsed && lastEntry && lastEntry->takesValue && !words.constLast().contains(u'=')) {
            if (last == "lang")
                return fill(say.missingLanguage, {{"languages", LanguageCodes(", ")}});
            if ((last == "output" || last == "o") && picture)
                return std::string(say.pictureOutput);
            if (last == "output" || last == "o")
                return std::string(request.language->worksheet.missingOutput);
            if (last == "method")
                return OptionProblemText({"method", "", MethodNames("|")}, *request.language, "--");
            const std::string name = last.toStdString();
            return OptionProblemText({name, "", AllowedValues(SheetOptionNamed(name))},
                                     *request.language, "--");
        }
        const QStringList given = parser.optionNames();
        for (const OptionEntry &entry : entries) {
            const auto times = std::count_if(given.begin(), given.end(), [&](const QString &name) {
                return entry.names.contains(name);
            });
            if (times > 1)
                return fill(say.repeated, {{"argument", "--" + entry.names[0].toStdString()}});
        }
        if (tooFewCoefficients == "explain")
            return std::string(say.missingCoefficients);
        if (tooFewCoefficients == "picture")
            return std::string(say.pictureCoefficients);
        if (asked && !chosen)
            return fill(say.unknownLanguage,
                        {{"language", asked->toStdString()}, {"languages", LanguageCodes(", ")}});
        return {};
    };
    // Read last, so that "--count -o x.pdf" is refused for its count.
    const auto stray = [&]() -> std::string {
        if (parser.positionalArguments().isEmpty())
            return {};
        return fill(say.unknownArgument,
                    {{"argument", parser.positionalArguments()[0].toStdString()}});
    };

    // Nothing of the program's: the window's, whose arguments Qt takes first.
    if (parser.optionNames().isEmpty()) {
        request.fault = fault();
        if (request.fault.empty())
            request.fault = stray();
        return request;
    }
    const auto refuse = [&](std::string message) {
        request.mode = Mode::Refused;
        request.fault = std::move(message);
        return request;
    };
    if (std::string message = fault(); !message.empty())
        return refuse(std::move(message));

    if (parser.isSet("help"))
        request.mode = Mode::Help;
    else if (parser.isSet("version"))
        request.mode = Mode::Version;
    else if (explain && worksheet)
        return refuse(std::string(say.oneTask));
    else if (picture && (explain || worksheet))
        return refuse(fill(say.together, {{"first", typed(explain ? "explain" : "worksheet")},
                                          {"second", typed("picture")}}));
    else if (bounded && !explain && !picture)
        return refuse(std::string(request.language->bounds.withoutExplain));
    else if (parser.isSet("method") && !explain && !worksheet)
        return refuse(fill(say.explainOnly, {{"option", typed("method")}}));
    else if (parser.isSet("output") && !worksheet && !picture)
        return refuse(fill(say.outputOnly, {{"option", typed("output")}}));
    else if (explain)
        request.mode = Mode::Explain;
    else if (picture)
        request.mode = Mode::Picture;
    else if (worksheet)
        request.mode = Mode::Worksheet;
    else if (!asked)
        return refuse(fill(say.worksheetOnly, {{"option", typed(parser.optionNames()[0])}}));
    else if (const QStringList given = parser.optionNames(); given.size() > 1)
        // A worksheet's option says more than --lang, which goes with it.
        return refuse(fill(say.worksheetOnly, {{"option", typed(given[given[0] == "lang"])}}));
    else
        return refuse(std::string(say.languageAlone));

    // A worksheet's key has Euclid's way, and so a method, with --euclid alone.
    if (request.mode == Mode::Worksheet && parser.isSet("method")) {
        WorksheetChoices read;
        if (parser.isSet("euclid"))
            ApplyWorksheetOption(read, "euclid", flagValue("euclid").value_or(""));
        if (!read.euclid)
            return refuse(fill(say.explainOnly, {{"option", typed("method")}}));
    }
    if ((request.mode == Mode::Explain || request.mode == Mode::Worksheet) &&
        parser.isSet("method")) {
        const std::string value = parser.value("method").toLower().toStdString();
        const auto found = std::find_if(Methods.begin(), Methods.end(),
                                        [&](const auto &method) { return method.first == value; });
        if (found == Methods.end())
            return refuse(OptionProblemText(
                {"method", parser.value("method").toStdString(), MethodNames("|")},
                *request.language, "--"));
        request.method = found->second;
        request.choices.euclidMethod = found->second;
    }
    if ((request.mode == Mode::Explain || request.mode == Mode::Picture) && bounded) {
        const BoundsTexts &bounds = request.language->bounds;
        if (positive && nonNegative)
            return refuse(std::string(bounds.bothChoices));
        SolutionBounds given;
        for (std::size_t k = 0; k < BoundEnds.size(); ++k) {
            const QString name = Text(BoundEnds[k]);
            if (!parser.isSet(name))
                continue;
            const std::string text = parser.value(name).toStdString();
            const BoundReading reading = ReadBound(text, decimalSeparator);
            if (reading.kind == BoundReading::Kind::Empty)
                return refuse(fill(bounds.missingValue, {{"option", typed(name)},
                                                         {"lower", WholeText(BoundLowest)},
                                                         {"upper", WholeText(BoundHighest)}}));
            if (std::string message = BoundFault(typed(name), text, reading, *request.language);
                !message.empty())
                return refuse(std::move(message));
            EndOf(given, k) = reading.value;
        }
        const SolutionBounds chosen = positive      ? SolutionBounds::Natural()
                                      : nonNegative ? SolutionBounds::NonNegative()
                                                    : SolutionBounds{};
        request.bounds = BothBounds(chosen, given);
    }
    if (request.mode == Mode::Worksheet) {
        request.choices.language = std::string(request.language->code);
        for (const SheetOption *option : SheetCommandOptions()) {
            const QString name = Text(option->name);
            if (!parser.isSet(name))
                continue;
            const std::string value = option->kind == SheetOptionKind::Flag
                                          ? flagValue(name).value_or("")
                                          : parser.value(name).toStdString();
            if (const auto problem = ApplyWorksheetOption(request.choices, option->name, value))
                return refuse(OptionProblemText(*problem, *request.language, "--"));
        }
    }
    if (std::string message = stray(); !message.empty())
        return refuse(std::move(message));
    if (request.mode == Mode::Worksheet || request.mode == Mode::Picture) {
        request.output = parser.value("output").toStdString();
        if (request.output.empty() && request.mode == Mode::Picture)
            return refuse(std::string(say.pictureOutput));
        if (request.output.empty())
            return refuse(std::string(request.language->worksheet.missingOutput));
    }
    return request;
}

CommandLineResult Refusal(const std::string &fault)
{
    return {2, {}, std::string(Program) + ": " + fault + "\n"};
}

namespace {

// The SVG file, or standard output for "-". A picture refused for its
// coefficients is refused as Euclid's way refuses them, in one line.
CommandLineResult PictureResult(const CommandLineRequest &request,
                                const CommandLineSetting &setting)
{
    const auto &[a, b, c] = request.coefficients;
    const Catalogue &language = *request.language;
    const std::string svg = LinePictureOfTexts(a, b, c, request.bounds, language);
    if (svg.empty()) {
        const EuclidLesson lesson = EuclidLessonFor(a, b, c, setting.decimalSeparator, language);
        for (const EuclidStep &step : lesson.steps)
            if (step.kind == EuclidStep::Kind::Refusal && !step.lines.empty())
                return Refusal(step.lines.front());
        return Refusal(std::string(language.commandLine.pictureCoefficients));
    }
    if (request.output == "-")
        return {0, svg, {}};
    // Written beside the target and renamed over it only when whole.
    QSaveFile file(QString::fromLocal8Bit(request.output.c_str()));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(svg.data(), static_cast<qint64>(svg.size())) !=
            static_cast<qint64>(svg.size()) ||
        !file.commit()) {
        return {1,
                {},
                std::string(Program) + ": " +
                    FillPlaceholders(language.worksheet.cannotWrite, {{"file", request.output}}) +
                    "\n"};
    }
    return {};
}

} // namespace

CommandLineResult RunCommandLine(const CommandLineRequest &request,
                                 const CommandLineSetting &setting)
{
    using Mode = CommandLineRequest::Mode;
    if (!request.fault.empty())
        return Refusal(request.fault);
    switch (request.mode) {
    case Mode::Help:
        return {0, HelpText(*request.language), {}};
    case Mode::Version:
        return {0, std::string(Program) + " " + std::string(setting.version) + "\n", {}};
    case Mode::Explain: {
        const auto &[a, b, c] = request.coefficients;
        return {0,
                ExplainText(a, b, c, setting.decimalSeparator, *request.language, setting.random,
                            request.bounds, request.method),
                {}};
    }
    case Mode::Picture:
        return PictureResult(request, setting);
    case Mode::Worksheet:
    case Mode::Window:
    case Mode::Refused:
        break;
    }
    return {};
}

std::string ExplainText(std::string_view a, std::string_view b, std::string_view c,
                        std::string_view decimalSeparator, const Catalogue &language,
                        const RandomSource &random, const SolutionBounds &bounds,
                        EuclidLesson::Method method)
{
    std::string text =
        WithLineFeeds(Solve({a, b, c}, random, decimalSeparator, language.transcript).Text());
    text += "\n";
    text += language.euclid.title.value;
    text += "\n";
    text += WithLineFeeds(EuclidAccount(a, b, c, decimalSeparator, language, method));
    if (!bounds.any())
        return text;
    // Refused coefficients have no account, as Euclid's way has said.
    const std::string account = BoundsAccount(a, b, c, bounds, language);
    if (account.empty())
        return text;
    text += "\n";
    text += language.bounds.title.value;
    text += "\n";
    text += WithLineFeeds(account);
    return text;
}
