#!/usr/bin/env bash
# The PDFs of worksheet files, read back with poppler's tools: every line in order, the running
# head on every page, variants on new pages, fractions whole, fonts embedded, nothing off the page.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY  # must run without a display
. "$(dirname "${BASH_SOURCE[0]}")/../../testing/check.sh"

pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
stamp() { head -n 1 "$1" | iconv -f cp1251 -t utf-8 | tr -d '\r'; }
# The text of one page without its running head (the stamp and "стр. N из M").
page_body() { pdftotext -layout -f "$2" -l "$2" "$1" - | tail -n +2 | tr -d '\f'; }
# Words in reading order: of the text file less its stamp line, and of the PDF less its heads.
file_words() { tail -n +2 "$1" | iconv -f cp1251 -t utf-8 | tr -s '[:space:]' '\n' | grep -v '^$'; }
pdf_words() {
  local p
  for p in $(seq 1 "$(pages "$1")"); do page_body "$1" "$p"; done | tr -s '[:space:]' '\n' |
    grep -v '^$'
}
same_words() { cmp -s <(file_words "$1") <(pdf_words "$2"); }
running_heads_right() {  # every page starts with the stamp and "стр. p из N"
  local n p
  n=$(pages "$2")
  for p in $(seq 1 "$n"); do
    pdftotext -layout -f "$p" -l "$p" "$2" - | head -n 1 |
      grep -qE "^$(stamp "$1") +стр\. $p из $n\$" || return 1
  done
}
variants_start_pages() {  # the first lines of the pages that hold headers are the headers 1..V
  local expected=$1 pdf=$2 p first found=""
  for p in $(seq 1 "$(pages "$pdf")"); do
    first=$(page_body "$pdf" "$p" | grep -v '^\s*$' | head -n 1)
    [[ "$first" =~ ^Вариант ]] && found+="$first;"
  done
  test "$found" = "$expected"
}
fonts_embedded() {  # at least one font, every one embedded
  pdffonts "$1" | tail -n +3 | awk 'BEGIN {n = 0} {n++; if ($(NF-4) != "yes") bad = 1}
    END {exit (n == 0 || bad)}'
}
fractions_whole() {  # a fraction-only sheet: every page holds whole fractions of three lines
  local p n
  for p in $(seq 1 "$(pages "$1")"); do
    n=$(page_body "$1" "$p" | grep -v '^\s*$' | grep -vc '^Вариант')
    test $((n % 3)) -eq 0 || return 1
  done
}
inside_page() {  # every word inside the margins of an A4 page
  pdftotext -bbox "$1" - | awk -F'"' '/<word / {
      if ($2 < 40 || $4 < 20 || $6 > 556 || $8 > 802) bad = 1 } END {exit bad}'
}

mkdir -p "$work/a/gen" "$work/z/gen"
out=$("$cli" main --dir "$work/a" --seed 5 --variants 3 --count 1=4 --count 44=12 \
  --count 54=3 --count 114=2 --pdf)
check "main --pdf succeeds" test $? -eq 0
check "main --pdf prints four paths" test "$(echo "$out" | wc -l)" -eq 4
student=$(echo "$out" | sed -n 1p)
teacher=$(echo "$out" | sed -n 2p)
check "the PDFs are the text files with .pdf" \
  test "$(echo "$out" | sed -n 3,4p)" = "$(printf '%s\n%s' "${student%.txt}.pdf" "${teacher%.txt}.pdf")"
for f in "$student" "$teacher"; do
  check "$(basename "$f"): every line in order" same_words "$f" "${f%.txt}.pdf"
  check "$(basename "$f"): stamp and page numbers on every page" running_heads_right "$f" "${f%.txt}.pdf"
  check "$(basename "$f"): A4 portrait" bash -c "pdfinfo '${f%.txt}.pdf' | grep -qE 'Page size: +595(\.[0-9]+)? x 84[12](\.[0-9]+)? pts \(A4\)'"
done
check "variants start their pages" \
  variants_start_pages "Вариант 1;Вариант 2;Вариант 3;" "${teacher%.txt}.pdf"
check "fonts embedded" fonts_embedded "${teacher%.txt}.pdf"

out=$("$cli" main --dir "$work/a" --seed 6 --variants 2 --count 50=40 --pdf)
fractions=$(echo "$out" | sed -n 4p)
check "a fraction sheet runs over several pages" test "$(pages "$fractions")" -ge 4
check "no fraction split across pages" fractions_whole "$fractions"

out=$("$cli" problems --dir "$work/z" --seed 5 --variants 2 --select Z1,Z30,S5,S20,B3,B40,B57 --pdf)
check "problems --pdf prints four paths" test "$(echo "$out" | wc -l)" -eq 4
teacher=$(echo "$out" | sed -n 2p)
check "word problems: every line in order" same_words "$teacher" "$(echo "$out" | sed -n 4p)"
check "word problems: variants start their pages" \
  variants_start_pages "Вариант № 1;Вариант № 2;" "$(echo "$out" | sed -n 4p)"

# A hand-made file: a prose line far wider than the page and a fraction too wide for 8 pt.
long=$(printf 'слово%.0s ' $(seq 1 80))
wide=$(printf '%0150d' 7)
printf '%s\r\n' "1.1.2026 9:00:00" "Вариант 1" "$long" "$wide" "$(printf -- '-%.0s' $(seq 1 150))" \
  "$wide" " " | iconv -f utf-8 -t cp1251 > "$work/wide.txt"
check "pdf writes beside the input" test "$("$cli" pdf "$work/wide.txt")" = "$work/wide.pdf"
check "wide file: every word kept" same_words "$work/wide.txt" "$work/wide.pdf"
check "wide file: nothing off the page" inside_page "$work/wide.pdf"
"$cli" pdf "$work/wide.txt" --out "$work/other.pdf" >/dev/null
check "--out names the PDF" test -s "$work/other.pdf"

err=$("$cli" pdf "$work/missing.txt" 2>&1 >/dev/null)
check "a missing input exits 1" test $? -eq 1
check "a missing input is named with File not found." \
  bash -c "grep -q 'missing.txt.*File not found\.' <<< '$err'"
"$cli" pdf "$work" >/dev/null 2>&1
check "a folder as input exits 1" test $? -eq 1
"$cli" pdf "$work/wide.txt" --out "$work/no/such/folder.pdf" >/dev/null 2>&1
check "an unwritable PDF exits 1" test $? -eq 1
"$cli" pdf "$work/wide.txt" "$work/wide.txt" --out "$work/x.pdf" >/dev/null 2>&1
check "--out with two inputs exits 2" test $? -eq 2
"$cli" pdf "$work/wide.pdf" >/dev/null 2>&1
check "a PDF never replaces its own input" test $? -eq 2

finish pdf
