#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for SECONDS
# (default 60), starting from the seed corpora in tests/fuzz/corpus. New
# inputs collect in the build folder; a crash leaves its input there
# (crash-*) and fails the script: keep it under tests/fuzz/regressions/ once
# the fault is mended, so that the suite replays it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build_dir="$here/build-fuzz"
bash "$here/scripts/deps.sh" --fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DT40_FUZZ=ON -DT40_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
targets=(fuzz_image fuzz_session fuzz_csv)
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
    name="${target#fuzz_}"
    work="$build_dir/corpus/$name"
    artifacts="$build_dir/artifacts/$name/"
    mkdir -p "$work" "$artifacts"
    echo "== $target for ${seconds} s"
    if ! "$build_dir/bin/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
            -artifact_prefix="$artifacts" "$work" "$here/tests/fuzz/corpus/$name" 2>"$build_dir/$target.log"; then
        tail -n 60 "$build_dir/$target.log"
        echo "$target: failed; the input is in $artifacts" >&2
        status=1
    else
        grep -E "^stat::number_of_executed_units|^Done" "$build_dir/$target.log" || true
    fi
done
exit $status
