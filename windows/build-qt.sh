#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase: Core, Gui, Widgets, PrintSupport, Network, Test) for 64-bit Windows with mingw-w64,
# from Debian's own source package of qtbase, and installs it into the folder given (the cache); then, for
# the venue network, Qt WebSockets and Qt HTTP Server from Debian's qt6-websockets and qt6-httpserver and
# the QR encoder (qrcodegencpp, static) from Debian's qr-code-generator, into the same folder.
# The host tools (moc, rcc, uic, …) are those of Debian's native Qt 6.4.2, which must be installed.
#   windows/build-qt.sh PREFIX           build and install, unless PREFIX already holds this configuration
#   windows/build-qt.sh --current PREFIX succeed only if PREFIX holds a finished build of this configuration
# Takes about 40 minutes on two cores; it runs at low priority. PREFIX/.kmtx-complete marks a finished
# install: its first line names the configuration of qtbase (a hash of the options below and of
# windows/mingw-w64.cmake), its second that of the venue's modules. When the first differs, qtbase is
# built and installed again (its build folder keeps what was compiled before); when only the second does,
# only the modules are. A module whose source the machine's apt cannot fetch is left out and the second
# line says so: the programs are then built without the venue network (remove the file to try again).
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
# The modules of the venue network, in the order they are built (Qt HTTP Server builds on Qt
# WebSockets): Debian's source package and the folder it is unpacked into. Each is configured as
# Qt's own modules are, against the Qt of PREFIX with the host tools of /usr.
modules=(qt6-websockets:qtwebsockets qt6-httpserver:qthttpserver)
module_options=(-DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF)
# The QR encoder: its one C++ file, compiled as its own Makefile does, into a static library.
qrcodegen=1.8.0
qrcodegen_flags=(-std=c++11 -O2)
configuration=$({ echo "$version"; printf '%s\n' "${options[@]}"; cat "$here/mingw-w64.cmake"; } |
    sha256sum | cut -c1-16)
marker="Qt $version for Windows (mingw-w64), from Debian's qt6-base source; configuration $configuration"
module_configuration=$(printf '%s\n' "$configuration" "${modules[@]}" "${module_options[@]}" "$qrcodegen" \
    "${qrcodegen_flags[@]}" | sha256sum | cut -c1-16)
module_marker="Qt WebSockets, Qt HTTP Server and qrcodegencpp; configuration $module_configuration"
if [ "$(head -n1 "$prefix/.kmtx-complete" 2>/dev/null)" = "$marker" ] &&
    [ "$(sed -n '2s/ (.*//p' "$prefix/.kmtx-complete")" = "$module_marker" ]; then
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
if [ "$(head -n1 "$prefix/.kmtx-complete" 2>/dev/null)" != "$marker" ]; then
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
fi

# Debian's source package PACKAGE of version VERSION unpacked into FOLDER, patches applied; false when
# the machine's apt cannot fetch it (fetch.log says why).
unpack() {
    local package=$1 wanted=$2 folder=$3 dsc
    [ -f "$folder/.kmtx-unpacked" ] && return 0
    rm -rf "$folder"
    if ! dpkg-source -x "$(ls "${package}_$wanted"-*.dsc 2>/dev/null | head -n1)" "$folder" >/dev/null 2>&1; then
        rm -rf "$folder"
        apt-get source --download-only "$package" >fetch.log 2>&1 || return 1
        dsc=$(ls "${package}_$wanted"-*.dsc | head -n1)
        dpkg-source -x "$dsc" "$folder" >/dev/null || return 1
    fi
    touch "$folder/.kmtx-unpacked"
}

# Qt WebSockets and Qt HTTP Server, installed into PREFIX beside qtbase.
left_out=()
for module in "${modules[@]}"; do
    package=${module%%:*} folder=${module#*:}
    if ! unpack "$package" "$version" "$folder"; then
        echo "Debian's source of $package $version could not be fetched (see $work/fetch.log):" \
            "Qt for Windows is built without it, and the programs without the venue network." >&2
        left_out+=("$package")
        continue
    fi
    nice -n 15 cmake -G Ninja -S "$folder" -B "build-$folder" \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
        -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        "${module_options[@]}" "${launcher[@]}" >"configure-$folder.log" 2>&1 ||
        { tail -n 40 "configure-$folder.log" >&2; exit 1; }
    nice -n 15 cmake --build "build-$folder" --parallel "$(nproc)" >"build-$folder.log" 2>&1 ||
        { tail -n 60 "build-$folder.log" >&2; exit 1; }
    cmake --install "build-$folder" >"install-$folder.log" 2>&1 || { tail -n 20 "install-$folder.log" >&2; exit 1; }
done

# The QR encoder as Debian's libqrcodegencpp-dev has it: the header in include/qrcodegen, the static
# library and its pkg-config file. Debian's packaging changes nothing in the C++ file, so the original
# source of Debian's package, checked against the package's description (.dsc), is enough.
qr=qr-code-generator_$qrcodegen
[ -f "$qr.orig.tar.gz" ] || apt-get source --download-only qr-code-generator >fetch.log 2>&1 || true
sum=$(sed -n 's/^ \([0-9a-f]\{64\}\) [0-9]* '"$qr"'\.orig\.tar\.gz$/\1/p' "$qr"-*.dsc 2>/dev/null | head -n1)
if [ -n "$sum" ] && echo "$sum  $qr.orig.tar.gz" | sha256sum --check --status; then
    rm -rf qrcodegen
    mkdir qrcodegen
    tar -xzf "$qr.orig.tar.gz" -C qrcodegen --strip-components=1
    x86_64-w64-mingw32-g++-posix "${qrcodegen_flags[@]}" -c qrcodegen/cpp/qrcodegen.cpp -o qrcodegen/qrcodegen.o
    mkdir -p "$prefix/include/qrcodegen" "$prefix/lib/pkgconfig"
    rm -f "$prefix/lib/libqrcodegencpp.a"
    x86_64-w64-mingw32-ar rcsD "$prefix/lib/libqrcodegencpp.a" qrcodegen/qrcodegen.o
    cp qrcodegen/cpp/qrcodegen.hpp "$prefix/include/qrcodegen/"
    cat >"$prefix/lib/pkgconfig/qrcodegencpp.pc" <<END
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include/qrcodegen

Name: qrcodegencpp
Description: QR Code generator library - C++ version, for Windows
Version: $qrcodegen
Libs: -L\${libdir} -lqrcodegencpp
Cflags: -I\${includedir}
END
else
    echo "Debian's source of qr-code-generator $qrcodegen could not be fetched (see $work/fetch.log):" \
        "the programs are built without the venue network." >&2
    left_out+=(qr-code-generator)
fi

# The modules' line, with those left out in brackets.
{
    echo "$marker"
    if [ ${#left_out[@]} = 0 ]; then
        echo "$module_marker"
    else
        echo "$module_marker (without ${left_out[*]}: the source could not be fetched)"
    fi
} >"$prefix/.kmtx-complete"
