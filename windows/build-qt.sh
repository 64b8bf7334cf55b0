#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase: Core, Gui, Widgets, PrintSupport, Network, Test) for 64-bit Windows with mingw-w64,
# from Debian's own source package of qtbase, and installs it into the folder given (the cache).
# The host tools (moc, rcc, uic, …) are those of Debian's native Qt 6.4.2, which must be installed.
#   windows/build-qt.sh PREFIX           build and install, unless PREFIX already holds this configuration
#   windows/build-qt.sh --current PREFIX succeed only if PREFIX holds a finished build of this configuration
# Takes about 40 minutes on two cores; it runs at low priority. PREFIX/.kmtx-complete marks a finished install
# and names its configuration (a hash of the options below and of windows/mingw-w64.cmake): a folder without
# it, or with another configuration, is built again (the build folder keeps what was compiled before).
set -euo pipefail

check=
if [ "${1:-}" = --current ]; then
    check=yes
    shift
fi
prefix=${1:?usage: $0 [--current] PREFIX}
here=$(cd "$(dirname "$0")" && pwd)
work=${KMTX_QT_WORK:-$(dirname "$prefix")/qtbase-6.4.2-work}
version=6.4.2

# The Windows tablet header (wintab.h) is not free and is left out of Debian's source, so tablet
# events are left out; OpenGL, D-Bus, SQL, XML and Concurrent are not used by Kmtx. Network stays on
# for the venue server (Qt HTTP Server builds on it); TLS is left out.
# Direct2D stays on: without it Qt 6.4 leaves out the DirectWrite font engine that its Windows
# printing calls; only the Direct2D platform plugin (direct2d1_1) is left out.
# zlib, libpng, FreeType, HarfBuzz and PCRE2 are the copies bundled with the source.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_QPA_DEFAULT_PLATFORM=windows
    -DFEATURE_network=ON -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_icu=OFF -DFEATURE_openssl=OFF -DFEATURE_schannel=OFF -DFEATURE_jpeg=OFF -DFEATURE_androiddeployqt=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON -DFEATURE_png=ON
    -DFEATURE_printsupport=ON -DFEATURE_testlib=ON -DFEATURE_widgets=ON
)
configuration=$({ echo "$version"; printf '%s\n' "${options[@]}"; cat "$here/mingw-w64.cmake"; } |
    sha256sum | cut -c1-16)
marker="Qt $version for Windows (mingw-w64), from Debian's qt6-base source; configuration $configuration"
if [ "$(cat "$prefix/.kmtx-complete" 2>/dev/null)" = "$marker" ]; then
    exit 0
fi
[ -z "$check" ] || exit 1

host_cmake=/usr/lib/x86_64-linux-gnu/cmake
host_version=$(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")/\1/p' "$host_cmake/Qt6/Qt6ConfigVersionImpl.cmake" 2>/dev/null ||
    true)
if [ "$host_version" != "$version" ]; then
    echo "The host tools must be Qt $version (qt6-base-dev); found '${host_version:-none}'." >&2
    exit 1
fi

mkdir -p "$work"
cd "$work"
# Debian's source of qtbase, as apt-get source unpacks it (patches applied).
if [ ! -f qtbase/.kmtx-unpacked ]; then
    rm -rf qtbase
    ls qt6-base_"$version"+dfsg-*.dsc >/dev/null 2>&1 || apt-get source --download-only qt6-base >/dev/null
    dsc=$(ls qt6-base_"$version"+dfsg-*.dsc 2>/dev/null | head -n1)
    [ -n "$dsc" ] || { echo "Debian's source of qt6-base is not version $version." >&2; exit 1; }
    dpkg-source -x "$dsc" qtbase >/dev/null
    touch qtbase/.kmtx-unpacked
fi

# Compiled objects are cached when ccache is there, so a changed configuration rebuilds quickly.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
nice -n 15 cmake -G Ninja -S qtbase -B build \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    "${options[@]}" "${launcher[@]}" \
    >configure.log 2>&1 || { tail -n 40 configure.log >&2; exit 1; }
nice -n 15 cmake --build build --parallel "$(nproc)" >build.log 2>&1 || { tail -n 60 build.log >&2; exit 1; }
rm -rf "$prefix"
cmake --install build >install.log 2>&1 || { tail -n 20 install.log >&2; exit 1; }
# Qt's Japanese translations (the standard buttons' はい/いいえ) where Qt looks for them, as
# Debian's Qt of the same version has them.
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_ja.qm "$prefix/translations/"
echo "$marker" >"$prefix/.kmtx-complete"
