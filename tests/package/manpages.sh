#!/bin/sh
# The manual pages as installed (gzipped) render without a single groff warning,
# and zev(1) describes every command that `zev --help` lists.
# Usage: manpages.sh ZEV MANDIR PAGE...
set -eu
zev=$1 mandir=$2
shift 2

if ! command -v groff >/dev/null; then
    echo "SKIP: groff fehlt (Paket groff-base)"
    exit 77
fi

fehler=0
for seite in "$@"; do
    gz="$mandir/$seite.1.gz"
    if [ ! -f "$gz" ]; then
        echo "FEHLT: $gz"
        fehler=1
        continue
    fi
    warnungen=$(gzip -dc "$gz" | groff -K utf8 -man -Tutf8 -ww -z 2>&1)
    if [ -n "$warnungen" ]; then
        echo "WARNUNG in $seite(1):"
        echo "$warnungen"
        fehler=1
    fi
done

# The command names: the first word of each line between "Befehle:" and the next empty line.
befehle=$("$zev" --help | sed -n '/^Befehle:$/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
if [ -z "$befehle" ]; then
    echo "zev --help nennt keine Befehle"
    exit 1
fi
for b in $befehle; do
    if ! gzip -dc "$mandir/zev.1.gz" | grep -Eq "^\.SS \"?$b( |\"|\$)"; then
        echo "zev(1) beschreibt den Befehl \"$b\" nicht (.SS $b ...)"
        fehler=1
    fi
done
[ "$fehler" -eq 0 ] && echo "ok: $* ($(echo $befehle))"
exit "$fehler"
