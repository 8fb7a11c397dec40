#!/usr/bin/env bash
# Checks what a user actually gets: the files `cmake --install` puts down, the
# desktop entry and metainfo as the desktop tools read them, the Debian
# package built by CPack, and the installed program opening its window.
#
# Usage: scripts/check-package.sh BUILD_DIR   (an already built tree)
# The .deb is left in BUILD_DIR. Exits non-zero if any check fails.
set -uo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build=$(cd "$1" 2>/dev/null && pwd) || { echo "FAIL: no build directory $1" >&2; exit 1; }

app_id=example.velmora.Velmora
required_depends=(libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2 qt6-translations-l10n)
expected_files=(
    usr/bin/velmora
    "usr/share/applications/$app_id.desktop"
    "usr/share/icons/hicolor/32x32/apps/$app_id.png"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "usr/share/metainfo/$app_id.metainfo.xml"
)

passed=0
failed=0
failures=()
pass() { passed=$((passed + 1)); echo "PASS: $1"; }
fail() { failed=$((failed + 1)); failures+=("$1"); echo "FAIL: $1"; }
# check DESCRIPTION COMMAND...: runs the command, shows its output only when it fails.
check() {
    local what=$1 out
    shift
    if out=$("$@" 2>&1); then
        pass "$what"
    else
        fail "$what"
        printf '%s\n' "$out" | sed 's/^/    /'
    fi
}
summary() {
    echo
    echo "== package checks: $passed passed, $failed failed"
    for f in "${failures[@]}"; do echo "   failed: $f"; done
    [ "$failed" -eq 0 ]
}

work=$(mktemp -d)
. "$(dirname "$0")/xvfb.sh"
trap 'stop_xvfb; rm -rf "$work"' EXIT
stage=$work/stage

config=$build/CPackConfig.cmake
if [ ! -f "$config" ]; then
    fail "CPack configuration in $build (configure with the window enabled)"
    summary
    exit 1
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$config")

echo "== staged install of $build"
# The same prefix the package uses, so the tree mirrors the .deb.
if ! DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    fail "cmake --install"
    sed 's/^/    /' "$work/install.log"
    summary
    exit 1
fi
pass "cmake --install into a staging directory"

actual=$(cd "$stage" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
expected=$(printf '%s\n' "${expected_files[@]}" | LC_ALL=C sort)
check "installed files are exactly the ${#expected_files[@]} expected" \
    diff <(echo "$expected") <(echo "$actual")
check "bin/velmora is executable" test -x "$stage/usr/bin/velmora"

desktop=$stage/usr/share/applications/$app_id.desktop
metainfo=$stage/usr/share/metainfo/$app_id.metainfo.xml
png=$stage/usr/share/icons/hicolor/32x32/apps/$app_id.png
svg=$stage/usr/share/icons/hicolor/scalable/apps/$app_id.svg

echo "== desktop entry and metainfo"
check "desktop-file-validate $app_id.desktop" desktop-file-validate "$desktop"
desktop_key() { grep -E "^$1=" "$desktop" | head -n 1 | cut -d= -f2-; }
for kv in "Name=Velmora" "Exec=velmora" "Terminal=false" "Type=Application" \
          "Categories=Education;Science;Math;" "Icon=$app_id"; do
    check "desktop entry has $kv" test "$(desktop_key "${kv%%=*}")" = "${kv#*=}"
done
check "desktop entry has an English Comment" grep -q -E '^Comment=.' "$desktop"
# Cyrillic is the only non-ASCII text expected there.
check "desktop entry has a Bulgarian Comment" env LC_ALL=C grep -q -a '^Comment\[bg\]=.*[^ -~]' "$desktop"

check "appstreamcli validate --no-net $app_id.metainfo.xml" \
    appstreamcli validate --no-net "$metainfo"
check "appstreamcli validate-tree --no-net (metainfo, desktop entry and icon together)" \
    appstreamcli validate-tree --no-net "$stage/usr"
check "metainfo launches $app_id.desktop" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
check "metainfo has a Bulgarian summary" grep -q '<summary xml:lang="bg">' "$metainfo"
check "metainfo has a screenshot" grep -q '<image>https://.*\.png</image>' "$metainfo"
check "metainfo has a release entry for $version" grep -q "<release version=\"$version\"" "$metainfo"

echo "== icons"
# Width and height are the two big-endian words after the IHDR tag.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*2^24+$2*2^16+$3*2^8+$4, $5*2^24+$6*2^16+$7*2^8+$8 }'; }
check "32x32 icon is a PNG of 32 x 32" \
    test "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')-$(png_size "$png")" = "89504e470d0a1a0a-32x32"
check "scalable icon is an SVG" grep -q '<svg' "$svg"

echo "== Debian package"
rm -f "$build"/velmora_*.deb
if (cd "$build" && cpack -G DEB --config "$config") >"$work/cpack.log" 2>&1; then
    pass "cpack -G DEB"
else
    fail "cpack -G DEB"
    sed 's/^/    /' "$work/cpack.log"
fi
deb=$(find "$build" -maxdepth 1 -name "velmora_${version}_*.deb" | head -n 1)
if [ -n "$deb" ]; then
    pass "package file $(basename "$deb")"
    deb_files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | LC_ALL=C sort)
    check "package holds exactly the installed files" diff <(echo "$expected") <(echo "$deb_files")
    field() { dpkg-deb -f "$deb" "$1"; }
    check "Package: velmora" test "$(field Package)" = velmora
    check "Version: $version" test "$(field Version)" = "$version"
    check "Section: education" test "$(field Section)" = education
    check "Maintainer: Velmora developers <dev@velmora.example>" \
        test "$(field Maintainer)" = "Velmora developers <dev@velmora.example>"
    check "Architecture: $(dpkg --print-architecture)" \
        test "$(field Architecture)" = "$(dpkg --print-architecture)"
    depends=$(field Depends)
    # Package names alone, one a line, without version constraints.
    depend_names=$(echo "$depends" | tr ',|' '\n' | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d')
    for p in "${required_depends[@]}"; do
        check "Depends names $p" grep -qx -- "$p" <<<"$depend_names"
    done
else
    fail "package file velmora_${version}_*.deb in $build"
fi

echo "== installed program under Xvfb"
# Started from the staged tree; passes when its own window (by _NET_WM_PID)
# is mapped and the process is still alive.
launch() {
    QT_QPA_PLATFORM=xcb "$stage/usr/bin/velmora" >"$work/program.log" 2>&1 &
    local pid=$! win="" ok=1
    # Polls rather than --sync, so a crash at start fails at once.
    for _ in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || break
        win=$(xdotool search --onlyvisible --name Velmora 2>/dev/null | head -n 1)
        [ -n "$win" ] && break
        sleep 0.2
    done
    if [ -z "$win" ] && ! kill -0 "$pid" 2>/dev/null; then
        echo "the program exited before showing its window"
    elif [ -z "$win" ]; then
        echo "no visible window named Velmora within 30 s"
    elif [ "$(xdotool getwindowpid "$win" 2>/dev/null)" != "$pid" ]; then
        echo "the visible window does not belong to the started program"
    elif ! kill -0 "$pid" 2>/dev/null; then
        echo "the program exited after showing its window"
    elif [ "$(xprop -id "$win" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')" != "$(desktop_key StartupWMClass)" ]; then
        # X11 shells tie a window to its menu entry by this class.
        echo "window class $(xprop -id "$win" WM_CLASS) does not match StartupWMClass"
    else
        echo "window \"$(xdotool getwindowname "$win")\" mapped"
        ok=0
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if [ "$ok" -ne 0 ]; then
        echo "program output:"
        cat "$work/program.log"
    fi
    return "$ok"
}
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null || ! command -v xprop >/dev/null; then
    fail "staged velmora shows its window (Xvfb, xdotool and xprop are needed)"
elif ! start_xvfb; then
    fail "Xvfb starts"
else
    check "staged velmora shows its window on $DISPLAY" launch
fi
stop_xvfb

if [ -n "${deb:-}" ] && [ -f "$deb" ]; then
    echo
    echo "Package: $deb ($(stat -c %s "$deb") bytes)"
    echo "Depends: $depends"
fi
summary
