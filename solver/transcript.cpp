#include "transcript.h"

#include "numbertext.h"

void AppendLine(Calculation &calc, std::initializer_list<Piece> pieces)
{
    std::string line;
    for (const Piece &piece : pieces) {
        if (piece.isNumber())
            line += NumberText(piece.number(), calc.decimalSeparator);
        else
            line += piece.text();
    }
    calc.working.lines.push_back(std::move(line));
}

std::string Working::Text() const
{
    std::size_t size = 0;
    for (const std::string &line : lines)
        size += line.size() + LineEnd.size();
    std::string text;
    text.reserve(size);
    for (const std::string &line : lines) {
        text += line;
        text += LineEnd;
    }
    return text;
}
