#!/usr/bin/env bash
# The command-line program end to end: listing, reproducible runs, exit codes and messages.
set -u
cli="$1"
build="${2:-plain}"  # "sanitized" when the program carries the sanitizers' runtime
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/../../testing/check.sh"

lines=$("$cli" list | wc -l)
check "list prints 115 types" test "$lines" -eq 115
check "list starts with type 1" test "$("$cli" list | head -n 1)" = "$(printf '1\tСложение2')"

mkdir -p "$work/a/gen" "$work/b/gen"
out_a=$("$cli" main --dir "$work/a" --seed 42 --variants 3 --count 1=4 --count 9=2 --count 12=1)
rc_a=$?
out_b=$("$cli" main --dir "$work/b" --seed 42 --variants 3 --count 1=4 --count 9=2 --count 12=1)
check "main succeeds" test "$rc_a" -eq 0
check "main prints two paths" test "$(echo "$out_a" | wc -l)" -eq 2
student_a=$(echo "$out_a" | sed -n 1p)
teacher_a=$(echo "$out_a" | sed -n 2p)
teacher_b=$(echo "$out_b" | sed -n 2p)
check "student file is in gen" test -f "$student_a"
check "same seed, same files apart from the stamp" \
  cmp -s <(tail -n +2 "$teacher_a") <(tail -n +2 "$teacher_b")
check "3 variants of 7 exercises" test "$(wc -l < "$teacher_a")" -eq 25

out_c=$("$cli" main --dir "$work/b" --seed 43 --variants 3 --count 1=4 --count 9=2 --count 12=1)
teacher_c=$(echo "$out_c" | sed -n 2p)
check "another seed, other numbers" bash -c "! cmp -s <(tail -n +2 '$teacher_a') <(tail -n +2 '$teacher_c')"

check "counts go through ReadCount" bash -c \
  "f=\$('$cli' main --dir '$work/a' --seed 1 --variants ' 2x' --count '1=3a' | sed -n 1p); test \$(wc -l < \"\$f\") -eq 9"

err=$("$cli" main --dir "$work/missing" --variants 1 2>&1 >/dev/null)
rc=$?
check "missing gen folder exits 1" test "$rc" -eq 1
check "missing gen folder says Invalid filename." test "$err" = "Invalid filename."

"$cli" main --bogus >/dev/null 2>&1
check "unknown option exits 2" test $? -eq 2
"$cli" main --count 116=1 >/dev/null 2>&1
check "type out of range exits 2" test $? -eq 2
"$cli" main --level gcd=6 >/dev/null 2>&1
check "radio button out of range exits 2" test $? -eq 2
"$cli" main --seed -1 >/dev/null 2>&1
check "negative seed exits 2" test $? -eq 2
"$cli" >/dev/null 2>&1
check "no command exits 2" test $? -eq 2

# The word problems: every one can be previewed and run, B86 greets the student in Ukrainian.
check "list-problems prints 230 problems" test "$("$cli" list-problems | wc -l)" -eq 230
captions=$(for n in $(seq 58 66) $(seq 71 132); do printf 'B%s,' "$n"; done)
captions=${captions%,}
previews=true
for caption in ${captions//,/ }; do
  "$cli" preview "$caption" --seed 3 >/dev/null 2>&1 || previews=false
done
check "every later B problem previews" $previews
mkdir -p "$work/p/gen"
out_p=$("$cli" problems --dir "$work/p" --seed 9 --variants 300 --select "$captions")
check "problems run succeeds" test $? -eq 0
student_p=$(iconv -f CP1251 -t UTF-8 "$(echo "$out_p" | sed -n 1p)")
teacher_p=$(iconv -f CP1251 -t UTF-8 "$(echo "$out_p" | sed -n 2p)")
check "300 variants of 71 problems" test "$(grep -c $'^Задание [0-9]*\r$' <<<"$teacher_p")" -eq 21300
# B86 is the 47th problem written, from B132 down.
check "B86 greets the student in Ukrainian" \
  test "$(grep -c $'^Завдання 47\r$' <<<"$student_p")" -eq 300
check "and the teacher in Russian" test "$(grep -c $'^Задание 47\r$' <<<"$teacher_p")" -eq 300

# Counts the header lines of a Windows-1251 worksheet ("Вариант N" or "Вариант № N").
headers() { iconv -f CP1251 -t UTF-8 "$1" | grep -c '^Вариант'; }

# A typo asks for 2147483647 variants; a signal stops the run after a whole variant.
for signal in INT TERM; do
  stop="$work/stop_$signal"
  mkdir -p "$stop/gen"
  "$cli" main --dir "$stop" --seed 5 --variants 99999999999 --count 1=2 --count 12=1 \
    >"$stop/out" 2>"$stop/err" &
  pid=$!
  for _ in $(seq 1 200); do
    student=$(ls "$stop"/gen/ajobs_* 2>/dev/null)
    [ -n "$student" ] && [ "$(stat -c %s "$student")" -gt 100000 ] && break
    sleep 0.05
  done
  kill -s "$signal" "$pid"
  wait "$pid"
  rc=$?
  expected=$([ "$signal" = INT ] && echo 130 || echo 143)
  check "SIG$signal exits $expected" test "$rc" -eq "$expected"
  student=$(ls "$stop"/gen/ajobs_*)
  teacher=$(ls "$stop"/gen/ajobt_*)
  n=$(headers "$student")
  check "SIG$signal: both files hold the same variants" test "$n" -eq "$(headers "$teacher")"
  check "SIG$signal: variants are whole (stamp + 4 lines each)" \
    test "$(wc -l <"$student")" -eq $((1 + 4 * n)) -a "$(wc -l <"$teacher")" -eq $((1 + 4 * n))
  check "SIG$signal: the teacher file ends with an answer" \
    bash -c "tail -n 1 '$teacher' | grep -q '^[0-9]*:[0-9]*=[0-9]*'$'\r''\$'"
  check "SIG$signal: stderr tells the count and both paths, nothing else" test "$(cat "$stop/err")" = \
    "$(printf 'mathsheets-cli: stopped by SIG%s; %d of 2147483647 variants written\n%s\n%s' \
      "$signal" "$n" "$student" "$teacher")"
  check "SIG$signal: nothing on stdout" test ! -s "$stop/out"
done

# Saved sets: a run seeded from the clock saves its seed, and running the set writes the same
# files after the stamp line; a second run within the minute keeps the first pair and numbers its
# own _2.
same_after_stamp() { cmp -s <(tail -n +2 "$1") <(tail -n +2 "$2"); }
mkdir -p "$work/set/gen" "$work/rerun/gen"
for kind in main problems; do
  if [ "$kind" = main ]; then
    args=(main --variants 3 --count 1=4 --count 57=' 2x' --count 78=1 --level fraction=3)
  else
    args=(problems --variants 4 --select Z1,S5,B93)
  fi
  out=$("$cli" "${args[@]}" --dir "$work/set" --save-set "$work/$kind.mathsheet")
  check "$kind --save-set saves one line with the seed"     grep -qxE "$kind\?seed=[0-9]+&variants=[34].*" "$work/$kind.mathsheet"
  for attempt in 1 2 3; do  # again when the clock's minute turns between the two runs
    rerun=$("$cli" run "$work/$kind.mathsheet" --dir "$work/rerun")
    again=$("$cli" run "$work/$kind.mathsheet" --dir "$work/rerun")
    [ "$(sed -n 1p <<<"$again")" = "$(sed -n 1p <<<"$rerun" | sed 's/\.txt$/_2.txt/')" ] && break
    rm -f "$work"/rerun/gen/*
  done
  for line in 1 2; do
    check "run $kind: file $line as the run that saved it" \
      same_after_stamp "$(sed -n ${line}p <<<"$out")" "$(sed -n ${line}p <<<"$rerun")"
    check "run $kind again in the minute: file $line numbered _2, both pairs whole" \
      same_after_stamp "$(sed -n ${line}p <<<"$rerun")" "$(sed -n ${line}p <<<"$again")"
  done
  rm -f "$work"/rerun/gen/*
done
check "the main set holds the boxes as typed" \
  grep -q '&count=1:4,57:%202x,78:1&level=fraction:3&wide=1$' "$work/main.mathsheet"

head -c 70000 /dev/zero | tr '\0' 1 | sed 's/^/main?variants=/' > "$work/big.mathsheet"
printf 'main?seed=7&count=1:5,4' > "$work/short.mathsheet"
printf 'problems?select=Z1,Q7\n' > "$work/caption.mathsheet"
printf 'main?seed=7&colour=red\n' > "$work/key.mathsheet"
printf '\x89PNG\r\n' > "$work/picture.mathsheet"
for bad in 'big:larger than 64 KB, not a set' 'short:"count=1:5,4": cut short' \
  'caption:"select=Z1,Q7": no word problem Q7' 'key:"colour=red": unknown key "colour"' \
  'picture:not a set: byte 1 is not URL-encoded text'; do
  file="$work/${bad%%:*}.mathsheet"
  err=$("$cli" run "$file" --dir "$work/rerun" 2>&1 >/dev/null)
  rc=$?
  check "a bad set (${bad%%:*}) exits 2" test "$rc" -eq 2
  check "and names the file and the first bad item" \
    grep -qF "mathsheets-cli: $file: ${bad#*:}" <<<"$err"
done
check "a bad set writes nothing" test -z "$(ls "$work/rerun/gen")"
err=$("$cli" run "$work/missing.mathsheet" 2>&1)
check "a missing set exits 1 with the file's name" \
  test $? -eq 1 -a "$err" = "mathsheets-cli: $work/missing.mathsheet: File not found."

# Converting to Windows-1251 opens no file: two free descriptors are all a run needs, and one is
# a message, not an abort.
limited() {  # limited MAX COMMAND...: only stdin, stdout and stderr open, at most MAX descriptors
  (
    for fd in $(ls "/proc/$BASHPID/fd"); do [ "$fd" -gt 2 ] && eval "exec $fd>&-"; done
    ulimit -n "$1"
    shift
    "$@"
  )
}
if [ "$build" = sanitized ]; then
  # The sanitizers' type checks open a pipe of their own at first use, so a program short of
  # descriptors fails inside them before it reaches its own files.
  echo "descriptor limits are checked in a build without sanitizers"
else
  mkdir -p "$work/fds/gen"
  limited 5 "$cli" main --dir "$work/fds" --seed 1 --variants 2 --count 1=1 >/dev/null 2>&1
  check "five descriptors are enough for a run" test $? -eq 0
  check "and it wrote both variants" test "$(headers "$(ls "$work"/fds/gen/ajobt_*)")" -eq 2
  err=$(limited 4 "$cli" problems --dir "$work/fds" --variants 1 --select Z1 2>&1 >/dev/null)
  rc=$?
  check "too few descriptors exits 1" test "$rc" -eq 1
  check "too few descriptors says Too many open files." test "$err" = "Too many open files."
fi

finish cli
