#!/usr/bin/env bash
# Installs the Debian packages that building (run) or testing (test) needs,
# and does nothing when they are all present.
set -euo pipefail

build=(g++ make cmake qt6-base-dev libgl-dev fonts-liberation2 libgmp-dev pkgconf)
# The label sheets of the gLabels template library, read when printing labels.
build+=(glabels-data)
# End-to-end: a real X server, real input, the accessibility bus, screenshots.
tests=(xvfb xauth xdotool x11-utils x11-apps dbus dbus-x11 at-spi2-core python3-pyatspi)
# The same under a native Wayland compositor, headless.
tests+=(weston qt6-wayland)
# Installing: menu icons drawn from the SVG, the .deb's dependencies, and the
# validators and windres its tests run.
build+=(librsvg2-bin dpkg-dev)
tests+=(desktop-file-utils appstream binutils-mingw-w64-i686)
tests+=(valgrind) # make test-valgrind
tests+=(poppler-utils) # printed labels read back from their PDF
tests+=(libbenchmark-dev libxcb1-dev) # the benchmarks in bench/

case "${1:-run}" in
run) wanted=("${build[@]}") ;;
test) wanted=("${build[@]}" "${tests[@]}") ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
