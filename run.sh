#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh default
exec build/bin/zev dump tests/data/Lehrer.ZEV
