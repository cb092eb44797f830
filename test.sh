#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds the test build with
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test
ctest --preset test
