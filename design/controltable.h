#pragma once

#include "catalogue.h"

#include <array>
#include <cstdint>
#include <string_view>

// The window's controls as designed, free of any toolkit. Positions and
// sizes are in twips, 15 to a logical pixel, measured in the client area;
// colours are 0x00BBGGRR.

enum class ControlType { TextBox, CommandButton, ListBox, Label };

inline constexpr std::uint32_t DefaultColour = 0xFFFFFFFF; // keep the style's own

// Settings beyond a control's defaults; text boxes are the only ones with any.
enum Setting : unsigned {
    NoSetting = 0,
    MultiLine = 1u << 0, // wraps at its width, vertical scroll bar
    Locked = 1u << 1,    // read-only, yet selectable and copyable
    Centred = 1u << 2,
};

struct ControlEntry
{
    std::string_view name; // the control array, or the single control
    int index;             // within its array; 0 for a single control
    ControlType type;
    ControlText ControlTexts::*texts; // its caption and name, in each catalogue
    int left;
    int top;
    int width;
    int height;
    std::uint32_t backColour;
    int tabIndex;
    unsigned settings;
    int maxLength; // characters a user may type or paste; 0 for no limit
};

inline constexpr int TwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
constexpr int Pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
inline constexpr int ClientWidth = 7065;
inline constexpr int ClientHeight = 6300;
inline constexpr std::uint32_t WindowBackColour = 0x00FF8080;

inline constexpr std::string_view WindowCaption = "https://velmora.example Velmora";
inline constexpr std::string_view FontFamily = "Times New Roman";
inline constexpr int FontPointSize = 12;

// Pole(0) gets the catalogue's introduction instead of a text; Pole(4) holds
// a sample result of 5x + 3y = 3 until start-up clears it.
// clang-format off
inline constexpr std::array<ControlEntry, 15> Controls = {{
    // name    idx type                       texts                         left   top  width height back colour   tab settings                max
    {"Pole",   0, ControlType::TextBox,       &ControlTexts::introduction,   120,  480, 6855, 1935, DefaultColour,  0, MultiLine,              0},
    {"Pole",   1, ControlType::TextBox,       &ControlTexts::coefficientA,   240, 3120,  975,  495, DefaultColour,  1, Centred,                4},
    {"Pole",   2, ControlType::TextBox,       &ControlTexts::coefficientB,  1440, 3120,  975,  495, DefaultColour,  2, Centred,                4},
    {"Pole",   3, ControlType::TextBox,       &ControlTexts::constantC,     3240, 3120,  975,  495, DefaultColour,  3, Centred,                4},
    {"Pole",   4, ControlType::TextBox,       &ControlTexts::transcript,     120, 3960, 6855, 2175, DefaultColour,  7, MultiLine | Locked,     0},
    {"Buton",  0, ControlType::CommandButton, &ControlTexts::calculate,     4440, 2520, 1215,  375, 0x0080FF80,     8, NoSetting,              0},
    {"Buton",  1, ControlType::CommandButton, &ControlTexts::clear,         4440, 3480, 1215,  375, 0x000000FF,     9, NoSetting,              0},
    {"Buton",  2, ControlType::CommandButton, &ControlTexts::randomData,    4440, 3000, 1215,  375, 0x00FF8080,    14, NoSetting,              0},
    {"Sluch",  0, ControlType::ListBox,       &ControlTexts::ranges,        5880, 2880, 1095,  915, DefaultColour, 12, NoSetting,              0},
    {"Etiket", 0, ControlType::Label,         &ControlTexts::captionA,       240, 2760,  975,  375, 0x0080C0FF,     4, NoSetting,              0},
    {"Etiket", 1, ControlType::Label,         &ControlTexts::captionB,      1440, 2760,  975,  375, 0x0080C0FF,     5, NoSetting,              0},
    {"Etiket", 2, ControlType::Label,         &ControlTexts::captionC,      3240, 2760,  975,  375, 0x0080C0FF,     6, NoSetting,              0},
    {"Etiket", 3, ControlType::Label,         &ControlTexts::equals,        2520, 3120,  615,  495, 0x0000C000,    11, NoSetting,              0},
    {"Etiket", 4, ControlType::Label,         &ControlTexts::captionRandom, 5880, 2520, 1095,  375, 0x000080FF,    13, NoSetting,              0},
    {"Label1", 0, ControlType::Label,         &ControlTexts::title,          840,   50, 5055,  375, 0x000080FF,    10, NoSetting,              0},
}};
// clang-format on

// The one line beside the coefficient fields, in the strip between them and
// the transcript, left of the buttons: where the window says why a locked
// field takes no key, or how a field was read when that is not as typed. No
// control of the design: it has no caption and takes no focus. Its type is
// smaller than the window's, so that the longest line fits.
struct Area
{
    int left;
    int top;
    int width;
    int height;
};
inline constexpr Area NoteArea{120, 3630, 4260, 315};
inline constexpr int NotePointSize = 9;

// The controls in the order Tab visits them: their indices in Controls,
// labels among them where their tab index puts them.
constexpr std::array<std::size_t, Controls.size()> TabOrder()
{
    std::array<std::size_t, Controls.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    // Insertion, so that equal tab indices keep the table's order.
    for (std::size_t i = 1; i < order.size(); ++i)
        for (std::size_t k = i;
             k > 0 && Controls[order[k]].tabIndex < Controls[order[k - 1]].tabIndex; --k) {
            const std::size_t swap = order[k];
            order[k] = order[k - 1];
            order[k - 1] = swap;
        }
    return order;
}

// The control a caption names: the one it stands right above, exactly as
// wide, reaching into its top edge. Controls.size() where there is none.
constexpr std::size_t CaptionedControl(std::size_t caption)
{
    const ControlEntry &label = Controls[caption];
    for (std::size_t i = 0; i < Controls.size(); ++i) {
        const ControlEntry &control = Controls[i];
        if (label.type == ControlType::Label && control.type != ControlType::Label &&
            control.left == label.left && control.width == label.width && control.top > label.top &&
            control.top <= label.top + label.height)
            return i;
    }
    return Controls.size();
}

// A control's caption and accessible name in one language.
constexpr const ControlText &TextsOf(const ControlEntry &entry, const Catalogue &catalogue)
{
    return catalogue.controls.*entry.texts;
}
