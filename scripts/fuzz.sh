#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each in turn for the given number of seconds
# (default 20). New inputs go to build/fuzz/corpus/<target>; the committed corpus in
# tests/fuzz/corpus/<target> is read but never written. Failing inputs are written to
# build/fuzz/artifacts/, logs to build/fuzz/logs/. Exits non-zero when any target fails.
#   scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [seconds-per-target]" >&2
  exit 2
fi

build=build/fuzz
targets=(fuzz_command_line fuzz_split_text fuzz_first_line fuzz_path_model fuzz_dropped_names)

echo "== Building the fuzz targets"
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DFOLDERLOCKER_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${targets[@]}"

# Every sanitizer finding stops the run with a stack trace, so that libFuzzer keeps the input.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"

mkdir -p "$build/artifacts" "$build/logs"
failed=()
for target in "${targets[@]}"; do
  scratch="$build/corpus/$target"
  log="$build/logs/$target.log"
  mkdir -p "$scratch"
  echo "== $target for ${seconds}s"
  status=0
  "$build/bin/$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$scratch" "tests/fuzz/corpus/$target" \
    </dev/null >"$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then
    grep -m1 '^Done ' "$log" || true
    continue
  fi
  failed+=("$target")
  echo "!! $target failed (exit $status); log: $log"
  grep -m1 -E 'property failed|ERROR: |runtime error' "$log" || tail -n 20 "$log"
  artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
  if [ -n "$artifact" ]; then
    echo "!! input: $artifact"
    echo "!! replay: $build/bin/$target $artifact"
  fi
done

if [ "${#failed[@]}" -ne 0 ]; then
  echo "== Failed: ${failed[*]}"
  exit 1
fi
echo "== No failures"
