#!/usr/bin/env bash
# Start-up against a bare Qt window of the same size: launch to window mapped
# (the X server's MapNotify), resident memory at that moment, and the CPU
# time of the whole start-up, every page built (half a second later).
#   bench/startup.sh [N]             N rounds each, interleaved, after one warm-up each
#   bench/startup.sh --windows [N]   both built with Qt for Windows, run under Wine
# BUILD_DIR=<folder> builds elsewhere than build/; CALCULATOR=<program> times
# another build of the calculator instead (Linux only).
# Runs unattended: installs what it needs, builds what is missing, starts its
# own Xvfb (and, for Windows, its own Wine prefix, whose server stays up
# between launches). Prints both medians, the spread, the ratios and the load.
set -euo pipefail
cd "$(dirname "$0")/.."
windows=""
if [[ ${1:-} == --windows ]]; then windows=1; shift; fi
rounds=${1:-20}
dir=$(realpath -m "${BUILD_DIR:-build}")
watch=$dir/bench/map_watch

if [[ -n $windows ]]; then
  scripts/setup bench
  scripts/setup windows-ui
  TARGET=map_watch scripts/build "$dir" >/dev/null
  [[ -f build-windows/qt/lib/cmake/Qt6/Qt6Config.cmake ]] || ln -sfn "$(scripts/qt-windows)" build-windows/qt
  cmake --preset mingw-cross >/dev/null
  cmake --build build-windows/window --parallel "$(nproc)" --target korvex-trading-calculator bench_bare_window >/dev/null
  source scripts/wine-session
  wine_session
  wine_use_qt build-windows/qt
  wineserver -k 2>/dev/null || true
  wineserver -p
  # The calculator draws in Fusion; Windows' default style would cost the
  # bare window more than the style the calculator draws in.
  bare=(wine build-windows/window/bench/bench_bare_window.exe -style fusion)
  calculator=(wine build-windows/window/app/korvex-trading-calculator.exe)
elif [[ -z "${KORVEX_STARTUP_INNER:-}" ]]; then
  scripts/setup bench
  for target in korvex-trading-calculator bench_bare_window map_watch; do
    TARGET=$target scripts/build "$dir" >/dev/null
  done
  export KORVEX_STARTUP_INNER=1
  # One fresh server for both programs; the same environment for both.
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE
  # -noreset: a server that resets between two launches makes the next one slow.
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset" "$0" "$rounds"
else
  bare=("$dir/bench/bench_bare_window")
  calculator=("${CALCULATOR:-$dir/app/korvex-trading-calculator}")
fi

results=$(mktemp)
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
cleanup() { rm -rf "$results" "$XDG_RUNTIME_DIR"; }
if [[ -n $windows ]]; then trap 'cleanup; wine_session_end' EXIT; else trap cleanup EXIT; fi
"$watch" "${bare[@]}" >/dev/null
"$watch" "${calculator[@]}" >/dev/null
for ((i = 0; i < rounds; i++)); do
  for who in bare calculator; do
    if [[ $who == bare ]]; then measured=$("$watch" "${bare[@]}"); else measured=$("$watch" "${calculator[@]}"); fi
    echo "$who $measured" >>"$results"
  done
done

# median, lowest and highest of one column of one program's rows
stats() {
  awk -v who="$1" -v col="$2" '$1 == who { print $col }' "$results" | sort -g |
    awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                              printf "%s %s %s\n", m, v[1], v[NR] }'
}
read -r bare_ms bare_lo bare_hi < <(stats bare 2)
read -r calc_ms calc_lo calc_hi < <(stats calculator 2)
read -r bare_kb _ _ < <(stats bare 3)
read -r calc_kb _ _ < <(stats calculator 3)
read -r bare_settled _ _ < <(stats bare 4)
read -r calc_settled _ _ < <(stats calculator 4)
read -r bare_cpu bare_cpu_lo bare_cpu_hi < <(stats bare 5)
read -r calc_cpu calc_cpu_lo calc_cpu_hi < <(stats calculator 5)
echo "rounds: $rounds each, interleaved; load: $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'bare window:  median %7.2f ms  (%.2f .. %.2f)  VmRSS %6d kB, %6d kB 0.5 s later\n' \
  "$bare_ms" "$bare_lo" "$bare_hi" "$bare_kb" "$bare_settled"
printf 'calculator:   median %7.2f ms  (%.2f .. %.2f)  VmRSS %6d kB, %6d kB 0.5 s later\n' \
  "$calc_ms" "$calc_lo" "$calc_hi" "$calc_kb" "$calc_settled"
printf 'CPU, all built: bare window median %.2f ms (%.2f .. %.2f), calculator median %.2f ms (%.2f .. %.2f)\n' \
  "$bare_cpu" "$bare_cpu_lo" "$bare_cpu_hi" "$calc_cpu" "$calc_cpu_lo" "$calc_cpu_hi"
awk -v c="$calc_ms" -v b="$bare_ms" -v ck="$calc_kb" -v bk="$bare_kb" -v cs="$calc_settled" -v bs="$bare_settled" \
  -v cc="$calc_cpu" -v bc="$bare_cpu" \
  'BEGIN { printf "ratio:        %.2f mapped, %.2f CPU   memory above the bare window: %+.1f MB when mapped, %+.1f MB 0.5 s later\n",
           c / b, cc / bc, (ck - bk) / 1024, (cs - bs) / 1024 }'
