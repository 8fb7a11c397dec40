# Cross-compiles for wasm32-wasi with Debian's clang 22 and its wasm32
# runtime packages (wasi-libc, libc++-22-dev-wasm32, libc++abi-22-dev-wasm32,
# libclang-rt-22-dev-wasm32, lld-22), with link-time optimisation, whose
# archives need llvm-22's llvm-ar. clang 22 because reading a coefficient
# needs std::from_chars for double, which libc++ has only from version 20 on.
#
# Only one libc++-N-dev-wasm32 can be installed at a time, and the links in
# /usr/lib/wasm32-wasi follow whichever it is, so the C++ headers and
# libraries are taken from clang 22's own folders. The sysroot is /usr, which
# would also offer the host's /usr/include: standard include paths are
# therefore switched off and set one by one.

set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

set(VELMORA_LLVM_ROOT "/usr/lib/llvm-22" CACHE PATH "clang 22 with its wasm32 runtime")
set(CMAKE_C_COMPILER "${VELMORA_LLVM_ROOT}/bin/clang")
set(CMAKE_CXX_COMPILER "${VELMORA_LLVM_ROOT}/bin/clang++")
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
# Link-time optimisation takes a tenth off the module, which the one-file page
# carries: its archives hold clang 22's bitcode, which only its own tools read.
set(CMAKE_AR "${VELMORA_LLVM_ROOT}/bin/llvm-ar" CACHE FILEPATH "llvm-ar for clang 22's bitcode")
set(CMAKE_RANLIB "${VELMORA_LLVM_ROOT}/bin/llvm-ranlib" CACHE FILEPATH "llvm-ranlib for clang 22's bitcode")

execute_process(
    COMMAND "${CMAKE_CXX_COMPILER}" -print-resource-dir
    OUTPUT_VARIABLE _velmora_resource_dir
    OUTPUT_STRIP_TRAILING_WHITESPACE)

# wasm32-wasi is spelt wasm32-wasip1 from clang 20 on; Debian's folders keep
# the old name, so the old spelling stays and its warning is silenced.
string(JOIN " " _velmora_flags
    -Wno-deprecated
    -nostdinc -nostdinc++
    "-isystem ${VELMORA_LLVM_ROOT}/include/wasm32-wasi/c++/v1"
    "-isystem ${_velmora_resource_dir}/include"
    "-isystem /usr/include/wasm32-wasi"
    # Debian's wasm libc++abi has no exception support.
    -fno-exceptions -fno-rtti
    -flto)
set(CMAKE_C_FLAGS_INIT "${_velmora_flags}")
set(CMAKE_CXX_FLAGS_INIT "${_velmora_flags}")
# A reactor: the page calls exported functions, there is no main().
string(JOIN " " CMAKE_EXE_LINKER_FLAGS_INIT
    -mexec-model=reactor
    "-L${VELMORA_LLVM_ROOT}/lib/wasm32-wasi"
    -flto -Wl,--lto-O2
    -Wl,--strip-all)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
