#!/usr/bin/env bash
# Makes the seed corpora of the fuzz targets from the program's own output: fuzz/make_corpus.sh
# CLI (a built mathsheets-cli). Sets saved by runs, both files of a run of every family of the
# main window and of the word problems, counts and print choices as the usage text gives them.
# The files are kept in the repository; run it again when a format changes. The seeds of the
# result codes (corpus/result_code, corpus/pasted_codes) are codes the pupil's page wrote and a
# chat around some of them; no command writes codes, so they are kept as they are.
set -euo pipefail
cli=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
corpus="$here/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/gen"
made=(set_fragment set_file worksheet_file worksheet_pair read_count print_choices)
for name in "${made[@]}"; do
  rm -rf "${corpus:?}/$name"
  mkdir -p "$corpus/$name"
done

# Both files of one run: each alone, and the pair cut at a NUL byte.
keep_run() {
  local name=$1 student teacher
  shift
  mapfile -t paths < <("$cli" "$@" --dir "$work")
  student=${paths[0]}
  teacher=${paths[1]}
  cp "$student" "$corpus/worksheet_file/${name}_student.txt"
  cp "$teacher" "$corpus/worksheet_file/${name}_teacher.txt"
  { cat "$student"; printf '\0'; cat "$teacher"; } >"$corpus/worksheet_pair/$name.txt"
}

# Every type of each family of the main window, in two variants.
catalog=$(grep -oE '\{[0-9]+, "[^"]*", [0-9]+, [0-9]+, [0-9]+, [0-9]+, TaskFamily::[A-Za-z]+\}' \
  "$here/../shell/catalog.h" | sed -E 's/\{([0-9]+),.*TaskFamily::([A-Za-z]+)\}/\2 \1/')
for family in $(cut -d' ' -f1 <<<"$catalog" | sort -u); do
  counts=()
  for number in $(awk -v f="$family" '$1 == f { print $2 }' <<<"$catalog"); do
    counts+=(--count "$number=1")
  done
  keep_run "main_$family" main --seed 7 --variants 2 "${counts[@]}"
done
keep_run main_levels main --seed 8 --variants 3 --count 43=2 --count 57=1 --count 64=1 \
  --level fraction=3 --level gcd=2
keep_run problems_z problems --seed 3 --variants 2 --select Z1,Z7,Z30
keep_run problems_s problems --seed 4 --variants 2 --select S1,S5,S20
keep_run problems_b problems --seed 5 --variants 2 --select B1,B86,B93,B120

# Sets as the runs save them, with the choices of the sheet.
save_set() {
  local name=$1
  shift
  "$cli" "$@" --dir "$work" --save-set "$corpus/set_file/$name.mathsheet" >/dev/null
  tr -d '\n' <"$corpus/set_file/$name.mathsheet" >"$corpus/set_fragment/$name.txt"
}
save_set main main --seed 3371864085 --variants 30 --count 1=4 --count 57=' 2x' --count 76=1 \
  --level gcd=2 --level fraction=1
save_set main_layout main --seed 1 --variants ' 3 ' --count 44=два --count 9=-1 --per-page 4 \
  --columns 3 --large --no-key --paper a5 --title 'Самостоятельная работа №3'
save_set problems problems --seed 3946029051 --variants 2 --select Z1,S5,B93 --per-page 2
printf '#%s' "$(cat "$corpus/set_fragment/main.txt")" >"$corpus/set_fragment/address.txt"
printf '%s\r\n' "$(cat "$corpus/set_fragment/problems.txt")" >"$corpus/set_file/crlf.mathsheet"

# Counts as typed into the boxes.
for text in 3 ' 2x' 3a -4a '$FF' 0x7fffffff 99999999999 -2147483648 '+12' '' 'три'; do
  printf '%s' "$text" >"$corpus/read_count/$(printf '%s' "$text" | md5sum | cut -c1-8).txt"
done

# Print choices, the words cut at NUL bytes.
choices() { printf '%s\0' "${@:2}" | head -c -1 >"$corpus/print_choices/$1.txt"; }
choices per_page --per-page 4 --columns 3
choices all --per-page auto --columns 1 --large --no-key --paper a5 --title 'Контрольная №2'
choices title --title 'Самостоятельная работа по дробям, 6 «Б» класс — вариант для повторения'
choices bad --per-page 3
echo "seed corpora in $corpus: $(find "$corpus" -type f | wc -l) files"
