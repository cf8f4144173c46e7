#!/usr/bin/env bash
# Fuzzes every reader of text from outside: installs what is missing (clang and its libFuzzer
# runtime), builds the targets of fuzz/ with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, and runs each for SECONDS (60 by default) from its
# seed corpus with the formats' dictionary. Prints a line a target: executions, executions a
# second, coverage (edges reached) and findings; exits 1 when a target found something, whose
# input is then in build-fuzz/fuzz/findings/NAME/ (keep it in fuzz/findings/NAME/ once fixed).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
# MATHSHEETS_FUZZ_SEED fixes libFuzzer's random seed, so that a short run walks the same inputs
# each time (the suite's); unset, every run draws its own.
seed=${MATHSHEETS_FUZZ_SEED:-0}
# Every fuzz/NAME_fuzzer.cpp is a target.
targets=()
for source in fuzz/*_fuzzer.cpp; do
  name=${source#fuzz/}
  targets+=("${name%_fuzzer.cpp}")
done
scripts/install-deps.sh clang libclang-rt-14-dev
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DMATHSHEETS_FUZZ=ON -DMATHSHEETS_TESTS=OFF \
  -DMATHSHEETS_GUI=OFF -DMATHSHEETS_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"

found=0
for name in "${targets[@]}"; do
  out=build-fuzz/fuzz/runs/$name
  findings=build-fuzz/fuzz/findings/$name
  mkdir -p "$out/corpus" "$findings"
  kept=(fuzz/corpus/"$name")
  [ -d fuzz/findings/"$name" ] && kept+=(fuzz/findings/"$name")
  # The corpus grows in build-fuzz from one run to the next; the repository's stays as it is.
  touch "$out/started"
  status=0
  build-fuzz/fuzz/fuzz_"$name" "$out/corpus" "${kept[@]}" -dict=fuzz/formats.dict \
    -max_total_time="$seconds" -seed="$seed" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$out/log" 2>&1 || status=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/log")
  cov=$(grep -oE 'cov: [0-9]+' "$out/log" | tail -n 1 | cut -d' ' -f2 || true)
  crashes=$(find "$findings" -type f -newer "$out/started" | wc -l)
  printf '%-15s %10s execs %7s/s  cov %6s  findings %s\n' "$name" "${execs:-?}" "${rate:-?}" \
    "${cov:-?}" "$crashes"
  if [ "$status" -ne 0 ] || [ "$crashes" -gt 0 ]; then
    found=1
    grep -E 'ERROR|property broken|SUMMARY|Test unit written' "$out/log" | head -n 5 || true
  fi
done
exit "$found"
