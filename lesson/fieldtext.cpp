#include "fieldtext.h"

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD

// C0 and C1 controls and the Unicode line and paragraph separators: each
// would break the account's one line.
bool IsControl(std::string_view sequence)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(sequence[k]); };
    if (sequence.size() == 1)
        return byte(0) < 0x20 || byte(0) == 0x7F;
    if (sequence.size() == 2)
        return byte(0) == 0xC2 && byte(1) < 0xA0;
    return sequence == "\u2028" || sequence == "\u2029";
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `p`, or 0.
std::size_t SequenceLength(std::string_view text, std::size_t p)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[p + k]); };
    const unsigned char c = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0; // no overlong forms
        if (c == 0xED)
            high = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;
        if (c == 0xF4)
            high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (p + length > text.size() || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!IsContinuation(byte(k)))
            return 0;
    return length;
}

} // namespace

bool IsPlainInteger(std::string_view text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string QuotedFieldText(std::string_view text, std::size_t limit)
{
    std::string quoted;
    std::size_t characters = 0;
    for (std::size_t p = 0; p < text.size(); ++characters) {
        if (characters == limit) {
            quoted += "…";
            break;
        }
        const std::size_t length = SequenceLength(text, p);
        if (length == 0) {
            quoted += Replacement;
            ++p;
        } else if (IsControl(text.substr(p, length))) {
            quoted += Replacement;
            p += length;
        } else {
            quoted += text.substr(p, length);
            p += length;
        }
    }
    return quoted;
}
