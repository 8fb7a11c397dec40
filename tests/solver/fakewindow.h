#pragma once

// A stand-in for the window: three coefficient texts and a transcript, with a
// fixed sequence of random draws so that t is known in advance.

#include "languages.h"
#include "solver.h"

#include <string>
#include <vector>

class FakeWindow : public SolverWindow
{
public:
    FakeWindow(std::string a, std::string b, std::string c);

    std::string CoefficientText(int k) const override;
    std::string Transcript() const override { return transcript_; }
    void SetTranscript(const std::string &text) override;

    int transcriptWrites() const { return writes_; }

private:
    std::string texts_[3];
    std::string transcript_;
    int writes_ = 0;
};

// Draws r so that t = ToInt16(r * 10 + 1) comes out as `t` (1..11), in order,
// then repeats the last one.
RandomSource FixedT(std::vector<int> ts);

// Solves the three texts on fresh values and gives the whole transcript.
std::string SolveTexts(const std::string &a, const std::string &b, const std::string &c, int t = 4,
                       std::string_view separator = ".", const Catalogue &language = Bulgarian);

// Splits a transcript at CR LF; a last line without one is marked "<no CR LF>".
std::vector<std::string> Lines(const std::string &transcript);
