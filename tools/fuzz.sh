#!/usr/bin/env bash
# Builds the fuzz targets with clang (in build-fuzz) and runs each for a bounded time, starting
# from its seed corpus in fuzz/corpus. What the fuzzer learns stays in build-fuzz, so a run never
# changes the repository; an input that breaks a target is saved in build-fuzz/findings and the
# run fails.
#   tools/fuzz.sh [SECONDS]   seconds for each target, 30 unless given
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-30}
"$root/tools/install-deps.sh" clang libclang-rt-14-dev

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTRAILCAM_TESTS=OFF -DTRAILCAM_SANITIZE=OFF -DTRAILCAM_FUZZ=ON
targets=(profile_fuzz settings_round_trip_fuzz)
cmake --build "$build" --target "${targets[@]}"

mkdir -p "$build/findings" "${targets[@]/#/$build/corpus/}"
# The shipped German texts are a seed of the reader too.
cp "$root/docs/trailcam-setup.de.ini" "$build/corpus/profile_fuzz/"
for target in "${targets[@]}"; do
    echo "== $target, $seconds s"
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" \
        "$root/fuzz/corpus/$target"
done
