#pragma once

#include "catalogue.h"
#include "value.h"

#include <functional>
#include <string>

// What the solver needs of the window, and nothing more: the coefficient
// texts and the transcript, which it reads and replaces whole.
class SolverWindow
{
public:
    virtual ~SolverWindow() = default;
    virtual std::string CoefficientText(int k) const = 0; // k = 1 (A), 2 (B), 3 (C)
    virtual std::string Transcript() const = 0;
    virtual void SetTranscript(const std::string &text) = 0;
};

// The program's one generator: each call gives the next r, 0 <= r < 1.
using RandomSource = std::function<float()>;

// Everything one calculation works on; none of it is owned here.
struct Calculation
{
    SolverWindow &window;
    SolverValues &values;
    const RandomSource &random;
    std::string decimalSeparator;
    const TranscriptTexts &texts; // the language the transcript is written in
};
