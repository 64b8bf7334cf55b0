#!/usr/bin/env bash
# kmtx-export.exe under Wine beside the native kmtx-export, on every meeting of tests/data copied
# into a folder with a Japanese name and spaces, for every table (the check sheet too) and for the
# season of all of them (--season):
# - every CSV must be byte-identical;
# - every PDF must hold the same words on the same pages (pdftotext -bbox), each word's box within
#   1 pt of the native one but for its top, within 1.5 pt: the top is the face's ascent as each
#   system's font engine reports it into the PDF (the glyphs stand in the same place);
# - a PNG of a table must have the same size, and at most 4 % of its pixels may differ by more
#   than 96 of 255 in a colour: each system's font engine draws the glyphs' edges its own way
#   (Windows' is lighter). The combination table of sample-120 at 100 dpi has ink on about 6 %
#   of its pixels and differs in 2.5 %, so a page drawn blank or with its texts misplaced fails,
#   while a thin rule missing would not (the PDFs' texts are compared word by word above).
# kmtx-export.exe runs with the Windows platform, as on Windows, and draws with the faces Wine
# finds (the Japanese faces of this machine).
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

# The numbers of a PNG, one a line: its size, then every sample.
samples() { pngtopnm "$1" | pnmtoplainpnm | tr -s ' \n' '\n\n' | sed '/^$/d'; }

# Compares the native and the Windows output named OUT; false and a line saying why when they
# differ. Both missing counts as agreeing (refused by both: a meeting without that table).
agree() {
    local out=$1 n="$outputs/native/$1" w="$outputs/windows/$1" diff
    if [ ! -f "$n" ] && [ ! -f "$w" ]; then
        return 0
    elif [ ! -f "$n" ] || [ ! -f "$w" ]; then
        echo "FAILED $out: written by only one of the two"
    elif [ "${out##*.}" = csv ]; then
        cmp -s "$n" "$w" && return 0
        echo "FAILED $out: the CSV files differ"
    elif [ "${out##*.}" = png ]; then
        diff=$(paste -d' ' <(samples "$n") <(samples "$w") | awk '
            NR <= 4 { if ($1 != $2) { print "the sizes differ"; bad = 1; exit } next }
            { d = $1 - $2; if (d < 0) d = -d; if (d > 96) far++; all++ }
            END { if (!bad && far > all * 0.04) { printf "%d of %d samples differ by more than 96\n", far, all; bad = 1 }
                  exit bad }') && return 0
        echo "FAILED $out: the pictures differ: $diff"
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
            return 0
        fi
        echo "FAILED $out: the PDF texts differ: $diff"
    fi
    return 1
}

# Runs both programs with the arguments (meeting files as Linux paths) writing OUT, and compares.
checked=0 failed=0
both() {
    local out=$1 args=("${@:2}") windowsArgs=() a
    for a in "${args[@]}"; do
        if [[ $a == /* ]]; then windowsArgs+=("$(windowsPath "$a")"); else windowsArgs+=("$a"); fi
    done
    "$native" "${args[@]}" -o "$outputs/native/$out" 2>/dev/null || true
    "$wine" "$exe" "${windowsArgs[@]}" -o "$(windowsPath "$outputs/windows/$out")" 2>/dev/null || true
    checked=$((checked + 1))
    agree "$out" || failed=$((failed + 1))
}

for data in tests/data/*.txt; do
    name=$(basename "$data" .txt)
    meeting="$meetings/$name 春季大会.txt"
    cp "$data" "$meeting"
    for table in member combination score-sheet score-entry score-check result; do
        both "$name $table.pdf" "$meeting" --table "$table" --all
        [ "$table" = score-sheet ] || both "$name $table.csv" "$meeting" --table "$table" --all
    done
done
# The season of all the meetings, and a page as a picture.
both "年間成績.pdf" --season "$meetings"/*.txt
both "年間成績.csv" --season "$meetings"/*.txt
both "sample-120 combination.png" "$meetings/sample-120 春季大会.txt" --table combination --dpi 100
echo "kmtx-export.exe beside the native kmtx-export: $((checked - failed)) of $checked outputs agree"
[ "$failed" = 0 ]
