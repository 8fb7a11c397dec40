#include "engine.h"

#include "clockrandom.h"
#include "randomcoefficient.h"
#include "readcoefficient.h"
#include "solve.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <string>

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

// What the page's window owns between calls.
PageWindow window;
SolverValues values;
ClockRandom sequence(0);
std::deque<float> queued;
std::string filled;

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

VELMORA_EXPORT(velmora_solve)
const char *velmora_solve(const char *a, const char *b, const char *c, const char *decimalSeparator)
{
    window.coefficients = {a, b, c};
    window.transcript.clear();
    static const RandomSource random = draw;
    Solve(window, values, random, decimalSeparator);
    return window.transcript.c_str();
}

VELMORA_EXPORT(velmora_fill) const char *velmora_fill(const char *range)
{
    filled = RandomCoefficient(draw(), ReadNumber(range));
    return filled.c_str();
}
