#!/bin/bash
# Measures the game's performance figures side by side in one run and prints
# them as one markdown table (minimum and median of the repetitions, and the
# goal), with the machine's load before and after:
#   performance-table.sh [repetitions]  (3 by default)
# Needs the release build (build.sh release) and a real X display in DISPLAY;
# the game draws with whatever OpenGL driver that display gives (the
# software one under Xvfb).
#  - work per frame idle: a new game standing in the living room for 2,000
#    frames, from the auto-test report line (the start menu and the controls
#    screen before them add about 40 frames; idle-recording.sh writes the
#    recording, whose wait plays nothing and logs nothing in those frames);
#  - work per frame in the replay: the shipped recording's start menu and its
#    living-room part (up to the front door), stopped there;
#  - the intro movie's first frame and the pacing: the presents and log lines
#    of the idle run, timed by libFrameTimelineProbe.so;
#  - start-up: first-frame.sh; memory: MiniGameMemoryTest's figures; the main
#    heap: bench_MainHeapTrace.
set -eu
cd "$(dirname "$0")/../.."
repetitions="${1:-3}"
source="$PWD"
build="$PWD/build"
probe="$build/libFrameTimelineProbe.so"
for file in "$probe" "$build/velmarsh" "$build/ContentBuilder" "$build/test_Engine_PC" "$build/bench_MainHeapTrace"; do
  if [ ! -e "$file" ]; then
    echo "Missing $file: build the release configuration and its benchmarks first (cmake --build build --target benchmarks)" >&2
    exit 1
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: the frames are measured in a real window" >&2
  exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy
IDLE_FRAMES=2000

# Names the row that could not be measured and why, with the end of the
# output $3 when there is one.
fail() {
  echo "Row \"$1\" failed: $2" >&2
  if [ -n "${3:-}" ] && [ -f "$3" ]; then tail -n 20 "$3" >&2; fi
  exit 1
}

# The minimum and the median of the numbers on standard input.
min_median() {
  sort -g | awk '{v[NR] = $1} END {if (NR) print v[1], v[int((NR + 1) / 2)]}'
}

# A fresh data folder in $work/$1 that plays the recording $2 under
# "-autotest": the sample data's files, without what a run of the game there
# wrote (its log, saved games, settings).
data_folder() {
  local folder="$work/$1" file
  mkdir -p "$folder"
  for file in "$build/Data"/*; do
    case "${file##*/}" in
    log.txt | save.dat | *.lock | Settings.ini | autotest.dat) ;;
    *) ln -s "$file" "$folder" ;;
    esac
  done
  cp "$build/Data/Settings.ini" "$folder"
  ln -s "$2" "$folder/autotest.dat"
}

# The idle recording: a new game up to the living room, where the player
# then does nothing for $IDLE_FRAMES frames: no input is played and nothing
# is logged in them.
idle_recording() {
  local content="$work/idle-content"
  bash Tools/Scripts/idle-recording.sh "$IDLE_FRAMES" "$content/AutoTest"
  "$build/ContentBuilder" "$content" "$work/idle-data" >&2 || fail "idle" "the idle recording was refused"
  echo "$work/idle-data/autotest.dat"
}

# Runs the game under "-autotest" in the folder $1 with the probe, stopped
# as the player would close it once its log holds $2 (or ending by itself when
# $2 is empty), and killed after ten minutes; prints the report line.
autotest_run() {
  local folder="$1" stop="$2" pid deadline=$((SECONDS + 600))
  (cd "$folder" && XDG_RUNTIME_DIR="$folder" FRAME_TIMELINE="$folder/timeline.txt" LD_PRELOAD="$probe" \
    exec "$build/velmarsh" -autotest >/dev/null 2>&1) &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    if [ -n "$stop" ] && grep -qF "$stop" "$folder/log.txt" 2>/dev/null; then
      kill -TERM "$pid"
      break
    fi
    if ((SECONDS > deadline)); then
      kill -KILL "$pid"
      break
    fi
    sleep 0.05
  done
  wait "$pid" || true
  grep -o 'events played.*' "$folder/log.txt" || true
}

# The report line's "work per frame median <m> ms, 99th percentile <p> ms".
work_median() { sed -n 's/.*work per frame median \([0-9.]*\) ms.*/\1/p'; }
work_99th() { sed -n 's/.*99th percentile \([0-9.]*\) ms.*/\1/p'; }

# From the probe's timeline: the wall and processor ms from "Before Movie
# Init" to the next present.
movie_first_frame() {
  awk '/^log .*Before Movie Init/ {w = $2; p = $3; next}
       w && /^present/ {printf "%.1f %.1f\n", $2 - w, $3 - p; found = 1; exit}
       END {if (!found) exit 1}' "$1"
}

# The mean interval between the presents of the last 10 s before the
# recording ended, and the game clock against the wall clock over the idle
# frames: the game time the wait took, as the game logs it at its end,
# against the wall time from the wait's line to that one (the auto-test runs
# the game clock four times as fast).
pacing() {
  awk '/^log .*the recording is over/ {end = $2}
       /^present/ {t[++n] = $2}
       /^log [^ ]* [^ ]* GAME\[[^]]*\]:Wait\(/ {start = $2}
       /^log [^ ]* [^ ]* AutoTest: waited [0-9]+ ms of game time/ {finish = $2; game = $6}
       END {
         for (i = 1; i <= n; ++i) if (t[i] >= end - 10000 && t[i] <= end) {if (!a) a = i; b = i}
         if (b <= a || finish <= start) exit 1
         printf "%.3f %.4f\n", (t[b] - t[a]) / (b - a), game / 4 / (finish - start)}' "$1"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
idle="$(idle_recording)"
for ((run = 1; run <= repetitions; ++run)); do
  data_folder "idle$run" "$idle"
  line="$(autotest_run "$work/idle$run" "")"
  [ -n "$line" ] || fail "idle" "no auto-test report" "$work/idle$run/log.txt"
  echo "$line" | work_median >>"$work/idle-median"
  movie_first_frame "$work/idle$run/timeline.txt" >>"$work/movie" || fail "movie" "no present after the movie's start"
  pacing "$work/idle$run/timeline.txt" >>"$work/pacing" || fail "pacing" "no wait in the log or too few presents"

  data_folder "replay$run" "$build/Data/autotest.dat"
  line="$(autotest_run "$work/replay$run" "bg101_BO_CastilloLivingRoom::goto_bg102")"
  [ -n "$line" ] || fail "replay" "no auto-test report" "$work/replay$run/log.txt"
  echo "$line" | work_median >>"$work/replay-median"
  echo "$line" | work_99th >>"$work/replay-99th"

  (cd "$build" && SDL_VIDEODRIVER=offscreen ./test_Engine_PC --gtest_filter='MiniGameMemoryTest.*' \
    --gtest_output="json:$work/memory$run.json") >"$work/memory$run.out" 2>&1 ||
    fail "memory" "MiniGameMemoryTest failed" "$work/memory$run.out"
  sed -n 's/.*"residentKiBAfter\(First\|All\)": "\([0-9]*\)".*/\1 \2/p' "$work/memory$run.json" |
    awk '{kb[$1] = $2} END {if (!kb["First"]) exit 1; a = kb["All"]; f = kb["First"]
                            printf "%.3f %.1f %.1f\n", a / f, a / 1024, f / 1024}' \
      >>"$work/memory" || fail "memory" "no figures in the test's report"
done
bash Tools/Scripts/first-frame.sh "$repetitions" >"$work/first-frame" 2>&1 ||
  fail "start" "first-frame.sh failed" "$work/first-frame"
(cd "$build" && VELMARSH_SOURCE_DIR="$source" ./bench_MainHeapTrace --benchmark_repetitions="$repetitions") >"$work/heap" 2>&1 ||
  fail "heap" "bench_MainHeapTrace failed" "$work/heap"
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

# "<min> | <median>" of column $2 of the file $1, with the unit $3.
cells() { read -r low middle <<<"$(awk -v c="$2" '{print $c}' "$1" | min_median)"; echo "$low$3 | $middle$3"; }
# The start-up ratio by the minimum and by the median of first-frame.sh's
# wall (column 3, 4) or processor (column 6, 7) times.
start_ratio() {
  awk -v c="$1" '/^minimal program/ {m1 = $(c + 1); m2 = $(c + 2)} /^game +wall/ {g1 = $c; g2 = $(c + 1)}
                 END {printf "%.2fx | %.2fx\n", g1 / m1, g2 / m2}' "$work/first-frame"
}
heap="$(grep -o 'SampleReplayTrace .*SystemOverHeap=[0-9.]*' "$work/heap" | sed 's/.*=//' | min_median |
  awk '{printf "%.2f %.2f\n", $1, $2}')"
[ -n "$heap" ] || fail "heap" "bench_MainHeapTrace gave no ratio" "$work/heap"
echo
echo "| measure | min | median | goal |"
echo "|---|---|---|---|"
echo "| work per frame in the living room, idle (about $IDLE_FRAMES frames) | $(cells "$work/idle-median" 1 " ms") | ≤ 0.3 ms |"
echo "| the same during the replay (start menu, living room), median | $(cells "$work/replay-median" 1 " ms") | ≤ 0.5 ms |"
echo "| the same, 99th percentile | $(cells "$work/replay-99th" 1 " ms") | ≤ 2 ms |"
echo "| the frame that starts the intro movie, wall | $(cells "$work/movie" 1 " ms") | ≤ 50 ms |"
echo "| the same, processor time of all threads | $(cells "$work/movie" 2 " ms") | |"
echo "| start to first presented frame / a minimal SDL + OpenGL program, wall | $(start_ratio 3) | ≤ 1.5x |"
echo "| the same, processor time | $(start_ratio 6) | ≤ 1.5x |"
echo "| mean interval between presents over 10 s | $(cells "$work/pacing" 1 " ms") | 16.00 ± 0.03 ms |"
echo "| game clock / wall clock over the idle frames | $(cells "$work/pacing" 2 "") | 1 ± 0.001 |"
echo "| process memory after all six mini-games / after the first (headless) | $(cells "$work/memory" 1 "") | ≤ 1.1 |"
echo "| the same: after all six | $(cells "$work/memory" 2 " MiB") | |"
echo "| the same: after the first | $(cells "$work/memory" 3 " MiB") | |"
echo "| main heap trace of chapter one: system allocator's time / main heap's | ${heap% *} | ${heap#* } | |"
