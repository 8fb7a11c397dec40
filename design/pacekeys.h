#pragma once

#include <array>
#include <string_view>

// Alt with one of these keys paces Euclid's way, in the window and on the
// page alike; none of them is the window's own, a text field's or a
// browser's.
struct PaceKey
{
    std::string_view button;  // the control, as the page names it
    std::string_view command; // the engine's command for it
    std::string_view key;     // KeyboardEvent.key, as the page reads it
    std::string_view qtKeys;  // modifier and key in QKeySequence's portable text
};

inline constexpr PaceKey PacePrevious{"EuclidPrevious", "previousStep", "PageUp", "Alt+PgUp"};
inline constexpr PaceKey PaceNext{"EuclidNext", "nextStep", "PageDown", "Alt+PgDown"};
inline constexpr PaceKey PaceAll{"EuclidAll", "showAllSteps", "End", "Alt+End"};
