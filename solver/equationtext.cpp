#include "equationtext.h"

#include "numbertext.h"

#include <cmath>

std::string EquationText(double A, double B, double C, std::string_view decimalSeparator,
                         const TranscriptTexts &say)
{
    const Phrase &SignText = B < 0 ? say.xMinus : say.xPlus;
    std::string text = NumberText(A, decimalSeparator);
    text += SignText;
    text += NumberText(std::fabs(B), decimalSeparator);
    text += say.yEquals;
    text += NumberText(C, decimalSeparator);
    return text;
}
