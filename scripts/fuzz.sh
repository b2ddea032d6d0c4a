#!/usr/bin/env bash
# Builds the fuzz targets with clang (installing what is missing) and runs each for SECONDS
# (default 60), seeded with the five example models at every step. A finding stops the run
# with status 1; its input is left in build/fuzz/findings/ to be added to
# tests/fuzz-regressions/ (model/ or number/), where the tests replay it.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" fuzz
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
      -DTROCHIX_FUZZ=ON -DTROCHIX_UI=OFF -DTROCHIX_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_model_file fuzz_number_text trochix-batch

# Seeds made afresh: every example at every step, and their distinct lines for the numbers.
seeds="$build/seeds"
rm -rf "$seeds" "$build/findings"
mkdir -p "$seeds/model" "$seeds/number" "$build/corpus/model" "$build/corpus/number" \
         "$build/findings"
for n in 1 2 3 4 5; do
    for step in 1 0.5 0.25; do
        "$build/trochix-batch" --example "$n" --recalc --step "$step" \
            --save "$seeds/model/example$n-$step.cam" 2>/dev/null
    done
done
cat "$seeds"/model/*.cam | tr -d '\r' | sort -u | awk 'NR <= 2000' |
    split -l 1 -a 4 - "$seeds/number/line-"
for kind in model number; do
    # Each file of the regression folder is a seed too, so a mended finding stays covered.
    if [[ -d "$root/tests/fuzz-regressions/$kind" ]]; then
        cp "$root/tests/fuzz-regressions/$kind"/* "$seeds/$kind"/ 2>/dev/null || true
    fi
done

status=0
for kind in model number; do
    target=fuzz_${kind}_file
    [[ $kind == number ]] && target=fuzz_number_text
    echo "== $target for $seconds s"
    if ! "$build/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
            -max_len=300000 -print_final_stats=1 -artifact_prefix="$build/findings/$kind-" \
            "$build/corpus/$kind" "$seeds/$kind" 2>"$build/$target.log"; then
        tail -n 40 "$build/$target.log" >&2
        echo "$target found a fault; its input is in $build/findings/" >&2
        status=1
    else
        grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" || true
    fi
done
exit $status
