// Replacements that keep the module free of imports. libc++'s own versions of
// these report failures on stderr, which would pull in WASI's file calls, and
// the page offers no WASI layer. A failure traps instead: the page sees the
// call fail and says so.

#include <cstdint>
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

// compiler-rt's wasm32 builtins are built with the stack protector, so that
// the 128-bit remainder (__modti3, which the lessons' Wide arithmetic calls)
// needs its guard; wasi-libc has none to give.
extern "C" {
unsigned long __stack_chk_guard = 0x5ec0de5e;
[[noreturn]] void __stack_chk_fail()
{
    __builtin_trap();
}
}

// printf's formatting (solver/numbertext.cpp) brings in the standard
// streams, whose file calls the module never makes: defined here, they trap,
// and the module imports nothing. Their signatures are wasi-libc's.
extern "C" {
std::int32_t __imported_wasi_snapshot_preview1_fd_close(std::int32_t)
{
    __builtin_trap();
}

std::int32_t __imported_wasi_snapshot_preview1_fd_seek(std::int32_t, std::int64_t, std::int32_t,
                                                       std::int32_t)
{
    __builtin_trap();
}

std::int32_t __imported_wasi_snapshot_preview1_fd_write(std::int32_t, std::int32_t, std::int32_t,
                                                        std::int32_t)
{
    __builtin_trap();
}
}
