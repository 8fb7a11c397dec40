#include "practiceround.h"

#include "practicetext.h"

void PracticeRound::Record(std::string_view a, std::string_view b, std::string_view c,
                           Verdict verdict)
{
    if (verdict == Verdict::Refused)
        return;
    const bool right = verdict == Verdict::Right;
    if (total_ == 0 ||
        current_ != std::array<std::string, 3>{std::string(a), std::string(b), std::string(c)}) {
        current_ = {std::string(a), std::string(b), std::string(c)};
        currentRight_ = right;
        ++total_;
        right_ += right ? 1 : 0;
        return;
    }
    if (right && !currentRight_) {
        currentRight_ = true;
        ++right_;
    }
}

void PracticeRound::Clear()
{
    *this = PracticeRound();
}

std::string PracticeRound::Tally(const PracticeTexts &texts) const
{
    return FillMessage(texts.tally, {{"right", WholeText(right_)}, {"total", WholeText(total_)}});
}
