#!/usr/bin/env bash
# usage: no_display.sh VELMORA
# Without the display its back end needs (DISPLAY for xcb, WAYLAND_DISPLAY
# for wayland, either when Qt chooses), or with one no server answers, Qt
# would abort: the program must say so in one line and exit with status 1. A platform that needs no display
# must still start and keep running.
set -uo pipefail
velmora=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
ulimit -c unlimited 2>/dev/null || true
failed=0

# No Wayland socket can be found in the scratch runtime directory.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" "$@" </dev/null >out 2>err; }

# The environment, the program (V) and its arguments; no DISPLAY or
# WAYLAND_DISPLAY unless given.
cases=("V" "QT_QPA_PLATFORM= V" "QT_QPA_PLATFORM=xcb V" "QT_QPA_PLATFORM=wayland V" "QT_QPA_PLATFORM=xcb;wayland V"
    "QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-0 V" "QT_QPA_PLATFORM=wayland DISPLAY=:0 V"
    "QT_QPA_PLATFORM=wayland-egl DISPLAY=:0 V" "WAYLAND_DISPLAY=wayland-0 V -platform xcb"
    "DISPLAY=:4711 V" "DISPLAY=:4711 V -nograb" "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=none V" # no server there
    "DISPLAY=:4711 WAYLAND_DISPLAY=none V" "QT_QPA_PLATFORM=xcb;wayland DISPLAY=:4711 V"
    "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-0 XDG_RUNTIME_DIR= V")
for case in "${cases[@]}"; do
    # shellcheck disable=SC2086 # one word per assignment or argument
    run ${case/V/$velmora}
    status=$?
    lines=$(wc -l <err)
    if [[ $status -ne 1 || $lines -ne 1 || -s out ]] || ! grep -q 'impossibile aprire il display grafico' err; then
        echo "FAIL $case: status $status, stdout $(wc -c <out) bytes, stderr $lines lines:"
        cat err
        failed=1
    fi
done
if compgen -G 'core*' >/dev/null; then
    echo "FAIL core file left: $(echo core*)"
    failed=1
fi

# timeout's status 124 means the program was still running after a second;
# the cases run side by side so that they take that second once.
starts=("QT_QPA_PLATFORM=offscreen" "QT_QPA_PLATFORM=minimal" "QT_QPA_PLATFORM=wayland;offscreen" "-platform offscreen")
pids=()
for i in "${!starts[@]}"; do
    # shellcheck disable=SC2086 # an option and its value are two words
    case ${starts[i]} in
    -*) env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 1 "$velmora" ${starts[i]} ;;
    *) env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${starts[i]}" timeout 1 "$velmora" ;;
    esac </dev/null >"out$i" 2>"err$i" &
    pids+=($!)
done
for i in "${!starts[@]}"; do
    wait "${pids[i]}"
    status=$?
    if [[ $status -ne 124 ]] || grep -q 'display grafico' "err$i"; then
        echo "FAIL ${starts[i]}: status $status (124 expected: still running), stderr:"
        cat "err$i"
        failed=1
    fi
done

exit $failed
