#!/usr/bin/env bash
# The Word documents, opened by LibreOffice as a teacher's office program opens them and read back
# from the PDF it makes with poppler: every fraction a numerator over its denominator, centred on
# it; every variant's header; the answers in the teacher's document only; the key; no "¿" (the
# mark of an equation LibreOffice could not read). The archives hold their parts, each well-formed,
# text from the files stays text, and a failure or a stop leaves no document.
set -u
cli="$1"
here=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$here/../../testing/check.sh"

text_of() { tail -n +2 "$1" | iconv -f cp1251 -t utf-8 | tr -d '\r'; }
# Every word as "xMin yMin xMax yMax page text", one a line.
boxes() {
  pdftotext -bbox "$1" - | awk -F'"' '/<page / {p++} /<word / {
      w = $0; sub(/.*">/, "", w); sub(/<\/word>.*/, "", w); print $2, $4, $6, $8, p, w }'
}
# Numbers with a number under them, about a line of their own lower and centred within 1.5 pt.
stacked() {
  boxes "$1" | awk '$6 ~ /^[0-9]+$/ { n++; x[n] = ($1 + $3) / 2; y[n] = $2; h[n] = $4 - $2; p[n] = $5 }
    END { for (i = 1; i <= n; i++) for (j = 1; j <= n; j++)
            if (p[i] == p[j] && y[j] > y[i] + h[i] * 0.5 && y[j] < y[i] + h[i] * 1.1 &&
                x[i] - x[j] < 1.5 && x[j] - x[i] < 1.5) pairs++
          print pairs + 0 }'
}
# The fractions of a worksheet file: the bars of dashes of its three-line rows.
fractions_in() { text_of "$1" | grep -oE -- '-{2,}' | wc -l; }

mkdir -p "$work/a/gen" "$work/f/gen" "$work/z/gen" "$work/m/gen" "$work/big/gen" "$work/pdf"

# Thirty variants of six additions; fractions, mixed numbers and their answers; word problems; a
# mix of decimals, equations, expressions and signed numbers, with a title that is markup.
out=$("$cli" main --dir "$work/a" --seed 5 --variants 30 --count 1=6 --docx 2>/dev/null)
check "main --docx prints four paths" test "$(echo "$out" | wc -l)" -eq 4
student=$(echo "$out" | sed -n 1p)
teacher=$(echo "$out" | sed -n 2p)
check "the documents are the text files with .docx" \
  test "$(echo "$out" | sed -n 3,4p | tr '\n' ' ')" = "${student%.txt}.docx ${teacher%.txt}.docx "
fout=$("$cli" main --dir "$work/f" --seed 6 --variants 2 --count 44=6 --count 54=4 --count 77=3 \
  --count 21=3 --count 34=2 --count 81=2 --docx 2>/dev/null)
zout=$("$cli" problems --dir "$work/z" --seed 5 --variants 2 --select Z1,Z30,S5,S20,B3,B40 --docx \
  2>/dev/null)
check "problems --docx prints four paths" test "$(echo "$zout" | wc -l)" -eq 4
title='<w:p> & "Самостоятельная" №3'
mout=$("$cli" main --dir "$work/m" --seed 7 --variants 3 --count 7=2 --count 11=2 --count 24=2 \
  --count 30=2 --count 40=2 --count 50=2 --count 70=2 --count 76=2 --per-page 1 --title "$title" \
  --docx 2>/dev/null)
# A hand-edited pupil's file: markup among its lines, the last variant cut short.
edited="$work/m/ajobs_edited.txt"
{ head -n 3 "$(echo "$mout" | sed -n 1p)"; printf '<w:p> & <b>ok</b>\r\n' | iconv -t cp1251
  sed -n 4,20p "$(echo "$mout" | sed -n 1p)"; } > "$edited"
check "a hand-edited file gives its document" \
  test "$("$cli" docx "$edited" 2>/dev/null)" = "${edited%.txt}.docx"

docs=("$work"/a/gen/*.docx "$work"/f/gen/*.docx "$work"/z/gen/*.docx "$work"/m/gen/*.docx
  "$work/m/ajobs_edited.docx")
check "every archive holds its parts, each well-formed" python3 "$here/check_docx.py" "${docs[@]}"
# One start of LibreOffice for all: the runs of a minute share their names, so each is named by
# its folder too.
mkdir "$work/docs"
flat() { local name="${1#"$work"/}"; echo "${name//\//_}"; }
for doc in "${docs[@]}"; do cp "$doc" "$work/docs/$(flat "$doc")"; done
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work/pdf" "$work"/docs/*.docx >/dev/null 2>&1
pdf_of() { local name; name=$(flat "$1"); echo "$work/pdf/${name%.*}.pdf"; }
check "LibreOffice opens every document" test "$(ls "$work/pdf" | wc -l)" -eq "${#docs[@]}"
for doc in "${docs[@]}"; do pdftotext "$(pdf_of "$doc")" "$(pdf_of "$doc").txt"; done
check "no equation LibreOffice could not read" bash -c "! cat '$work'/pdf/*.txt | grep -q '¿'"

# Headers and the name line on every variant of both documents.
headers() {  # before the key, if any
  sed '/^Ответы/,$d' "$1" > "$work/sheet.txt"
  test "$(grep -oE 'Вариант [0-9]+' "$work/sheet.txt" | tr '\n' ';')" = \
    "$(printf 'Вариант %s;' $(seq 1 "$2"))" && test "$(grep -c 'Фамилия, имя' "$work/sheet.txt")" -eq "$2"
}
check "every variant's header, in order" headers "$(pdf_of "$student").txt" 30
check "the teacher's too" headers "$(pdf_of "$teacher").txt" 30

# The answers: what the teacher's lines add after "=", written in the teacher's blanks only.
text_of "$teacher" | grep '=' | sed 's/.*=//' > "$work/answers.txt"
filled_in() {
  pdftotext -layout "$1" - | sed '/Ответы/,$d' | grep -oE '= +[0-9]+_' | sed 's/= *//; s/_//' \
    > "$work/filled.txt"
  wc -l < "$work/filled.txt"
}
check "the pupil's document holds no answer" test "$(filled_in "$(pdf_of "$student")")" -eq 0
filled_in "$(pdf_of "$teacher")" >/dev/null
check "the teacher's holds every answer in its blank" \
  cmp -s <(sort "$work/filled.txt") <(sort "$work/answers.txt")
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
check "the key holds every variant's answers" key_rows "$(pdf_of "$teacher")"
check "the pupil's document has no key" bash -c "! grep -q Ответы '$(pdf_of "$student").txt'"
whole_variants() {  # each page: six "=" for each header on it
  local p n
  n=$(pdfinfo "$1" | awk '/^Pages:/ {print $2}')
  for p in $(seq 1 "$n"); do
    pdftotext -f "$p" -l "$p" "$1" "$work/page.txt"
    test "$(grep -o '=' "$work/page.txt" | wc -l)" -eq \
      $((6 * $(grep -o 'Вариант [0-9]*' "$work/page.txt" | wc -l))) || return 1
  done
}
check "no variant split across pages" whole_variants "$(pdf_of "$student")"

# Fractions: every one of the files a numerator over its denominator; the teacher's answers and key
# add theirs.
fstudent=$(echo "$fout" | sed -n 3p)
fteacher=$(echo "$fout" | sed -n 4p)
check "every fraction stacked and centred" \
  test "$(stacked "$(pdf_of "$fstudent")")" -ge "$(fractions_in "$(echo "$fout" | sed -n 1p)")"
check "the teacher's fractions and answers too" \
  test "$(stacked "$(pdf_of "$fteacher")")" -ge "$(fractions_in "$(echo "$fout" | sed -n 2p)")"
check "multiplication as a raised dot" grep -q '·' "$(pdf_of "$fstudent").txt"

# Word problems: a task, ruled lines, the answer line; the answer only on the teacher's.
zteacher=$(echo "$zout" | sed -n 4p)
check "word problems: a task and an answer line" \
  bash -c "grep -q 'Задание 1' '$(pdf_of "$zteacher").txt' && grep -q 'Ответ:' '$(pdf_of "$zteacher").txt'"
# The first answer: the first line the teacher's file adds.
answer=$(diff <(text_of "$(echo "$zout" | sed -n 1p)") <(text_of "$(echo "$zout" | sed -n 2p)") |
  grep -m1 '^>' | cut -c3-)
check "word problems: the answer on the teacher's line only" bash -c \
  "grep -qE 'Ответ: +$answer' '$(pdf_of "$zteacher").txt' &&
   ! grep -qE 'Ответ: +$answer' '$(pdf_of "$(echo "$zout" | sed -n 3p)").txt'"

# One variant a page, the title over each, text from the files and the title as text.
mstudent=$(echo "$mout" | sed -n 3p)
check "--per-page 1: a page a variant" \
  test "$(pdfinfo "$(pdf_of "$mstudent")" | awk '/^Pages:/ {print $2}')" -eq 3
check "the title stays its characters, over every variant" \
  test "$(grep -cF "$title" "$(pdf_of "$mstudent").txt")" -eq 3
check "markup in a file stays text" \
  grep -qE '< ?w ?: ?p ?> & < ?b ?> ?ok ?< ?/b ?>' "$(pdf_of "$work/m/ajobs_edited.docx").txt"
# The stamp of the running head, at the top of each page, is no decimal.
grep -vE "^$(printf '\f')?[0-9.]{10} [0-9:]{8}\$" "$(pdf_of "$mstudent").txt" > "$work/unstamped.txt"
check "decimal commas" bash -c "grep -qE '[0-9],[0-9]' '$work/unstamped.txt' &&
  ! grep -qE '[0-9]\.[0-9]' '$work/unstamped.txt'"
mkdir "$work/a5"
"$cli" docx "$(echo "$mout" | sed -n 1p)" --paper a5 --out-dir "$work/a5" >/dev/null 2>&1
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work/a5" "$work/a5/$(basename "$mstudent")" >/dev/null 2>&1
check "A5 paper" bash -c "pdfinfo '$work/a5/$(basename "${mstudent%.*}").pdf' |
  grep -qE 'Page size: +419.* x 595'"

# The same files give the same document, byte for byte.
"$cli" docx "$student" --out-dir "$work/a5" >/dev/null 2>&1
check "a document made again is the same" cmp -s "$work/a5/$(basename "${student%.*}").docx" \
  "${student%.*}.docx"

# Failures and stops leave no document and no temporary file.
err=$("$cli" docx "$work/missing.txt" 2>&1 >/dev/null)
check "a missing input exits 1, naming it" bash -c "test $? -eq 1 && grep -q 'missing.txt' <<< '$err'"
err=$("$cli" docx "$student" --out-dir "$work/no/such" 2>&1 >/dev/null)
check "an unwritable document exits 1, naming it" \
  bash -c "test $? -eq 1 && grep -q 'no/such/ajobs_' <<< '$err'"
mkdir "$work/locked" && cp "$student" "$teacher" "$work/locked/" &&
  mkdir "$work/locked/$(basename "${teacher%.*}").docx"
"$cli" docx "$work/locked/$(basename "$student")" >/dev/null 2>&1
check "a teacher's document that cannot be written leaves the pupil's neither" \
  bash -c "test $? -eq 1 && test \$(find '$work/locked' -type f -name '*.docx*' | wc -l) -eq 0"
big=$("$cli" main --dir "$work/big" --seed 1 --variants 6000 --count 1=8 --count 44=8 2>/dev/null)
"$cli" docx "$(echo "$big" | sed -n 1p)" >/dev/null 2>&1 &
pid=$!
sleep 0.3
kill -INT "$pid"
wait "$pid"
check "SIGINT stops the documents with 130" test $? -eq 130
check "a stop leaves no document and no temporary" \
  test -z "$(find "$work/big" -name '*.docx*')"

finish docx
