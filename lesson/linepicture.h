#pragma once

// The picture of A x + B y = C: the line over a grid with axes and labelled
// ticks, every integer solution inside the drawn window marked, the working's
// particular solution named, the step (B/d, −A/d) as an arrow between two
// neighbouring solutions and, where bounds are set, the allowed region shaded
// with the solutions inside it marked apart. Written as SVG text once, here,
// for the window, the page and the command line alike.
//
// What tools and screen readers read: the root <svg> carries the window in
// equation units (data-x-min, data-x-max, data-y-min, data-y-max, each edge
// half a unit beyond the last column or row of grid points it holds, so that
// no grid point lies on an edge); each marked solution is an element with
// data-x, data-y, data-in-bounds="true" inside the bounds, and a <title>;
// the root's <title> and <desc> say in words what the picture shows.

#include "catalogue.h"
#include "solutionbounds.h"

#include <cstdint>
#include <string>
#include <string_view>

// The picture's colours, each a CSS colour value put into the picture's own
// style rules, so a front end gives its theme's colours or lets the page's
// style sheet give them.
struct PicturePalette
{
    std::string background; // a fill; "none" lets what lies beneath show
    std::string text;       // labels and ticks
    std::string grid;       // drawn faint
    std::string axis;
    std::string line;
    std::string solution;
    std::string particular;
    std::string step;
    std::string region;   // the allowed region, drawn faint
    std::string inBounds; // the solutions inside the bounds

    // Custom properties (--picture-line, …) a page's style sheet may set,
    // each falling back to the text colour around the picture or to a
    // colour that reads on a light page.
    static PicturePalette Page();
    // Plain colours that print on white paper, for a renderer that knows
    // no custom properties (Qt SVG, in the key's PDF).
    static PicturePalette Paper();
};

// Where the picture's style rules live: inside it, so that it stands alone
// (a file, the window), or in the host page's style sheet, which
// PictureStyleSheet writes, where the page's policy admits no style of the
// picture's own.
enum class PictureStyle { Inside, Page };

// The rules that give the picture's classes their colours and strokes:
// CSS, without a <style> element around it.
std::string PictureStyleSheet(const PicturePalette &palette);

// The largest number of solutions the picture marks; its window is chosen to
// hold no more, whatever the coefficients.
inline constexpr int PictureMarksAtMost = 60;

// The picture for coefficients inside the transcript's ranges (A and C of
// 32 bits, |B| at most 32767; others are drawn as far as 64-bit arithmetic
// allows). The bounds' ends may lie anywhere.
std::string LinePicture(std::int64_t a, std::int64_t b, std::int64_t c,
                        const SolutionBounds &bounds, const Catalogue &language,
                        const PicturePalette &palette = PicturePalette::Page(),
                        PictureStyle style = PictureStyle::Inside);

// The same for the three coefficient texts, read as the transcript reads
// them; empty where the transcript refuses them.
std::string LinePictureOfTexts(std::string_view a, std::string_view b, std::string_view c,
                               const SolutionBounds &bounds, const Catalogue &language,
                               const PicturePalette &palette = PicturePalette::Page(),
                               PictureStyle style = PictureStyle::Inside);
