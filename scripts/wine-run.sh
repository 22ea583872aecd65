#!/bin/sh
# Runs a Windows executable in the project's own Wine prefix (never ~/.wine).
# Usage: wine-run.sh [--prefix DIR] [--display] program.exe [args...]
#   --prefix DIR  the prefix (default: build/mingw64/wineprefix)
#   --display     use Wine's X11 driver (a second prefix, DIR-x11) instead of the null driver
# The prefix is created on first use with the null graphics driver, so windows,
# messages and painting work without an X server.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
prefix="$here/../build/mingw64/wineprefix"
display=0
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) prefix=$2; shift 2 ;;
        --display) display=1; shift ;;
        *) break ;;
    esac
done
[ $# -ge 1 ] || { echo "usage: wine-run.sh [--prefix DIR] [--display] program.exe [args...]" >&2; exit 2; }

[ "$display" = 1 ] && prefix="$prefix-x11"
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
# No Mono or Gecko: there is no network, and nothing here needs them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=;winemenubuilder.exe=}"

# Wine links the prefix user's Documents, Desktop, Music, ... to the home
# folder. Those links become real folders inside the prefix, so nothing a test
# or the gallery writes there leaves the build tree. Checked on every run
# (cheap): a prefix made before this rule, or one Wine updates, may carry the
# links again. A marker file keeps each folder non-empty, so that Wine's
# prefix update leaves it a folder instead of linking it again.
own_user_folders() {
    for link in "$prefix"/drive_c/users/*/*; do
        [ -L "$link" ] || continue
        case "$(readlink -f "$link")" in
            "$prefix"/*) continue ;;
        esac
        rm -f "$link" && mkdir -p "$link" && : >"$link/.quillon-keep"
    done
}

# First use: create the prefix once, under a lock so parallel tests wait for it.
if [ ! -f "$prefix/.quillon-ready" ]; then
    (
        flock 9
        if [ ! -f "$prefix/.quillon-ready" ]; then
            echo "wine-run: creating Wine prefix $prefix" >&2
            DISPLAY= wineboot -i >/dev/null 2>&1 || true
            if [ "$display" = 1 ]; then
                wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
            else
                wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
            fi
            wineserver -w
            touch "$prefix/.quillon-ready"
        fi
    ) 9>"$prefix/.lock"
fi
(
    flock 9
    own_user_folders
) 9>"$prefix/.lock"

exec wine "$@"
