#include "sheetdocument.h"

std::string PlainText(const SheetDocument &document)
{
    std::string text;
    for (const SheetLine &line : document.lines) {
        if (line.role == SheetRole::PageBreak) {
            text += '\f';
            continue;
        }
        text += line.text;
        text += '\n';
    }
    return text;
}
