#include "engine.h"
#include "exportname.h"
#include "pagejson.h"

#include "clockrandom.h"
#include "controltable.h"
#include "languagechoice.h"
#include "languages.h"
#include "pacekeys.h"
#include "randomcoefficient.h"
#include "readcoefficient.h"
#include "visit.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Each catalogue as the module needs it. The page holds the captions, the
// names and the introduction itself, so the module carries none of them:
// only what the visit speaks.
constexpr std::array<std::string_view, 0> NoLines{};

template <typename Texts, typename... Member>
constexpr void Unspoken(Texts &texts, const Phrase &code, Member... members)
{
    ((texts.*members = code), ...);
}

constexpr Catalogue ForTheModule(const Catalogue &full)
{
    Catalogue spoken = full;
    for (const ControlEntry &entry : Controls)
        spoken.controls.*entry.texts = ControlText{full.code, full.code};
    spoken.introduction = Paragraphs(NoLines);
    for (Phrase MessageTexts::*message :
         {&MessageTexts::noDisplay, &MessageTexts::displayFailed, &MessageTexts::pageCannotLoad,
          &MessageTexts::pageTitle, &MessageTexts::pageDescription, &MessageTexts::languageSwitch})
        spoken.messages.*message = full.code;
    // Nor the command line's texts and the window's menus, which the page
    // never speaks: room in the one file for the bounds' account.
    Unspoken(spoken.commandLine, full.code, &CommandLineTexts::usage, &CommandLineTexts::summary,
             &CommandLineTexts::options, &CommandLineTexts::explain, &CommandLineTexts::lang,
             &CommandLineTexts::help, &CommandLineTexts::version, &CommandLineTexts::worksheet,
             &CommandLineTexts::reading, &CommandLineTexts::exitStatus,
             &CommandLineTexts::unknownArgument, &CommandLineTexts::missingCoefficients,
             &CommandLineTexts::missingLanguage, &CommandLineTexts::unknownLanguage,
             &CommandLineTexts::languageAlone, &CommandLineTexts::repeated,
             &CommandLineTexts::worksheetOnly, &CommandLineTexts::noValue,
             &CommandLineTexts::oneTask, &CommandLineTexts::method, &CommandLineTexts::picture,
             &CommandLineTexts::pictureOutput, &CommandLineTexts::pictureCoefficients,
             &CommandLineTexts::together, &CommandLineTexts::explainOnly,
             &CommandLineTexts::outputOnly);
    Unspoken(spoken.menus, full.code, &MenuTexts::file, &MenuTexts::worksheet, &MenuTexts::quit,
             &MenuTexts::view, &MenuTexts::euclidPanel, &MenuTexts::answerPanel, &MenuTexts::zoomIn,
             &MenuTexts::zoomOut, &MenuTexts::actualSize, &MenuTexts::euclidEmpty);
    Unspoken(spoken.bounds, full.code, &BoundsTexts::helpPositive, &BoundsTexts::helpNonNegative,
             &BoundsTexts::helpXMin, &BoundsTexts::helpXMax, &BoundsTexts::helpYMin,
             &BoundsTexts::helpYMax, &BoundsTexts::helpBounds, &BoundsTexts::missingValue,
             &BoundsTexts::bothChoices, &BoundsTexts::withoutExplain);
    return spoken;
}

template <std::size_t... I> constexpr auto SpokenOf(std::index_sequence<I...>)
{
    return std::array<Catalogue, sizeof...(I)>{ForTheModule(*Catalogues[I])...};
}
constexpr auto Spoken = SpokenOf(std::make_index_sequence<Catalogues.size()>());

// The module's catalogue of the tag's language, by the program's one rule.
const Catalogue *SpokenIn(std::string_view tag)
{
    const std::string_view code = LanguageOfTag(tag);
    for (const Catalogue &catalogue : Spoken)
        if (catalogue.code.value == code)
            return &catalogue;
    return nullptr;
}

ClockRandom sequence(0);
std::deque<float> queued;

float draw()
{
    if (queued.empty())
        return sequence();
    const float r = queued.front();
    queued.pop_front();
    return r;
}

// What the page's window holds between calls.
Visit visit(draw, *SpokenIn(Bulgarian.code));
std::string returned;

std::string_view FocusName(Focus focus)
{
    switch (focus) {
    case Focus::Introduction:
        return "introduction";
    case Focus::Transcript:
        return "transcript";
    case Focus::Unchanged:
        break;
    }
    return "";
}

std::string_view NoteName(NoteKind kind)
{
    switch (kind) {
    case NoteKind::Locked:
        return "locked";
    case NoteKind::ReadAs:
        return "readAs";
    case NoteKind::None:
        break;
    }
    return "";
}

std::string_view VerdictName(const std::optional<Verdict> &verdict)
{
    if (!verdict)
        return "";
    switch (*verdict) {
    case Verdict::Right:
        return "right";
    case Verdict::Wrong:
        return "wrong";
    case Verdict::Refused:
        break;
    }
    return "refused";
}

std::string_view ChoiceName(BoundsChoice choice)
{
    switch (choice) {
    case BoundsChoice::Natural:
        return "natural";
    case BoundsChoice::NonNegative:
        return "nonNegative";
    case BoundsChoice::Any:
        break;
    }
    return "any";
}

std::string_view MethodName(EuclidLesson::Method method)
{
    return method == EuclidLesson::Method::Table ? "table" : "substitution";
}

const char *Shown(const VisitView &view)
{
    const PracticeView &p = view.practice;
    // Every field by its name too, for the page, which finds them so.
    nlohmann::json entries = nlohmann::json::object();
    for (std::size_t k = 0; k < view.coefficients.size(); ++k)
        entries[std::string(EntryName(static_cast<Entry>(k)))] = view.coefficients[k];
    for (std::size_t k = 0; k < p.entries.size(); ++k)
        entries[std::string(EntryName(static_cast<Entry>(k + 3)))] = p.entries[k];
    entries[std::string(EntryName(Entry::List))] = p.list;
    // Euclid's way in its steps, its table as rows of cells for a <table>.
    nlohmann::json steps = nlohmann::json::array();
    // Each line also cut at its formulas, the odd parts, which the page keeps
    // on one line where they fit.
    for (const EuclidStep &step : view.euclidLesson.steps) {
        nlohmann::json table = nullptr;
        if (step.table)
            table = {{"headers", step.table->headers}, {"rows", step.table->rows}};
        nlohmann::json parts = nlohmann::json::array(), partsAfter = nlohmann::json::array();
        for (std::size_t k = 0; k < step.lines.size() + step.linesAfter.size(); ++k)
            (k < step.lines.size() ? parts : partsAfter).push_back(EuclidLineParts(step, k));
        steps.push_back({{"lines", step.lines},
                         {"table", table},
                         {"linesAfter", step.linesAfter},
                         {"parts", parts},
                         {"partsAfter", partsAfter}});
    }
    // The bounds' boxes by their names, as the entries; the picture is
    // asked for apart (velmora_picture), being large.
    const BoundsView &b = view.bounds;
    nlohmann::json ends = nlohmann::json::object(), faults = nlohmann::json::object();
    for (std::size_t k = 0; k < b.ends.size(); ++k) {
        const std::string name(BoundEndName(static_cast<BoundEnd>(k)));
        ends[name] = b.ends[k];
        faults[name] = b.faults[k];
    }
    const PaceView &pace = view.pace;
    nlohmann::json lines = nlohmann::json::array();
    for (const FeedbackLine &line : p.lines)
        lines.push_back({{"text", line.text}, {"mistake", line.mistake}});
    const nlohmann::json json = {
        {"language", view.language},
        {"fields", view.coefficients},
        {"entries", entries},
        {"locked", view.locked},
        {"calculate", view.calculateEnabled},
        {"range", view.range},
        {"transcript", view.transcript},
        {"euclid", view.euclid},
        {"euclidMethod", MethodName(view.euclidLesson.method)},
        {"euclidSteps", steps},
        {"euclidTableName", visit.Language().euclid.tableName.value},
        {"pace",
         {{"paced", pace.paced},
          {"at", pace.at},
          {"count", pace.count},
          {"text", pace.text},
          {"next", pace.next},
          {"previous", pace.previous},
          {"all", pace.all}}},
        {"focus", FocusName(view.focus)},
        {"note", view.note},
        {"noteKind", NoteName(view.noteKind)},
        {"bounds",
         {{"choice", ChoiceName(b.choice)},
          {"ends", ends},
          {"faults", faults},
          {"account", b.account}}},
        {"practice",
         {{"answer", p.entries},
          {"noSolution", p.noSolution},
          {"listTask", p.listTask},
          {"verdict", VerdictName(p.verdict)},
          {"heading", p.heading},
          {"lines", lines},
          {"hints", p.hints},
          {"hintAvailable", p.hintAvailable},
          {"tally", p.tally}}},
    };
    returned = PageJson(json);
    return returned.c_str();
}

// The command a name and its argument give; none for one the engine does not
// know.
std::optional<Command> CommandOf(std::string_view name, std::string_view argument,
                                 std::string_view text)
{
    if (name == "start")
        return command::Start{};
    if (name == "calculate")
        return command::Calculate{};
    if (name == "clear")
        return command::Clear{};
    if (name == "newData")
        return command::NewData{};
    if (name == "check")
        return command::Check{};
    if (name == "hint")
        return command::Hint{};
    if (name == "startTallyAgain")
        return command::StartTallyAgain{};
    if (name == PaceNext.command)
        return command::NextStep{};
    if (name == PacePrevious.command)
        return command::PreviousStep{};
    if (name == PaceAll.command)
        return command::ShowAllSteps{};
    if (name == "claim")
        return command::Claim{argument == "1"};
    if (name == "method") {
        if (argument == "table")
            return command::SetEuclidMethod{EuclidLesson::Method::Table};
        if (argument == "substitution")
            return command::SetEuclidMethod{EuclidLesson::Method::Substitution};
        return std::nullopt;
    }
    if (name == "boundsChoice") {
        if (const std::optional<BoundsChoice> choice = BoundsChoiceNamed(argument))
            return command::SetBoundsChoice{*choice};
        return std::nullopt;
    }
    if (name == "bound") {
        if (const std::optional<BoundEnd> end = BoundEndNamed(argument))
            return command::EditBound{*end, std::string(text)};
        return std::nullopt;
    }
    if (name == "separator")
        return command::SetDecimalSeparator{std::string(argument)};
    if (name == "language") {
        if (const Catalogue *language = SpokenIn(argument))
            return command::SetLanguage{language};
        return std::nullopt;
    }
    if (name == "range") {
        int index = -1;
        const auto [end, error] =
            std::from_chars(argument.data(), argument.data() + argument.size(), index);
        if (error != std::errc() || end != argument.data() + argument.size())
            return std::nullopt;
        return command::SelectRange{index};
    }
    const std::optional<Entry> entry = EntryNamed(argument);
    if (!entry)
        return std::nullopt;
    if (name == "edit")
        return command::Edit{*entry, std::string(text)};
    if (name == "enter")
        return command::Enter{*entry};
    return std::nullopt;
}

} // namespace

VELMORA_EXPORT(velmora_alloc) char *velmora_alloc(uint32_t size)
{
    return static_cast<char *>(std::malloc(size == 0 ? 1 : size));
}

VELMORA_EXPORT(velmora_free) void velmora_free(char *text)
{
    std::free(text);
}

VELMORA_EXPORT(velmora_seed) void velmora_seed(uint32_t low, uint32_t high)
{
    sequence = ClockRandom((static_cast<std::uint64_t>(high) << 32) | low);
}

VELMORA_EXPORT(velmora_queue_draw) void velmora_queue_draw(float r)
{
    queued.push_back(r);
}

VELMORA_EXPORT(velmora_choose_language)
const char *velmora_choose_language(const char *address, const char *stored,
                                    const char *browserTags)
{
    std::vector<std::string_view> tags;
    for (std::string_view rest = browserTags; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        tags.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? "" : rest.substr(end + 1);
    }
    returned = PageChoiceCode(address, stored, tags);
    return returned.c_str();
}

VELMORA_EXPORT(velmora_command)
const char *velmora_command(const char *name, const char *argument, const char *text)
{
    if (const std::optional<Command> command = CommandOf(name, argument, text))
        return Shown(visit.Apply(*command));
    return Shown(visit.View());
}

VELMORA_EXPORT(velmora_view) const char *velmora_view(void)
{
    return Shown(visit.View());
}

VELMORA_EXPORT(velmora_picture) const char *velmora_picture(void)
{
    // Drawn by the visit with the bounds it holds, for the page's style sheet.
    returned = visit.View().bounds.picture;
    return returned.c_str();
}

VELMORA_EXPORT(velmora_solve)
const char *velmora_solve(const char *a, const char *b, const char *c, const char *decimalSeparator)
{
    visit.Apply(command::Clear{});
    visit.Apply(command::Edit{Entry::A, a});
    visit.Apply(command::Edit{Entry::B, b});
    visit.Apply(command::Edit{Entry::C, c});
    visit.Apply(command::SetDecimalSeparator{decimalSeparator});
    returned = visit.Apply(command::Calculate{}).transcript;
    return returned.c_str();
}

VELMORA_EXPORT(velmora_fill) const char *velmora_fill(const char *range)
{
    returned = RandomCoefficient(draw(), ReadNumber(range));
    return returned.c_str();
}
