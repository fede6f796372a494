# Shared set-up of the command-line tests: a temporary folder to work in, the design's texts
# whatever the caller's locale, and the checking helpers. Sourced with the program's path in $1.
QHE32=$1
WORK=$(mktemp -d)
trap 'chattr -i -a "$WORK"/*.bin 2>/dev/null; rm -rf "$WORK"' EXIT
cd "$WORK" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
unset LANGUAGE LC_MESSAGES
export LC_ALL=C.UTF-8
export QHE32_INI=$WORK/QHE32.INI
FAILED=0

fail() { echo "FAIL: $*"; FAILED=1; }
# expect STATUS DESCRIPTION -- runs the rest, keeps stdout/stderr in out/err
expect() {
    local want=$1 what=$2
    shift 3
    "$QHE32" "$@" >out 2>err
    local got=$?
    [ "$got" = "$want" ] || fail "$what: exit $got, expected $want; stderr: $(cat err)"
}
hex() { od -An -tx1 -v "$1" | tr -d ' \n'; }
# Ends the test: a line when every check passed, the status.
finish() {
    [ "$FAILED" = 0 ] && echo "all checks of $(basename "$0") passed"
    exit "$FAILED"
}
