#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for the given minutes (default 10), as many at once as the
# machine has cores, on its seeds and dictionary (fuzz/targets.txt). An input that runs over a
# second is a hang. Prints one row per target and exits 1 when any target found something;
# the inputs are left in <build>/findings/<target>/.
#
#   tools/fuzz.sh [minutes] [target...]
# FUZZ_SECONDS=n sets the time in seconds instead, FUZZ_JOBS=n how many run at once, and
# FUZZ_BUILD=folder the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
minutes=${1:-10}
[ $# -gt 0 ] && shift
seconds=${FUZZ_SECONDS:-$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 }')}

tools/setup.sh

build=${FUZZ_BUILD:-$root/build-fuzz}
jobs=${FUZZ_JOBS:-$(nproc)}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DTALVANE_FUZZ=ON -DTALVANE_BENCH=OFF >/dev/null
if ! cmake --build "$build" -j "$(nproc)" >"$build/build.log" 2>&1; then
  tail -40 "$build/build.log"
  exit 1
fi

if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(grep -E '^[a-z]' fuzz/targets.txt | awk '{ print $1 }')
fi

# Lays out one target's seeds: the listed files and the regression inputs.
lay_seeds() {
  local name=$1 seeds=$build/seeds/$1 entry path
  rm -rf "$seeds"; mkdir -p "$seeds" "$build/corpus/$name"
  for entry in $(awk -v n="$name" '$1 == n { $1 = ""; print }' fuzz/targets.txt) \
               "tests/data/fuzz/$name"; do
    for path in $entry; do
      if [ -d "$path" ]; then find "$path" -maxdepth 1 -type f -exec cp -t "$seeds" {} +
      elif [ -f "$path" ]; then cp "$path" "$seeds/"; fi
    done
  done
}

run_one() {
  local name=$1 dict=()
  [ -f "fuzz/dict/$name.dict" ] && dict=(-dict="fuzz/dict/$name.dict")
  rm -rf "$build/findings/$name"; mkdir -p "$build/findings/$name" "$build/logs"
  "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$name/" "${dict[@]}" \
      "$build/corpus/$name" "$build/seeds/$name" >"$build/logs/$name.log" 2>&1 || true
}
export -f run_one
export build seconds
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

for name in "${targets[@]}"; do lay_seeds "$name"; done
echo "Running ${#targets[@]} targets for ${seconds} s each, $jobs at once"
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}'

found=0
printf '%-16s %12s %9s %8s\n' target executions coverage crashes
for name in "${targets[@]}"; do
  log=$build/logs/$name.log
  runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | tail -1 | awk '{ print $2 }')
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | awk '{ print $2 }')
  crashes=$(find "$build/findings/$name" -type f | wc -l)
  printf '%-16s %12s %9s %8s\n' "$name" "${runs:-?}" "${cov:-?}" "$crashes"
  if [ "$crashes" -gt 0 ] || [ -z "$runs" ]; then
    found=1
    find "$build/findings/$name" -type f -printf '  %p\n'
    grep -m3 -E 'ERROR|broken promise|runtime error' "$log" | sed 's/^/  /' || true
  fi
done
exit $found
