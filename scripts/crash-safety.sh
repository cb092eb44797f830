#!/usr/bin/env bash
# Kills a saving child process many more times than the test suite does.
# Usage: scripts/crash-safety.sh [KILLS] [BUILD_DIR]   (default 5000, build-dev)
set -euo pipefail
cd "$(dirname "$0")/.."
kills="${1:-5000}"
build="${2:-build-dev}"
ZEV_KILLS="$kills" "$build/bin/storage_tests" --gtest_filter='CrashSafety.*'
