# Shared by the command-line tests: sourced after cfhx= and top= are set.
# Each check records a failure in $fail and goes on; the script ends with
# `exit $fail`.
fail=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

check() {  # name expected-status actual-status; shows stderr on a failure
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: status $3, expected $2"
    [ -s "$tmp/err" ] && cat "$tmp/err"
    fail=1
  fi
}

contains() {  # name text file
  grep -qF -- "$2" "$3" || { echo "FAIL $1: \"$2\" missing from:"; cat "$3"; fail=1; }
}

expect() {  # name status-of-the-last-test
  if [ "$2" != 0 ]; then echo "FAIL $1"; fail=1; fi
}

gas_case() {  # file: the gas/gas case of tests/support/case_scripts.h
  printf '%s\n' "click FORM4.BUTTON25" "click MAINFORM.BUTTON18" "click MAINFORM.BUTTON22" "click MAINFORM.BUTTON11" yes \
    "click MAINFORM.BUTTON2" "click MAINFORM.BUTTON6" "click FORM6.BUTTON36" "click FORM6.BUTTON39" \
    "click FORM5.BUTTON53" "click FORM5.BUTTON30" "click MAINFORM.BUTTON9" yes >"$1"
}
