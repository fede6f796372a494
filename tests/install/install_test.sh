#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree a desktop and a package manager
# read: the desktop entry, the AppStream metainfo, the manual page and the program itself.
# Usage: install_test.sh BUILD_DIR DESKTOP_ID. Exits 77 (skipped) when a checking tool is missing.
set -uo pipefail
build=$1 id=$2
for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
manpage=$prefix/share/man/man1/qhe32.1.gz
for f in "$desktop" "$metainfo" "$manpage" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
    "$prefix/share/icons/hicolor/48x48/apps/$id.png" "$prefix/share/icons/hicolor/256x256/apps/$id.png"; do
    [ -s "$f" ] || fail "not installed: ${f#"$prefix"/}"
done

# Hints (such as two main categories) are allowed; errors and warnings are not.
if ! out=$(desktop-file-validate "$desktop" 2>&1) || grep -Eq ': (error|warning):' <<<"$out"; then
    fail "desktop-file-validate: $out"
fi
for line in "Exec=qhe32 %f" "Icon=$id" "Name=QHE32"; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
done

out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"

# As the user reads it: rendered without a pager, and groff finds nothing to warn about.
page=$(MANWIDTH=80 man --warnings -P cat -l "$manpage" 2>"$prefix/man.err") || fail "man -l failed"
[ -s "$prefix/man.err" ] && fail "man -l warnings: $(cat "$prefix/man.err")"
for word in QHE32_INI XDG_CONFIG_HOME --dump --version "/s=SCRIPT" "EXIT STATUS" 143; do
    grep -qF -- "$word" <<<"$page" || fail "manual page lacks $word"
done

# The installed program runs without a display, and every file names the same version.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/qhe32" --version) || fail "qhe32 --version failed"
number=${version#qhe32 }
[[ $version =~ ^qhe32\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "qhe32 --version printed '$version'"
grep -qF "<release version=\"$number\"" "$metainfo" || fail "metainfo has no release $number"
zcat "$manpage" | grep -qF "QHE32 $number" || fail "manual page is not for version $number"

[ $failed -eq 0 ] && echo "installed tree in a temporary prefix: OK"
exit $failed
