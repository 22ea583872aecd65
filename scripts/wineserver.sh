#!/bin/sh
# Starts (start) or stops (stop) a persistent wineserver for the project's
# prefix: with it running, a test process starts in about 0.1 s instead of 3 s.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
prefix="${2:-$here/../build/mingw64/wineprefix}"
case "${1:-}" in
    start)
        # Make sure the prefix exists first (wine-run.sh creates it under a lock).
        "$here/wine-run.sh" --prefix "$prefix" cmd /c exit 0 >/dev/null 2>&1 || true
        # An already running server for this prefix is just as good.
        WINEPREFIX=$(cd "$prefix" && pwd) wineserver -p 2>/dev/null || true ;;
    stop)
        [ -d "$prefix" ] && WINEPREFIX=$(cd "$prefix" && pwd) wineserver -k 2>/dev/null || true ;;
    *) echo "usage: wineserver.sh start|stop [PREFIX]" >&2; exit 2 ;;
esac
