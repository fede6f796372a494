#!/usr/bin/env bash
# Sends signals to batch runs in the middle of their saves, over every save path, and prints what
# became of the file: old, new or torn contents, files left beside it, and the exit status.
# After a SIGKILL the file is opened once more by a read-only run, which completes an interrupted
# in-place save from its journal and removes stale temporary files; the state after that is
# shown too. Usage: kill_matrix.sh path/to/qhe32 [MiB per file, default 256] [trials, default 2]
set -u
QHE32=$(realpath "$1")
MIB=${2:-256}
TRIALS=${3:-2}
WORK=$(mktemp -d "${TMPDIR:-/var/tmp}/qhe32-kill-XXXXXX")
trap 'chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
cd "$WORK" || exit 1
unset DISPLAY WAYLAND_DISPLAY
export QHE32_INI=$WORK/QHE32.INI XDG_STATE_HOME=$WORK/state
printf 'BITXOR FF $%X\n' $((MIB << 20)) >flip.qsc # every byte changes: new = old xor FF
printf 'ADR 0\nINSERT 00\nADR 0\nDEL 1\nADR 0\nBITXOR FF $%X\n' $((MIB << 20)) >pieces.qsc
printf 'ADR 0\n' >read.qsc
head -c $((MIB << 20)) /dev/urandom >master.orig
cp master.orig master.new
"$QHE32" master.new /s=flip.qsc # the expected result: every byte xor FF

# path: settings, script, how the file is prepared
setup() {
    rm -rf d state QHE32.INI
    mkdir d
    cp master.orig d/f.bin
    case $1 in
    rename) ;;                                     # loaded, temporary file and rename
    hardlink) ln d/f.bin d/g.bin ;;                # loaded, in place through the journal
    mapped-pages) printf '[Options]\r\nMapFromMB=1\r\n' >QHE32.INI ;; # changed pages in place
    streamed) printf '[Options]\r\nMapFromMB=1\r\n' >QHE32.INI ;;     # pieces streamed, renamed
    esac
}
script_of() { [ "$1" = streamed ] && echo pieces.qsc || echo flip.qsc; }
state_of() {
    if cmp -s d/f.bin master.orig; then echo old
    elif cmp -s d/f.bin master.new; then echo new
    else echo TORN; fi
}
left_of() { ls -A d | grep -v -x -e f.bin -e g.bin | wc -l; }

printf '%-13s %-7s %-9s %-6s %-5s %-5s %s\n' path signal "at ms" status file left "after next open"
now_ms() { date +%s%3N; }
for path in rename hardlink mapped-pages streamed; do
    # A run without a signal: how long the save takes from its first file beside the target, so
    # that the signals below fall anywhere in it, commit and in-place writing included.
    setup "$path"
    "$QHE32" d/f.bin /s="$(script_of "$path")" 2>/dev/null &
    pid=$!
    until [ "$(ls -A d | grep -c -v -x -e f.bin -e g.bin)" != 0 ] || ! kill -0 $pid 2>/dev/null; do :; done
    began=$(now_ms)
    wait $pid
    span=$(($(now_ms) - began + 1))
    [ "$(state_of)" = new ] || echo "$path: a run without a signal did not save"
    for signal in TERM INT HUP QUIT USR1 USR2 KILL; do
        for ((trial = 0; trial < TRIALS; ++trial)); do
            setup "$path"
            "$QHE32" d/f.bin /s="$(script_of "$path")" 2>/dev/null &
            pid=$!
            # The save has begun once a file appears beside the target.
            until [ "$(ls -A d | grep -c -v -x -e f.bin -e g.bin)" != 0 ] || ! kill -0 $pid 2>/dev/null; do :; done
            delay=$(((RANDOM * 32768 + RANDOM) % span))
            sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
            kill -s "$signal" $pid 2>/dev/null
            wait $pid 2>/dev/null
            status=$?
            file=$(state_of)
            left=$(left_of)
            after=-
            if [ "$signal" = KILL ]; then
                "$QHE32" d/f.bin /s=read.qsc >/dev/null 2>&1
                after="$(state_of), $(left_of) left"
            fi
            printf '%-13s %-7s %-9s %-6s %-5s %-5s %s\n' "$path" "$signal" "$delay/$span" "$status" "$file" "$left" "$after"
        done
    done
done
