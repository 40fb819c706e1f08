#!/usr/bin/env bash
# usage: command_line.sh VELMORA VERSION
# --help and --version answer on standard output without a display; anything
# else Velmora and Qt do not know is refused in one line naming it, status 2;
# Qt's own options still reach Qt.
set -uo pipefail
velmora=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0

fail() {
    echo "FAIL $*"
    failed=1
}

# arguments | status | first line of standard output | standard error
cases=(
    "--help|0|Uso: velmora [opzioni]|"
    "-h|0|Uso: velmora [opzioni]|"
    "--version|0|Velmora $version|"
    "-v|0|Velmora $version|"
    "-platform offscreen --version|0|Velmora $version|"
    "--bogus|2||velmora: opzione sconosciuta: --bogus (vedere velmora --help)"
    "-style Fusion -x --help|2||velmora: opzione sconosciuta: -x (vedere velmora --help)"
    "--colour=nero|2||velmora: opzione sconosciuta: --colour (vedere velmora --help)"
    "--version=2|2||velmora: l'opzione --version non vuole un valore (vedere velmora --help)"
    "-style|2||velmora: manca il valore dell'opzione -style (vedere velmora --help)"
    "resistore.txt|2||velmora: comando sconosciuto: resistore.txt (vedere velmora --help)"
    # Qt judges its options and its plugin's: xcb's, though it cannot connect.
    "-nograb|1||velmora: impossibile aprire il display grafico (DISPLAY e WAYLAND_DISPLAY non impostate o senza risposta)"
    "-visual 33 -geometry 9x9 --version|0|Velmora $version|"
    "-platform offscreen -nograb|2||velmora: opzione sconosciuta: -nograb (vedere velmora --help)"
)
for case in "${cases[@]}"; do
    IFS='|' read -r args status stdout stderr <<<"$case"
    # shellcheck disable=SC2086 # the arguments are words
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" "$velmora" $args </dev/null >out 2>err
    got=$?
    [[ $got -eq $status ]] || fail "$args: status $got, expected $status"
    [[ $(head -n 1 out) == "$stdout" ]] || fail "$args: stdout starts '$(head -n 1 out)', expected '$stdout'"
    [[ $(cat err) == "$stderr" ]] || fail "$args: stderr '$(cat err)', expected '$stderr'"
done

# The help names every option it offers, each once.
env -u DISPLAY "$velmora" --help >out 2>err
for option in "  -h, --help" "  -v, --version" "  bande COLORE" "  valore TESTO" "  smd CODICE" "  identifica BANDA" "  --misurato VALORE" "  --bande N" "  --tolleranza P" "  --ppm N" "  --json"; do
    [[ $(grep -c -F -- "$option" out) -eq 1 ]] || fail "--help does not list '$option' once"
done

# A private X server for xcb's options.
exec 3>display
Xvfb -displayfd 3 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
trap 'kill $xvfb; rm -rf "$work"' EXIT
timeout 5 bash -c 'until [[ -s display ]]; do sleep 0.1; done'

# Qt's own options, single or double dash, with the value apart or after '=':
# timeout's status 124 means the program was still running after a second.
starts=("-platform offscreen" "--platform offscreen" "-platform offscreen -style Fusion -reverse"
    "-platform offscreen -qwindowtitle Prova -qwindowgeometry 433x421+0+0" "-style=Fusion -platform offscreen"
    "-nograb" "-dograb" "-visual 33" "-name prova -geometry 9x9 -title Prova")
pids=()
for i in "${!starts[@]}"; do
    # shellcheck disable=SC2086
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$(cat display)" XDG_RUNTIME_DIR="$work" timeout 1 "$velmora" ${starts[i]} </dev/null >"out$i" 2>"err$i" &
    pids+=($!)
done
for i in "${!starts[@]}"; do
    wait "${pids[i]}"
    status=$?
    [[ $status -eq 124 ]] && ! grep -q "^velmora:" "err$i" || fail "${starts[i]}: status $status (124 expected: still running), stderr: $(cat "err$i")"
done

exit $failed
