#!/bin/bash
# Times the start of the game to its first presented frame beside that of a
# minimal SDL and OpenGL program, on the display of DISPLAY:
# first-frame.sh [runs]  (5 by default). Each run is ended at its first
# frame; the minimum and the median of the wall time and of the processor
# time of all the program's threads are shown, and the load of the machine,
# which the wall time follows. Needs the release build (build.sh release).
set -eu
cd "$(dirname "$0")/../.."
runs="${1:-5}"
build="$PWD/build"
probe="$build/libFirstPresentProbe.so"
for file in "$probe" "$build/bench_MinimalWindow" "$build/velmarsh"; do
  if [ ! -e "$file" ]; then
    echo "Missing $file: build the release configuration and its benchmarks first (cmake --build build --target benchmarks)" >&2
    exit 1
  fi
done
# The game runs alone even beside another copy of it, and without a sound card.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

# Prints "wall <min> <median> processor <min> <median>" of the runs.
time_runs() {
  local folder="$1" program="$2" walls=() processors=() line
  for ((run = 0; run < runs; ++run)); do
    line="$(cd "$folder" && FIRST_FRAME_START=$EPOCHREALTIME LD_PRELOAD="$probe" "$program" 2>&1 >/dev/null |
      grep '^first present:' || true)"
    if [ -z "$line" ]; then
      echo "$program showed no frame" >&2
      exit 1
    fi
    walls+=("$(echo "$line" | awk '{print $3}')")
    processors+=("$(echo "$line" | awk '{print $6}')")
  done
  local wall processor
  wall="$(printf '%s\n' "${walls[@]}" | sort -n | awk '{v[NR]=$1} END {print v[1], v[int((NR+1)/2)]}')"
  processor="$(printf '%s\n' "${processors[@]}" | sort -n | awk '{v[NR]=$1} END {print v[1], v[int((NR+1)/2)]}')"
  echo "wall $wall processor $processor"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
minimal="$(time_runs "$build" "$build/bench_MinimalWindow")"
game="$(time_runs "$build/Data" "$build/velmarsh")"
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-16s %s\n' "minimal program" "$minimal" "game" "$game"
read -r _ minimalWall _ _ minimalProcessor _ <<<"$minimal"
read -r _ gameWall _ _ gameProcessor _ <<<"$game"
awk -v gw="$gameWall" -v mw="$minimalWall" -v gp="$gameProcessor" -v mp="$minimalProcessor" \
  'BEGIN {printf "game / minimal, by the minimum: wall %.2fx, processor %.2fx\n", gw / mw, gp / mp}'
