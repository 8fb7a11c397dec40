#pragma once

#include "calculation.h"
#include "value.h"

#include <initializer_list>
#include <string_view>

// One piece of a transcript line: literal text, or a number for NumberText.
class Piece
{
public:
    Piece(const char *text) : text_(text) {}
    Piece(std::string_view text) : text_(text) {}
    Piece(const Phrase &text) : text_(text.value) {}
    Piece(Value number) : number_(number), isNumber_(true) {}
    Piece(double number) : Piece(Value(number)) {}
    Piece(std::int16_t number) : Piece(Value(number)) {}

    std::string_view text() const { return text_; }
    const Value &number() const { return number_; }
    bool isNumber() const { return isNumber_; }

private:
    std::string_view text_;
    Value number_;
    bool isNumber_ = false;
};

inline constexpr std::string_view LineEnd = "\r\n";

// The next line of the working: the pieces in order, numbers by NumberText.
void AppendLine(Calculation &calc, std::initializer_list<Piece> pieces);
