#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang into build-fuzz/ and runs each for the given seconds
# (default 30), all at once, each on a scratch copy of its seed corpus, so the
# repository's corpus stays as it is. Fails on any crash, sanitizer report, leak, timeout or
# round-trip mismatch; the input that found it is kept in the scratch folder named in the output,
# which is removed when all went well.
#   tools/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(board_record_fuzz hall_of_fame_fuzz help_file_fuzz)

if [ ! -f build-fuzz/build.ninja ]; then
  cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None >/dev/null
fi
cmake --build build-fuzz

scratch=$(mktemp -d /tmp/kastenzahl-fuzz.XXXXXX)
echo "Fuzzing ${targets[*]} for ${seconds} s each in $scratch"
pids=()
for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t/corpus" "$scratch/$t/artifacts"
  cp fuzz/corpus/"${t%_fuzz}"/* "$scratch/$t/corpus/"
  # Sanitizer reports end the run; a leak or a slow input counts as a finding too.
  TMPDIR="$scratch/$t" UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
    build-fuzz/"$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$scratch/$t/artifacts/" "$scratch/$t/corpus" >"$scratch/$t/log" 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  if wait "${pids[$i]}"; then
    echo "$t: $(grep -E '^#[0-9]+.*DONE' "$scratch/$t/log" | tail -1)"
    grep -E '^stat::number_of_executed_units' "$scratch/$t/log" || true
  else
    failed=1
    echo "$t FAILED; log and input in $scratch/$t:"
    tail -60 "$scratch/$t/log"
    ls -l "$scratch/$t/artifacts"
  fi
done
if ((failed == 0)); then
  rm -rf "$scratch"
fi
exit $failed
