#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, with ASan and UBSan) into build-fuzz/
# and runs each for the given time on a copy of its seed corpus in
# tests/fuzz/corpus/<target>/. Prints the executions per target; exits
# non-zero on any finding, which is kept in build-fuzz/findings/.
#   tests/fuzz/fuzz.sh [seconds] [target...]      default: 30 s, every target
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/setup.sh

seconds="${1:-30}"
shift || true
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  targets=(settings_file_fuzz number_text_fuzz wav_clip_fuzz reading_list_fuzz)
fi

ensure_packages build fuzz
configure_and_build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DFUDA_SANITIZE=fuzzer \
  -DFUDA_BUILD_QT=OFF -DFUDA_BUILD_TESTS=OFF -DFUDA_BUILD_BENCH=OFF

declare -A max_len=(
  [settings_file_fuzz]=4096 [number_text_fuzz]=64
  [wav_clip_fuzz]=4096 [reading_list_fuzz]=16384
)

mkdir -p build-fuzz/findings
failed=0
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  cp -n tests/fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
  log="build-fuzz/$target.log"
  status=0
  "build-fuzz/fuzz/$target" "$corpus" -max_total_time="$seconds" \
    -max_len="${max_len[$target]:-4096}" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target-" >"$log" 2>&1 || status=$?
  runs=$(grep -a -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  if [ "$status" -eq 0 ]; then
    echo "$target: ${runs} executions in ${seconds} s, no finding"
  else
    echo "$target: FINDING after ${runs} executions (exit $status); see $log"
    tail -n 30 "$log"
    failed=1
  fi
done
exit "$failed"
