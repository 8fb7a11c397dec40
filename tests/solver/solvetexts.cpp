#include "solvetexts.h"

#include <memory>

RandomSource FixedT(std::vector<int> ts)
{
    auto state = std::make_shared<std::pair<std::vector<int>, std::size_t>>(std::move(ts), 0);
    return [state]() {
        auto &[values, next] = *state;
        const int t = values[std::min(next, values.size() - 1)];
        ++next;
        // r * 10 + 1 lands 0.2 below t, well away from a tie (t = 1 needs r = 0).
        return t == 1 ? 0.0f : (static_cast<float>(t) - 1.2f) / 10.0f;
    };
}

std::string SolveTexts(const std::string &a, const std::string &b, const std::string &c, int t,
                       std::string_view separator, const Catalogue &language)
{
    return Solve({a, b, c}, FixedT({t}), separator, language.transcript).Text();
}

std::vector<std::string> Lines(const std::string &transcript)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < transcript.size()) {
        const std::size_t end = transcript.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(transcript.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(transcript.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
