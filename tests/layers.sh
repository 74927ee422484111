#!/usr/bin/env bash
# Which folder's sources may include which: the core in its order, case
# handling above it, the two front ends on top and apart. Qt only in the
# windows' folder. Prints every include out of place; fails on any.
set -uo pipefail
src=${1:?usage: layers.sh SOURCE_DIR}/src
base='app/|platform/(atomic_file|display|printer_stream|program|qt_program)\.h'
core='app/|input/|calc/|report/'
declare -A allowed=(
  [app]='app/'
  [input]='app/|input/'
  [calc]='app/|calc/'
  [report]='app/|calc/|report/'
  [platform]="$core|$base"
  [platform/cases]="$core|$base|platform/cases/"
  [platform/script]="$core|$base|platform/cases/|platform/script/"
  [platform/qt]="$core|$base|platform/cases/|platform/qt/"
)
bad=0
for dir in "${!allowed[@]}"; do
  [[ -d $src/$dir ]] || { echo "missing folder src/$dir"; bad=1; continue; }
  for f in "$src/$dir"/*.h "$src/$dir"/*.cpp; do
    [[ -e $f ]] || continue
    while IFS= read -r line; do
      inc=${line#*\"}; inc=${inc%%\"*}
      [[ $inc == version.h ]] && continue  # generated beside every layer
      if ! [[ $inc =~ ^(${allowed[$dir]}) ]]; then
        echo "${f#$src/} includes \"$inc\""; bad=1
      fi
    done < <(grep -E '^\s*#\s*include\s+"' "$f")
    if [[ $dir != platform/qt ]] && grep -qE '^\s*#\s*include\s+<Q' "$f"; then
      echo "${f#$src/} includes Qt"; bad=1
    fi
  done
done
exit $bad
