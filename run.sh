#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds the programs and starts
# zev-manager. Arguments are passed on (e.g. --home ORDNER).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt)."
    echo "Starten Sie das Programm an einem Bildschirm mit:  build/bin/zev-manager"
    echo "oder ohne Bildschirm unter Xvfb mit:               xvfb-run -s '-screen 0 1280x800x24' build/bin/zev-manager"
    exit 1
fi
exec build/bin/zev-manager "$@"
