#!/bin/bash
# Runs the real workbench with --resave: the gallery's file, then the output of
# that, give the same text with exit status 0; a malformed file gives status 2,
# one line on the error stream naming the file, the line and the problem, and
# writes nothing.
# Usage: resave.sh Workbench.exe PREFIX TOOLS_DIR Gallery.design
set -euo pipefail
program=$1
prefix=$2
tools=$3
gallery=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Wine takes Unix paths for file arguments as they are.
resave() { "$tools/wine-run" "$prefix" "$program" --resave "$@"; }

resave "$gallery" "$work/once.design" 2>"$work/err" || fail "resave of the gallery failed: $(cat "$work/err")"
resave "$work/once.design" "$work/twice.design" 2>"$work/err" || fail "resave of its output failed: $(cat "$work/err")"
cmp "$work/once.design" "$work/twice.design" || fail "the second resave changed the text"
grep -q '^Begin Form Gallery' "$work/once.design" || fail "the output is not the gallery's design data"

printf 'Begin Form Bad\n    Begin FlatCmd b\n        Caption = "open\n    End\nEnd\n' > "$work/bad.design"
status=0
resave "$work/bad.design" "$work/out.design" 2>"$work/err" || status=$?
[[ $status == 2 ]] || fail "a malformed file exited $status, not 2"
[[ ! -e $work/out.design ]] || fail "a malformed file wrote output"
[[ $(wc -l < "$work/err") == 1 ]] || fail "not one line on the error stream: $(cat "$work/err")"
grep -q 'bad.design, line 3: ' "$work/err" || fail "the error does not name the file and line: $(cat "$work/err")"
echo "resave: identical text, malformed file refused with: $(cat "$work/err")"
