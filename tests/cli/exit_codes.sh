#!/usr/bin/env bash
# The real command line: exit statuses, messages and standard input.
set -u
cfhx="$1"
top="$2"
fail=0
check() {  # name expected-status actual-status
  if [ "$2" != "$3" ]; then echo "FAIL $1: status $3, expected $2"; fail=1; fi
}
contains() {  # name text file
  grep -qF -- "$2" "$3" || { echo "FAIL $1: \"$2\" missing from:"; cat "$3"; fail=1; }
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

printf 'click FORM4.BUTTON26\nclick MAINFORM.BUTTON18\npane\n' | "$cfhx" --script - --date 07/03/05 >"$tmp/out" 2>"$tmp/err"
check stdin 0 $?
contains stdin "SI 単位系" "$tmp/out"

printf 'click FORM4.BUTTON26\nclick MAINFORM.BUTTON18\nclick MAINFORM.BUTTON3\nfrob\n' | "$cfhx" --script - >"$tmp/out" 2>"$tmp/err"
check bad-line 2 $?
contains bad-line "line 4: unknown action" "$tmp/err"

printf 'type 1\n' | "$cfhx" --script - >"$tmp/out" 2>"$tmp/err"
check answer-without-wait 2 $?

"$cfhx" --script "$tmp/missing.cfhx" >"$tmp/out" 2>"$tmp/err"
check missing-file 1 $?
contains missing-file "cannot open script" "$tmp/err"

"$cfhx" --script >"$tmp/out" 2>"$tmp/err"
check usage 2 $?

# The bundled sample session runs to its end.
timeout 60 "$cfhx" --script "$top/samples/session.cfhx" >"$tmp/out" 2>"$tmp/err"
check sample 0 $?
contains sample "=== end of script ===" "$tmp/out"

exit $fail
