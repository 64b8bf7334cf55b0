#!/usr/bin/env bash
# The Windows programs, cross-built on Debian with mingw-w64 against Qt 6.4.2 built from
# Debian's own source (./build.sh installs the packages first; see CONTRIBUTING.md).
#   windows/build-windows.sh windows        build-windows/: kmtx.exe, kmtx-export.exe; dist/: the zip and setup.exe
#   windows/build-windows.sh windows-test   every test program under Wine, then kmtx-export.exe beside the
#                                           native kmtx-export on the meetings of tests/data
# Qt is built once (about 40 minutes on two cores) into KMTX_QT_MINGW (~/.cache/kmtx/qt-6.4.2-mingw) and reused.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=$1
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kmtx
qt=${KMTX_QT_MINGW:-$cache/qt-6.4.2-mingw}
dir=build-windows
wine=/usr/lib/wine/wine64
werror=OFF
[ "${CI:-}" = true ] && werror=ON

# Qt for Windows, from the deb-src entry beside the machine's Debian entry; built again when its
# configuration (windows/build-qt.sh, windows/mingw-w64.cmake) has changed.
if ! windows/build-qt.sh --current "$qt"; then
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version: 6\.4\.2'; then
        if [ "$(id -u)" != 0 ]; then
            echo "Qt's source is needed: as root add a deb-src entry for Debian and run apt-get update" >&2
            exit 1
        fi
        src=/etc/apt/sources.list.d/debian-src.sources
        echo "Adding $src (Debian's source packages)"
        sed -n '/^Types:/s/^Types:.*/Types: deb-src/p; /^\(URIs\|Suites\|Components\|Signed-By\):/p; /^$/p' \
            /etc/apt/sources.list.d/debian.sources >"$src"
        apt-get update >/dev/null
    fi
    echo "Building Qt 6.4.2 for Windows into $qt (what is missing or changed; the first time about 40 minutes on two cores)"
    start=$SECONDS
    windows/build-qt.sh "$qt"
    echo "Qt built in $(((SECONDS - start) / 60)) minutes"
fi

# Configured again when Qt's folder holds another build of Qt (with the venue's modules or without).
if [ ! -f "$dir/CMakeCache.txt" ] || ! cmp -s "$qt/.kmtx-complete" "$dir/qt-configuration"; then
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
    cmake -G Ninja -S . -B "$dir" --no-warn-unused-cli \
        -DCMAKE_TOOLCHAIN_FILE=windows/mingw-w64.cmake \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_FIND_ROOT_PATH="$qt" -DCMAKE_PREFIX_PATH=/ \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
        -DKMTX_WERROR=$werror >/dev/null
    cp "$qt/.kmtx-complete" "$dir/qt-configuration"
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")

# A Wine of its own for the tests (KMTX_WINEPREFIX names another), without the .NET and HTML engines it would offer to download.
export WINEPREFIX=${KMTX_WINEPREFIX:-$cache/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=d"
winepath=$(tr ';' '\n' <"$dir/winepath.txt" 2>/dev/null | sed 's|^|Z:|; s|/|\\|g' | paste -sd';' || true)

if [ "$mode" = windows ]; then
    # The same commit gives the same zip byte for byte: the time of the commit stands for every
    # time the release would otherwise hold (the linker and strip leave none in the headers).
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
    export SOURCE_DATE_EPOCH
    cmake --build "$dir" --parallel "$(nproc)" --target windows-programs
    release=$dir/release/kmtx-$version
    rm -rf "$dir/release"
    cmake --install "$dir" --component windows --prefix "$release" >/dev/null
    # Without the debugging information the compilers left in them.
    find "$release" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    chmod -R u=rwX,go=rX "$release"
    find "$dir/release" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
    mkdir -p dist
    zip=dist/kmtx-$version-windows-x64.zip setup=dist/kmtx-$version-setup.exe
    rm -f "$zip" "$setup"
    # In a fixed order, with the dates in UTC and without the Unix owners and times.
    (cd "$dir/release" && find "kmtx-$version" | LC_ALL=C sort | TZ=UTC zip -X -q -@ "../../$zip")
    # Every picture the help shows and the licences are in it, or there is no release.
    windows/check-release.sh "$zip"
    # The installer's list of files: each installed, and removed again by the uninstaller.
    files=$dir/release-files.nsh
    {
        echo '!ifndef UNINSTALLING'
        (cd "$release" && find . -type d | LC_ALL=C sort | sed 's|^\.||') | while read -r d; do
            echo "SetOutPath \"\$INSTDIR${d//\//\\}\""
            (cd "$release" && find ".$d" -maxdepth 1 -type f | LC_ALL=C sort | sed 's|^\./||; s/.*/File "&"/')
        done
        echo '!else'
        (cd "$release" && find . -type f | LC_ALL=C sort) | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
        (cd "$release" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
        echo '!endif'
    } >"$files"
    # Run in the release folder, which the list's file names are relative to.
    size=$(du -sk "$release" | cut -f1) root=$PWD
    (cd "$release" && makensis -NOCD -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DRELEASE="$root/$release" \
        -DFILES="$root/$files" -DSIZE_KB="$size" -DOUTFILE="$root/$setup" "$root/windows/kmtx.nsi")
    ls -l "$zip" "$setup"
    exit 0
fi

# windows-test
cmake --build "$dir" --parallel "$(nproc)"
[ -d "$WINEPREFIX/drive_c" ] || "$wine" wineboot --init >/dev/null 2>&1
export WINEPATH=$winepath
# The tests keep their settings in files of their own: the registry key of the group names and
# recent files is never made by them.
tobra='HKEY_CURRENT_USER\Software\Tobra'
"$wine" reg query "$tobra" >/dev/null 2>&1 && had=yes || had=no
# A failed test still lets the registry, the skips and the comparison be reported; it fails the run at the end.
failed=0
(cd "$dir" && ctest --output-on-failure --parallel "$(nproc)") || failed=1
if [ "$had" = no ] && "$wine" reg query "$tobra" >/dev/null 2>&1; then
    echo "The tests wrote the user's settings: $tobra" >&2
    failed=1
else
    echo "$tobra: $([ "$had" = yes ] && echo "there before the tests" || echo "absent after the tests")"
fi
# What was skipped under Wine, and why (the test's own words), counted over its rows.
echo "Skipped under Wine:"
grep -h '^SKIP' "$dir/Testing/Temporary/LastTest.log" |
    sed -E 's/^SKIP +: ([A-Za-z0-9_]+::[A-Za-z0-9_]+)\([^)]*\)/\1/' | sort | uniq -c
windows/compare-native.sh "$dir/kmtx-export.exe" || failed=1
exit "$failed"
