#!/bin/bash
# Builds the Debian package from this build folder and checks its shape: the
# files where Debian and the programs expect them, the control fields, and that
# the unpacked programs work from the installed layout (the first run fills the
# user's folder from /usr/share/zev-manager/catalogues).
# Usage: deb_package.sh BUILDDIR SOURCEDIR VERSION GUI(ON|OFF) APPSTREAM-ID
set -euo pipefail
build=$1 source=$2 version=$3 gui=$4 id=$5

for werkzeug in cpack dpkg-deb dpkg dpkg-shlibdeps appstreamcli; do
    if ! command -v "$werkzeug" >/dev/null; then
        echo "SKIP: $werkzeug fehlt (scripts/setup.sh installiert es)"
        exit 77
    fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
falsch() {
    echo "FEHLER: $*"
    fehler=1
}

if ! (cd "$build" && cpack -G DEB -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1); then
    cat "$tmp/cpack.log"
    exit 1
fi
deb=("$tmp"/pkg/*.deb)
if [ ${#deb[@]} -ne 1 ] || [ ! -f "${deb[0]}" ]; then
    cat "$tmp/cpack.log"
    echo "FEHLER: nicht genau ein Paket: ${deb[*]}"
    exit 1
fi
deb=${deb[0]}
echo "Paket: $(basename "$deb")"

# --- contents ---------------------------------------------------------------
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$tmp/inhalt"
erwartet=(
    /usr/bin/zev
    /usr/share/zev-manager/schema/Schule.xsd
    /usr/share/zev-manager/schema/Lehrer.xsd
    /usr/share/zev-manager/schema/Klassen.xsd
    /usr/share/zev-manager/schema/Schueler.xsd
    /usr/share/man/man1/zev.1.gz
    /usr/share/doc/zev-manager/copyright
    /usr/share/doc/zev-manager/README.md
    /usr/share/doc/zev-manager/handbuch.md
)
if [ "$gui" = ON ]; then
    erwartet+=(
        /usr/bin/zev-manager
        /usr/share/applications/zev-manager.desktop
        /usr/share/icons/hicolor/scalable/apps/zev-manager.svg
        "/usr/share/metainfo/$id.metainfo.xml"
        /usr/share/man/man1/zev-manager.1.gz
    )
fi
# The guide with every picture it shows.
for f in $(grep -o '([a-z0-9-]*\.png)' "$source/docs/handbuch.md" | tr -d '()' | sort -u); do
    erwartet+=("/usr/share/doc/zev-manager/$f")
done
for f in "$source"/data/catalogues/Katalog*.csv; do
    erwartet+=("/usr/share/zev-manager/catalogues/$(basename "$f")")
done
for pfad in "${erwartet[@]}"; do
    grep -qxF "$pfad" "$tmp/inhalt" || falsch "$pfad fehlt im Paket"
done
if grep -E '^/usr/bin/.*\.csv$' "$tmp/inhalt"; then falsch "Kataloge in /usr/bin"; fi
if grep -vE '^/usr/' "$tmp/inhalt"; then falsch "Dateien außerhalb von /usr"; fi

# --- control fields -----------------------------------------------------------
feld() { dpkg-deb -f "$deb" "$1"; }
[ "$(feld Package)" = zev-manager ] || falsch "Package: $(feld Package)"
[ "$(feld Version)" = "$version" ] || falsch "Version: $(feld Version), erwartet $version"
[ "$(feld Section)" = education ] || falsch "Section: $(feld Section)"
[[ "$(feld Maintainer)" =~ ^[^\<]+\ \<[^\>]+@[^\>]+\>$ ]] || falsch "Maintainer: $(feld Maintainer)"
depends=$(feld Depends)
[[ "$depends" == *libexpat1* ]] || falsch "Depends ohne libexpat1: $depends"
[[ "$depends" == *libxml2* ]] || falsch "Depends ohne libxml2: $depends"
[[ "$depends" == *libstdc++6* ]] || falsch "Depends ohne libstdc++6: $depends"
if [ "$gui" = ON ]; then [[ "$depends" == *libqt6* ]] || falsch "Depends ohne libqt6: $depends"; fi
[ "$(feld Description | wc -l)" -ge 3 ] || falsch "Description ohne lange Beschreibung: $(feld Description)"

# --- the unpacked programs ----------------------------------------------------
dpkg -x "$deb" "$tmp/root"
bin=$tmp/root/usr/bin
mkdir "$tmp/home"
lauf() { env -u XDG_DATA_HOME -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp/home" "$@"; }

[ "$(lauf "$bin/zev" --version)" = "zev $version" ] || falsch "zev --version: $(lauf "$bin/zev" --version)"
if [ -e "$tmp/home/.local" ]; then falsch "zev --version hat den Benutzer-Ordner angelegt"; fi

# Without HOME there is no folder to fill: a message, status 3, nothing written.
status=0
env -u HOME -u XDG_DATA_HOME "$bin/zev" demo >"$tmp/ohne-home.out" 2>&1 || status=$?
[ "$status" -eq 3 ] || falsch "zev demo ohne HOME: Rückgabewert $status statt 3"
grep -qx 'Fehler: Der Programm-Ordner kann nicht bestimmt werden!' "$tmp/ohne-home.out" ||
    falsch "zev demo ohne HOME: $(cat "$tmp/ohne-home.out")"
if [ -e "$tmp/root/usr/share/zev-manager/catalogues/Daten" ]; then falsch "zev demo ohne HOME hat geschrieben"; fi

status=0
lauf "$bin/zev" demo >"$tmp/demo.out" 2>&1 || status=$?
[ "$status" -eq 0 ] || { cat "$tmp/demo.out"; falsch "zev demo: Rückgabewert $status"; }
ordner=$tmp/home/.local/share/zev-manager
for f in "$tmp"/root/usr/share/zev-manager/catalogues/Katalog*.csv; do
    cmp -s "$f" "$ordner/$(basename "$f")" || falsch "$(basename "$f") nicht in $ordner kopiert"
done
[ -f "$ordner/Daten/Schule.ZEV" ] || falsch "zev demo hat $ordner/Daten/Schule.ZEV nicht geschrieben"

# The demonstration school has deliberate findings: 1 is the expected verdict.
status=0
lauf "$bin/zev" check schule >"$tmp/check.out" 2>&1 || status=$?
[ "$status" -eq 1 ] || { cat "$tmp/check.out"; falsch "zev check schule: Rückgabewert $status statt 1"; }
grep -q '^Gesamt-Test-Ergebnis: ' "$tmp/check.out" || falsch "zev check schule ohne Gesamt-Ergebnis"

if [ "$gui" = ON ]; then
    # Without any display: --version must answer before Qt looks for one.
    [ "$(lauf "$bin/zev-manager" --version)" = "zev-manager $version" ] ||
        falsch "zev-manager --version: $(lauf "$bin/zev-manager" --version 2>&1)"
    metainfo=$tmp/root/usr/share/metainfo/$id.metainfo.xml
    appstreamcli validate --no-net "$metainfo" >"$tmp/as.out" 2>&1 || { cat "$tmp/as.out"; falsch "appstreamcli validate"; }
    grep -q "<release version=\"$version\"" "$metainfo" || falsch "metainfo ohne <release version=\"$version\">"
    grep -qF '<launchable type="desktop-id">zev-manager.desktop</launchable>' "$metainfo" ||
        falsch "metainfo ohne launchable zev-manager.desktop"
    if command -v desktop-file-validate >/dev/null; then
        desktop=$tmp/root/usr/share/applications/zev-manager.desktop
        ausgabe=$(desktop-file-validate "$desktop" 2>&1) || falsch "desktop-file-validate"
        [ -z "$ausgabe" ] || falsch "desktop-file-validate: $ausgabe"
    fi
fi

[ "$fehler" -eq 0 ] && echo "ok: $(wc -l <"$tmp/inhalt") Einträge, Depends: $depends"
exit "$fehler"
