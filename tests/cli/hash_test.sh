# --hash: lines as sha256sum writes them (checked by sha256sum -c itself), 2 for trouble.
set -u
source "$(dirname "$0")/lib.sh" "$1"

printf 'abc' >orig.bin
printf 'other bytes' >other.bin
expect 0 "--hash" -- --hash sha256,md5 orig.bin other.bin
[ "$(wc -l <out)" = 4 ] || fail "--hash: stdout '$(cat out)'"
grep -v '^[0-9a-f]\{32\}  ' out | sha256sum -c --quiet - || fail "--hash: sha256sum -c"
[ "$(grep -c '^[0-9a-f]\{32\}  ' out)" = 2 ] || fail "--hash: md5 lines"
expect 2 "--hash unknown" -- --hash sha-256 orig.bin
expect 2 "--hash missing file" -- --hash sha1 none.bin orig.bin
[ "$(wc -l <out)" = 1 ] && [ -s err ] || fail "--hash missing file: '$(cat out err)'"

# Names with a newline, a carriage return or a backslash: escaped as sha256sum escapes them.
nl=$(printf 'new\nline.bin')
cr=$(printf 'cr\r.bin')
printf 'one' >"$nl"
printf 'two' >"$cr"
printf 'three' >'back\slash.bin'
expect 0 "--hash odd names" -- --hash sha256 "$nl" "$cr" 'back\slash.bin' orig.bin
sha256sum "$nl" "$cr" 'back\slash.bin' orig.bin >want
cmp -s out want || fail "--hash odd names: '$(cat out)', sha256sum: '$(cat want)'"
sha256sum -c --quiet out || fail "--hash odd names: sha256sum -c"

# Files of /proc and /sys tell a size of 0 or of a page, yet read as text to their end.
for file in /proc/version /proc/sys/kernel/ostype /sys/kernel/mm/transparent_hugepage/enabled; do
    [ -r "$file" ] || continue
    expect 0 "--hash $file" -- --hash sha256 "$file"
    [ "$(cat out)" = "$(sha256sum "$file")" ] || fail "--hash $file: '$(cat out)'"
done

finish
