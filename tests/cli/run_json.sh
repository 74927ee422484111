#!/usr/bin/env bash
# `cfhx run` on a sample: the status, the table on standard output and a
# JSON record that a standard JSON reader accepts.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"

"$cfhx" run "$top/samples/gas-gas-no5.cfhx" --date 07/03/05 --json "$tmp/record.json" >"$tmp/out" 2>"$tmp/err"
status=$?
if [ "$status" != 0 ]; then echo "FAIL run: status $status"; cat "$tmp/err"; fail=1; fi
grep -qF "交換熱量" "$tmp/out" || { echo "FAIL run: no result table"; cat "$tmp/out"; fail=1; }
python3 -m json.tool "$tmp/record.json" >/dev/null || { echo "FAIL json: not accepted"; cat "$tmp/record.json"; fail=1; }
grep -qF '"name": "KI"' "$tmp/record.json" || { echo "FAIL json: KI missing"; fail=1; }

"$cfhx" run "$tmp/missing.cfhx" >"$tmp/out" 2>"$tmp/err"
status=$?
if [ "$status" != 1 ]; then echo "FAIL missing: status $status, expected 1"; fail=1; fi
exit $fail
