#!/bin/sh
# Fuzzes the file readers: fuzz.sh [seconds per harness] [harness...]
# Builds the harnesses of Fuzz/ with clang and the sanitizers into
# build-fuzz, splits the sample data folder into seeds, and runs every
# harness named (all by default) at the same time, each for the given time
# (60 s by default). Inputs that add coverage collect in
# build-fuzz/corpus/<harness>; a finding is written to
# build-fuzz/findings/<harness>/ and makes the script fail.
set -eu
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
[ $# -gt 0 ] && shift
dir=build-fuzz
mkdir -p "$dir"
CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMARSH_FUZZ=ON \
  -DVELMARSH_BENCHMARKS=OFF > "$dir/configure.log"
harnesses="$*"
if [ -z "$harnesses" ]; then
  harnesses="$(ls Fuzz/*Fuzzer.cpp | sed 's|Fuzz/\(.*\)Fuzzer.cpp|\1|')"
fi
targets="content fuzz_seed_corpus"
for name in $harnesses; do
  targets="$targets fuzz_$name"
done
# shellcheck disable=SC2086
cmake --build "$dir" -j "$(nproc)" --target $targets
"$dir/fuzz_seed_corpus" "$dir/Data" "$dir/seeds"

for name in $harnesses; do
  mkdir -p "$dir/corpus/$name" "$dir/findings/$name"
  "$dir/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/findings/$name/" \
    "$dir/corpus/$name" "$dir/seeds/$name" > "$dir/findings/$name.log" 2>&1 &
  eval "pid_$name=\$!"
done

status=0
for name in $harnesses; do
  result=0
  eval "wait \$pid_$name" || result=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/findings/$name.log")"
  if [ "$result" -eq 0 ]; then
    echo "$name: ${runs:-?} executions, no finding"
  else
    echo "$name: FINDING after ${runs:-?} executions, see $dir/findings/$name.log and $dir/findings/$name/"
    status=1
  fi
done
exit "$status"
