#!/usr/bin/env bash
# cfhx sweep on the real command line: statuses, the CSV, and the plot of
# the windows build.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"
gas_case "$tmp/gas.cfhx"

"$cfhx" sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=1000:3000:500 --csv "$tmp/out.csv" >"$tmp/out" 2>"$tmp/err"
check sweep 0 $?
lines=$(wc -l <"$tmp/out.csv")
[ "$lines" = 6 ] || { echo "FAIL sweep: $lines CSV lines, expected 6"; fail=1; }
grep -q $'\rsweep: 5/5' "$tmp/err" || { echo "FAIL sweep: no progress line"; fail=1; }

"$cfhx" sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=1000:3000:0 --csv "$tmp/out.csv" >"$tmp/out" 2>"$tmp/err"
check zero-step 2 $?
"$cfhx" sweep "$tmp/missing.cfhx" --vary FORM5.EDIT157=1000:3000:500 --csv "$tmp/out.csv" >"$tmp/out" 2>"$tmp/err"
check missing-case 1 $?

# The plot: a 1200×800 PNG in the windows build, refused without it.
"$cfhx" sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=1000:3000:500 --csv "$tmp/out.csv" \
  --plot "$tmp/q.png" --y Q,Tto >"$tmp/out" 2>"$tmp/err"
status=$?
if "$cfhx" --help 2>&1 | grep -q "start the program"; then
  check plot 0 $status
  # PNG signature, then the IHDR width and height (big-endian 32-bit).
  header=$(od -An -tx1 -N24 "$tmp/q.png" 2>/dev/null | tr -d ' \n')
  [ "${header:0:16}" = 89504e470d0a1a0a ] || { echo "FAIL plot: not a PNG"; fail=1; }
  [ "${header:32:16}" = 000004b000000320 ] || { echo "FAIL plot: size ${header:32:16}, expected 1200x800"; fail=1; }
else
  check plot-refused 2 $status
fi
exit $fail
