#include "engine.h"
#include "jsonstring.h"

#include "answercheck.h"
#include "clockrandom.h"
#include "controltable.h"
#include "languagechoice.h"
#include "languages.h"
#include "practiceround.h"
#include "randomcoefficient.h"
#include "readcoefficient.h"
#include "visit.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#if defined(__wasm__)
#define VELMORA_EXPORT(name) __attribute__((export_name(#name)))
#else
#define VELMORA_EXPORT(name)
#endif

namespace {

// Each catalogue as the module needs it. The page holds the captions, the
// names and the introduction itself, so the module carries none of them:
// only what the visit speaks.
constexpr std::array<std::string_view, 0> NoLines{};

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
    return spoken;
}

template <std::size_t... I> constexpr auto SpokenOf(std::index_sequence<I...>)
{
    return std::array<Catalogue, sizeof...(I)>{ForTheModule(*Catalogues[I])...};
}
constexpr auto Spoken = SpokenOf(std::make_index_sequence<Catalogues.size()>());

const Catalogue &SpokenIn(std::string_view code)
{
    for (const Catalogue &catalogue : Spoken)
        if (catalogue.code.value == code)
            return catalogue;
    return Spoken[0];
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
constexpr std::string_view FirstLanguage = Bulgarian.code.value;
Visit visit(draw, SpokenIn(FirstLanguage));
std::string returned;

// "Your answer" for the equation in the fields, and this visit's round.
PupilAnswer answer;
std::optional<AnswerCheck> feedback;
PracticeRound practiceRound;

// A new equation or language: the pupil starts the answer afresh.
void ForgetAnswer()
{
    answer = PupilAnswer();
    feedback.reset();
}

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

std::string_view VerdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right:
        return "right";
    case Verdict::Wrong:
        return "wrong";
    case Verdict::Refused:
        break;
    }
    return "refused";
}

void AppendPractice(std::string &out)
{
    const PracticeTexts &texts = visit.Language().practice;
    out += "{\"answer\":[";
    const std::string *entries[] = {&answer.x0, &answer.y0, &answer.stepX, &answer.stepY};
    for (const std::string *entry : entries) {
        if (entry != entries[0])
            out += ',';
        AppendJson(out, *entry);
    }
    out += "],\"noSolution\":";
    out += answer.noSolution ? "true" : "false";
    out += ",\"verdict\":";
    AppendJson(out, feedback ? VerdictName(feedback->verdict) : "");
    out += ",\"heading\":";
    AppendJson(out, !feedback                             ? std::string_view()
                    : feedback->verdict == Verdict::Right ? std::string_view(texts.right)
                                                          : std::string_view(texts.wrong));
    out += ",\"lines\":[";
    if (feedback)
        for (const FeedbackLine &line : feedback->lines) {
            if (&line != &feedback->lines.front())
                out += ',';
            out += "{\"text\":";
            AppendJson(out, line.text);
            out += ",\"mistake\":";
            out += line.mistake ? "true}" : "false}";
        }
    out += "],\"tally\":";
    AppendJson(out, practiceRound.Tally(texts));
    out += '}';
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

VELMORA_EXPORT(velmora_language) int velmora_language(const char *code)
{
    for (const Catalogue &catalogue : Spoken)
        if (catalogue.code.value == code) {
            if (&catalogue != &visit.Language())
                ForgetAnswer();
            visit.SetLanguage(catalogue);
            return 1;
        }
    return 0;
}

VELMORA_EXPORT(velmora_separator) void velmora_separator(const char *separator)
{
    visit.SetDecimalSeparator(separator);
}

VELMORA_EXPORT(velmora_form_load) void velmora_form_load(void)
{
    visit.Form_Load();
}

VELMORA_EXPORT(velmora_button) void velmora_button(int index)
{
    if (index == 1 || index == 2)
        ForgetAnswer();
    visit.Buton_Click(index);
}

VELMORA_EXPORT(velmora_select_range) void velmora_select_range(int index)
{
    if (index != visit.SelectedRange())
        ForgetAnswer();
    visit.Sluch_Click(index);
}

VELMORA_EXPORT(velmora_enter) void velmora_enter(void)
{
    visit.EnterInField();
}

VELMORA_EXPORT(velmora_edit) void velmora_edit(int k, const char *text)
{
    visit.Edit(k, text);
}

VELMORA_EXPORT(velmora_view) const char *velmora_view(void)
{
    returned = "{\"language\":";
    AppendJson(returned, visit.Language().code);
    returned += ",\"fields\":[";
    for (int k = 1; k <= 3; ++k) {
        if (k > 1)
            returned += ',';
        AppendJson(returned, visit.Field(k));
    }
    returned += "],\"locked\":";
    returned += visit.FieldsLocked() ? "true" : "false";
    returned += ",\"calculate\":";
    returned += visit.CalculateEnabled() ? "true" : "false";
    returned += ",\"range\":" + std::to_string(visit.SelectedRange());
    returned += ",\"transcript\":";
    AppendJson(returned, visit.TranscriptText());
    returned += ",\"focus\":";
    AppendJson(returned, FocusName(visit.FocusAfter()));
    returned += ",\"accounts\":[";
    for (std::size_t i = 0; i < visit.AccountCount(); ++i) {
        if (i > 0)
            returned += ',';
        AppendJson(returned, visit.AccountText(i));
    }
    returned += "],\"practice\":";
    AppendPractice(returned);
    returned += '}';
    return returned.c_str();
}

VELMORA_EXPORT(velmora_answer)
void velmora_answer(const char *x0, const char *y0, const char *p, const char *q, int noSolution)
{
    answer = PupilAnswer{x0, y0, p, q, noSolution != 0};
}

VELMORA_EXPORT(velmora_check) const char *velmora_check(void)
{
    feedback = CheckAnswer(visit.Field(1), visit.Field(2), visit.Field(3), answer,
                           visit.DecimalSeparator(), visit.Language());
    practiceRound.Record(visit.Field(1), visit.Field(2), visit.Field(3), feedback->verdict);
    returned.clear();
    AppendPractice(returned);
    return returned.c_str();
}

VELMORA_EXPORT(velmora_clear_tally) const char *velmora_clear_tally(void)
{
    practiceRound.Clear();
    returned.clear();
    AppendPractice(returned);
    return returned.c_str();
}

VELMORA_EXPORT(velmora_solve)
const char *velmora_solve(const char *a, const char *b, const char *c, const char *decimalSeparator)
{
    visit.Buton_Click(1);
    visit.Edit(1, a);
    visit.Edit(2, b);
    visit.Edit(3, c);
    visit.SetDecimalSeparator(decimalSeparator);
    visit.Buton_Click(0);
    return visit.TranscriptText().c_str();
}

VELMORA_EXPORT(velmora_account) const char *velmora_account(int index)
{
    returned = index < 0 ? std::string() : visit.AccountText(static_cast<std::size_t>(index));
    return returned.c_str();
}

VELMORA_EXPORT(velmora_fill) const char *velmora_fill(const char *range)
{
    returned = RandomCoefficient(draw(), ReadNumber(range));
    return returned.c_str();
}
