#!/usr/bin/env bash
# bench/app-figures.sh [build-dir]: figures of the time-synchronisation program.
#  - start-up to the first painted window and one synchronisation against a
#    loopback daytime server (bench_app, Google Benchmark, offscreen platform);
#  - resident memory of the real program's idle window, on the offscreen
#    platform and, when Xvfb is installed, on a virtual X display.
# Reports only; never fails on a figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# With a build folder given, its binaries are used as they are; otherwise the
# project is built in build/ first.
if [ $# -ge 1 ]; then
    build=$1
else
    build=$root/build
    "$root/scripts/build" "$build" >/dev/null
fi

echo "== bench_app"
"$build/app/bench_app" --benchmark_counters_tabular=true

idle_rss() { # prints VmRSS of the program after it has idled for 2 s
    local folder pid
    folder=$(mktemp -d)
    cp "$build/app/DunmoraDesk" "$folder/DunmoraDesk" # no INI beside it: nothing runs
    "$folder/DunmoraDesk" >/dev/null 2>&1 &
    pid=$!
    sleep 2
    grep VmRSS "/proc/$pid/status" | awk '{print $2 " kB"}'
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$folder"
}

echo "== resident memory of the idle window"
echo "offscreen: $(QT_QPA_PLATFORM=offscreen idle_rss)"
if command -v Xvfb >/dev/null; then
    display=:$((90 + RANDOM % 9))
    Xvfb "$display" -screen 0 800x600x24 >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    echo "Xvfb:      $(DISPLAY=$display QT_QPA_PLATFORM=xcb idle_rss)"
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
fi
