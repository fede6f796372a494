#!/usr/bin/env bash
# Builds QHE32 and then starts it ("run [FILE]") or runs every test ("test").
# Installs the Debian packages it needs when they are missing (needs root or sudo).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cmd=${1:-run}
shift || true

packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libdeflate-dev
          qt6-translations-l10n fonts-liberation fonts-wqy-microhei xvfb xauth)

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

build() { # dir, extra cmake flags...
    local dir=$1; shift
    cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
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
    # The engine and command layer once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    build "$here/build-asan" -DQHE32_SANITIZE=ON -DQHE32_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
    (cd "$here/build-asan" && ctest --output-on-failure -j "$jobs")
    ;;
*)
    echo "usage: $0 run [FILE] | test" >&2
    exit 2
    ;;
esac
