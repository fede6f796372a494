#!/usr/bin/env bash
# Builds QHE32 and then starts it ("run [FILE]"), runs every test ("test"), runs the fuzz
# targets for a while ("fuzz [SECONDS]", SECONDS per target, default 60), installs it under a
# prefix ("install [PREFIX]", default /usr/local) or makes the Debian package ("package").
# Installs the Debian packages it needs when they are missing (needs root or sudo).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cmd=${1:-run}
shift || true

packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libdeflate-dev libssl-dev libxxhash-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation fonts-wqy-microhei xvfb xauth)

# The fuzz targets are built with clang and its libFuzzer runtime.
packages+=(clang libclang-rt-14-dev)
# The printing tests read their PDF output back as text.
packages+=(poppler-utils)
# The install test checks the installed tree with these; the Debian package's dependencies are
# computed by dpkg-shlibdeps (dpkg-dev), which CPack finds the program for with file.
packages+=(desktop-file-utils appstream man-db dpkg-dev file)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

build() { # dir, extra cmake flags...
    local dir=$1; shift
    cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" ${target:+--target "$target"}
}

# The libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer. Built with clang and
# -Werror, this also keeps the engine and the command layer free of clang warnings.
build_fuzzers() {
    target=fuzzers build "$here/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DQHE32_FUZZ=ON -DQHE32_WERROR=ON \
        -DQHE32_GUI=OFF -DQHE32_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

# Runs every fuzz target on its seed corpus fuzz/corpus/<name> and on the inputs that once made
# it fail (fuzz/crashes/<name>), limited by the libFuzzer option given (-runs=N or
# -max_total_time=S; the search target may get a limit of its own, as it is the slowest).
# New inputs go to workdir/<name>; a crash is kept as build-fuzz/crashes/<name>-crash-... and
# fails the run.
run_fuzzers() { # limit, workdir [, search limit]
    local workdir=$2 failed=0
    mkdir -p "$here/build-fuzz/crashes"
    for corpus in "$here"/fuzz/corpus/*/; do
        local name log inputs limit=$1
        name=$(basename "$corpus")
        [ "$name" = search ] && limit=${3:-$1}
        log="$here/build-fuzz/fuzz_$name.log"
        mkdir -p "$workdir/$name"
        inputs=("$workdir/$name" "$corpus")
        [ -d "$here/fuzz/crashes/$name" ] && inputs+=("$here/fuzz/crashes/$name")
        printf 'fuzz_%-14s %s ... ' "$name" "$limit"
        if "$here/build-fuzz/fuzz/fuzz_$name" "$limit" -seed=1 -max_len=4096 -timeout=20 -rss_limit_mb=2048 \
            -artifact_prefix="$here/build-fuzz/crashes/$name-" "${inputs[@]}" >"$log" 2>&1; then
            grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" || echo ok
        else
            echo FAILED; tail -n 40 "$log"; failed=1
        fi
    done
    return $failed
}

install_missing
case "$cmd" in
run)
    build "$here/build"
    exec "$here/build/src/app/qhe32" "$@"
    ;;
test)
    build "$here/build"
    (cd "$here/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
    # Each fuzz target for a while from its seeds, so none of them rots: deep enough to find a
    # fault that takes some ten thousand runs (the search target manages about 60 a second
    # under the sanitizers), about six minutes in all.
    build_fuzzers
    fresh=$(mktemp -d)
    trap 'rm -rf "$fresh"' EXIT
    run_fuzzers -max_total_time=15 "$fresh" -max_total_time=240
    # Every suite once more under AddressSanitizer and UndefinedBehaviorSanitizer, the GUI offscreen.
    build "$here/build-asan" -DQHE32_SANITIZE=ON -DQHE32_GUI=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
    (cd "$here/build-asan" && QT_QPA_PLATFORM=offscreen \
        LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0" \
        ctest --output-on-failure -j "$jobs")
    ;;
install)
    prefix=${1:-/usr/local}
    build "$here/build"
    sudo=""
    mkdir -p "$prefix" 2>/dev/null || true
    [ -w "$prefix" ] || sudo=sudo
    $sudo cmake --install "$here/build" --prefix "$prefix"
    ;;
package)
    build "$here/build"
    (cd "$here/build" && cpack -G DEB)
    ls "$here"/build/qhe32_*.deb
    ;;
fuzz)
    seconds=${1:-60}
    build_fuzzers
    run_fuzzers -max_total_time="$seconds" "$here/build-fuzz/corpus"
    ;;
*)
    echo "usage: $0 run [FILE] | test | fuzz [SECONDS] | install [PREFIX] | package" >&2
    exit 2
    ;;
esac
