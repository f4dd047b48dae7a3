#!/bin/sh
# Runs lupdate over the sources into a temporary copy of each translation file and fails when a
# text is left unfinished (new or changed in the sources) or vanished (gone from them).
# Usage: check_translations.sh LUPDATE "OPTIONS" TS-FILE... SOURCE...
lupdate=$1
options=$2
shift 2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
tsFiles=""
while [ $# -gt 0 ] && [ "${1%.ts}" != "$1" ]; do
    cp "$1" "$work/" || exit 1
    tsFiles="$tsFiles $work/$(basename "$1")"
    shift
done
# shellcheck disable=SC2086 # the options and file lists are meant to split
"$lupdate" $options "$@" -ts $tsFiles > "$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log"; exit 1; }
status=0
for ts in $tsFiles; do
    if grep -n -B2 -E 'type="(unfinished|vanished|obsolete)"' "$ts"; then
        echo "$(basename "$ts"): texts above are unfinished or vanished; run the update_translations target and translate them"
        status=1
    fi
done
exit $status
