#pragma once

// A random source whose draws the test decides, and which counts them, so a
// test knows which coefficients a fill writes and which t a calculation uses.

#include "calculation.h"

#include <deque>
#include <memory>

struct ScriptedDraws
{
    std::deque<float> queued; // handed out first, in order
    float then = 0.5f;        // every draw after the queue runs dry
    int taken = 0;
};

inline RandomSource scriptedSource(const std::shared_ptr<ScriptedDraws> &draws)
{
    return [draws]() {
        ++draws->taken;
        if (draws->queued.empty())
            return draws->then;
        const float r = draws->queued.front();
        draws->queued.pop_front();
        return r;
    };
}
