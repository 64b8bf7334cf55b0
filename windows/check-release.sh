#!/usr/bin/env bash
# Checks the listing of a Windows release zip: the programs, every picture the help shows
# (each <img src="…"> of its KmtxHlp.html) and the licences must be in it.
#   windows/check-release.sh dist/kmtx-VERSION-windows-x64.zip
set -euo pipefail

zip=${1:?usage: $0 ZIP}
listing=$(unzip -Z1 "$zip")
top=$(sed -n '1s|/.*||p' <<<"$listing")
wanted=(kmtx.exe kmtx-export.exe KmtxHlp.html licenses/Kmtx.txt licenses/README.txt licenses/Qt.txt
    licenses/LGPL-3.txt licenses/GPL-3.txt)
pictures=$(unzip -p "$zip" "$top/KmtxHlp.html" | grep -o '<img [^>]*src="[^"]*"' | sed 's/.*src="//; s/"$//' |
    sort -u)
[ -n "$pictures" ] || { echo "$zip: the help shows no pictures, or is missing" >&2; exit 1; }
missing=0
for file in "${wanted[@]}" $pictures; do
    if ! grep -qxF "$top/$file" <<<"$listing"; then
        echo "$zip: $file is missing" >&2
        missing=$((missing + 1))
    fi
done
[ "$missing" = 0 ] || exit 1
echo "$zip: the programs, the help's $(wc -w <<<"$pictures") pictures and the licences are in it"
