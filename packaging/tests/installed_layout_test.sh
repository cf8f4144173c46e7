#!/usr/bin/env bash
# Installs the build tree into a staging folder as the package would, checks where the files go,
# validates the menu entry, runs the staged mathsheets-cli once and starts the staged window the
# way the menu does, with a fresh home.
set -u
build="$1"
work=$(mktemp -d)
window=""
trap '[ -n "$window" ] && kill "$window" 2>/dev/null; rm -rf "$work"' EXIT
stage="$work/stage"
. "$(dirname "${BASH_SOURCE[0]}")/../../testing/check.sh"

cmake --install "$build" --prefix "$stage/usr" > "$work/install.log" || {
  cat "$work/install.log"
  exit 1
}
(cd "$stage" && find . -type f | sort) > "$work/files"
for f in ./usr/bin/mathsheets ./usr/bin/mathsheets-cli \
  ./usr/share/applications/mathsheets.desktop ./usr/share/mime/packages/mathsheets.xml \
  ./usr/share/icons/hicolor/scalable/apps/mathsheets.svg \
  ./usr/share/man/man1/mathsheets.1.gz ./usr/share/man/man1/mathsheets-cli.1.gz \
  ./usr/share/doc/mathsheets/copyright ./usr/share/doc/mathsheets/changelog.Debian.gz \
  ./usr/share/mathsheets/gen5/nb1s.txt ./usr/share/mathsheets/gen5/nb1t.txt \
  ./usr/share/mathsheets/zn.bmp ./usr/share/mathsheets/pik/shkol.bmp; do
  check "installs $f" grep -qxF "$f" "$work/files"
done
check "only the package's folders under usr" \
  test -z "$(grep -v -E '^\./usr/(bin|share/(applications|icons|man|mime/packages|doc/mathsheets|mathsheets))/' "$work/files")"
check "no gen folder among the examples" test ! -e "$stage/usr/share/mathsheets/gen"
check "documents are gzip without a time stamp" \
  test "$(od -An -tx1 -j4 -N4 "$stage/usr/share/doc/mathsheets/changelog.Debian.gz")" = " 00 00 00 00"
check "menu entry is valid" desktop-file-validate "$stage/usr/share/applications/mathsheets.desktop"
check "menu entry opens saved sets" \
  grep -qx 'MimeType=application/x-mathsheet;' "$stage/usr/share/applications/mathsheets.desktop"
# The MIME data as the system reads it: a database built from it and the system's own types
# knows *.mathsheet, and the XML draws no complaint.
mkdir -p "$work/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$stage/usr/share/mime/packages/mathsheets.xml" \
  "$work/mime/packages/"
check "the MIME data builds a database without a complaint" \
  test -z "$(XDG_DATA_HOME="$work" update-mime-database "$work/mime" 2>&1)"
check "and names *.mathsheet application/x-mathsheet" \
  grep -qx '50:application/x-mathsheet:\*\.mathsheet' "$work/mime/globs2"

mkdir -p "$work/sheets/gen"
out=$("$stage/usr/bin/mathsheets-cli" main --dir "$work/sheets" --seed 7 --variants 2 --count 1=3)
check "staged mathsheets-cli writes a worksheet pair" test -f "$(echo "$out" | sed -n 2p)"

# The window as the menu starts it: the Exec line run through a PATH that finds the staged program.
# A double click on a set file gives its path for %f.
printf 'main?seed=7&variants=2&count=1:3\n' > "$work/lesson.mathsheet"
exec_line=$(sed -n 's/^Exec=//p' "$stage/usr/share/applications/mathsheets.desktop")
exec_line=${exec_line//%f/$work/lesson.mathsheet}
mkdir "$work/home"
folder="$work/home/Рабочие листы"
(cd / && HOME="$work/home" PATH="$stage/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen \
  exec $exec_line > "$work/window.log" 2>&1) &
window=$!
for _ in $(seq 100); do
  [ -f "$folder/gen5/nb1s.txt" ] && break
  sleep 0.2
done
check "the menu's window prepares the home working folder" test -d "$folder/gen"
check "with the example files" cmp -s "$folder/gen5/nb1s.txt" "$stage/usr/share/mathsheets/gen5/nb1s.txt"
check "and the pictures" cmp -s "$folder/pik/shkol.bmp" "$stage/usr/share/mathsheets/pik/shkol.bmp"
sleep 1
check "the window is still open" kill -0 "$window"
[ "$failed" -eq 0 ] || cat "$work/window.log"

finish "installed layout"
