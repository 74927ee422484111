#!/usr/bin/env bash
# The real command line: exit statuses, messages and standard input.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"

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

# A folder opens like a file on Linux; reading it fails.
mkdir "$tmp/folder.cfhx"
"$cfhx" --script "$tmp/folder.cfhx" >"$tmp/out" 2>"$tmp/err"
check folder 1 $?
contains folder "it is a folder" "$tmp/err"

# Saved with a UTF-8 byte-order mark.
printf '\xef\xbb\xbfclick FORM4.BUTTON26\nclick MAINFORM.BUTTON18\npane\n' >"$tmp/bom.cfhx"
"$cfhx" --script "$tmp/bom.cfhx" >"$tmp/out" 2>"$tmp/err"
check byte-order-mark 0 $?
contains byte-order-mark "SI 単位系" "$tmp/out"

# A y/n question answered wrongly 2000 times on one page: each answer adds
# its row to the transcript, not the page again (that would be ~100 MB).
{
  sed -n '/^set MAINFORM.EDIT34 "-0.1"/q;p' "$top/tests/scripts/calc_start_film.cfhx"
  printf 'set MAINFORM.EDIT34 "-0.1"\nclick MAINFORM.BUTTON9\n'
  for _ in $(seq 2000); do echo 'type Y'; done
  printf 'type y\nno\n'
} >"$tmp/wrong.cfhx"
timeout 60 "$cfhx" --script "$tmp/wrong.cfhx" --date 07/03/05 >"$tmp/out" 2>"$tmp/err"
check wrong-answers 0 $?
size=$(wc -c <"$tmp/out")
[ "$size" -lt 400000 ] || { echo "FAIL wrong-answers: transcript of $size bytes"; fail=1; }

# The bundled sample session runs to its end.
timeout 60 "$cfhx" --script "$top/samples/session.cfhx" >"$tmp/out" 2>"$tmp/err"
check sample 0 $?
contains sample "=== end of script ===" "$tmp/out"

# The version is the project's; it runs anywhere, display or not.
version=$(sed -n 's/^project(cfhx VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cfhx" --version >"$tmp/out" 2>"$tmp/err"
check version 0 $?
[ "$(cat "$tmp/out")" = "cfhx $version" ]; expect "--version prints \"cfhx $version\" (got \"$(cat "$tmp/out")\")" $?

# The windows without a display: a message naming the headless commands, status 2.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cfhx" >"$tmp/out" 2>"$tmp/err"
check no-display 2 $?
if grep -q "built without the windows" "$tmp/err"; then :; else
  contains no-display "no display found" "$tmp/err"
  contains no-display "cfhx run CASE" "$tmp/err"
fi
DISPLAY=:987 env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cfhx" "$top/samples/gas-gas-no5.cfhx" >"$tmp/out" 2>"$tmp/err"
check no-display-server 2 $?

exit $fail
