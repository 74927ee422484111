#!/usr/bin/env bash
# cfhx links no Qt; with the windows built it hands what draws with Qt to
# cfhx-qt beside it, streams and exit status passing through, and says so
# when cfhx-qt is missing.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"

if ldd "$cfhx" | grep -i 'libQt'; then echo "FAIL cfhx is linked with Qt"; fail=1; fi
"$cfhx" --help 2>&1 | grep -q "start the program" || exit $fail

# Through cfhx-qt: standard input in, the transcript out, the status back.
printf 'click FORM4.BUTTON26\nclick MAINFORM.BUTTON18\npane\n' |
  "$cfhx" --script - --date 07/03/05 --out "$tmp/out" >"$tmp/stdout" 2>"$tmp/err"
check through-stdin 0 $?
contains through-stdin "SI 単位系" "$tmp/stdout"
"$cfhx" --script "$tmp/missing.cfhx" --out "$tmp/out" >"$tmp/stdout" 2>"$tmp/err"
check through-status 1 $?
contains through-status "cannot open script" "$tmp/err"

# Without cfhx-qt beside it the headless modes still run; the rest is refused.
mkdir "$tmp/alone"
cp "$cfhx" "$tmp/alone/cfhx"
printf 'click FORM4.BUTTON26\nclick MAINFORM.BUTTON18\npane\n' >"$tmp/si.cfhx"
"$tmp/alone/cfhx" --script "$tmp/si.cfhx" >"$tmp/stdout" 2>"$tmp/err"
check alone-headless 0 $?
"$tmp/alone/cfhx" --script "$tmp/si.cfhx" --out "$tmp/out" >"$tmp/stdout" 2>"$tmp/err"
status=$?
if [ "$status" = 0 ] && [ ! -s "$tmp/err" ]; then
  echo "qt_program: an installed cfhx-qt answered; the missing one is not checked"
else
  check alone-missing 127 $status
  contains alone-missing "need cfhx-qt, which is not installed; looked for $tmp/alone/cfhx-qt, " "$tmp/err"
  [ ! -s "$tmp/stdout" ] || { echo "FAIL alone-missing: output without cfhx-qt"; fail=1; }
fi
exit $fail
