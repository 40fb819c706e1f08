#!/usr/bin/env bash
# usage: install_tree.sh BUILD_DIR SOURCE_DIR
# Installs into a scratch prefix and checks that exactly the expected files
# land there, that the menu entry names them, and that the icons are the
# window's picture at the size their folder says.
set -uo pipefail
build=$1
source=$2
here=$(dirname "$0")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() {
    echo "FAIL $*"
    failed=1
}

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || {
    cat "$prefix.log"
    rm -f "$prefix.log"
    exit 1
}
rm -f "$prefix.log"
cd "$prefix" || exit 1

if ! diff -u <(sort "$here/installed-files.txt") <(find . -type f -o -type l | sed 's|^\./||' | sort); then
    fail "installed files differ from installed-files.txt (-expected +installed)"
fi

# Width and height from a PNG's IHDR chunk.
png_size() {
    local -a b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) + (b[1] << 16) + (b[2] << 8) + b[3]))x$(((b[4] << 24) + (b[5] << 16) + (b[6] << 8) + b[7]))"
}
for png in share/icons/hicolor/*/apps/velmora.png; do
    folder=${png#share/icons/hicolor/}
    folder=${folder%%/*}
    size=$(png_size "$png")
    [[ $size == "$folder" ]] || fail "$png is $size"
done
cmp -s "$source/data/icons/velmora.svg" share/icons/hicolor/scalable/apps/velmora.svg || fail "scalable icon differs"
for size in 32 64; do
    cmp -s "$source/data/icons/velmora-$size.png" "share/icons/hicolor/${size}x$size/apps/velmora.png" ||
        fail "${size}x$size icon is not the window's"
done

# The completion the build wrote from the command table, and bash takes it.
completion=share/bash-completion/completions/velmora
cmp -s "$build/completion/velmora" "$completion" || fail "$completion is not the one the build wrote"
[[ $(bash -c 'source "$1" && complete -p velmora' bash "$completion") == "complete -F _velmora velmora" ]] ||
    fail "$completion does not complete velmora"

desktop=share/applications/velmora.desktop
[[ -x bin/velmora ]] || fail "bin/velmora is not executable"
grep -qx 'Exec=velmora' "$desktop" || fail "$desktop does not start velmora"
grep -qx 'Icon=velmora' "$desktop" || fail "$desktop does not name the velmora icon"
grep -qx 'Name=Velmora' "$desktop" || fail "$desktop is not named Velmora"
grep -qx 'Categories=Education;Electronics;' "$desktop" || fail "$desktop categories"
grep -q '<launchable type="desktop-id">velmora.desktop</launchable>' share/metainfo/*.metainfo.xml ||
    fail "metainfo does not launch velmora.desktop"

exit $failed
