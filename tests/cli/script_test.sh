#!/usr/bin/env bash
# Scripts on files beyond 32 bits and on read-only files, and a script too large to read.
# Usage: script_test.sh path/to/qhe32
set -u
source "$(dirname "$0")/lib.sh" "$1"

# Addresses and counts above 2^31 - 1 on a 5 GiB sparse image (mapped): written where they
# point; a number past the end fails in the executing pass, not as a malformed number.
truncate -s 5G big.bin
printf 'ADR $100000000\nOVERWRITE 41\nADR 4294967297\nVERIFY 00\nADR+ $20000000\nOVERWRITE 42\nADR $13FFFFFFF\nOVERWRITE 43\n' >far.qsc
expect 0 "addresses above 32 bits" -- big.bin /s=far.qsc
[ "$(dd if=big.bin bs=1 skip=$((1 << 32)) count=2 status=none | od -An -tx1 | tr -d ' ')" = "4100" ] ||
    fail "addresses above 32 bits: byte at 4 GiB"
[ "$(dd if=big.bin bs=1 skip=$(((1 << 32) + (1 << 29) + 1)) count=1 status=none | od -An -tx1 | tr -d ' ')" = "42" ] ||
    fail "addresses above 32 bits: byte at 4.5 GiB + 1"
[ "$(tail -c 1 big.bin | od -An -tx1 | tr -d ' ')" = "43" ] || fail "addresses above 32 bits: last byte"
printf 'ADR $140000000\n' >past.qsc
expect 1 "address past the end" -- big.bin /s=past.qsc
grep -q '\$140000000' err || fail "address past the end: stderr '$(cat err)'"
printf 'ADR 1\nDEL $200000000\n' >delpast.qsc
expect 1 "count past the end" -- big.bin /s=delpast.qsc
grep -q '在文件末尾之外不能删除' err || fail "count past the end: not the executing pass: '$(cat err)'"
# A count above 32 bits: the first 4 GiB + 1 go, the bytes behind them move to the front.
printf 'ADR 0\nDEL $100000001\nADR 0\nVERIFY 00 00 00 00\n' >del.qsc
expect 0 "count above 32 bits" -- big.bin /s=del.qsc
[ "$(stat -c %s big.bin)" = $(((5 << 30) - (1 << 32) - 1)) ] || fail "count above 32 bits: size $(stat -c %s big.bin)"
[ "$(tail -c 1 big.bin | od -An -tx1 | tr -d ' ')" = "43" ] || fail "count above 32 bits: last byte"
rm -f big.bin

# A read-only file is read but never written: the first editing line fails with the message.
printf 'MZ\x90\x00' >ro.bin
chmod 444 ro.bin
printf 'ADR 0\nVERIFY 4D 5A\n' >read.qsc
expect 0 "read-only file read" -- ro.bin /s=read.qsc
printf 'ADR 0\nVERIFY 4D 5A\nOVERWRITE 00\n' >write.qsc
expect 1 "read-only file written" -- ro.bin /s=write.qsc
[ "$(hex ro.bin)" = "4d5a9000" ] || fail "read-only file written: bytes $(hex ro.bin)"
grep -q '^OVERWRITE 00$' err && grep -q '文件处于只读模式' err || fail "read-only file written: stderr '$(cat err)'"

# A script above the side-file limit (16 MiB) names the limit.
printf 'ADR 0\n' >small.bin
head -c $(((16 << 20) + 1)) /dev/zero | tr '\0' ';' >huge.qsc
expect 2 "script too large" -- small.bin /s=huge.qsc
grep -q 'huge.qsc' err && grep -q '16,777,216' err || fail "script too large: stderr '$(cat err)'"

finish
