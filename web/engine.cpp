#include "engine.h"

#include "clockrandom.h"
#include "languages.h"
#include "randomcoefficient.h"
#include "readcoefficient.h"
#include "solve.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <string>
#include <string_view>
#include <utility>

#if defined(__wasm__)
#define VELMORA_EXPORT(name) __attribute__((export_name(#name)))
#else
#define VELMORA_EXPORT(name)
#endif

namespace {

// The three coefficient texts of one call, and the transcript it writes.
class PageWindow : public SolverWindow
{
public:
    std::array<std::string, 3> coefficients;
    std::string transcript;

    std::string CoefficientText(int k) const override
    {
        return k >= 1 && k <= 3 ? coefficients[static_cast<std::size_t>(k - 1)] : std::string();
    }
    std::string Transcript() const override { return transcript; }
    void SetTranscript(const std::string &text) override { transcript = text; }
};

// Only the transcript's words, so the module carries none of the texts the
// page holds itself (the introduction, the captions).
struct Spoken
{
    std::string_view code;
    TranscriptTexts texts;
};

template <std::size_t... I> constexpr auto SpokenOf(std::index_sequence<I...>)
{
    return std::array<Spoken, sizeof...(I)>{
        Spoken{Catalogues[I]->code, Catalogues[I]->transcript}...};
}
constexpr auto Languages = SpokenOf(std::make_index_sequence<Catalogues.size()>());

constexpr const TranscriptTexts &SpokenBy(std::string_view code)
{
    for (const Spoken &spoken : Languages)
        if (spoken.code == code)
            return spoken.texts;
    return Languages[0].texts;
}

// What the page's window owns between calls.
PageWindow window;
SolverValues values;
ClockRandom sequence(0);
std::deque<float> queued;
std::string filled;
const TranscriptTexts *language = &SpokenBy(Bulgarian.code);

float draw()
{
    if (queued.empty())
        return sequence();
    const float r = queued.front();
    queued.pop_front();
    return r;
}

} // namespace

VELMORA_EXPORT(velmora_alloc) char *velmora_alloc(uint32_t size)
{
    return static_cast<char *>(std::malloc(size == 0 ? 1 : size));
}

VELMORA_EXPORT(velmora_free) void velmora_free(char *text)
{
    std::free(text);
}

VELMORA_EXPORT(velmora_seed) void velmora_seed(uint32_t low, uint32_t high)
{
    sequence = ClockRandom((static_cast<std::uint64_t>(high) << 32) | low);
}

VELMORA_EXPORT(velmora_queue_draw) void velmora_queue_draw(float r)
{
    queued.push_back(r);
}

VELMORA_EXPORT(velmora_language) int velmora_language(const char *code)
{
    for (const Spoken &spoken : Languages)
        if (spoken.code == code) {
            language = &spoken.texts;
            return 1;
        }
    return 0;
}

VELMORA_EXPORT(velmora_solve)
const char *velmora_solve(const char *a, const char *b, const char *c, const char *decimalSeparator)
{
    window.coefficients = {a, b, c};
    window.transcript.clear();
    static const RandomSource random = draw;
    Solve(window, values, random, decimalSeparator, *language);
    return window.transcript.c_str();
}

VELMORA_EXPORT(velmora_fill) const char *velmora_fill(const char *range)
{
    filled = RandomCoefficient(draw(), ReadNumber(range));
    return filled.c_str();
}
