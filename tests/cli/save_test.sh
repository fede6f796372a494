#!/usr/bin/env bash
# Saves of batch runs: large (mapped) files, refusals that must leave the file exactly as it
# was, and the exit status under signals. Usage: save_test.sh path/to/qhe32
set -u
source "$(dirname "$0")/lib.sh" "$1"
export XDG_STATE_HOME=$WORK/state

# Files from 1 MiB on are mapped.
printf '[Options]\r\nMapFromMB=1\r\n' >"$QHE32_INI"
# Nothing but the named files in the folder: no temporary file, no journal left.
only() {
    local left
    left=$(ls -A | grep -v -x -e QHE32.INI -e out -e err -e '.*\.qsc' -e state "${@/#/-e}")
    [ -z "$left" ] || fail "files left behind: $left"
}

# An insert into a large file with a second name cannot be saved in place (its bytes would be
# read after being overwritten): status 3, and the file untouched, its length included.
head -c 2097152 /dev/urandom >big.bin
ln big.bin link.bin
cp big.bin big.orig
printf 'ADR 0\nINSERT 4E 45 57\n' >insert.qsc
expect 3 "refused in-place save" -- big.bin /s=insert.qsc
cmp -s big.orig big.bin || fail "refused in-place save: file changed (size $(stat -c %s big.bin))"
grep -q "big.bin" err || fail "refused in-place save: stderr '$(cat err)'"
only big.bin link.bin big.orig

# An overwrite in a large sparse file is saved as the window saves it: the changed page in
# place, the same inode, the holes kept.
truncate -s 64M sparse.bin
inode=$(stat -c %i sparse.bin)
printf 'ADR $1000000\nOVERWRITE 4E 45 57\n' >overwrite.qsc
expect 0 "in-place page save" -- sparse.bin /s=overwrite.qsc
[ "$(stat -c %i sparse.bin)" = "$inode" ] || fail "in-place page save: a new file"
[ "$(stat -c %s sparse.bin)" = 67108864 ] || fail "in-place page save: size $(stat -c %s sparse.bin)"
[ "$(od -An -tx1 -j 16777216 -N 3 sparse.bin | tr -d ' ')" = 4e4557 ] || fail "in-place page save: bytes"
[ "$(stat -c %b sparse.bin)" -lt 1024 ] || fail "in-place page save: $(stat -c %b sparse.bin) blocks"
only big.bin link.bin big.orig sparse.bin

rm -f "$QHE32_INI"

# SIGTERM the moment the program starts, before it has read anything (sent while the signal is
# blocked, so it is pending when the program begins): its own status 143, not death by the
# signal, and the file untouched. perl tells the two apart.
printf 'old contents' >small.bin
printf 'OVERWRITE 00\n' >write.qsc
for signal in TERM HUP QUIT USR1; do
    how=$(perl -MPOSIX -e 'my $set = POSIX::SigSet->new(SIG'$signal'); sigprocmask(SIG_BLOCK, $set);
                   my $pid = fork; if (!$pid) { exec @ARGV; exit 127 }
                   sigprocmask(SIG_UNBLOCK, $set); kill "'$signal'", $pid; waitpid($pid, 0);
                   print(($? & 127) ? "signal " . ($? & 127) : "exit " . ($? >> 8))' \
        "$QHE32" small.bin /s=write.qsc 2>/dev/null)
    want=$((128 + $(kill -l "$signal")))
    [ "$how" = "exit $want" ] || fail "SIG$signal at start: $how"
done
[ "$(cat small.bin)" = "old contents" ] || fail "SIGTERM at start: file written"

finish
