#!/usr/bin/env bash
# qhe32 --compare on real files: files of /proc and /sys, sparse files, a file cut short
# while it is compared, --max-diffs and the one-line error messages.
set -u
source "$(dirname "$0")/lib.sh" "$1"

printf 'MZ\x90\x00ABCDxABCD' >orig.bin
printf 'MZ\x91\x00ABCDxABCE' >other.bin

# --max-diffs in both forms; when it cuts the list, standard error says more follow.
for form in "--max-diffs=1" "--max-diffs 1"; do
    # shellcheck disable=SC2086
    expect 1 "$form" -- --compare orig.bin other.bin $form
    [ "$(cat out)" = "00000002 00000002 1 1 90 91" ] || fail "$form: stdout '$(cat out)'"
    grep -q -- "--max-diffs" err || fail "$form: no note that more differences follow: '$(cat err)'"
done
expect 1 "--max-diffs=2" -- --compare orig.bin other.bin --max-diffs=2
[ "$(wc -l <out)" = 2 ] && [ ! -s err ] || fail "--max-diffs=2: '$(cat out err)'"

# A file that cannot be opened: which side, the path as given, the reason, in one line.
mkdir -p x
expect 2 "missing B" -- --compare orig.bin x/fw.bin
[ "$(wc -l <err)" = 1 ] && grep -q "^qhe32: B: x/fw.bin: ." err || fail "missing B: stderr '$(cat err)'"
expect 2 "folder A" -- --compare x orig.bin
[ "$(wc -l <err)" = 1 ] && grep -q "^qhe32: A: x: ." err || fail "folder A: stderr '$(cat err)'"

# Files of /proc (size 0) and /sys (size 4096, fewer bytes) are read as streams.
cat /proc/version >version.txt
expect 0 "/proc" -- --compare /proc/version version.txt
[ ! -s out ] || fail "/proc: stdout '$(cat out)'"
sysfile=/sys/kernel/mm/transparent_hugepage/enabled
if [ -r "$sysfile" ]; then
    cat "$sysfile" >sys.txt
    expect 0 "/sys" -- --compare sys.txt "$sysfile"
    [ ! -s out ] || fail "/sys: stdout '$(cat out)'"
fi

# Sparse files: holes level on both sides pass unread; data against a hole is compared.
truncate -s 1G sparse-a.bin sparse-b.bin
printf 'x' | dd of=sparse-a.bin bs=1 seek=536870912 conv=notrunc status=none
printf 'y' | dd of=sparse-b.bin bs=1 seek=536870912 conv=notrunc status=none
printf 'z' | dd of=sparse-b.bin bs=1 seek=805306368 conv=notrunc status=none
expect 1 "sparse" -- --compare sparse-a.bin sparse-b.bin
printf '20000000 20000000 1 1 78 79\n30000000 30000000 1 1 00 7a\n' >want
cmp -s want out || fail "sparse: stdout '$(cat out)'"

# B cut short while it is compared: nothing is listed from its lost pages, the status is 2
# and the message names B. Both files differ in every second byte; the reader stops after
# the first line, so the compare waits on its output until B has been cut.
printf '\x00\x01' >a.bin
printf '\x00\x02' >b.bin
for _ in $(seq 23); do
    cat a.bin a.bin >t && mv t a.bin
    cat b.bin b.bin >t && mv t b.bin
done
mkfifo listing
"$QHE32" --compare a.bin b.bin >listing 2>err &
pid=$!
exec 3<listing
read -r first <&3
truncate -s 4M b.bin
cat <&3 >rest
exec 3<&-
wait "$pid"
status=$?
[ "$status" = 2 ] || fail "cut short: exit $status"
[ "$first" = "00000001 00000001 1 1 01 02" ] || fail "cut short: first line '$first'"
last=$(tail -n 1 rest | cut -d' ' -f1)
[ -n "$last" ] && [ $((16#$last)) -lt $((4 << 20)) ] || fail "cut short: listed up to '$last'"
[ "$(wc -l <err)" = 1 ] && grep -q "^qhe32: B: b.bin: ." err || fail "cut short: stderr '$(cat err)'"

finish
