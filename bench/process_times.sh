#!/usr/bin/env bash
# Whole-process timings of trochix-batch: the example run with a transform, and opening,
# saving and exporting a model at a step of 0.25 degree. Prints the CPU time of each (perf's
# task clock, when perf is there) and the median wall time of RUNS runs (default 21).
#   bench/process_times.sh build/release/trochix-batch [RUNS]
set -euo pipefail
batch=$1
runs=${2:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$batch" --example 5 --step 0.25 --recalc --save "$work/model.cam" 2>/dev/null

measure() {
    local cpu="" times=()
    if command -v perf >/dev/null; then
        cpu=$(perf stat -r "$runs" -x, -e task-clock "$@" 2>&1 >/dev/null |
              awk -F, '/task-clock/ {printf "%6.1f ms CPU, ", $1}')
    fi
    for ((i = 0; i < runs; i++)); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n |
        awk -v n="$runs" -v cpu="$cpu" \
            'NR == int(n / 2) + 1 {printf "%s%6.1f ms wall\n", cpu, $1 / 1000}'
}

model="$work/model.cam"
echo "example 5, step .25, recalc, fft:$(measure "$batch" --example 5 --step 0.25 --recalc \
                                            --fft 3 --fft-out "$work/fft.txt")"
echo "open the .25 model:              $(measure "$batch" --open "$model")"
echo "open and save it:                $(measure "$batch" --open "$model" --save "$work/s.cam")"
echo "open and export all:             $(measure "$batch" --open "$model" --export-all "$work/a")"
