// Replacements that keep the module free of imports. libc++'s own versions of
// these report failures on stderr, which would pull in WASI's file calls, and
// the page offers no WASI layer. A failure traps instead: the page sees the
// call fail and says so.

#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <new>

void *operator new(std::size_t size)
{
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    __builtin_trap();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace std {
inline namespace __2 {
[[noreturn]] void __libcpp_verbose_abort(const char *, ...) noexcept
{
    __builtin_trap();
}
} // namespace __2
} // namespace std

// nlohmann-json escapes a control character with snprintf(buffer, 7,
// "\\u%04x", c), and a character beyond the BMP with "\\u%04x\\u%04x"; libc's
// printf would bring stdio and its file calls. These two forms are all the
// module writes; any other traps.
extern "C" int snprintf(char *buffer, std::size_t size, const char *format, ...)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::va_list values;
    va_start(values, format);
    std::size_t n = 0;
    const auto put = [&](char c) {
        if (n + 1 < size)
            buffer[n] = c;
        ++n;
    };
    for (const char *f = format; *f; ++f) {
        if (*f != '%') {
            put(*f);
            continue;
        }
        if (f[1] != '0' || f[2] != '4' || f[3] != 'x')
            __builtin_trap();
        const unsigned value = va_arg(values, unsigned);
        for (int shift = 12; shift >= 0; shift -= 4)
            put(Hex[(value >> shift) & 0xF]);
        f += 3;
    }
    va_end(values);
    if (size > 0)
        buffer[n < size ? n : size - 1] = '\0';
    return static_cast<int>(n);
}
