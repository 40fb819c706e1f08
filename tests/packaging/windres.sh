#!/usr/bin/env bash
# usage: windres.sh VELMORA_RC VERSION
# Compiles the Windows version block with mingw's windres, as a Windows build
# would, reads the object back and checks the values Explorer shows.
set -uo pipefail
rc=$1
version=$2
windres=i686-w64-mingw32-windres
for tool in $windres cpp; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool not found"
        exit 77
    }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0

# binutils alone has no mingw preprocessor; the host's will do, as the
# script includes no Windows header.
"$windres" --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED -i "$rc" -O coff -o "$out/velmora.o" || exit 1
"$windres" -J coff -i "$out/velmora.o" -O rc >"$out/velmora.txt" || exit 1

IFS=. read -r major minor <<<"$version"
binary="$((10#$major)), $((10#${minor:-0})), 0, 0"
expected=(
    "FILEVERSION $binary"
    "PRODUCTVERSION $binary"
    "VALUE \"FileVersion\", \"$version\""
    "VALUE \"ProductVersion\", \"$version\""
    'VALUE "InternalName", "Velmora"'
    'VALUE "OriginalFilename", "Velmora.exe"'
    'VALUE "ProductName", "Velmora"'
    'VALUE "Translation", 0x410, 1200'
)
for line in "${expected[@]}"; do
    grep -qxF "$line" <(sed 's/^ *//' "$out/velmora.txt") || {
        echo "FAIL missing: $line"
        failed=1
    }
done
[[ $failed -eq 0 ]] || cat "$out/velmora.txt"
exit $failed
