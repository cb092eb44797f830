#!/usr/bin/env bash
# The libFuzzer targets, built with clang in build-fuzz.
#   scripts/fuzz.sh build                 configure and build every target
#   scripts/fuzz.sh run TARGET SECONDS    run one target for a time (corpus grows in build-fuzz/corpus/TARGET)
#   scripts/fuzz.sh check [RUNS]          build, then run each target over its seeds plus RUNS inputs (default 3000)
# Exit status 77 when clang is missing (the test suite counts that as skipped).
set -euo pipefail
cd "$(dirname "$0")/.."

TARGETS=(fuzz_area_file fuzz_settings fuzz_catalogue fuzz_xml_schule fuzz_xml_lehrer fuzz_xml_klassen fuzz_xml_schueler)
CLANG="${CLANG:-clang++-14}"
BUILD="${ZEV_FUZZ_BUILD:-build-fuzz}"

bauen() {
    if ! command -v "$CLANG" >/dev/null; then
        echo "fuzz: $CLANG fehlt (scripts/setup.sh installiert clang-14 und libclang-rt-14-dev)" >&2
        exit 77
    fi
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$CLANG" \
        -DZEV_FUZZ=ON -DZEV_TESTS=OFF -DZEV_BENCH=OFF -DZEV_GUI=OFF >/dev/null
    cmake --build "$BUILD" -j 2 --target "${TARGETS[@]}"
}

# The working corpus of a target: its seeds from tests/fuzz/corpus, then what runs found.
korpus() {
    local t="$1"
    mkdir -p "$BUILD/corpus/$t"
    echo "$BUILD/corpus/$t"
}

case "${1:-}" in
    build) bauen ;;
    run)
        t="${2:?Ziel fehlt}"
        sekunden="${3:?Sekunden fehlen}"
        [ -x "$BUILD/bin/$t" ] || bauen
        nice -n 19 "$BUILD/bin/$t" -max_total_time="$sekunden" -print_final_stats=1 -timeout=60 -rss_limit_mb=2048 \
            -artifact_prefix="$BUILD/" "$(korpus "$t")" "tests/fuzz/corpus/$t"
        ;;
    check)
        runs="${2:-3000}"
        bauen
        for t in "${TARGETS[@]}"; do
            echo "== $t"
            # Every seed once, then a few thousand mutations; any crash fails. New finds go
            # to a scratch folder, never into the seeds.
            neu="$(mktemp -d)"
            status=0
            nice -n 19 "$BUILD/bin/$t" -runs="$runs" -seed=1 -timeout=60 -rss_limit_mb=2048 -artifact_prefix="$BUILD/" \
                "$neu" "tests/fuzz/corpus/$t" || status=$?
            rm -rf "$neu"
            [ "$status" -eq 0 ] || exit "$status"
        done
        ;;
    *)
        sed -n '2,6p' "$0" >&2
        exit 2
        ;;
esac
