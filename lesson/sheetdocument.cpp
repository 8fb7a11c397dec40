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
        text += line.text;
        if (!line.aside.empty())
            text += "  " + line.aside;
        text += '\n';
    }
    return text;
}
