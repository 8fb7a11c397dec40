#!/usr/bin/env bash
# Builds the Debian package the way Debian's own tools would: with
# dpkg-buildflags' hardening flags, the build paths mapped away, and every
# timestamp taken from the last commit, so that the same commit gives the same
# .deb wherever it is built.
#
# Usage: scripts/build-package.sh   (the .deb is left in build/package)
# SOURCE_DATE_EPOCH, when set, overrides the commit's date: a tree exported
# without its .git has no commit to ask.
set -euo pipefail
cd "$(dirname "$0")/.."
# The folders CMake and CPack create take their modes from the umask (even
# with CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS), so fix it, as
# dpkg-buildpackage does.
umask 0022

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || {
        echo "build-package.sh: no git history here; set SOURCE_DATE_EPOCH" >&2
        exit 1
    }
fi
export SOURCE_DATE_EPOCH

# Also -ffile-prefix-map=$PWD=., which takes this folder's name out of the
# binary; the build folder lies inside it.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# CMake reads CXXFLAGS and LDFLAGS from the environment but not CPPFLAGS,
# which carries -D_FORTIFY_SOURCE=2.
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
export LDFLAGS

build=build/package
# Flags from the environment count only when the cache is first made.
rm -rf "$build"
# Build type None leaves the optimisation to Debian's flags, as debhelper does.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)
