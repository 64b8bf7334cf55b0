#!/usr/bin/env bash
# Sets up, builds and then runs the program or its tests.
#   ./build.sh run    install what is missing (as root), build optimised in build-release/ (くみっとEX and
#                     kmtx-export), start くみっとEX
#   ./build.sh test   install what is missing (as root), build for debugging in build/, run every test headless,
#                     then build optimised in build-asan/ with AddressSanitizer and UBSan and run every test
#                     again there (so the tests also build and pass as a release build)
#   ./build.sh bench  install what is missing (as root), build optimised in build-bench/, print the benchmarks
#   ./build.sh package  install what is missing (as root), build optimised in build-package/,
#                     make dist/kmtx_VERSION_ARCH.deb with CPack and check it with lintian and appstreamcli
#   ./build.sh fuzz [seconds] [datafile|scenario]   build the fuzz targets with clang in build-fuzz/ and run one
#                     (default 60 seconds): the data file reader over the meeting files of tests/data/, or the
#                     window driven by sessions of steps over tests/data/scenarios/; findings go to build-fuzz/
#   ./build.sh windows       cross-build kmtx.exe and kmtx-export.exe for 64-bit Windows in build-windows/ (Qt 6.4.2
#                     built once from Debian's source into ~/.cache/kmtx/qt-6.4.2-mingw, 40 minutes on two cores) and
#                     make dist/kmtx-VERSION-windows-x64.zip and dist/kmtx-VERSION-setup.exe
#   ./build.sh windows-test  the same build with the tests; every test program under Wine, then kmtx-export.exe
#                     beside the native kmtx-export on the meetings of tests/data
# Each command keeps its own build folder, so switching between them rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
packages=(cmake g++ make qt6-base-dev zlib1g-dev qt6-translations-l10n fonts-ipafont-gothic)
# The venue network: Qt HTTP Server (with the WebSockets it is built against) and the QR encoder.
packages+=(qt6-httpserver-dev qt6-websockets-dev libqrcodegencpp-dev pkg-config)
[ "$mode" = run ] && packages+=(xdg-utils)
# The tests also drive the venue's phone page in a real browser.
[ "$mode" = test ] && packages+=(poppler-utils python3 chromium chromium-driver python3-selenium)
[ "$mode" = bench ] && packages+=(libbenchmark-dev)
[ "$mode" = package ] && packages+=(dpkg-dev file help2man lintian appstream)
[ "$mode" = fuzz ] && packages=(cmake make clang libclang-rt-dev qt6-base-dev zlib1g-dev)
# Windows: the cross compiler, Debian's Qt for its host tools and translations, the tools to unpack and
# build Qt's source, NSIS and zip for the release, Wine to run the tests (and poppler and netpbm to
# compare PDFs and pictures).
if [ "$mode" = windows ] || [ "$mode" = windows-test ]; then
    packages+=(ninja-build g++-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev xz-utils perl nsis wine64 zip
        unzip poppler-utils netpbm)
fi

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
package) dir=build-package type=Release ;;
fuzz) dir=build-fuzz ;;
windows | windows-test) exec windows/build-windows.sh "$mode" ;;
*)
    echo "usage: $0 run|test|bench|package|fuzz [seconds] [datafile|scenario]|windows|windows-test" >&2
    exit 2
    ;;
esac

werror=OFF
[ "${CI:-}" = true ] && werror=ON
if [ "$mode" = fuzz ]; then
    seconds=${2:-60}
    target=${3:-datafile}
    [ -f "$dir/CMakeCache.txt" ] || cmake --preset fuzz -DKMTX_WERROR=$werror >/dev/null
    cmake --build --preset fuzz --parallel "$(nproc)"
    mkdir -p "$dir/findings"
    if [ "$target" = scenario ]; then
        # The seeds are the committed sessions; what the fuzzer learns stays in build-fuzz/.
        mkdir -p "$dir/scenarios"
        cp -n tests/data/scenarios/* "$dir/scenarios/" 2>/dev/null || true
        exec "./$dir/fuzz_scenario" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -max_len=2048 \
            -print_final_stats=1 -artifact_prefix="$dir/findings/" "$dir/scenarios"
    fi
    # The seeds are the meeting files of the tests; what the fuzzer learns stays in build-fuzz/.
    mkdir -p "$dir/corpus"
    cp -n tests/data/*.txt tests/data/hostile/*.txt tests/data/fuzz/* "$dir/corpus/" 2>/dev/null || true
    exec "./$dir/fuzz_datafile" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=131072 \
        -print_final_stats=1 -artifact_prefix="$dir/findings/" "$dir/corpus"
fi

if [ ! -f "$dir/CMakeCache.txt" ]; then
    extra=()
    [ "$mode" = bench ] && extra+=(-DKMTX_BENCH=ON)
    # The package takes the programs only, not the tests; they are linked as Debian links its own.
    [ "$mode" = package ] && extra+=(-DBUILD_TESTING=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro,-z,now")
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

if [ "$mode" = package ]; then
    cmake --build "$dir" --parallel "$(nproc)" --target kmtx kmtx-export kmtx-manual kmtx-export-manual \
        kmtx-changelog
    rm -rf "$dir/cpack"
    (cd "$dir" && cpack -G DEB -B "$PWD/cpack" >/dev/null)
    deb=$(find "$dir/cpack" -maxdepth 1 -name 'kmtx_*.deb')
    mkdir -p dist
    cp "$deb" dist/
    deb=dist/${deb##*/}
    echo "$deb"
    dpkg-deb --field "$deb"
    # Errors fail the package; warnings are listed.
    appstreamcli validate --no-net --explain "$dir/org.kmtx.kmtx.metainfo.xml"
    lintian --fail-on error --display-info "$deb"
    exit 0
fi

if [ "$mode" = run ]; then
    # kmtx-export is built beside the program, as the README says.
    cmake --build "$dir" --parallel "$(nproc)" --target kmtx kmtx-export
    exec "./$dir/kmtx"
fi
cmake --build "$dir" --parallel "$(nproc)"
(cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer; any report fails.
echo "Again under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)"
grep -qs '^CMAKE_BUILD_TYPE:STRING=RelWithDebInfo$' build-asan/CMakeCache.txt ||
    cmake --preset asan -DKMTX_WERROR=$werror >/dev/null
cmake --build build-asan --parallel "$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
