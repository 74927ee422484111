#!/usr/bin/env bash
# What the command line refuses, with its status and the reason it names;
# a refused, killed or size-limited sweep leaves the CSV it would replace
# as it was.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"
gas_case "$tmp/gas.cfhx"
sed '$d' "$tmp/gas.cfhx" >"$tmp/cut.cfhx"   # cut before its last yes
: >"$tmp/empty.cfhx"
head -c 2000 "$cfhx" >"$tmp/binary.cfhx"
head -c $((1024 * 1024 + 1)) /dev/zero | tr '\0' '#' >"$tmp/large.cfhx"
long=$(head -c 120000 /dev/zero | tr '\0' '1')
len="FORM5.EDIT157=1000:2000:500"
old=$'FORM5.EDIT157,status\n1000,ok\n'   # the CSV a good sweep wrote before
keep="$tmp/keep.csv"
missing="$tmp/no/such/folder"

# name | status | on standard error | arguments (word-split by eval)
while IFS='|' read -r name status says args; do
  [ -z "$name" ] && continue
  printf '%s' "$old" >"$keep"
  eval "set -- $args"
  says=${says//'$missing'/$missing}
  "$cfhx" "$@" >"$tmp/out" 2>"$tmp/err"
  check "$name" "$status" $?
  contains "$name" "$says" "$tmp/err"
  [ "$(cat "$keep"; echo .)" = "$old." ] || { echo "FAIL $name: the old CSV was changed"; fail=1; }
done <<'EOF_CASES'
binary case|2|line 1: unknown action|sweep "$tmp/binary.cfhx" --vary $len --csv "$keep"
empty case|3|ends before its calculation reaches a result|sweep "$tmp/empty.cfhx" --vary $len --csv "$keep"
cut case|3|waits for a Yes/No answer but the script has ended|sweep "$tmp/cut.cfhx" --vary $len --csv "$keep"
cut case run|3|waits for a Yes/No answer but the script has ended|run "$tmp/cut.cfhx"
disabled field|2|--vary FORM5.EDIT138: the case does not use this field|sweep "$tmp/gas.cfhx" --vary FORM5.EDIT138=1:3:1 --csv "$keep"
hidden field|2|--vary FORM5.EDIT158: the case does not use this field|sweep "$tmp/gas.cfhx" --vary FORM5.EDIT158=1:3:1 --csv "$keep"
duplicate quantity|2|--y: Q is named twice|sweep "$tmp/gas.cfhx" --vary $len --csv "$keep" --y Q,Q
long argument|2|an argument of 120020 bytes (at most 4096)|sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=1:2:0.$long --csv "$keep"
long number|2|at most 32 characters|sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=1000:2000:0.${long:0:40} --csv "$keep"
many decimals|2|at most 6 decimals|sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=1000:2000:0.0000001 --csv "$keep"
large case sweep|1|larger than 1 MB|sweep "$tmp/large.cfhx" --vary $len --csv "$keep"
large case run|1|larger than 1 MB|run "$tmp/large.cfhx"
csv folder missing|1|cannot write $missing/out.csv: No such file or directory|sweep "$tmp/gas.cfhx" --vary $len --csv "$missing/out.csv"
json folder missing|1|cannot write $missing/r.json: No such file or directory|run "$tmp/gas.cfhx" --json "$missing/r.json"
impossible date|2|--date: "99/99/99" is not a date YY/MM/DD|run "$tmp/gas.cfhx" --date 99/99/99
long date|2|not a date YY/MM/DD|run "$tmp/gas.cfhx" --date ${long:0:60}
leap day|2|not a date|run "$tmp/gas.cfhx" --date 07/02/29
script date|2|--date: "7/3/5" is not a date YY/MM/DD|--script "$tmp/gas.cfhx" --date 7/3/5
empty mode|2|--mode: "" is not a display mode|run "$tmp/gas.cfhx" --mode ""
below absolute zero|2|-300 °C is outside the range of the gas correlations, -173 to 1800 °C|props gas CO2=0.03 O2=20.95 H2O=0 -300
hot water|2|400 °C is outside the range of the water correlations, 0 to 300 °C|props water 400
beyond a float|2|1e+39 °C is outside|props water 1e39
stop without a page line|4|the calculation stopped: the shell inlet is at or below the dew point|run "$top/tests/scripts/calc_humid_shell_again.cfhx" --json "$tmp/stop.json"
EOF_CASES
# A binary case is named in printable text: its bytes shown as \xNN.
"$cfhx" run "$tmp/binary.cfhx" >/dev/null 2>"$tmp/err"
check "binary case run" 2 $?
contains "binary case run" 'line 1: unknown action "\x7FELF' "$tmp/err"
LC_ALL=C grep -q '[^[:print:]]' "$tmp/err" && { echo "FAIL binary case run: raw bytes in the message"; fail=1; }
contains "stop in the record" '"message": "the shell inlet is at or below the dew point' "$tmp/stop.json"
"$cfhx" sweep "$top/tests/scripts/calc_humid_shell_again.cfhx" --vary FORM5.EDIT133=20:20:1 --csv "$tmp/stop.csv" \
  >/dev/null 2>"$tmp/err"
check "stop in a sweep row" 0 $?
contains "stop in a sweep row" '20,"the shell inlet is at or below the dew point' "$tmp/stop.csv"

# A sweep killed part way (Ctrl-C, a timeout's TERM) or stopped by the file
# size limit leaves the old CSV, and no temporary beside it. Job control
# lets a background job take SIGINT.
set -m
for sig in INT TERM; do
  printf '%s' "$old" >"$keep"
  "$cfhx" sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=100:10000:1 --csv "$keep" >/dev/null 2>&1 &
  pid=$!
  until compgen -G "$tmp/.keep.csv.*" >/dev/null || ! kill -0 $pid 2>/dev/null; do sleep 0.01; done
  kill -$sig $pid
  wait $pid
  status=$?
  [ $status -gt 128 ] || { echo "FAIL killed by $sig: status $status"; fail=1; }
  [ "$(cat "$keep"; echo .)" = "$old." ] || { echo "FAIL killed by $sig: the old CSV was changed"; fail=1; }
  compgen -G "$tmp/.keep.csv.*" >/dev/null && { echo "FAIL killed by $sig: a temporary is left"; fail=1; }
done
set +m
printf '%s' "$old" >"$keep"
# The limit holds for regular files only: the messages come through a pipe.
(ulimit -f 4; exec "$cfhx" sweep "$tmp/gas.cfhx" --vary FORM5.EDIT157=100:3000:10 --csv "$keep") 2>&1 >/dev/null |
  tail -c 500 >"$tmp/err"
check size-limit 1 "${PIPESTATUS[0]}"
contains size-limit "cannot write $keep: File too large" "$tmp/err"
[ "$(cat "$keep"; echo .)" = "$old." ] || { echo "FAIL size-limit: the old CSV was changed"; fail=1; }
compgen -G "$tmp/.keep.csv.*" >/dev/null && { echo "FAIL size-limit: a temporary is left"; fail=1; }
exit $fail
