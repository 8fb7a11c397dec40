#include "sheetdocument.h"

std::string PlainText(const SheetDocument &document)
{
    std::string text;
    for (const SheetLine &line : document.lines) {
        if (line.role == SheetRole::PageBreak) {
            text += '\f';
            continue;
        }
        if (line.role == SheetRole::Continued)
            continue;
        if (line.role == SheetRole::KeyHeader || line.role == SheetRole::KeyRow) {
            for (const std::string &cell : line.cells) {
                if (&cell != &line.cells.front())
                    text += "  ";
                text += cell;
            }
        }
        text += line.text;
        if (!line.aside.empty())
            text += "  " + line.aside;
        text += '\n';
    }
    return text;
}
