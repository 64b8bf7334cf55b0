#!/usr/bin/env bash
# kmtx-export.exe under Wine beside the native kmtx-export, on every meeting of tests/data copied
# into a folder with a Japanese name and spaces: the CSV of every table must be byte-identical,
# and the PDF of every table must hold the same words on the same pages, each word's box within
# 0.5 pt of the native one (pdftotext -bbox) but for its top, which is the face's ascent as each
# system's font engine reports it into the PDF (within 1.5 pt; the glyphs stand in the same place). kmtx-export.exe runs with the Windows platform, as
# on Windows, and draws with the faces Wine finds (the Japanese faces of this machine).
#   windows/compare-native.sh build-windows/kmtx-export.exe      (WINEPREFIX and WINEPATH set)
set -euo pipefail
cd "$(dirname "$0")/.."

exe=$1
wine=/usr/lib/wine/wine64
native=build-release/kmtx-export
# The native program as ./build.sh run builds it.
[ -f build-release/CMakeCache.txt ] ||
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKMTX_WERROR=OFF >/dev/null
cmake --build build-release --parallel "$(nproc)" --target kmtx-export >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
meetings="$work/大会 ファイル"
outputs="$work/書き出し 先"
mkdir -p "$meetings" "$outputs/native" "$outputs/windows"
windowsPath() { printf 'Z:%s' "${1//\//\\}"; }

# One word a line: page, the four corners, the text.
words() {
    pdftotext -bbox "$1" - | awk '
        /<page / { page++ }
        /<word / {
            match($0, /xMin="[^"]*" yMin="[^"]*" xMax="[^"]*" yMax="[^"]*"/)
            box = substr($0, RSTART, RLENGTH); gsub(/[a-zA-Z]+="/, "", box); gsub(/"/, "", box)
            text = $0; sub(/.*">/, "", text); sub(/<\/word>.*/, "", text)
            print page, box, text
        }'
}

checked=0 failed=0
for data in tests/data/*.txt; do
    name=$(basename "$data" .txt)
    meeting="$meetings/$name 春季大会.txt"
    cp "$data" "$meeting"
    for table in member combination score-sheet score-entry result; do
        formats=(pdf)
        [ "$table" = score-sheet ] || formats+=(csv)
        for format in "${formats[@]}"; do
            out="$name $table.$format"
            args=(--table "$table" --all)
            "$native" "$meeting" "${args[@]}" -o "$outputs/native/$out" 2>/dev/null || true
            "$wine" "$exe" "$(windowsPath "$meeting")" "${args[@]}" \
                -o "$(windowsPath "$outputs/windows/$out")" 2>/dev/null || true
            checked=$((checked + 1))
            n="$outputs/native/$out" w="$outputs/windows/$out"
            if [ ! -f "$n" ] && [ ! -f "$w" ]; then
                continue # refused by both (a meeting without that table)
            elif [ ! -f "$n" ] || [ ! -f "$w" ]; then
                echo "FAILED $out: written by only one of the two"
            elif [ "$format" = csv ]; then
                cmp -s "$n" "$w" && continue
                echo "FAILED $out: the CSV files differ"
            else
                if diff=$(paste -d'\n' <(words "$n" | sort -k1,1n -k6 -k3,3n -k2,2n) <(words "$w" | sort -k1,1n -k6 -k3,3n -k2,2n) | awk '
                        NR % 2 == 1 { split($0, a, " "); line = $0; next }
                        {
                            split($0, b, " ")
                            if (a[1] != b[1] || a[6] != b[6]) { print "word", line, "|", $0; bad = 1; exit }
                            for (i = 2; i <= 5; i++) {
                                d = a[i] - b[i]; if (d < 0) d = -d
                                if (d > (i == 3 ? 1.5 : 1)) { print "box", line, "|", $0; bad = 1; exit }
                            }
                        }
                        END { exit bad }') &&
                    [ "$(words "$n" | wc -l)" = "$(words "$w" | wc -l)" ] && [ "$(words "$n" | wc -l)" -gt 0 ]; then
                    continue
                fi
                echo "FAILED $out: the PDF texts differ: $diff"
            fi
            failed=$((failed + 1))
        done
    done
done
echo "kmtx-export.exe beside the native kmtx-export: $((checked - failed)) of $checked outputs agree"
[ "$failed" = 0 ]
