#!/usr/bin/env bash
# velmora --worksheet with no display: the PDF read back with pdftotext and
# checked by worksheet_textcheck, reproducibility, Cyrillic, embedded fonts,
# metadata, paper, and refused options that leave files alone.
#   worksheet_cli_test.sh VELMORA TEXTCHECK
set -uo pipefail
velmora=$1
check=$2
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# Writes the sheet for the options into $dir/NAME.pdf, NAME.txt and, with
# the key's table a row to a line, NAME.layout.
sheet() {
    local name=$1
    shift
    "$velmora" --worksheet "$@" -o "$dir/$name.pdf" >"$dir/$name.out" 2>"$dir/$name.err" ||
        { fail "$name: status $? $(cat "$dir/$name.err")"; return 1; }
    [ -s "$dir/$name.err" ] && fail "$name: said on stderr: $(cat "$dir/$name.err")"
    pdftotext -enc UTF-8 "$dir/$name.pdf" "$dir/$name.txt" || fail "$name: pdftotext"
    pdftotext -layout -enc UTF-8 "$dir/$name.pdf" "$dir/$name.layout" || fail "$name: pdftotext -layout"
}

# Each row: the options, then what the checker is told of them.
rows=(
    "--code 4711 --lang bg|--count 10 --variants 1 --range 100 --unsolvable 0"
    "--code 12 --count 12 --range 10 --variants 3 --lang en --unsolvable 25|--count 12 --variants 3 --range 10 --unsolvable 25"
    "--code 999999 --count 40 --range 2000 --variants 2 --unsolvable 100 --zeros|--count 40 --variants 2 --range 2000 --unsolvable 100 --zeros"
    "--code 5 --count 1 --range 500 --variants 40 --lang bg --unsolvable=50 --zeros --paper letter|--count 1 --variants 40 --range 500 --unsolvable 50 --zeros"
    "--code 77 --count 40 --range 10 --variants 40 --unsolvable 100 --lang en|--count 40 --variants 40 --range 10 --unsolvable 100"
    "--code 31 --count 7 --range 1500 --variants 4 --unsolvable 30 --euclid --lang bg|--count 7 --variants 4 --range 1500 --unsolvable 30"
    "--code 8 --count 12 --range 200 --variants 3 --unsolvable 25 --points 2 --space small --lang uk|--count 12 --variants 3 --range 200 --unsolvable 25 --points 2"
    "--code 9 --count 6 --range 100 --variants 5 --points 1 --space 12 --euclid --lang en|--count 6 --variants 5 --range 100 --points 1"
)
i=0
for row in "${rows[@]}"; do
    i=$((i + 1))
    # shellcheck disable=SC2086
    sheet "row$i" ${row%%|*} || continue
    # shellcheck disable=SC2086
    "$check" "$dir/row$i.layout" ${row#*|} || fail "row $i ($row): the text does not check"
    pdffonts "$dir/row$i.pdf" | tail -n +3 >"$dir/row$i.fonts"
    [ -s "$dir/row$i.fonts" ] || fail "row $i: no fonts"
    awk '$(NF-4) != "yes" { exit 1 }' "$dir/row$i.fonts" || fail "row $i: a font not embedded"
    grep -q Liberation "$dir/row$i.fonts" || fail "row $i: not set in Liberation"
done

# Balance by item over many codes: the checker holds item k of every variant
# to the first variant's kind and size.
for code in 101 202 303 404 505 606 707 808; do
    sheet "balance$code" --code $code --count 8 --range 500 --variants 6 --unsolvable 25 --zeros --lang en ||
        continue
    "$check" "$dir/balance$code.layout" --count 8 --variants 6 --range 500 --unsolvable 25 --zeros \
        >/dev/null || fail "code $code: the variants are not balanced item by item"
done

# Points: each item's beside it and the total, on the sheet and in the key.
grep -q "^Усього: 24 бали$" "$dir/row7.txt" || fail "no total of points on the Ukrainian sheet"
[ "$(grep -c "^Усього: 24 бали$" "$dir/row7.txt")" -eq 6 ] || fail "the total not on each sheet and key"
[ "$(grep -c "(1 point)" "$dir/row8.txt")" -eq 30 ] || fail "not every item on the sheet marked with its point"
grep -q "point" "$dir/row2.txt" && fail "points shown where none were asked for"

# The room to work read back from where pdftotext finds each item's number:
# at least the space asked for between one item and the next on a page, and
# the room at a page's foot shared out, not left blank.
gaps() { # NAME -> the gaps in points between items on each page of the sheet
    local key
    key=$(awk 'BEGIN { RS = "\f" } /Answer key/ { print NR; exit }' "$dir/$1.txt")
    pdftotext -bbox -l $((key - 1)) "$dir/$1.pdf" - | awk '
        /<page / { y = -1 }
        /<word / && />[0-9]+\.<\/word>/ {
            match($0, /xMin="[0-9.]+"/); x = substr($0, RSTART + 6, RLENGTH - 7)
            match($0, /yMin="[0-9.]+"/); top = substr($0, RSTART + 6, RLENGTH - 7)
            if (x + 0 < 80) { if (y >= 0) print top - y; y = top }
        }'
}
sheet space4 --code 5 --count 10 --space small --lang en
sheet space9 --code 5 --count 10 --space large --lang en
sheet space6 --code 5 --count 10 --lang en
for row in "space4 113" "space6 170" "space9 255"; do
    set -- $row
    least=$(gaps "$1" | sort -n | head -1)
    [ -n "$least" ] && awk -v g="$least" -v want="$2" 'BEGIN { exit !(g >= want) }' ||
        fail "$1: $least pt between items, not the $2 pt asked for"
done
p4=$(pdfinfo "$dir/space4.pdf" | awk '/^Pages:/ { print $2 }')
p9=$(pdfinfo "$dir/space9.pdf" | awk '/^Pages:/ { print $2 }')
[ "$p9" -gt "$p4" ] || fail "more room took no more pages ($p4, $p9)"
last=$(pdftotext -bbox -f 1 -l 1 "$dir/space6.pdf" - | awk '/<word / && />[0-9]+\.<\/word>/ { match($0, /yMin="[0-9.]+"/); y = substr($0, RSTART + 6, RLENGTH - 7) } END { print y }')
awk -v y="$last" 'BEGIN { exit !(y > 500) }' || fail "page 1's last item at $last pt: the page is not used to its foot"

# The key: one table a variant, its headings on every page it fills, each
# variant's key on pages of its own and on one where it fits, and the note
# that an equivalent general solution is right once.
keypages() { # NAME -> the key's pages, a form feed apart
    awk 'BEGIN { RS = "\f"; ORS = "\f" } /Answer key/ { key = 1 } key' "$dir/$1.layout"
}
[ "$(grep -c "Any equivalent form of the general solution" "$dir/row2.txt")" -eq 1 ] ||
    fail "the note on equivalent forms not once"
[ "$(keypages row2 | tr -cd '\f' | wc -c)" -eq 3 ] || fail "three variants' keys not on three pages"
keypages row2 | grep -q "(continued)" && fail "a key that fits on a page goes on over another"
for row in row2 row3 row6; do
    keypages "$row" | awk 'BEGIN { RS = "\f" }
        /\n *[0-9]+ +−?[0-9]*x [+−] [0-9]*y = / && !/No\. +Equation +GCD +Conclusion/ { bad = 1 }
        END { exit bad }' || fail "$row: a page of the key's rows without the table's headings"
done
grep -Eq "^No\. +Equation +GCD +Conclusion +Particular solution \(x₀, y₀\) +General solution$" "$dir/row2.layout" ||
    fail "the English table's headings"

# --pictures: after each variant's table, a picture for each item with
# solutions and none for the others, two to a row; the rest as without.
sheet pictures --code 12 --count 12 --range 10 --variants 3 --lang en --unsolvable 25 --pictures
solvable=$(keypages row2 | awk '/^ *[0-9]+ .* has solutions / { printf "%s. ", $1 }')
first=$(awk 'BEGIN { RS = "\f" } /Answer key/ { print NR; exit }' "$dir/pictures.txt")
pdftotext -bbox -f "$first" "$dir/pictures.pdf" "$dir/pictures.html"
# Each caption as page, top, left and its number, in the order a reader reads them.
awk '/<page / { page++ }
     /<word / && />[0-9]+\.<\/word>/ {
         match($0, /xMin="[0-9.]+"/); x = substr($0, RSTART + 6, RLENGTH - 7)
         match($0, /yMin="[0-9.]+"/); y = substr($0, RSTART + 6, RLENGTH - 7)
         sub(/.*">/, ""); sub(/<.*/, ""); printf "%d %09.3f %09.3f %s\n", page, y, x, $0 }' \
    "$dir/pictures.html" | sort >"$dir/captions"
captions=$(awk '{ printf "%s ", $4 }' "$dir/captions")
[ -n "$solvable" ] && [ "$captions" = "$solvable" ] ||
    fail "pictures for items '$captions', not for the solvable '$solvable'"
awk '{ n[$1 " " $2]++ } END { for (row in n) if (n[row] == 2) two = 1; exit !two }' "$dir/captions" ||
    fail "no two pictures side by side"
count=$(echo "$captions" | wc -w)
grown=$(($(stat -c %s "$dir/pictures.pdf") - $(stat -c %s "$dir/row2.pdf")))
[ "$grown" -gt $((count * 5000)) ] || fail "$count pictures added only $grown bytes: not drawn"
"$check" "$dir/pictures.layout" --count 12 --variants 3 --range 10 --unsolvable 25 >/dev/null ||
    fail "the key with pictures does not check"
sheetpages() { awk 'BEGIN { RS = "\f" } /Answer key/ { exit } { print }' "$dir/$1.txt"; }
cmp -s <(sheetpages row2) <(sheetpages pictures) || fail "the pictures changed the sheet"
sheet nopictures --code 12 --count 12 --range 10 --variants 3 --lang en --unsolvable 25 --pictures=no &&
    { cmp -s "$dir/row2.txt" "$dir/nopictures.txt" || fail "--pictures=no drew pictures"; }

# The same code and choices give the same text; another code another.
sheet again --code 12 --count 12 --range 10 --variants 3 --lang en --unsolvable 25
cmp -s "$dir/row2.txt" "$dir/again.txt" || fail "the same code gave another text"
sheet other --code 13 --count 12 --range 10 --variants 3 --lang en --unsolvable 25
cmp -s "$dir/row2.txt" "$dir/other.txt" && fail "another code gave the same text"

# Bulgarian is Bulgarian in the PDF's text and metadata, English English.
grep -q "Вариант 4711-1" "$dir/row1.txt" || fail "no Cyrillic in the Bulgarian sheet"
grep -q "Частно решение (x₀; y₀)" "$dir/row1.layout" || fail "no pair's heading in the Bulgarian key"
grep -Eq "has solutions +\(−?[0-9]+, −?[0-9]+\) +x = " "$dir/row2.layout" || fail "no pair in the English key"
grep -Eq "има решения +\(−?[0-9]+; −?[0-9]+\) +x = " "$dir/row1.layout" || fail "no pair in the Bulgarian key"
grep -q "^Алгоритъмът на Евклид дава (x₁; y₁) = (" "$dir/row6.txt" || fail "no Euclid pair in the key with --euclid"
# Range 1500: some pair of Euclid's way is larger than it need be, and the
# key gives it both ways (the checker holds both to the equation).
grep -q "^Алгоритъмът на Евклид дава (x₁; y₁) = (.*), а след намаляване (x₁; y₁) = (" "$dir/row6.txt" ||
    fail "no Euclid pair both as found and made smaller"
grep -q "^Euclid.s algorithm gives (x₁, y₁) = (" "$dir/row8.txt" || fail "no Euclid pair in the English key"
grep -q "Answer key" "$dir/row2.txt" || fail "no English key"
pdfinfo "$dir/row1.pdf" | grep -q "^Title: *Диофантови уравнения" || fail "bg title"
pdfinfo -meta "$dir/row1.pdf" | grep -q "<rdf:li>bg</rdf:li>" || fail "bg language metadata"
pdfinfo -meta "$dir/row2.pdf" | grep -q "<rdf:li>en</rdf:li>" || fail "en language metadata"
pdfinfo "$dir/row1.pdf" | grep -q "^Creator: *Velmora" || fail "creator"

# A4 unless Letter is asked for; page breaks between variants and before the key.
pdfinfo "$dir/row1.pdf" | grep -Eq "Page size: *595(\.[0-9]+)? x 84[12]" || fail "not A4"
pdfinfo "$dir/row4.pdf" | grep -q "Page size: *612 x 792" || fail "not Letter"
pages=$(pdfinfo "$dir/row4.pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" -gt 40 ] || fail "40 variants of one equation on $pages pages"

# A code left out is drawn, printed, and gives the sheet again when typed.
sheet drawn --count 3 --lang en
code=$(cat "$dir/drawn.out")
[[ "$code" =~ ^[0-9]+$ ]] && [ "$code" -ge 1 ] && [ "$code" -le 999999 ] ||
    fail "drawn code printed as '$code'"
sheet typed --count 3 --lang en --code "$code"
cmp -s "$dir/drawn.txt" "$dir/typed.txt" || fail "the drawn code did not give its sheet again"
[ -s "$dir/typed.out" ] && fail "a typed code was printed"

# Word problems: the share of the items rounded half up, the same items in
# every variant, the text on the sheet and the unknowns, equation and
# pairs in the key; at 0 the sheet is the one without the option.
# Each row: the options, the language's "let x be", its task line and how
# many items each variant has as word problems.
words=(
    "--code 4711 --count 10 --variants 2 --word-problems 50 --lang en|Let x be the number of|In the word problems|5"
    "--code 77 --count 7 --variants 3 --word-problems 50 --lang bg|Нека x е броят на|В текстовите задачи|4"
    "--code 9 --count 12 --variants 1 --word-problems 100 --unsolvable 50 --lang uk|Нехай x — кількість|У текстових задачах|12"
    "--code 5 --count 10 --variants 4 --word-problems 0 --lang en|Let x be the number of|In the word problems|0"
)
i=0
for row in "${words[@]}"; do
    i=$((i + 1))
    IFS='|' read -r options unknowns task each <<<"$row"
    # shellcheck disable=SC2086
    sheet "words$i" $options || continue
    variants=$(echo "$options" | sed -E 's/.*--variants ([0-9]+).*/\1/')
    got=$(grep -c -- "^[0-9]*\. $unknowns" "$dir/words$i.txt")
    [ "$got" -eq $((each * variants)) ] || fail "words row $i: $got word problems in the key, not $((each * variants))"
    tasks=$(grep -c -- "^$task" "$dir/words$i.txt")
    if [ "$each" -gt 0 ]; then
        [ "$tasks" -eq "$variants" ] || fail "words row $i: the task for word problems $tasks times"
    else
        [ "$tasks" -eq 0 ] || fail "words row $i: a task for word problems on a sheet without them"
    fi
done
# Pairs in each language's notation, and every listed pair solves its equation.
grep -Eq '^[0-9]+ solutions?: \([0-9]+, [0-9]+\)' "$dir/words1.txt" || fail "no English pairs (4, 7)"
grep -Eq '^[0-9]+ решени[ея]: \([0-9]+; [0-9]+\)' "$dir/words2.txt" || fail "no Bulgarian pairs (4; 7)"
awk '/^Equation: / { split($0, f, /[ x+y=]+/); a = f[2]; b = f[3]; c = f[4] }
     /^[0-9]+ solutions?: \(/ { line = $0; sub(/^[^(]*/, "", line); n = split(line, p, /[(), ]+/)
         for (k = 2; k + 1 <= n; k += 2) if (p[k] != "" && a * p[k] + b * p[k + 1] != c) bad = 1 }
     END { exit bad }' "$dir/words1.txt" || fail "a listed pair does not solve its equation"
"$velmora" --worksheet --code 5 --count 10 --variants 4 --lang en -o "$dir/plain.pdf" 2>/dev/null
pdftotext -enc UTF-8 "$dir/plain.pdf" "$dir/plain.txt"
cmp -s "$dir/plain.txt" "$dir/words4.txt" || fail "--word-problems 0 changed the sheet"
sheet wordsAgain --code 4711 --count 10 --variants 2 --word-problems 50 --lang en &&
    { cmp -s "$dir/words1.txt" "$dir/wordsAgain.txt" || fail "the same code gave other word problems"; }

# Refused: one line naming the option and what it allows, status 2, the
# existing file untouched and nothing else written.
bad=(
    "--count 0|--count: .*1–40"
    "--count 41|--count: .*1–40"
    "--count|--count: .*1–40"
    "--variants 99|--variants: .*1–40"
    "--range 50|--range: .*10, 100, 200, 500, 1000, 1500, 2000"
    "--code 0|--code: .*1–999999"
    "--code 1000000|--code: .*1–999999"
    "--lang de|unknown language .de.; the languages are bg, en"
    "--unsolvable 101|--unsolvable: .*0–100"
    "--unsolvable=-5|--unsolvable: .*0–100"
    "--paper a3|--paper: .*a4, letter"
    "--zeros=maybe|--zeros: .*yes"
    "--space 1|--space: .*2–20 \\(cm\\), small, medium, large"
    "--space huge|--space: .*small, medium, large"
    "--points 101|--points: .*0–100"
    "--word-problems 101|--word-problems: .*0–100"
    "--word-problems=-1|--word-problems: .*0–100"
    "--word-problems many|--word-problems: .*0–100"
    "--pictures=some|--pictures: .*yes"
    "--colour red|--colour: .*count, range, variants"
)
touch "$dir/bad.out" "$dir/bad.err"
for row in "${bad[@]}"; do
    echo "kept" >"$dir/kept.pdf"
    before=$(ls "$dir" | wc -l)
    # shellcheck disable=SC2086
    LANGUAGE=en "$velmora" --worksheet ${row%%|*} -o "$dir/kept.pdf" >"$dir/bad.out" 2>"$dir/bad.err"
    status=$?
    [ "$status" -eq 2 ] || fail "${row%%|*}: status $status"
    [ "$(wc -l <"$dir/bad.err")" -eq 1 ] || fail "${row%%|*}: not one line: $(cat "$dir/bad.err")"
    grep -Eq -- "${row#*|}" "$dir/bad.err" || fail "${row%%|*}: said $(cat "$dir/bad.err")"
    [ "$(cat "$dir/kept.pdf")" = kept ] || fail "${row%%|*}: the file was touched"
    [ "$(ls "$dir" | wc -l)" -eq "$before" ] || fail "${row%%|*}: a file was written"
    [ -s "$dir/bad.out" ] && fail "${row%%|*}: printed on stdout"
done
"$velmora" --worksheet --count 3 >/dev/null 2>"$dir/bad.err"
[ $? -eq 2 ] || fail "no -o: not status 2"
grep -q -- "-o" "$dir/bad.err" || fail "no -o: not named"

# A folder that does not exist cannot be written: status 1, no file.
"$velmora" --worksheet --code 1 -o "$dir/none/x.pdf" 2>"$dir/bad.err"
[ $? -eq 1 ] || fail "unwritable: not status 1"
[ -e "$dir/none" ] && fail "unwritable: something was made"

exit $failed
