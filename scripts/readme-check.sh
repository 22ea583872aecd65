#!/bin/sh
# Keeps the README's getting-started section true.
#   readme-check.sh files   every code block preceded by "<!-- file: PATH -->"
#                           must equal that file of the repository
#   readme-check.sh run     runs the shell block preceded by
#                           "<!-- run: getting-started -->" from the repository
#                           root, exactly as written (CI does this)
set -eu
cd "$(dirname "$0")/.."
mode=${1:-files}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Writes each marked block to $tmp/blocks/N and its marker to $tmp/blocks/N.tag.
mkdir -p "$tmp/blocks"
awk -v dir="$tmp/blocks" '
    /^<!-- (file|run): .* -->$/ { tag = $0; sub(/^<!-- /, "", tag); sub(/ -->$/, "", tag); want = 1; next }
    want && /^```/ { n++; out = dir "/" n; print tag > (out ".tag"); printf "" > out; inblock = 1; want = 0; next }
    inblock && /^```$/ { inblock = 0; close(out); next }
    inblock { print >> out }
' README.md

failures=0
ran=0
for tagfile in "$tmp"/blocks/*.tag; do
    [ -e "$tagfile" ] || break
    block=${tagfile%.tag}
    tag=$(cat "$tagfile")
    case "$tag" in
        file:\ *)
            path=${tag#file: }
            [ "$mode" = files ] || continue
            if ! diff -u "$path" "$block" >"$tmp/diff"; then
                echo "readme-check: the README's copy of $path differs from the file:" >&2
                cat "$tmp/diff" >&2
                failures=$((failures + 1))
            fi
            ;;
        run:\ getting-started)
            [ "$mode" = run ] || continue
            echo "readme-check: running the README's getting-started commands"
            sh -eux "$block"
            ran=1
            ;;
    esac
done
if [ "$mode" = run ] && [ "$ran" = 0 ]; then
    echo "readme-check: the README has no getting-started block to run" >&2
    exit 1
fi
[ "$failures" = 0 ] || exit 1
[ "$mode" = files ] && echo "readme-check: the README's example files match examples/consumer"
exit 0
