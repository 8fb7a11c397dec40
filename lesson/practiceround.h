#pragma once

#include "answercheck.h"

#include <array>
#include <map>
#include <string>
#include <string_view>

// A round of practice for one visit: the equations the pupil has checked,
// how many of them came out right at the first try without a hint, and the
// hints taken. Each equation counts once in a round, from its first check,
// however often it is drawn again: a correction or an answer after a hint
// earns no point, so the score says what the pupil could do alone. Nothing
// outlives the object.
class PracticeRound
{
public:
    // The verdict of a check of the equation with these coefficient texts.
    // A refused equation is no equation and is not counted. `task` tells
    // apart the tasks set on one equation (its bounds), each counted alone.
    void Record(std::string_view a, std::string_view b, std::string_view c, Verdict verdict,
                std::string_view task = {});
    // The pupil has now seen `shown` hints of this equation's task, counting
    // each hint once however often it is shown again.
    void RecordHints(std::string_view a, std::string_view b, std::string_view c, int shown,
                     std::string_view task = {});
    void Clear();

    int right() const { return right_; }
    int total() const { return total_; }
    int hints() const { return hints_; }

    // "Right at the first try: 3 of 5; hints used: 2", in the given language.
    std::string Tally(const PracticeTexts &texts) const;

private:
    struct Seen
    {
        bool checked = false;
        int hints = 0;
    };
    std::map<std::array<std::string, 4>, Seen> equations_;
    int right_ = 0;
    int total_ = 0;
    int hints_ = 0;
};
