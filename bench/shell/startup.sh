#!/usr/bin/env bash
# Start-up time of the standalone component: from process start to the main window's
# first paint, as logged by the window ("=MainWindow= first paint [N ms after process
# start]", measured from the kernel's process start time). Prints each run and the
# median.
#   bench/shell/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build/default}
runs=${2:-5}
exe="$build/bin/VisitorManagement.C"
[ -x "$exe" ] || { echo "startup: $exe not built" >&2; exit 1; }
platform=${QT_QPA_PLATFORM:-offscreen}
times=()
for ((i = 0; i < runs; i++)); do
  root=$(mktemp -d)
  QORVA_DATA_ROOT="$root" QT_QPA_PLATFORM="$platform" "$exe" --standalone >/dev/null 2>&1 &
  pid=$!
  ms=""
  for ((w = 0; w < 100; w++)); do
    ms=$(grep -ho 'first paint \[[0-9]* ms' "$root"/VisitorManagement.C/logs/*.log 2>/dev/null | grep -o '[0-9]*' || true)
    [ -n "$ms" ] && break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$root"
  [ -n "$ms" ] || { echo "run $i: no first paint logged" >&2; continue; }
  echo "run $i: ${ms} ms"
  times+=("$ms")
done
[ ${#times[@]} -gt 0 ] || exit 1
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "median start-up to first paint: ${sorted[$(( ${#sorted[@]} / 2 ))]} ms (${#sorted[@]} runs, platform $platform)"
