#!/usr/bin/env bash
# Brings po/ in step with the English texts: the messages without msgctxt of
# po/en.po from their sources (the desktop entry's and the metainfo's
# templates in packaging/, which xgettext reads, and man/velmora.1, which
# po4a reads), po/velmora.pot from po/en.po, and every other language's po
# file from the template (msgmerge, which marks a changed text fuzzy until
# its translator has looked at it).
#
# Usage: scripts/update-po.sh [--check]
# With --check nothing is written: it fails, naming the file, when po/en.po
# or po/velmora.pot is not what it would write.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
check=no
[ "${1:-}" = --check ] && check=yes
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"

xgettext --from-code=UTF-8 --add-comments -o "$work/packaging.pot" \
    packaging/velmora.desktop.in packaging/velmora.metainfo.xml.in
po4a-updatepo -f man -m man/velmora.1 -M UTF-8 -p "$work/man.pot" --porefs never \
    >/dev/null 2>&1 || { echo "po4a cannot read man/velmora.1" >&2; exit 1; }
msgcat --use-first --no-location -o "$work/plain.pot" "$work/packaging.pot" "$work/man.pot"
# For English, msginit gives every message its msgid as its text.
msginit --no-translator -l en_US.UTF-8 -i "$work/plain.pot" -o "$work/plain.po" >/dev/null 2>&1
msggrep --msgctxt -E -e . -o "$work/named.po" po/en.po
msgcat --use-first --no-location --width=79 -o "$work/en.po" "$work/named.po" "$work/plain.po"
cp "$work/en.po" "$work/po-en.po"
mkdir "$work/po"
cp po/LINGUAS "$work/po/"
for po in po/*.po; do cp "$po" "$work/po/"; done
cp "$work/en.po" "$work/po/en.po"
python3 design/makecatalogue.py template "$work/po" "$work/velmora.pot" || {
    # The template is written from a checked en.po; the problems are above.
    exit 1
}

if [ "$check" = yes ]; then
    stale=0
    for file in en.po velmora.pot; do
        if ! cmp -s "$work/$file" "po/$file"; then
            echo "po/$file is not in step with its sources; run scripts/update-po.sh" >&2
            diff -u "po/$file" "$work/$file" | head -n 40 >&2 || true
            stale=1
        fi
    done
    exit "$stale"
fi

cp "$work/en.po" po/en.po
cp "$work/velmora.pot" po/velmora.pot
for code in $(sed 's/#.*//' po/LINGUAS); do
    [ "$code" = en ] && continue
    msgmerge --quiet --update --backup=off --no-location --width=79 "po/$code.po" po/velmora.pot
done
