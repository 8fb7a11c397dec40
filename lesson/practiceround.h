#pragma once

#include "answercheck.h"

#include <array>
#include <string>
#include <string_view>

// A round of practice for one visit: how many equations the pupil has
// checked and how many of them came out right. An equation counts once, from
// its first check; it counts as right as soon as one check of it is, so a
// corrected answer earns its point. Nothing outlives the object.
class PracticeRound
{
public:
    // The verdict of a check of the equation with these coefficient texts.
    // A refused equation is no equation and is not counted.
    void Record(std::string_view a, std::string_view b, std::string_view c, Verdict verdict);
    void Clear();

    int right() const { return right_; }
    int total() const { return total_; }

    // "4 of 5 right", in the given language.
    std::string Tally(const PracticeTexts &texts) const;

private:
    std::array<std::string, 3> current_;
    bool currentRight_ = false;
    int right_ = 0;
    int total_ = 0;
};
