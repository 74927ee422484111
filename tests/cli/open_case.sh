#!/usr/bin/env bash
# `cfhx CASE.cfhx` starts the windows with the case opened: --help says so,
# and a case that cannot be read is refused before any window opens. A
# build without the windows refuses the command line.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"

printf 'click FORM4.BUTTON26\n' >"$tmp/case.cfhx"
if ! "$cfhx" --help 2>&1 | grep -q "start the program"; then
  "$cfhx" "$tmp/case.cfhx" >"$tmp/out" 2>"$tmp/err"
  check no-windows 2 $?
  contains no-windows "built without the windows" "$tmp/err"
  exit $fail
fi
"$cfhx" --help >"$tmp/out" 2>&1
contains help "a saved case to open in the windows" "$tmp/out"

export QT_QPA_PLATFORM=offscreen
"$cfhx" "$tmp/missing.cfhx" >"$tmp/out" 2>"$tmp/err"
check missing 1 $?
contains missing "cannot open case $tmp/missing.cfhx" "$tmp/err"
mkdir "$tmp/folder.cfhx"
"$cfhx" "$tmp/folder.cfhx" >"$tmp/out" 2>"$tmp/err"
check folder 1 $?
chmod 000 "$tmp/case.cfhx"
if [ ! -r "$tmp/case.cfhx" ]; then  # root reads it anyway
  "$cfhx" "$tmp/case.cfhx" >"$tmp/out" 2>"$tmp/err"
  check unreadable 1 $?
fi
"$cfhx" "$tmp/case.cfhx" "$tmp/case.cfhx" >"$tmp/out" 2>"$tmp/err"
check two-cases 2 $?
contains two-cases "unknown arguments" "$tmp/err"
exit $fail
