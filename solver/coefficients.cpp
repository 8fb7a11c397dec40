#include "coefficients.h"

#include "readcoefficient.h"

std::array<double, 3> ReadCoefficients(const CoefficientTexts &texts)
{
    return {ReadCoefficient(texts[0]), ReadCoefficient(texts[1]), ReadCoefficient(texts[2])};
}

std::vector<RefusedCoefficient> RefusedCoefficients(const std::array<double, 3> &read)
{
    std::vector<RefusedCoefficient> refused;
    for (std::size_t k = 0; k < read.size(); ++k) {
        const CoefficientRange &range = *CoefficientRanges[k];
        if (!(read[k] >= range.lower && read[k] <= range.upper))
            refused.push_back({range, read[k]});
    }
    return refused;
}

std::optional<std::array<std::int64_t, 3>> WholeCoefficients(const CoefficientTexts &texts)
{
    const std::array<double, 3> read = ReadCoefficients(texts);
    if (!RefusedCoefficients(read).empty())
        return std::nullopt;
    return std::array<std::int64_t, 3>{static_cast<std::int64_t>(read[0]),
                                       static_cast<std::int64_t>(read[1]),
                                       static_cast<std::int64_t>(read[2])};
}
