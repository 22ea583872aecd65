#!/bin/sh
# Runs the gallery. With a DISPLAY (and no --screenshots) it opens the window
# through Wine's X11 driver, in a prefix of its own; otherwise it renders every
# page to a PNG in DIR (default build/gallery) and prints each path, and then
# the MDI sample's frame in each background mode (DIR/mdi-<mode>.png).
# Usage: gallery.sh BUILD_DIR [--screenshots [DIR]]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1; shift
exe="$build/bin/gallery.exe"
[ -f "$exe" ] || { echo "gallery.sh: $exe is not built" >&2; exit 1; }

shots=0
dir="$here/../build/gallery"
if [ "${1:-}" = "--screenshots" ]; then
    shots=1
    [ -n "${2:-}" ] && dir=$2
fi
[ -z "${DISPLAY:-}" ] && shots=1

if [ "$shots" = 0 ]; then
    exec "$here/wine-run.sh" --prefix "$build/wineprefix" --display "$exe"
fi

mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
# Wine maps the Unix root to drive Z:, so the path needs no winepath (which
# would otherwise look at ~/.wine).
windir="Z:$(printf '%s' "$dir" | tr '/' '\\')"
unixpaths() {
    tr -d '\r' | while IFS= read -r line; do
        case "$line" in
            Z:*) printf '%s\n' "$line" | cut -c3- | tr '\\' '/' ;;
            *) printf '%s\n' "$line" ;;
        esac
    done
}
"$here/wine-run.sh" --prefix "$build/wineprefix" "$exe" --screenshots "$windir" | unixpaths
mdi="$build/bin/mdi_sample.exe"
if [ -f "$mdi" ]; then
    "$here/wine-run.sh" --prefix "$build/wineprefix" "$mdi" --screenshots "$windir" | unixpaths
fi
