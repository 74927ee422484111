#!/usr/bin/env bash
# Every command answers --help with its usage and exit statuses; an option
# it does not take is refused in one line that names the help; options take
# their value after a blank or an equals sign.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"
gas_case "$tmp/gas.cfhx"

# command words | usage line the help begins its synopsis with
while IFS='|' read -r words usage; do
  [ -z "$words" ] && continue
  eval "set -- $words"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cfhx" "$@" --help >"$tmp/out" 2>"$tmp/err"
  check "$words --help" 0 $?
  contains "$words --help" "$usage" "$tmp/out"
  contains "$words --help" "Exit status:" "$tmp/out"
done <<'EOF_HELP'
|Usage: cfhx [OPTIONS]
run|Usage: cfhx run [OPTIONS] CASE
sweep|Usage: cfhx sweep [OPTIONS] CASE
props|Usage: cfhx props [OPTIONS] FLUID VALUES...
--script|Usage: cfhx --script [OPTIONS] FILE
EOF_HELP

# name | command line | what the one line says
while IFS='|' read -r name args says; do
  [ -z "$name" ] && continue
  eval "set -- $args"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cfhx" "$@" >"$tmp/out" 2>"$tmp/err"
  check "$name" 2 $?
  contains "$name" "$says" "$tmp/err"
  [ "$(wc -l <"$tmp/err")" -eq 1 ] || { echo "FAIL $name: the refusal takes $(wc -l <"$tmp/err") lines"; fail=1; }
done <<'EOF_REFUSED'
program option|--frob|cfhx: The following argument was not expected: --frob (cfhx --help lists the commands)
run option|run "$tmp/gas.cfhx" --frob|cfhx run: unexpected arguments: "--frob" (cfhx run --help lists the options)
sweep option|sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=1:2:1 --csv "$tmp/o.csv" --jobs 2|cfhx sweep: unexpected arguments: "--jobs" "2"
props option|props water 20 --frob|cfhx props: unexpected arguments: "--frob"
script option|--script "$tmp/gas.cfhx" --frob|cfhx --script: unexpected arguments: "--frob"
run without a case|run|cfhx run: CASE is required
an unknown fluid|props steam 20|cfhx props: FLUID: steam not in {water,gas}
a value missing|run "$tmp/gas.cfhx" --json|cfhx run: --json: 1 required FILE missing
an unknown language|run "$tmp/gas.cfhx" --lang fr|cfhx run: --lang: fr not in {en,ja}
EOF_REFUSED

# --option=value is --option value.
"$cfhx" run "$tmp/gas.cfhx" --mode=ESI --date=07/03/05 --json="$tmp/r.json" >"$tmp/eq" 2>"$tmp/err"
check "equals form" 0 $?
"$cfhx" run "$tmp/gas.cfhx" --mode ESI --date 07/03/05 >"$tmp/blank" 2>"$tmp/err"
cmp -s "$tmp/eq" "$tmp/blank"; expect "--mode=ESI prints what --mode ESI prints" $?
contains "equals form" '"mode": "ESI"' "$tmp/r.json"
# --lang en: the English table of the same case.
"$cfhx" run "$tmp/gas.cfhx" --lang en --date 07/03/05 >"$tmp/en" 2>"$tmp/err"
check "run in English" 0 $?
contains "run in English" "CROSFLOW HEAT EXCHANGER" "$tmp/en"
exit $fail
