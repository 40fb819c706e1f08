#!/usr/bin/env bash
# usage: deb_package.sh BUILD_DIR VERSION
# Builds the .deb with CPack and checks its name, control fields, Depends
# (derived by dpkg-shlibdeps, plus the font) and contents.
set -uo pipefail
build=$1
version=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps readelf; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool not found"
        exit 77
    }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0
fail() {
    echo "FAIL $*"
    failed=1
}

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"
    exit 1
}
deb=$out/velmora_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || {
    echo "FAIL no $deb; made: $(ls "$out")"
    exit 1
}

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == velmora ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"
[[ $(field Section) == electronics ]] || fail "Section: $(field Section)"

depends=$(field Depends)
echo "Depends: $depends"
mapfile -t names < <(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for wanted in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
    printf '%s\n' "${names[@]}" | grep -qx "$wanted" || fail "Depends lacks $wanted"
done
for name in "${names[@]}"; do
    [[ $name == *-dev || $name == qt6-base-dev* ]] && fail "Depends on a build package: $name"
done

if ! diff -u <(sed 's|^|usr/|' "$here/installed-files.txt" | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | sort); then
    fail "package contents differ from installed-files.txt (-expected +packaged)"
fi
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' || fail "files not owned by root"

dpkg-deb -x "$deb" "$out/root"
readelf -S "$out/root/usr/bin/velmora" | grep -q '\.debug_' && fail "usr/bin/velmora is not stripped"

exit $failed
