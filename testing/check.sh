# The checks of the shell tests: `check NAME COMMAND...` counts COMMAND's success or names its
# failure; `finish NAME` prints "NAME: N passed, N failed" and fails when any check did.
passed=0
failed=0
check() {
  local name="$1"
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
finish() {
  echo "$1: $passed passed, $failed failed"
  test "$failed" -eq 0
}
