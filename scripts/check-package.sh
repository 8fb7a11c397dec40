#!/usr/bin/env bash
# Checks what a user actually gets: the files `cmake --install` puts down, the
# desktop entry, metainfo and manual pages as their tools read them, the
# Debian package as Debian's review tools see it (lintian, hardening-check),
# that a second build of the same commit gives the same .deb, and the
# installed program opening its window, or saying why it cannot.
#
# Usage: scripts/check-package.sh [BUILD_DIR]
# BUILD_DIR (default build/package) is a tree scripts/build-package.sh has
# built, with the .deb in it. Exits non-zero if any check fails.
set -uo pipefail

if [ $# -gt 1 ]; then
    echo "usage: $0 [BUILD_DIR]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/package}" 2>/dev/null && pwd) || {
    echo "FAIL: no build directory ${1:-build/package} (build it with scripts/build-package.sh)" >&2
    exit 1
}

app_id=example.velmora.Velmora
required_depends=(libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2 qt6-translations-l10n)
icon_sizes=(16 22 24 32 48 64 128 256)
# Every language of po/LINGUAS but English, whose texts are the templates'.
translations=()
for code in $(sed 's/#.*//' "$root/po/LINGUAS"); do
    [ "$code" = en ] || translations+=("$code")
done
man_pages=(usr/share/man/man1/velmora.1.gz)
for code in "${translations[@]}"; do
    man_pages+=("usr/share/man/$code/man1/velmora.1.gz")
done
expected_files=(
    usr/bin/velmora
    "usr/share/applications/$app_id.desktop"
    usr/share/doc/velmora/changelog.Debian.gz
    usr/share/doc/velmora/copyright
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "${man_pages[@]}"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/velmora/velmora.html
)
for size in "${icon_sizes[@]}"; do
    expected_files+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done

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
cpack_setting() { sed -n "s/^set($1 \"\\(.*\\)\")\$/\\1/p" "$config"; }
upstream_version=$(cpack_setting CPACK_PACKAGE_VERSION)
version=$upstream_version-$(cpack_setting CPACK_DEBIAN_PACKAGE_RELEASE)

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
svg=$stage/usr/share/icons/hicolor/scalable/apps/$app_id.svg

echo "== desktop entry and metainfo"
# Hints (such as an entry in two main categories) leave the exit status at 0.
desktop_clean() {
    local out
    out=$(desktop-file-validate "$1" 2>&1) || { echo "$out"; return 1; }
    [ -z "$out" ] || { echo "$out"; return 1; }
}
check "desktop-file-validate $app_id.desktop: no errors, warnings or hints" desktop_clean "$desktop"
desktop_key() { grep -E "^$1=" "$desktop" | head -n 1 | cut -d= -f2-; }
for kv in "Name=Velmora" "Exec=velmora" "Terminal=false" "Type=Application" \
          "Categories=Education;Math;" "Icon=$app_id"; do
    check "desktop entry has $kv" test "$(desktop_key "${kv%%=*}")" = "${kv#*=}"
done
check "desktop entry has an English Comment" grep -q -E '^Comment=.' "$desktop"
# Each translation's texts: a Comment of its own, not the English one.
for code in "${translations[@]}"; do
    check "desktop entry has a Comment[$code] of its own" \
        test -n "$(desktop_key "Comment\\[$code\\]")" -a "$(desktop_key "Comment\\[$code\\]")" != "$(desktop_key Comment)"
    for key in Name GenericName Keywords; do
        check "desktop entry has $key[$code]" grep -q -E "^$key\\[$code\\]=." "$desktop"
    done
done

# Infos and pedantic notes remain: the id's uppercase letter and its
# "example" top-level domain, which a rename would cost the id's users.
appstream_clean() {
    local out
    out=$(appstreamcli validate --pedantic --no-net "$1" 2>&1) || { echo "$out"; return 1; }
    ! grep -E '^[EW]:' <<<"$out"
}
check "appstreamcli validate --pedantic --no-net $app_id.metainfo.xml: no errors or warnings" \
    appstream_clean "$metainfo"
check "appstreamcli validate-tree --no-net (metainfo, desktop entry and icon together)" \
    appstreamcli validate-tree --no-net "$stage/usr"
check "metainfo launches $app_id.desktop" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
for code in "${translations[@]}"; do
    for element in summary name p caption keyword; do
        check "metainfo has <$element xml:lang=\"$code\">" grep -q "<$element xml:lang=\"$code\">" "$metainfo"
    done
done
check "metainfo has a screenshot" grep -q '<image>https://.*\.png</image>' "$metainfo"
check "metainfo has a release entry for $upstream_version" \
    grep -q "<release version=\"$upstream_version\"" "$metainfo"
check "CHANGELOG.md has an entry for $upstream_version" grep -q "^## $upstream_version " "$root/CHANGELOG.md"

echo "== icons"
# Width and height are the two big-endian words after the IHDR tag.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*2^24+$2*2^16+$3*2^8+$4, $5*2^24+$6*2^16+$7*2^8+$8 }'; }
for size in "${icon_sizes[@]}"; do
    png=$stage/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    check "${size}x$size icon is a PNG of $size x $size" \
        test "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')-$(png_size "$png")" = "89504e470d0a1a0a-${size}x$size"
done
check "scalable icon is an SVG" grep -q '<svg' "$svg"
# The PNGs are kept in the repository; an SVG changed without rendering them
# again shows here.
icons_fresh() {
    local size diff stale=0
    "$root/scripts/render-icons.sh" "$work/icons" || return 1
    for size in "${icon_sizes[@]}"; do
        diff=$(compare -metric AE -fuzz 2% "$work/icons/velmora-$size.png" \
            "$stage/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" null: 2>&1)
        if [ "$diff" != 0 ]; then
            echo "${size}x$size: $diff pixels differ"
            stale=1
        fi
    done
    return "$stale"
}
check "PNG icons match the SVG rendered afresh (scripts/render-icons.sh)" icons_fresh

echo "== manual pages"
# man-db hands the warnings on to groff (-wall) and prints them on stderr.
man_clean() {
    local err
    err=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -E UTF-8 -l "$1" 2>&1 >"$work/man.txt")
    [ -z "$err" ] || { echo "$err"; return 1; }
    grep -q velmora "$work/man.txt" || { echo "nothing rendered"; return 1; }
}
# gzip -9n: no file name (flag 0x08), no time, best compression (XFL 2).
gzip_reproducible() {
    local header
    header=$(od -An -tu1 -N10 "$1" | tr -s ' ' | sed 's/^ //')
    set -- $header
    [ "$1 $2" = "31 139" ] && [ $(($4 & 8)) -eq 0 ] && [ "$5$6$7$8" = 0000 ] && [ "$9" -eq 2 ] ||
        { echo "gzip header: $header"; return 1; }
}
for page in "${man_pages[@]}"; do
    check "man -l renders $page with no groff warnings" man_clean "$stage/$page"
    check "$page is compressed with gzip -9n" gzip_reproducible "$stage/$page"
done
# Each manual's synopsis names every option --help lists, so an option added
# to the program is not left out of one language's manual.
synopsis_complete() {
    local options missing=()
    options=$(LANGUAGE=en "$stage/usr/bin/velmora" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || { echo "--help lists no options"; return 1; }
    # The third heading is the synopsis, in every language: the page's
    # title line, then NAME, then SYNOPSIS.
    LC_ALL=C.UTF-8 MANWIDTH=1000 man -E UTF-8 -l "$1" 2>/dev/null |
        sed 's/\xe2\x88\x92/-/g; s/\xe2\x80\x90/-/g' |
        awk '/^[^ ]/ { n++ } n == 3' >"$work/synopsis.txt"
    for option in $options; do
        grep -q -e "$option\([^a-z-]\|$\)" "$work/synopsis.txt" || missing+=("$option")
    done
    [ ${#missing[@]} -eq 0 ] || { echo "the synopsis lacks ${missing[*]}"; return 1; }
}
for page in "${man_pages[@]}"; do
    check "$page's synopsis names every option of --help" synopsis_complete "$stage/$page"
done
check "changelog.Debian.gz is compressed with gzip -9n" \
    gzip_reproducible "$stage/usr/share/doc/velmora/changelog.Debian.gz"

echo "== Debian package"
deb=$build/velmora_${version}_$(dpkg --print-architecture).deb
if [ -f "$deb" ]; then
    pass "package file $(basename "$deb")"
    deb_root=$work/deb
    dpkg-deb -x "$deb" "$deb_root"
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
    changelog_version=$(zcat "$deb_root/usr/share/doc/velmora/changelog.Debian.gz" | sed -n '1s/^velmora (\(.*\)) .*/\1/p')
    check "changelog.Debian's top entry is $version" test "$changelog_version" = "$version"
    check "data compressed with xz" grep -qx data.tar.xz <<<"$(ar t "$deb")"

    # lintian exits 0 when it ran and found no error; its note about running
    # as root is not one of its findings.
    lintian --pedantic -I --show-overrides "$deb" >"$work/lintian.txt" 2>&1
    lintian_status=$?
    sed -i '/^running with root privileges/d' "$work/lintian.txt"
    echo "lintian --pedantic -I --show-overrides (exit status $lintian_status): $(wc -l <"$work/lintian.txt") lines"
    sed 's/^/    /' "$work/lintian.txt"
    check "lintian --pedantic: no errors or warnings" \
        bash -c '[ "$1" -eq 0 ] && ! grep -E "^[EW]:" "$2"' _ "$lintian_status" "$work/lintian.txt"

    binary=$deb_root/usr/bin/velmora
    # The fortify line may find no call with a size known at compile time,
    # and Debian 12's start files carry no control-flow protection; the
    # compile flags below stand for fortify.
    hardening-check --nofortify --nocfprotection "$binary" >"$work/hardening.txt" 2>&1
    hardening=$?
    sed 's/^/    /' "$work/hardening.txt"
    check "hardening-check: PIE, stack protector, read-only relocations, immediate binding" \
        test "$hardening" -eq 0
    compile_flags() {
        local total missing
        total=$(grep -c '"command":' "$build/compile_commands.json")
        missing=$(grep '"command":' "$build/compile_commands.json" | grep -v -F -- "$1" | grep -c .)
        [ "$total" -gt 0 ] && [ "$missing" -eq 0 ] || { echo "$missing of $total compile commands lack $1"; return 1; }
    }
    for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -O2 "-ffile-prefix-map=$root=."; do
        check "every compile command of the package build has $flag" compile_flags "$flag"
    done
    check "binary stripped as dh_strip does (no symbols, no .comment)" \
        bash -c '! readelf -S "$1" | grep -E "\.symtab|\.comment"' _ "$binary"

    # Started from a terminal with no display at all, not even Qt's choice:
    # in Bulgarian with the English alongside, or in English alone.
    no_display() {
        local out status
        out=$(ulimit -c 0; env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM \
            LANGUAGE="$1" timeout 20 "$binary" 2>&1)
        status=$?
        echo "exit status $status: $out"
        [ "$status" -eq 1 ] && [ "$(wc -l <<<"$out")" -eq 1 ] && grep -q 'no display' <<<"$out" &&
            grep -q DISPLAY <<<"$out" || return 1
        if [ "$1" = bg ]; then grep -q 'няма дисплей' <<<"$out"; else ! grep -q 'няма' <<<"$out"; fi
    }
    check "packaged velmora without a display: one line in Bulgarian and English, exit status 1" \
        no_display bg
    check "packaged velmora without a display, LANGUAGE=en: one line in English, exit status 1" \
        no_display en
    # A display named but not there: Qt's own warnings, then a line of ours
    # instead of its abort.
    unreachable_display() {
        local n=90 out status
        while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
        out=$(ulimit -c 0; env -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM DISPLAY=:$n \
            LANGUAGE=en timeout 20 "$binary" 2>&1)
        status=$?
        echo "exit status $status: $out"
        [ "$status" -eq 1 ] && tail -n 1 <<<"$out" | grep -q 'the window cannot be opened'
    }
    check "packaged velmora with an unreachable display: exit status 1, no abort" unreachable_display
else
    fail "package file $(basename "$deb") in $build (build it with scripts/build-package.sh)"
fi

echo "== reproducible build"
# The last commit, exported into two folders of different names and depths
# and built there under a different umask and time zone, must give the same
# bytes.
reproducible() {
    local commit epoch one two
    commit=$(git -C "$root" rev-parse --short HEAD) && epoch=$(git -C "$root" log -1 --format=%ct) ||
        { echo "needs the git history of $root"; return 1; }
    one=$work/repro/velmora
    two=$work/repro/second/build-of-the-same-commit
    mkdir -p "$one" "$two"
    git -C "$root" archive HEAD | tar -x -C "$one" && git -C "$root" archive HEAD | tar -x -C "$two" || return 1
    (cd "$one" && SOURCE_DATE_EPOCH=$epoch scripts/build-package.sh) >"$work/repro-one.log" 2>&1 ||
        { echo "first build failed:"; tail -n 20 "$work/repro-one.log"; return 1; }
    (cd "$two" && umask 0077 && SOURCE_DATE_EPOCH=$epoch TZ=JST-9 scripts/build-package.sh) >"$work/repro-two.log" 2>&1 ||
        { echo "second build failed:"; tail -n 20 "$work/repro-two.log"; return 1; }
    one=$one/build/package/$(basename "$deb")
    two=$two/build/package/$(basename "$deb")
    if ! cmp "$one" "$two"; then
        diff <(dpkg-deb -c "$one") <(dpkg-deb -c "$two")
        diff <(dpkg-deb --ctrl-tarfile "$one" | tar -xO ./md5sums) <(dpkg-deb --ctrl-tarfile "$two" | tar -xO ./md5sums)
        return 1
    fi
    echo "commit $commit: $(md5sum <"$one")"
}
check "two builds of the last commit in different folders give the same .deb" reproducible

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
