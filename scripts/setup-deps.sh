#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing,
# so that a second run does no package work at all.
set -eu

PACKAGES="cmake ninja-build make g++ clang libclang-rt-14-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 fonts-wine googletest locales"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "setup-deps: installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
# An index error for one suite (a mirror being refreshed) must not stop the set-up.
$SUDO apt-get update || echo "setup-deps: apt-get update reported an error; continuing with the indexes we have"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
