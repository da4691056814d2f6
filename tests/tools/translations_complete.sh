#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the sources mark for translation has a finished translation:
# the .ts file is brought up to date with the sources in a copy (so a text
# added without its translation counts), then lrelease must report nothing
# unfinished or untranslated.
#   translations_complete.sh LUPDATE LRELEASE TS_FILE SOURCE...
set -eu
lupdate=$1 lrelease=$2 ts=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/copy.ts"
"$lupdate" -silent -locations none -no-obsolete "$@" -ts "$work/copy.ts"
report=$("$lrelease" "$work/copy.ts" -qm "$work/copy.qm")
echo "$report"
echo "$report" | grep -q ' 0 unfinished' || { echo "unfinished translations in $ts"; exit 1; }
if echo "$report" | grep -q 'untranslated'; then echo "untranslated texts in $ts"; exit 1; fi
# Name the texts without a finished translation, for whoever fixes it.
if grep -n 'type="unfinished"' "$work/copy.ts"; then exit 1; fi
