#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and
# runs each for a while, starting from the seed corpus under fuzz/corpus/.
# A crash, a sanitizer report, a broken invariant, a leak or a hang stops the
# run and fails the script; the input that did it is kept in build/fuzz/findings/.
# Usage: scripts/fuzz.sh [seconds per target, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
seconds=${1:-15}
targets=(text_conversions inductance_command selection_command cli_arguments design_boxes design_file)

dir=build/fuzz
if [[ ! -f $dir/build.ninja ]]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZOVA_FUZZ=ON -DZOVA_BUILD_UI=OFF -DZOVA_BUILD_TESTS=OFF -DZOVA_BUILD_BENCH=OFF
fi
cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]/%/_fuzzer}"

mkdir -p "$dir/findings"
status=0
for t in "${targets[@]}"; do
  # New inputs go to a scratch folder; the committed seeds stay as they are.
  work=$dir/corpus/$t
  mkdir -p "$work"
  dict=fuzz/dictionaries/numbers.dict
  [[ -f fuzz/dictionaries/$t.dict ]] && dict=fuzz/dictionaries/$t.dict
  echo "== fuzzing $t for ${seconds}s"
  if ! "$dir/fuzz/${t}_fuzzer" "$work" "fuzz/corpus/$t" -dict="$dict" -use_value_profile=1 \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=512 \
      -print_final_stats=1 -artifact_prefix="$dir/findings/$t-" 2>"$dir/$t.log"; then
    status=1
    tail -n 60 "$dir/$t.log"
    echo "!! $t: finding kept in $dir/findings/" >&2
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added|stat::peak_rss_mb)' "$dir/$t.log" || true
done
exit "$status"
