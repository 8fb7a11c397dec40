#include "equationtext.h"

#include "numbertext.h"

#include <cmath>

namespace {

std::string Written(std::string_view a, bool bNegative, std::string_view magnitudeOfB,
                    std::string_view c, const TranscriptTexts &say)
{
    const Phrase &SignText = bNegative ? say.xMinus : say.xPlus;
    std::string text(a);
    text += SignText;
    text += magnitudeOfB;
    text += say.yEquals;
    text += c;
    return text;
}

} // namespace

std::string EquationText(double A, double B, double C, std::string_view decimalSeparator,
                         const TranscriptTexts &say)
{
    return Written(NumberText(A, decimalSeparator), B < 0,
                   NumberText(std::fabs(B), decimalSeparator), NumberText(C, decimalSeparator),
                   say);
}

std::string EquationText(std::int64_t A, std::int64_t B, std::int64_t C, const TranscriptTexts &say)
{
    // The magnitude of B as an unsigned number, so that no value overflows.
    const std::uint64_t magnitude =
        B < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(B) : static_cast<std::uint64_t>(B);
    return Written(std::to_string(A), B < 0, std::to_string(magnitude), std::to_string(C), say);
}
