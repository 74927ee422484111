#!/usr/bin/env bash
# Prints of a headless run with --out: the sheet as a PDF and as the raw
# printer stream, hard copies as PNG; the finish ends with status 0.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"

{
  # Gas/gas, radial fins, processing No. 5, old units.
  printf 'click FORM4.BUTTON25\nclick MAINFORM.BUTTON18\nclick MAINFORM.BUTTON22\nclick MAINFORM.BUTTON11\nyes\n'
  printf 'click MAINFORM.BUTTON2\nclick MAINFORM.BUTTON6\nclick FORM6.BUTTON36\nclick FORM6.BUTTON39\n'
  printf 'click FORM5.BUTTON53\nclick FORM5.BUTTON30\nclick MAINFORM.BUTTON9\nyes\n'
  # J sheet through the print driver; hard copies of the table and the
  # summary screen; the E sheet to the line printer; check and finish.
  printf 'type 1\ntype 1\ntype y\ntype 1\ntype 2\ntype 1\ntype 3\n'
  printf 'type 3\ntype 1\ntype 1\ntype n\ntype 4\n'
  printf 'type 5\ntype 2\ntype y\n'
} >"$tmp/prints.cfhx"

timeout 120 "$cfhx" --script "$tmp/prints.cfhx" --date 07/03/05 --out "$tmp/out" >"$tmp/transcript" 2>"$tmp/err"
status=$?
[ "$status" = 0 ]; expect "finish ends with status 0 (got $status): $(cat "$tmp/err")" $?
grep -q "=== the program has finished ===" "$tmp/transcript"; expect "the transcript names the end" $?

# The raw stream: code page 932 from the printer reset on, decodable.
[ "$(head -c 2 "$tmp/out/sheet-1.prn" | od -An -c | tr -d ' ')" = '033E' ]; expect "sheet-1.prn starts with ESC E" $?
iconv -f CP932 -t UTF-8 "$tmp/out/sheet-1.prn" >"$tmp/sheet1.txt"; expect "sheet-1.prn decodes from CP932" $?
grep -q "直交流型熱交換器計算シート" "$tmp/sheet1.txt"; expect "the J sheet's title in the raw stream" $?
iconv -f CP932 -t UTF-8 "$tmp/out/sheet-2.prn" | grep -q "CROSFLOW HEAT EXCHANGER"; expect "the E sheet went to the line printer" $?
[ ! -e "$tmp/out/sheet-2.pdf" ]; expect "a line-printer sheet makes no PDF" $?

if grep -q "built without the windows" "$tmp/transcript"; then
  echo "prints: no PDF or images in a build without the windows"
  exit $fail
fi

# The PDF: two pages (input tables, results), the key lines as text.
pages=$(pdfinfo "$tmp/out/sheet-1.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 2 ]; expect "sheet-1.pdf has 2 pages (got $pages)" $?
pdftotext -layout "$tmp/out/sheet-1.pdf" "$tmp/sheet1-pdf.txt"
for key in "直交流型熱交換器計算シート" "日付(07/03/05)" "■ 入力条件 ■" "■ 計算結果 ■" "56751.9" "1. Qs/Qk="; do
  grep -qF -- "$key" "$tmp/sheet1-pdf.txt"; expect "sheet-1.pdf holds \"$key\"" $?
done
[ "$(pdftotext -f 2 -l 2 "$tmp/out/sheet-1.pdf" - | grep -c '計算結果')" = 1 ]; expect "the results begin page 2" $?

# Hard copies: the main window and the summary screen as images.
for n in 1 2; do
  size=$(identify -format '%wx%h' "$tmp/out/hardcopy-$n.png" 2>/dev/null)
  [ -n "$size" ]; expect "hardcopy-$n.png is an image" $?
done
[ "$(identify -format '%w' "$tmp/out/hardcopy-1.png")" -gt "$(identify -format '%w' "$tmp/out/hardcopy-2.png")" ]
expect "the table's window is wider than the summary screen" $?

exit $fail
