#!/usr/bin/env bash
# Runs the real program without a display on temporary files and checks bytes, standard
# error and exit status. Usage: cli_test.sh path/to/qhe32
set -u
source "$(dirname "$0")/lib.sh" "$1"

printf 'MZ\x90\x00ABCDxABCD' >orig.bin

# A patch with parameters: bytes written, nothing on either stream, no Qt platform loaded
# (xcb would abort without a display).
cp orig.bin a.bin
printf 'ADR 0\r\nVERIFY 4D 5A OR 50 4B\r\nREPLACEALL 41 42 BY %%1\r\nMSG not shown\r\nADR %%2\r\nOVERWRITE 00\r\n' >patch.qsc
QT_QPA_PLATFORM=xcb expect 0 "patch" -- a.bin /s=patch.qsc "58 59" '$4'
[ "$(hex a.bin)" = "4d5a9000005943447858594344" ] || fail "patch: bytes $(hex a.bin)"
[ -s out ] || [ -s err ] && fail "patch: output '$(cat out err)'"
printf 'ADR 0\nVERIFY 4D 5A 90\n' >ok.qsc

# A run-time error: exit 1, the message box text on stderr, the file not written even though
# the first line already changed it in memory.
cp orig.bin b.bin
printf 'OVERWRITE 00\nFIND 99 99\n' >fail.qsc
expect 1 "run-time error" -- b.bin -S=fail.qsc
cmp -s orig.bin b.bin || fail "run-time error: file written"
printf '错误在行数 2:    \nFIND 99 99\n\n查找: 字符串没有发现开始\n在地址 $1\n' >want
cmp -s want err || fail "run-time error: stderr '$(cat err)'"
[ -s out ] && fail "run-time error: stdout '$(cat out)'"

# A missing parameter is a run-time error too.
expect 1 "missing %1" -- b.bin -s=patch.qsc
cmp -s orig.bin b.bin || fail "missing %1: file written"

# Unreadable script or file, malformed command line: 2.
expect 2 "missing script" -- b.bin /s=none.qsc
grep -q "none.qsc" err || fail "missing script: stderr '$(cat err)'"
expect 2 "folder as script" -- b.bin /s=.
expect 2 "missing file" -- none.bin /s=ok.qsc
expect 2 "empty file name" -- "" /s=ok.qsc
grep -q "file name is empty" err || fail "empty file name: stderr '$(cat err)'"
expect 2 "unknown option" -- --frobnicate
grep -q -- "--frobnicate" err || fail "unknown option: stderr '$(cat err)'"
[ -e ./--frobnicate ] && fail "unknown option created a file"

# --help and --version: standard output, status 0.
expect 0 "--help" -- --help
grep -q "Usage: qhe32" out || fail "--help: stdout '$(cat out)'"
expect 0 "--version" -- --version
grep -Eq "^qhe32 [0-9]+\.[0-9]+" out || fail "--version: stdout '$(cat out)'"

# A script that only reads leaves the file untouched, its time included.
cp orig.bin c.bin
touch -d '2001-02-03 04:05:06' c.bin
printf 'FIND 41 42\nVERIFY 41\nEXIT\nOVERWRITE 00\n' >read.qsc
expect 0 "read-only script" -- c.bin /s=read.qsc
[ "$(stat -c %Y c.bin)" = "$(date -d '2001-02-03 04:05:06' +%s)" ] || fail "read-only script: mtime changed"
cmp -s orig.bin c.bin || fail "read-only script: bytes changed"

# A failed save: status 3, the file as it was, the write error as the box shows it. An
# append-only file is writable to the editor but refuses the save even to root (skipped where
# the flag cannot be set); an immutable one would be read-only and refuse the edit itself.
cp orig.bin e.bin
printf 'OVERWRITE 00\n' >write.qsc
if chattr +a e.bin 2>/dev/null; then
    expect 3 "failed save" -- e.bin /s=write.qsc
    chattr -a e.bin
    cmp -s orig.bin e.bin || fail "failed save: file changed"
    head -n 1 err | grep -q '^写入错误' || fail "failed save: stderr '$(cat err)'"
fi

# SIGTERM during a run that cannot end on its own within the test (16 MiB, 100,000 passes over
# it), sent once the program has read the whole file: status 143, the file not written.
head -c 16777216 /dev/zero >d.bin
cp d.bin d.orig
touch -d '2001-02-03 04:05:06' d.bin
yes 'ADR 0
BITXOR 01 $1000000' | head -n 200000 >long.qsc
"$QHE32" d.bin /s=long.qsc 2>err &
PID=$!
# Loaded: the program has read the script and the file, and holds the file open no longer.
loaded() {
    local read
    read=$(awk '/^rchar:/ { print $2 }' "/proc/$PID/io" 2>/dev/null) || return 1
    [ "${read:-0}" -ge $((16777216 + $(stat -c %s long.qsc))) ] &&
        ! ls -l "/proc/$PID/fd" 2>/dev/null | grep -q "/d.bin$"
}
until loaded; do
    kill -0 "$PID" 2>/dev/null || break
done
kill -TERM "$PID"
wait "$PID"
STATUS=$?
[ "$STATUS" = 143 ] || fail "SIGTERM: exit $STATUS"
cmp -s d.orig d.bin || fail "SIGTERM: file written"
[ "$(stat -c %Y d.bin)" = "$(date -d '2001-02-03 04:05:06' +%s)" ] || fail "SIGTERM: file written"

# --dump: the text file's lines on standard output, 0-based offsets, bytes below 32 as ".".
printf 'File: orig.bin\r\nOutput by QHE32\r\n\r\nOffset dec. 00 01 02 03 04 05 06 07 08 09 \r\n000000000:  4D 5A 90 00 41 42 43 44 78 41 MZ\x90.ABCDxA\r\n000000010:  42 43 44                      BCD\r\n' >want
expect 0 "--dump" -- --dump orig.bin --bytes-per-row 10 --decimal
cmp -s want out || fail "--dump: stdout '$(cat out)'"
[ -s err ] && fail "--dump: stderr '$(cat err)'"
expect 2 "--dump missing file" -- --dump none.bin
grep -q "none.bin" err || fail "--dump missing file: stderr '$(cat err)'"
expect 2 "--dump folder" -- --dump "$PWD"
grep -q "不是普通文件" err || fail "--dump folder: stderr '$(cat err)'"
expect 2 "--dump bad width" -- --dump orig.bin --bytes-per-row 0

# --compare: ranges on standard output; 0 equal, 1 different, 2 trouble.
printf 'MZ\x90\x00AbCDxABCD!!' >other.bin
expect 1 "--compare" -- --compare orig.bin other.bin
printf '00000005 00000005 1 1 42 62\n0000000d 0000000d 0 2 - 2121\n' >want
cmp -s want out || fail "--compare: stdout '$(cat out)'"
printf 'MZ\x90\x00ABzCDxABCD' >inserted.bin
expect 1 "--compare --resync" -- --compare --resync=4 orig.bin inserted.bin
[ "$(cat out)" = "00000006 00000006 0 1 - 7a" ] || fail "--compare --resync: stdout '$(cat out)'"
expect 1 "--compare --max-diffs" -- --compare orig.bin inserted.bin --max-diffs 1
[ "$(wc -l <out)" = 1 ] || fail "--compare --max-diffs: stdout '$(cat out)'"
cp orig.bin same.bin
expect 0 "--compare equal" -- --compare orig.bin same.bin
[ -s out ] || [ -s err ] && fail "--compare equal: output '$(cat out err)'"
mkfifo pipe
for bad in none.bin pipe "$PWD"; do
    expect 2 "--compare $bad" -- --compare orig.bin "$bad"
    [ -s err ] && [ ! -s out ] || fail "--compare $bad: no reason"
done
expect 2 "--compare bad option" -- --compare orig.bin same.bin --resync=2

# The same run-time error in English: chosen by the locale, or by the setting over the locale.
LANGUAGE=en_GB expect 1 "run-time error, English" -- b.bin -S=fail.qsc
printf 'Error in line 2:\nFIND 99 99\n\nFIND: string not found\n(searched from offset $1)\n' >want
cmp -s want err || fail "run-time error, English: stderr '$(cat err)'"
printf '[Options]\r\nLanguage=zh\r\n' >"$QHE32_INI"
LANGUAGE=en_GB expect 1 "run-time error, Chinese by the setting" -- b.bin -S=fail.qsc
grep -q '^错误在行数 2' err || fail "Language=zh: stderr '$(cat err)'"
rm -f "$QHE32_INI"

finish
