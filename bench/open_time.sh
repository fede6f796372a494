#!/usr/bin/env bash
# Launch until the caption names the file: a 1 TiB sparse file against an empty start, under the
# X display $DISPLAY (Xvfb), best of N runs each, with the resident memory once the window is up.
#   bash bench/open_time.sh build/src/app/qhe32 [N]
set -euo pipefail
program=$(realpath "$1"); runs=${2:-5}
dir=$(mktemp -d /var/tmp/qhe32-open-XXXXXX); trap 'rm -rf "$dir"' EXIT
truncate -s 1T "$dir/huge.img"
export QHE32_INI=$dir/qhe32.ini
measure() { # caption, arguments...
    local caption=$1 best=999999 rss=0; shift
    for _ in $(seq "$runs"); do
        local start end pid
        start=$(date +%s%N)
        "$program" "$@" >/dev/null 2>&1 & pid=$!
        # xdotool's own --sync polls only twice a second.
        until xdotool search --name "^$caption\$" >/dev/null 2>&1; do :; done
        end=$(date +%s%N)
        rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
        kill "$pid"; wait "$pid" 2>/dev/null || true
        local ms=$(( (end - start) / 1000000 ))
        (( ms < best )) && best=$ms
    done
    printf '%-28s best %5d ms   RSS %7d KiB\n' "$caption" "$best" "$rss"
}
measure "QHE32"
measure "QHE32 - huge.img" "$dir/huge.img"
