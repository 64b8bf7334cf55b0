#!/usr/bin/env bash
# Sets up, builds and then runs the program or its tests.
#   ./build.sh run    install what is missing (as root), build optimised in build-release/, start くみっとEX
#   ./build.sh test   install what is missing (as root), build for debugging in build/, run every test headless
#   ./build.sh bench  install what is missing (as root), build optimised in build-bench/, print the benchmarks
# Each command keeps its own build folder, so switching between them rebuilds nothing.
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

case "$mode" in
run) dir=build-release type=RelWithDebInfo ;;
test) dir=build type=Debug ;;
bench) dir=build-bench type=Release ;;
*)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac

werror=OFF
[ "${CI:-}" = true ] && werror=ON
if [ ! -f "$dir/CMakeCache.txt" ]; then
    extra=()
    [ "$mode" = bench ] && extra+=(-DKMTX_BENCH=ON)
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=$type -DKMTX_WERROR=$werror "${extra[@]}" >/dev/null
fi

if [ "$mode" = bench ]; then
    # Only the benchmarks' table is printed; the build speaks only when it fails.
    if ! log=$(cmake --build "$dir" --parallel "$(nproc)" --target kmtx_bench 2>&1); then
        echo "$log" >&2
        exit 1
    fi
    QT_QPA_PLATFORM=offscreen exec "./$dir/kmtx_bench" "${@:2}"
fi

if [ "$mode" = run ]; then
    cmake --build "$dir" --parallel "$(nproc)" --target kmtx
    exec "./$dir/kmtx"
fi
cmake --build "$dir" --parallel "$(nproc)"
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
