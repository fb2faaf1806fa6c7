#!/usr/bin/env bash
# Builds Release in its own folder (build-bench/, or THERMAVO_BENCH_BUILD_DIR), runs every
# benchmark and prints one line per speed or memory target: name, measured median, target,
# ratio and "ok" or "over". Exits 0 either way: the figures inform, they never gate.
# Extra arguments go to Google Benchmark (e.g. --benchmark_filter=FinishInput).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
BUILD="${THERMAVO_BENCH_BUILD_DIR:-$ROOT/build-bench}"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTHERMAVO_BUILD_TESTS=OFF >/dev/null
TARGETS=(thermavo_bench thermavo_bench_variations thermavo-cli)
# The program's timings exist only when Qt was found.
if grep -q '^build bench/thermavo_bench_startup:' "$BUILD/build.ninja"; then
    TARGETS+=(thermavo_bench_startup)
fi
cmake --build "$BUILD" --parallel --target "${TARGETS[@]}"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# ---- Google Benchmark: five repetitions each, medians ----
JSON="$WORK/bench.json"
"$BUILD/bench/thermavo_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.1 --benchmark_out="$JSON" --benchmark_out_format=json "$@" \
    >"$WORK/bench.log" 2>&1 || { echo "thermavo_bench failed:"; cat "$WORK/bench.log"; }

# One line per benchmark: name, seconds (the median's real time), then the counters per_record,
# rss_per_project and sizeof_document ("-" where a benchmark has none). Google Benchmark's JSON
# puts every field on a line of its own.
touch "$JSON"
awk '
    function reset() { split("", v) }
    /^ *"[a-z_]+": / {
        key = $0; sub(/^ *"/, "", key); sub(/".*$/, "", key)
        val = $0; sub(/^ *"[a-z_]+": */, "", val); sub(/,$/, "", val); gsub(/"/, "", val)
        v[key] = val; next
    }
    /^ *}/ {
        if ("name" in v && "real_time" in v) {
            name = v["name"]
            if (name !~ /_(mean|stddev|cv|BigO|RMS)$/) {
                sub(/_median$/, "", name); sub(/\/iterations:.*$/, "", name)
                u = v["time_unit"]
                f = u == "ns" ? 1e-9 : u == "us" ? 1e-6 : u == "ms" ? 1e-3 : 1
                printf "%s %.9g %s %s %s\n", name, v["real_time"] * f,
                    ("per_record" in v) ? v["per_record"] : "-",
                    ("rss_per_project" in v) ? v["rss_per_project"] : "-",
                    ("sizeof_document" in v) ? v["sizeof_document"] : "-"
            }
        }
        reset()
    }' "$JSON" >"$WORK/medians"

field() { awk -v n="$1" -v c="$2" '$1 == n { print $c; exit }' "$WORK/medians"; }

# Seconds or bytes, readable.
human_time() { awk -v s="$1" 'BEGIN {
    if (s >= 1) printf "%.2f s", s; else if (s >= 1e-3) printf "%.2f ms", s * 1e3;
    else if (s >= 1e-6) printf "%.1f us", s * 1e6; else printf "%.0f ns", s * 1e9 }'; }
human_bytes() { awk -v b="$1" 'BEGIN {
    if (b >= 1048576) printf "%.2f MB", b / 1048576; else if (b >= 1024) printf "%.1f kB", b / 1024;
    else printf "%d B", b }'; }

# line NAME MEASURED_TEXT TARGET_TEXT MEASURED TARGET [NOTE]
line() {
    local status ratio
    if [ -z "$4" ] || [ "$4" = - ]; then
        printf '%-44s %12s   target %-10s %8s  %s\n' "$1" "not run" "$3" "-" "-"
        return
    fi
    if [ "$5" = - ]; then
        ratio=-; status=measured
    else
        ratio=$(awk -v m="$4" -v t="$5" 'BEGIN { printf "%.2f", m / t }')
        status=$(awk -v m="$4" -v t="$5" 'BEGIN { print (m <= t) ? "ok" : "over" }')
    fi
    printf '%-44s %12s   target %-10s %8s  %s%s\n' "$1" "$2" "$3" "$ratio" "$status" "${6:+  ($6)}"
}
timed() {  # timed LABEL BENCHMARK TARGET_SECONDS|- [NOTE]
    local s; s=$(field "$2" 2)
    line "$1" "$([ -n "$s" ] && human_time "$s")" \
        "$([ "$3" = - ] && echo - || echo "<= $(human_time "$3")")" "${s:--}" "$3" "${4:-}"
}

echo "Target                                       measured (median)   target     ratio   result"
timed "FinishInput (bench project)" BM_FinishInput 50e-6
for n in 1 8 64 512; do
    per=$(field "BM_FinishInputWindowRecords/$n" 3)
    timed "FinishInput, $n window records per side" "BM_FinishInputWindowRecords/$n" - \
        "$([ -n "$per" ] && echo "$(human_time "$per") per record")"
done
t64=$(field BM_FinishInputWindowRecords/64 2)
t512=$(field BM_FinishInputWindowRecords/512 2)
if [ -n "$t64" ] && [ -n "$t512" ]; then
    # Linear growth: eight times the records cost at most eight times as much (plus noise).
    # The marginal cost of a record: what the 448 further records a side add, per record.
    growth=$(awk -v a="$t64" -v b="$t512" 'BEGIN { printf "%.2f", b / a }')
    marginal=$(awk -v a="$t64" -v b="$t512" -v k=8 'BEGIN { print (b - a) / (448 * k) }')
    line "FinishInput growth, 64 -> 512 records" "x $growth" "<= x 8.8" "$growth" 8.8 \
        "linear: x 8; $(human_time "$marginal") per further record"
fi
timed "RecalcGeneralData + FinishInput, warm" BM_RecalcGeneralDataAndFinishInput_Warm 300e-6
timed "RecalcGeneralData + FinishInput, cold" BM_RecalcGeneralDataAndFinishInput_Cold - \
    "files read afresh"
timed "Save + load office .Spc, in memory" BM_SaveLoadSpc_Memory 1e-3
timed "Save + load office .Spc, through a file" BM_SaveLoadSpc_File 1e-3
timed "PopulateCityTree into the tree widget" BM_PopulateCityTree 20e-3
for kind in 1 101 200 201 202; do
    timed "Draw kind $kind, recording canvas" "BM_DrawKind_Recording/$kind" 5e-3
    timed "Draw kind $kind, QImage 1600x1000" "BM_DrawKind_QImage/$kind" 5e-3
done
rss=$(field BM_MemoryPerOpenProject 4)
line "Resident memory per open project" "$([ -n "$rss" ] && human_bytes "$rss")" "<= 2.00 MB" \
    "${rss:--}" 2097152 "20 copies of the example"
size=$(field BM_MemoryPerOpenProject 5)
line "sizeof(CQuarnDoc)" "$([ -n "$size" ] && human_bytes "$size")" - "${size:--}" -

# ---- The program: start-up and first paint, beside a bare Qt window ----
if [ -x "$BUILD/bench/thermavo_bench_startup" ]; then
    if "$BUILD/bench/thermavo_bench_startup" >"$WORK/startup" 2>"$WORK/startup.err"; then :; else
        cat "$WORK/startup.err"
    fi
    while read -r name seconds baseline; do
        case "$name" in
            StartToMainWindowShown) label="Start until main window shown"; target=0.5 ;;
            OpenExampleToFirstPaint) label="Open example until first paint"; target=0.1 ;;
            *) continue ;;
        esac
        line "$label" "$(human_time "$seconds")" "<= $(human_time "$target")" "$seconds" "$target" \
            "bare Qt window: $(human_time "$baseline")"
    done <"$WORK/startup"
fi

# ---- Batch: build + report 200 over 1,000 variations of the example, two at a time ----
COUNT=1000
"$BUILD/bench/thermavo_bench_variations" "$ROOT/examples/office.json" "$COUNT" "$WORK/batch" || exit 0
CLI="$BUILD/src/cli/thermavo-cli"
start=$(date +%s.%N)
find "$WORK/batch" -name '*.json' -print0 | xargs -0 -P2 -n1 sh -c '
    spc="${1%.json}.Spc"
    { "$0" build "$1" -o "$spc" && "$0" report "$spc" 200; } >"${1%.json}.txt" 2>&1 || touch "$1.failed"
' "$CLI"
end=$(date +%s.%N)
failed=$(find "$WORK/batch" -name '*.failed' | wc -l)
rate=$(awk -v n="$COUNT" -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", n / (b - a) }')
printf '%-44s %12s   target %-10s %8s  %s\n' "Batch build + report 200 (xargs -P2)" \
    "$rate/s" "-" "-" "$([ "$failed" = 0 ] && echo "measured ($COUNT projects)" || echo "$failed of $COUNT FAILED")"
if [ "$failed" != 0 ]; then
    f=$(find "$WORK/batch" -name '*.failed' | head -1)
    echo "First failure, ${f%.failed}:"
    cat "${f%.json.failed}.txt"
fi
exit 0
