#!/usr/bin/env bash
# Time from process start to the first painted frame of the main window, on a virtual X display.
#   bench/startup.sh [PROGRAM] [RUNS]
# Prints each run and the minimum, median and maximum in milliseconds.
set -euo pipefail
prog=${1:-build/release/kalkora}
runs=${2:-20}
[ -x "$prog" ] || { echo "no program at $prog (make startup-bench builds it)"; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is missing (scripts/install-deps installs it)"; exit 1; }

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

# One run unmeasured, so that the font and library caches are warm as on a used desktop.
times=()
for i in $(seq 0 "$runs"); do
  start=${EPOCHREALTIME/./}000
  out=$(DISPLAY=$display QT_QPA_PLATFORM=xcb KALKORA_STARTUP_T0=$start "$prog" 2>/dev/null)
  ms=$(sed -n 's/^first frame after \([0-9.]*\) ms$/\1/p' <<<"$out")
  [ -n "$ms" ] || { echo "run $i: no frame reported"; exit 1; }
  [ "$i" -gt 0 ] && times+=("$ms")
done
printf '%s\n' "${times[@]}" | sort -n | awk '
  { v[NR] = $1 }
  END { printf "start-up to first frame over %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n",
        NR, v[1], (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[NR] }'
