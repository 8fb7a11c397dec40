#include "practiceround.h"

#include "practicetext.h"

namespace {

std::array<std::string, 3> Key(std::string_view a, std::string_view b, std::string_view c)
{
    return {std::string(a), std::string(b), std::string(c)};
}

} // namespace

void PracticeRound::Record(std::string_view a, std::string_view b, std::string_view c,
                           Verdict verdict)
{
    if (verdict == Verdict::Refused)
        return;
    Seen &seen = equations_[Key(a, b, c)];
    if (seen.checked)
        return;
    seen.checked = true;
    ++total_;
    if (verdict == Verdict::Right && seen.hints == 0)
        ++right_;
}

void PracticeRound::RecordHints(std::string_view a, std::string_view b, std::string_view c,
                                int shown)
{
    Seen &seen = equations_[Key(a, b, c)];
    if (shown > seen.hints) {
        hints_ += shown - seen.hints;
        seen.hints = shown;
    }
}

void PracticeRound::Clear()
{
    *this = PracticeRound();
}

std::string PracticeRound::Tally(const PracticeTexts &texts) const
{
    return FillPlaceholders(
        texts.tally.For(static_cast<std::uint64_t>(hints_)),
        {{"right", WholeText(right_)}, {"total", WholeText(total_)}, {"hints", WholeText(hints_)}});
}
