#!/usr/bin/env bash
# Sets up, builds and then runs the program or its tests.
#   ./build.sh run    install what is missing (as root), build, start くみっとEX
#   ./build.sh test   install what is missing (as root), build, run every test headless
#   ./build.sh bench  install what is missing (as root), build optimised in build-bench/, print the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
packages=(cmake g++ make qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic)
[ "$mode" = run ] && packages+=(xdg-utils)
[ "$mode" = bench ] && packages+=(libbenchmark-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" = 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null 2>&1 ||
            { apt-get update >/dev/null && apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null; }
    else
        echo "Please install as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi

werror=OFF
[ "${CI:-}" = true ] && werror=ON
if [ "$mode" = bench ]; then
    if [ ! -f build-bench/CMakeCache.txt ]; then
        cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKMTX_BENCH=ON -DKMTX_WERROR=$werror >/dev/null
    fi
    # Only the benchmarks' table is printed; the build speaks only when it fails.
    if ! log=$(cmake --build build-bench --parallel "$(nproc)" --target kmtx_bench 2>&1); then
        echo "$log" >&2
        exit 1
    fi
    QT_QPA_PLATFORM=offscreen exec ./build-bench/kmtx_bench "${@:2}"
fi
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DKMTX_WERROR=$werror >/dev/null
fi
cmake --build build --parallel "$(nproc)"

case "$mode" in
run)
    exec ./build/kmtx
    ;;
test)
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac
