#!/usr/bin/env bash
# The typeset PDFs, read back with poppler's tools: fractions stacked and centred, answers only on
# the teacher's sheet, the name line on every variant, the answer key, fonts embedded, the page
# counts of the layout choices, nothing outside the margins, and no PDF left by a failure or a stop.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY  # must run without a display
. "$(dirname "${BASH_SOURCE[0]}")/../../testing/check.sh"

pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
text_of() { tail -n +2 "$1" | iconv -f cp1251 -t utf-8 | tr -d '\r'; }
# Every word as "xMin yMin xMax yMax page text", one a line.
boxes() {
  pdftotext -bbox "$1" - | awk -F'"' '/<page / {p++} /<word / {
      w = $0; sub(/.*">/, "", w); sub(/<\/word>.*/, "", w); print $2, $4, $6, $8, p, w }'
}
fonts_embedded() {  # PT Sans among the fonts, every one embedded
  pdffonts "$1" | grep -q PTSans-Regular &&
    pdffonts "$1" | tail -n +3 | awk '{ if ($(NF-4) != "yes") bad = 1 } END {exit bad}'
}
inside_page() {  # every word inside the paper less 20 pt at each edge
  local size w h
  size=$(pdfinfo "$1" | awk '/^Page size:/ {print $3, $5}')
  read -r w h <<< "$size"
  boxes "$1" | awk -v w="$w" -v h="$h" '{
      if ($1 < 20 || $2 < 20 || $3 > w - 20 || $4 > h - 20) { print "outside:", $0; bad = 1 } }
      END {exit bad}'
}

mkdir -p "$work/a/gen" "$work/z/gen" "$work/f/gen" "$work/big/gen"

# Thirty variants of six two-digit additions: the class set the layout is made for.
out=$("$cli" main --dir "$work/a" --seed 5 --variants 30 --count 1=6 --pdf 2>/dev/null)
check "main --pdf prints four paths" test "$(echo "$out" | wc -l)" -eq 4
student=$(echo "$out" | sed -n 1p)
teacher=$(echo "$out" | sed -n 2p)
spdf=$(echo "$out" | sed -n 3p)
tpdf=$(echo "$out" | sed -n 4p)
check "the PDFs are the text files with .pdf" \
  test "$spdf $tpdf" = "${student%.txt}.pdf ${teacher%.txt}.pdf"
check "A4 portrait" bash -c "pdfinfo '$spdf' | grep -qE 'Page size: +595(\.[0-9]+)? x 84[12]'"
check "fonts embedded" fonts_embedded "$tpdf"
check "30 variants of six additions: at most 8 pages in auto" test "$(pages "$spdf")" -le 8
whole_variants() {  # each page: six "=" for each header on it, a cut line between two variants
  local p n headers equals cuts
  n=$(pages "$1")
  for p in $(seq 1 "$n"); do
    pdftotext -f "$p" -l "$p" "$1" "$work/page.txt"
    headers=$(grep -o 'Вариант [0-9]*' "$work/page.txt" | wc -l)
    equals=$(grep -o '=' "$work/page.txt" | wc -l)
    cuts=$(grep -o '✂' "$work/page.txt" | wc -l)
    test "$equals" -eq $((6 * headers)) -a "$cuts" -eq $((headers - 1)) || return 1
  done
}
check "auto: every variant whole on its page, cut lines between" whole_variants "$spdf"
name_lines() {  # "Вариант N" and "Фамилия, имя" on one line, for N = 1..30 in order
  test "$(pdftotext -layout "$1" - | grep -E 'Вариант [0-9]+ +Фамилия, имя +Класс +Дата' |
    grep -oE 'Вариант [0-9]+' | tr '\n' ';')" = "$(printf 'Вариант %s;' $(seq 1 30))"
}
check "the name line on every variant" name_lines "$spdf"
check "the name line on the teacher's sheet too" name_lines "$tpdf"
# The answers: what the teacher's lines add after "=".
text_of "$teacher" | grep '=' | sed 's/.*=//' > "$work/answers.txt"
# "= answer" after the exercises of the sheets, not counting the key.
filled_in() {
  pdftotext -layout "$1" - | sed '/Ответы/,$d' | grep -oE '= +[0-9]+( |$)' | sed 's/= *//; s/ //' \
    > "$work/filled.txt"
  wc -l < "$work/filled.txt"
}
key_rows() {  # the key's row of variant v holds "k) answer" of its six exercises
  local v k line
  pdftotext -layout "$1" - | sed -n '/Ответы/,$p' > "$work/key.txt"
  for v in $(seq 1 30); do
    line=$(grep -E "^ *Вариант $v " "$work/key.txt") || return 1
    for k in $(seq 1 6); do
      grep -qE "(^| )$k\) +$(sed -n "$(( (v - 1) * 6 + k ))p" "$work/answers.txt")( |$)" \
        <<< "$line" || return 1
    done
  done
}
check "the answer key holds every variant's answers" key_rows "$tpdf"
"$cli" pdf "$student" --no-key --out-dir "$work" >/dev/null 2>&1
check "--no-key: no key" bash -c "! pdftotext '$work/$(basename "$tpdf")' - | grep -q Ответы"
check "the student's sheet holds no answer" test "$(filled_in "$spdf")" -eq 0
filled_in "$tpdf" >/dev/null
check "the teacher's sheet holds every answer" cmp -s <(sort "$work/filled.txt") <(sort "$work/answers.txt")

# Every choice: page counts, and no word outside the margins.
counts=""
for choice in "--per-page 1" "--per-page 2" "--per-page 4" "--columns 1" "--columns 2 --large" \
  "--columns 3 --paper a5" "--per-page 4 --paper a5 --large"; do
  # shellcheck disable=SC2086
  "$cli" pdf "$student" $choice --out-dir "$work" >/dev/null 2>&1
  counts+="$(pages "$work/$(basename "$spdf")") "
  check "$choice: inside the margins" inside_page "$work/$(basename "$spdf")"
  check "$choice: the teacher's inside the margins" inside_page "$work/$(basename "$tpdf")"
done
check "1, 2 and 4 variants a page: 30, 15 and 8 pages" test "${counts:0:8}" = "30 15 8 "
"$cli" pdf "$student" --per-page 3 >/dev/null 2>"$work/err"
check "a bad choice exits 2" test $? -eq 2
check "a bad choice is named" grep -q -- '--per-page takes auto, 1, 2 or 4, got 3' "$work/err"

# The teacher's title over every variant and over the key; one too long is refused by name.
mkdir -p "$work/titled"
"$cli" pdf "$student" --title "Самостоятельная работа №3" --out-dir "$work/titled" >/dev/null 2>&1
titled="$work/titled/$(basename "$tpdf")"
check "the title over all 30 variants and the key" \
  test "$(pdftotext "$titled" - | grep -c '^Самостоятельная работа №3$')" -eq 31
"$cli" pdf "$student" --title "$(printf 'x%.0s' $(seq 121))" >/dev/null 2>"$work/err"
check "a title over 120 characters exits 2" test $? -eq 2
check "a title over 120 characters is named" grep -q -- '--title takes at most 120' "$work/err"

# Fractions: each numerator above its denominator, centred on it within 2 pt.
out=$("$cli" main --dir "$work/f" --seed 6 --variants 2 --count 44=6 --count 54=4 --count 77=3 \
  --count 21=3 --count 34=2 --count 81=2 --pdf 2>/dev/null)
fpdf=$(echo "$out" | sed -n 3p)
check "fractions and others: inside the margins" inside_page "$(echo "$out" | sed -n 4p)"
stacked() {  # number words with a number below, centred within 2 pt, about an em lower
  boxes "$1" | awk '$6 ~ /^[0-9]+$/ { n++; x[n] = ($1 + $3) / 2; y[n] = $2; h[n] = $4 - $2; p[n] = $5 }
    END { for (i = 1; i <= n; i++) for (j = 1; j <= n; j++)
            if (p[i] == p[j] && y[j] > y[i] + h[i] * 0.5 && y[j] < y[i] + h[i] * 1.1 &&
                x[i] - x[j] < 2 && x[j] - x[i] < 2) pairs++
          print pairs + 0 }'
}
# Two variants of six sums of two fractions and four mixed numbers: 20 fractions each.
check "fractions stacked and centred" test "$(stacked "$fpdf")" -ge 40
check "a teacher's fraction answer stacked too" \
  test "$(stacked "$(echo "$out" | sed -n 4p)")" -ge "$(( $(stacked "$fpdf") + 20 ))"
check "multiplication as a raised dot" bash -c "pdftotext '$fpdf' - | grep -q '·'"

# Word problems.
out=$("$cli" problems --dir "$work/z" --seed 5 --variants 2 --select Z1,Z30,S5,S20,B3,B40 --pdf \
  2>/dev/null)
check "problems --pdf prints four paths" test "$(echo "$out" | wc -l)" -eq 4
zpdf=$(echo "$out" | sed -n 4p)
check "word problems: a task and an answer line" \
  bash -c "pdftotext '$zpdf' - | grep -q 'Задание 1' && pdftotext '$zpdf' - | grep -q 'Ответ:'"
check "word problems: inside the margins" inside_page "$zpdf"

# A student file alone: one PDF, a blank after each "=".
cp "$student" "$work/alone.txt"
check "a student file alone gives its sheet only" \
  test "$("$cli" pdf "$work/alone.txt" 2>/dev/null)" = "$work/alone.pdf"
check "its exercises are there" bash -c "pdftotext '$work/alone.pdf' - | grep -q '='"

# Failures and stops leave no PDF and no temporary file.
err=$("$cli" pdf "$work/missing.txt" 2>&1 >/dev/null)
check "a missing input exits 1" test $? -eq 1
check "a missing input is named" grep -q 'missing.txt' <<< "$err"
err=$("$cli" pdf "$student" --out-dir "$work/no/such" 2>&1 >/dev/null)
check "an unwritable PDF exits 1, naming it" \
  bash -c "test $? -eq 1 && grep -q 'no/such/ajobs_' <<< '$err'"
"$cli" pdf "$work/alone.pdf" >/dev/null 2>&1
check "a PDF never replaces its own input" test $? -eq 2
big=$("$cli" main --dir "$work/big" --seed 1 --variants 6000 --count 1=8 --count 44=8 2>/dev/null)
"$cli" pdf "$(echo "$big" | sed -n 1p)" >/dev/null 2>&1 &
pid=$!
# Stopped while its pages are being written: once the temporary file is there.
for _ in $(seq 200); do
  [ -n "$(find "$work/big" -name '*.part')" ] && break
  sleep 0.05
done
kill -INT "$pid"
wait "$pid"
check "SIGINT stops the PDFs with 130" test $? -eq 130
check "a stop leaves no PDF and no temporary" \
  test -z "$(find "$work/big" -name '*.pdf' -o -name '*.part')"
check "a stop leaves the text files whole" test "$(find "$work/big/gen" -name '*.txt' | wc -l)" -eq 2

finish pdf
