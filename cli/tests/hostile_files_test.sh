#!/usr/bin/env bash
# The files a careless or hostile user gives the command line instead of a set ("run") or a
# worksheet ("pdf", "docx"): random bytes, a megabyte of one line, a sparse file of 1 GB, a pipe nobody
# writes to, a folder, a loop of symbolic links, names with a newline or bytes that are not UTF-8,
# a file that vanishes between two readings. Each is answered at once with exit 1 or 2 and a
# message naming the file, and leaves no file behind.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/../../testing/check.sh"
mkdir -p "$work/gen" "$work/out" "$work/in"

# hostile KIND NAME: makes the file NAME of kind KIND in $work/in.
hostile() {
  local file="$work/in/$2"
  case $1 in
    random) head -c 65536 /dev/urandom >"$file" ;;
    line) head -c 1048576 /dev/zero | tr '\0' 7 >"$file" ;;
    sparse) truncate -s 1G "$file" ;;
    fifo) mkfifo "$file" ;;
    folder) mkdir "$file" ;;
    loop) ln -s "$file" "$file" ;;
  esac
}

# answers NAME WHAT COMMAND...: COMMAND (run under a time limit: a pipe must not make it wait)
# exits 1 or 2 within 20 s, names the file on standard error, and leaves gen/ and out/ empty.
answers() {
  local name=$1 what=$2 err rc start
  shift 2
  start=$(date +%s)
  err=$(timeout 20 "$@" 2>&1 >/dev/null)
  rc=$?
  check "$what: exits 1 or 2 (got $rc)" test "$rc" -eq 1 -o "$rc" -eq 2
  check "$what: at once" test $(($(date +%s) - start)) -lt 10
  check "$what: names the file" [ "${err#*"$work/in/$name"}" != "$err" ]
  check "$what: leaves no file" test -z "$(find "$work/gen" "$work/out" -mindepth 1)"
}

# The commands that read worksheet files: pdf, and docx where the program has it.
sheet_commands=(pdf)
"$cli" help | grep -q ' docx ' && sheet_commands+=(docx)
for kind in random line sparse fifo folder loop; do
  hostile "$kind" "$kind.mathsheet"
  answers "$kind.mathsheet" "run, a set that is $kind" "$cli" run "$work/in/$kind.mathsheet" \
    --dir "$work"
  hostile "$kind" "ajobs_$kind.txt"
  for command in "${sheet_commands[@]}"; do
    answers "ajobs_$kind.txt" "$command, a worksheet that is $kind" "$cli" "$command" \
      "$work/in/ajobs_$kind.txt" --out-dir "$work/out"
  done
done

# Names the shell would split or a terminal would garble are names like any other: a good file
# is read, a bad one is named.
newline=$'set\nname'
invalid=$'\xff\xfe-\xc0\xaf'
for name in "$newline" "$invalid"; do
  printf 'main?seed=5&variants=1&count=1:2\n' >"$work/in/$name.mathsheet"
  "$cli" run "$work/in/$name.mathsheet" --dir "$work" >/dev/null
  check "run, a good set under an odd name" test $? -eq 0 -a "$(ls "$work/gen" | wc -l)" -eq 2
  rm -f "$work"/gen/*
  head -c 4096 /dev/urandom >"$work/in/$name.mathsheet"
  answers "$name.mathsheet" "run, a bad set under an odd name" "$cli" run \
    "$work/in/$name.mathsheet" --dir "$work"
  head -c 4096 /dev/urandom >"$work/in/ajobs_$name.txt"
  answers "ajobs_$name.txt" "pdf, a bad worksheet under an odd name" "$cli" pdf \
    "$work/in/ajobs_$name.txt" --out-dir "$work/out"
done

# A pair read twice (pages counted, then painted) whose pupil's file goes away once the count has
# begun: the second reading fails and the PDFs begun are removed.
mkdir -p "$work/pair/gen"
pair=$("$cli" main --dir "$work/pair" --seed 9 --variants 300 --count 1=5 --count 43=3 \
  --count 57=2 --count 81=2)
student=$(sed -n 1p <<<"$pair")
cp "$student" "$work/in/ajobs_vanishing.txt"
cp "$(sed -n 2p <<<"$pair")" "$work/in/ajobt_vanishing.txt"
err_file="$work/vanish.err"
"$cli" pdf "$work/in/ajobs_vanishing.txt" --out-dir "$work/out" >/dev/null 2>"$err_file" &
pid=$!
opened=false
for _ in $(seq 1 2000); do
  if ls -l "/proc/$pid/fd" 2>/dev/null | grep -qF "$work/in/ajobs_vanishing.txt"; then
    rm "$work/in/ajobs_vanishing.txt"
    opened=true
    break
  fi
  sleep 0.005
done
wait "$pid"
rc=$?
check "pdf, a file that vanishes: seen open" $opened
check "pdf, a file that vanishes: exits 1 (got $rc)" test "$rc" -eq 1
check "pdf, a file that vanishes: names it" \
  grep -qF "File not found: $work/in/ajobs_vanishing.txt" "$err_file"
check "pdf, a file that vanishes: leaves no file" test -z "$(ls -A "$work/out")"

finish hostile_files
