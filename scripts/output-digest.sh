#!/usr/bin/env bash
# Prints one sha256 per worksheet file of fixed-seed runs of the command-line program, the stamp
# line left out: every main-window type together (at the start-up levels and at the highest
# levels), and every word problem that has a generator. The same sums before and after a change
# show that it left every worksheet byte as it was.
#
#   scripts/output-digest.sh [CLI] [VARIANTS]
set -euo pipefail
cli=${1:-build/cli/mathsheets-cli}
variants=${2:-300}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/gen"

digest() {  # label, then the student path and the teacher path the program printed
  local label=$1 student teacher
  read -r student
  read -r teacher
  echo "$label student $(tail -n +2 "$student" | sha256sum | cut -d' ' -f1)"
  echo "$label teacher $(tail -n +2 "$teacher" | sha256sum | cut -d' ' -f1)"
  rm -f "$student" "$teacher"
}

counts=()
while IFS=$'\t' read -r number _; do counts+=(--count "$number=1"); done < <("$cli" list)
"$cli" main --dir "$dir" --seed 7 --variants "$variants" "${counts[@]}" | digest main
"$cli" main --dir "$dir" --seed 8 --variants "$variants" "${counts[@]}" \
  --level gcd=5 --level fraction=4 --level muldiv=3 --level mixed=3 --level mixedmuldiv=3 |
  digest main-levels

problems=()
while IFS=$'\t' read -r _ caption; do
  "$cli" preview "$caption" --seed 1 >/dev/null 2>&1 && problems+=("$caption")
done < <("$cli" list-problems)
selection=$(IFS=,; echo "${problems[*]}")
"$cli" problems --dir "$dir" --seed 7 --variants "$variants" --select "$selection" |
  digest "problems(${#problems[@]})"
