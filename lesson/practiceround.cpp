#include "practiceround.h"

#include "practicetext.h"

namespace {

std::array<std::string, 4> Key(std::string_view a, std::string_view b, std::string_view c,
                               std::string_view task)
{
    return {std::string(a), std::string(b), std::string(c), std::string(task)};
}

} // namespace

void PracticeRound::Record(std::string_view a, std::string_view b, std::string_view c,
                           Verdict verdict, std::string_view task)
{
    if (verdict == Verdict::Refused)
        return;
    Seen &seen = equations_[Key(a, b, c, task)];
    if (seen.checked)
        return;
    seen.checked = true;
    ++total_;
    if (verdict == Verdict::Right && seen.hints == 0)
        ++right_;
}

void PracticeRound::RecordHints(std::string_view a, std::string_view b, std::string_view c,
                                int shown, std::string_view task)
{
    Seen &seen = equations_[Key(a, b, c, task)];
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
