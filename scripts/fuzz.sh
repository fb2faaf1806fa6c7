#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang into their own build folder and runs
# each in turn for SECONDS (default 60), one process at a time:
#   bash scripts/fuzz.sh [SECONDS] [HARNESS...]
# Each harness starts from its committed seeds (tests/fuzz/corpus/<name>/) and regressions; the
# corpus it grows stays in <build>/corpus/<name>/. Findings (the inputs of a crash-*, leak-*,
# timeout-* (over 60 s), oom-* (over 2 GB) or slow-unit-* (over 10 s)) go to
# <build>/findings/<name>/, the fuzzer's output to <build>/logs/<name>.log.
# After a finding the harness starts again for the rest of its time (up to 10 findings, and not
# when it fails on its seeds). Prints the executions and findings of every harness; exits 1
# when there was any finding.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SECONDS_EACH="${1:-60}"
if ! [[ "$SECONDS_EACH" =~ ^[0-9]+$ ]] || [ "$SECONDS_EACH" -lt 1 ]; then
    echo "usage: bash scripts/fuzz.sh [SECONDS] [HARNESS...]" >&2
    exit 2
fi
shift $(($# > 0 ? 1 : 0))
if [ $# -gt 0 ]; then
    HARNESSES=("$@")
else
    HARNESSES=(spc_roundtrip spc_views options csv_source dat_decode dat_recalc json_project)
fi

# The longest input worth trying: a project file is some 190 KB, the steam table 12.6 KB.
max_len() {
    case "$1" in
        spc_*) echo 262144 ;;
        options) echo 64 ;;
        dat_*) echo 16384 ;;
        *) echo 32768 ;;
    esac
}

ensure_packages "${BUILD_PACKAGES[@]}" "${CLANG_PACKAGES[@]}"

FUZZ_BUILD="${THERMAVO_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
# Neither Qt nor the tests are needed: only the core, the command-line tool (it builds the
# reference files) and the harnesses are built.
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTHERMAVO_FUZZ=ON -DTHERMAVO_BUILD_TESTS=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
cmake --build "$FUZZ_BUILD" --parallel --target "${HARNESSES[@]}" fuzz_replay

# A harness that fails cannot remove its temporary folder: keep those in the build folder.
export TMPDIR="$FUZZ_BUILD/tmp"
mkdir -p "$TMPDIR"
export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

summary=()
total_findings=0
for name in "${HARNESSES[@]}"; do
    corpus="$FUZZ_BUILD/corpus/$name"
    findings="$FUZZ_BUILD/findings/$name"
    log="$FUZZ_BUILD/logs/$name.log"
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    : >"$log"
    cp -n "$ROOT/tests/fuzz/corpus/$name/"* "$corpus/" 2>/dev/null || true
    seeds=("$corpus")
    [ -d "$ROOT/tests/fuzz/regressions/$name" ] && seeds+=("$ROOT/tests/fuzz/regressions/$name")
    options=()
    [ -f "$ROOT/tests/fuzz/$name.dict" ] && options+=(-dict="$ROOT/tests/fuzz/$name.dict")
    before=$(find "$findings" -type f | wc -l)
    executions=0
    end=$((SECONDS + SECONDS_EACH))
    runlog="$FUZZ_BUILD/logs/$name.run.log"
    while [ $((end - SECONDS)) -gt 0 ]; do
        status=0
        "$FUZZ_BUILD/tests/fuzz/$name" -max_total_time=$((end - SECONDS)) -max_len="$(max_len "$name")" \
            -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$findings/" "${options[@]}" "${seeds[@]}" >"$runlog" 2>&1 || status=$?
        cat "$runlog" >>"$log"
        run=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$runlog" | grep -o '[0-9]*$' || true)
        executions=$((executions + ${run:-0}))
        [ "$status" -eq 0 ] && break
        echo "$name: finding (exit $status), see $log" >&2
        # Failing on the seeds, it would only fail again; and ten findings are enough to fix.
        grep -q INITED "$runlog" || break
        [ $(($(find "$findings" -type f | wc -l) - before)) -ge 10 ] && break
    done
    rm -f "$runlog"
    found=$(($(find "$findings" -type f | wc -l) - before))
    total_findings=$((total_findings + found))
    summary+=("$(printf '%-14s %12d executions %4d findings' "$name" "$executions" "$found")")
done

echo
echo "Fuzzing, ${SECONDS_EACH} s a harness (findings in $FUZZ_BUILD/findings/):"
printf '  %s\n' "${summary[@]}"
[ "$total_findings" -eq 0 ]
