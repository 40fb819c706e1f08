#!/usr/bin/env bash
# usage: validate.sh DESKTOP_ENTRY METAINFO
# Runs Debian's validators on the menu entry and the AppStream data; skips
# when neither is installed.
set -uo pipefail
ran=0
failed=0
if command -v desktop-file-validate >/dev/null; then
    ran=1
    # It reports hints and warnings with status 0: any output is a finding.
    report=$(desktop-file-validate "$1" 2>&1)
    if [[ $? -ne 0 || -n $report ]]; then
        echo "FAIL desktop-file-validate $1:"
        echo "$report"
        failed=1
    fi
fi
if command -v appstreamcli >/dev/null; then
    ran=1
    appstreamcli validate --no-net --pedantic "$2" || failed=1
fi
[[ $ran -eq 1 ]] || {
    echo "SKIP: neither desktop-file-validate nor appstreamcli found"
    exit 77
}
exit $failed
