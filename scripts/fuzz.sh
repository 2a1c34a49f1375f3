#!/bin/sh
# Runs each fuzz target of a libFuzzer build folder for FUZZ_SECONDS seconds
# (60 unless set), FUZZ_JOBS targets at a time (1 unless set; the machine
# may have other work), and prints per target the executions and the
# findings. FUZZ_TARGETS picks targets by name (all unless set).
#
# Each target starts from the seed folders its build lists in
# fuzz/<target>.seeds, read in place, with the libFuzzer options of
# fuzz/<target>.options; inputs libFuzzer finds new go to
# <build>/fuzz-corpus/<target>, findings to <build>/fuzz-findings/<target>,
# the log to <build>/fuzz-logs/<target>.log. A finding stops its target;
# keep the input in fuzz/regressions/<target>/ once it is fixed.
set -eu
BUILD_DIR=${1:-build-fuzz}
SECONDS_EACH=${FUZZ_SECONDS:-60}
JOBS=${FUZZ_JOBS:-1}
TARGETS=${FUZZ_TARGETS:-$(cd "$BUILD_DIR/fuzz" && ls *.seeds | sed 's/\.seeds$//')}

run_target() {
    name=$1
    corpus="$BUILD_DIR/fuzz-corpus/$name"
    findings="$BUILD_DIR/fuzz-findings/$name"
    mkdir -p "$corpus" "$findings" "$BUILD_DIR/fuzz-logs"
    # The first folder takes what libFuzzer finds; the seeds stay untouched.
    # Qt keeps caches for the life of the process: leaks are not looked for.
    touch "$BUILD_DIR/fuzz-logs/$name.start"
    start=$(date +%s)
    # shellcheck disable=SC2046
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        "$BUILD_DIR/fuzz/$name" -max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=4096 \
        -print_final_stats=1 $(cat "$BUILD_DIR/fuzz/$name.options") -artifact_prefix="$findings/" \
        "$corpus" $(cat "$BUILD_DIR/fuzz/$name.seeds") >"$BUILD_DIR/fuzz-logs/$name.log" 2>&1 || true
    echo $(($(date +%s) - start)) >"$BUILD_DIR/fuzz-logs/$name.seconds"
}

report() {
    name=$1
    log="$BUILD_DIR/fuzz-logs/$name.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    # A finding stops the target before its final figures: take the last status line.
    [ -n "$runs" ] || runs=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$log" | tail -1)
    time=$(cat "$BUILD_DIR/fuzz-logs/$name.seconds")
    found=$(find "$BUILD_DIR/fuzz-findings/$name" -type f -newer "$BUILD_DIR/fuzz-logs/$name.start" | wc -l)
    echo "$name: ${runs:-?} executions in ${time:-?} s, $found finding(s) in $BUILD_DIR/fuzz-findings/$name"
    grep -m1 -E "^(==[0-9]+==ERROR|Property broken|.*runtime error)" "$log" || true
}

running=0
for name in $TARGETS; do
    run_target "$name" &
    running=$((running + 1))
    if [ "$running" -ge "$JOBS" ]; then
        wait
        running=0
    fi
done
wait
for name in $TARGETS; do
    report "$name"
done
