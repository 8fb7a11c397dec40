#pragma once

#include "catalogue.h"

#include <string_view>
#include <utility>
#include <vector>

// The page's controls beside the window: Euclid's way with its bounds and
// "Your answer", by
// element id, with the caption each shows and the name a screen reader gives
// it in one language. An empty caption shows none (the element is named
// only); an empty name leaves the caption to name it.
struct PanelControl
{
    std::string_view id;
    std::string_view caption;
    std::string_view name;
};

std::vector<PanelControl> PanelControls(const Catalogue &catalogue);

// The tips of the controls that have one, by element id: a button's keys.
std::vector<std::pair<std::string_view, std::string_view>> PanelTips(const Catalogue &catalogue);

// The control with this id; its texts empty where there is none.
PanelControl PanelControlOf(const Catalogue &catalogue, std::string_view id);
