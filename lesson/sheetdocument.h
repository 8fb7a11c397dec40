#pragma once

#include "worksheetchoices.h"

#include <string>
#include <vector>

// What a line of a worksheet is, so that each medium (PDF, the page's HTML,
// plain text) can set it its own way.
enum class SheetRole {
    Title,       // the sheet's or the key's heading
    Code,        // a variant's code, on its sheet and over its block in the key
    NameLine,    // the line for the pupil's name and class
    Task,        // what to do
    Equation,    // a numbered equation on the sheet, with room to write below
    KeyEquation, // a numbered equation in the key
    KeyLine,     // GCD, verdict, solutions
    SmallPrint,  // Euclid's way, the settings
    KeyHeader,   // the headings of a variant's table in the key, in cells
    KeyRow,      // one item of that table, in cells: its number first
    Picture,     // an equation's picture in the key: the text its caption
    PageBreak,   // no text: the next line starts a new page
    // Not set where it stands: the heading each later page carries until the
    // next page break, "Variant 4711-2 (continued)", so that a page that
    // falls apart from its first still says whose it is.
    Continued,
};

struct SheetLine
{
    SheetRole role;
    std::string text;
    std::string aside = {};             // set at the line's right end: an item's points
    std::vector<std::string> cells = {}; // a table's row, left to right
    std::string picture = {};           // the SVG a picture line shows


    bool operator==(const SheetLine &) const = default;
};

// A worksheet as lines with roles: the variants, then the key.
struct SheetDocument
{
    std::string title;
    std::string language; // the catalogue's code, for the PDF's and page's metadata
    Paper paper = Paper::A4;
    int space = 6; // centimetres of room under each equation on the sheet
    std::vector<SheetLine> lines;
};

// Every line's text (and what stands beside it, after two blanks) and a line
// feed, a table's row as its cells two blanks apart, a picture as its
// caption; a page break is a form feed, as pdftotext ends its pages.
std::string PlainText(const SheetDocument &document);
