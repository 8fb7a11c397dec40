#include "transcript.h"

#include "numbertext.h"

void AppendLine(Calculation &calc, std::initializer_list<Piece> pieces)
{
    std::string text = calc.window.Transcript();
    for (const Piece &piece : pieces) {
        if (piece.isNumber())
            text += NumberText(piece.number(), calc.decimalSeparator);
        else
            text += piece.text();
    }
    text += LineEnd;
    calc.window.SetTranscript(text);
}
