#!/usr/bin/env bash
# The Debian package of this build: its files, lintian without errors, and
# the extracted program run from another folder (its parts found from where
# it lies) giving the same table as the built one.
set -u
cfhx="$1"
top="$2"
. "$top/tests/support/cli.sh"
build=$(dirname "$cfhx")
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "package: $tool is not installed"; exit 77; }
done

(cd "$build" && cpack -G DEB -B "$tmp/pkg") >"$tmp/cpack.log" 2>&1
check cpack 0 $? || cat "$tmp/cpack.log"
deb=$(ls "$tmp/pkg"/*.deb 2>/dev/null)
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "cfhx_${version}_amd64.deb" ]; expect "the package is named cfhx_<version>_amd64.deb (got $(basename "$deb"))" $?

dpkg-deb -x "$deb" "$tmp/root"
check extract 0 $?
gui=0
[ -x "$build/cfhx-qt" ] && gui=1
files="usr/bin/cfhx usr/share/cfhx/tbx2Jxyz.bmp usr/share/man/man1/cfhx.1.gz
  usr/share/doc/cfhx/README.md usr/share/doc/cfhx/copyright usr/share/doc/cfhx/changelog.gz"
[ $gui = 1 ] && files="$files usr/libexec/cfhx/cfhx-qt usr/share/applications/cfhx.desktop
  usr/share/icons/hicolor/scalable/apps/cfhx.svg usr/share/mime/packages/cfhx.xml"
for f in $files; do
  [ -e "$tmp/root/$f" ]; expect "the package holds /$f" $?
done
depends=$(dpkg-deb -f "$deb" Depends)
if [ $gui = 1 ]; then
  for d in libqt6widgets6 fonts-ipafont-gothic qt6-qpa-plugins; do
    case "$depends" in *"$d"*) ;; *) echo "FAIL Depends lacks $d: $depends"; fail=1 ;; esac
  done
fi
case "$depends" in *-dev*) echo "FAIL Depends names a -dev package: $depends"; fail=1 ;; esac

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$tmp/lintian" 2>&1
  check lintian 0 $?; grep '^E:' "$tmp/lintian"
fi
if [ $gui = 1 ] && command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$tmp/root/usr/share/applications/cfhx.desktop"; expect "the desktop entry validates" $?
fi
zcat "$tmp/root/usr/share/man/man1/cfhx.1.gz" | grep -q '^\.SH EXIT STATUS'; expect "the manual page lists the exit statuses" $?

# Headless from a folder that holds nothing of the program.
mkdir "$tmp/elsewhere"
(cd "$tmp/elsewhere" && "$tmp/root/usr/bin/cfhx" run "$top/samples/water-gas-no5.cfhx" --date 07/03/05) >"$tmp/table" 2>"$tmp/err"
check installed-run 0 $?
"$cfhx" run "$top/samples/water-gas-no5.cfhx" --date 07/03/05 >"$tmp/built-table" 2>/dev/null
cmp -s "$tmp/table" "$tmp/built-table"; expect "the installed program prints the built one's table" $?
if [ $gui = 1 ]; then
  # The sheet as PDF goes through the installed cfhx-qt.
  (cd "$tmp/elsewhere" && "$tmp/root/usr/bin/cfhx" run "$top/samples/water-gas-no5.cfhx" --date 07/03/05 --out "$tmp/out") >/dev/null 2>"$tmp/err"
  check installed-pdf 0 $?
  [ -s "$tmp/out/sheet.pdf" ]; expect "the installed cfhx-qt wrote the PDF sheet" $?
fi
exit $fail
