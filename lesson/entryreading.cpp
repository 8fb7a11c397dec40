#include "entryreading.h"

#include "fieldtext.h"
#include "printedinteger.h"
#include "readcoefficient.h"
#include "trimmed.h"

#include <charconv>

EntryReading ReadEntry(std::string_view text)
{
    using Kind = EntryReading::Kind;
    std::string_view number = Trimmed(text);
    if (number.empty())
        return {Kind::Empty, 0};

    // What Velmora prints, "−5" with its true minus, is copied back as is.
    const PrintedInteger printed = ReadPrintedInteger(text);
    if (printed.kind == PrintedInteger::Kind::Integer)
        return {Kind::Whole, printed.value};
    if (printed.kind == PrintedInteger::Kind::TooLarge)
        return {Kind::TooLarge, 0};

    // 2^63 is the first double beyond the 64-bit integers either way.
    const double read = ReadCoefficient(text);
    if (!(read >= -9223372036854775808.0 && read < 9223372036854775808.0))
        return {Kind::TooLarge, 0};
    return {Kind::NotWhole, static_cast<std::int64_t>(read)};
}
