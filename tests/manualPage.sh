#!/usr/bin/env bash
# The manual page and the other packaging files that carry the version: the
# committed ones with placeholders are named as templates (NAME.in), the
# built ones hold none, and each option's entry tells what belongs to it.
set -u
source=$1
build=$2
failures=0
fail() { echo "FAIL $1"; failures=$((failures + 1)); }

for file in "$source"/packaging/*; do
    case "$file" in *.in) continue ;; esac
    grep -q '@[A-Z_]*@' "$file" && fail "$(basename "$file") holds a build placeholder but is not named NAME.in"
done
for file in sonarch.6 changelog.Debian org.sonarch.Sonarch.metainfo.xml; do
    built=$build/packaging/$file
    [ -f "$built" ] || { fail "$file was not made by the build"; continue; }
    grep -q '@[A-Z_]*@' "$built" && fail "the built $file still holds a placeholder"
done

# One option's entry of the manual page: from its .BI line to the next .TP.
entry() { awk -v option="$1" '$0 ~ "^\\.BI? " option {on = 1; next} on && /^\.(TP|SH)/ {exit} on' \
    "$build/packaging/sonarch.6"; }
entry '\\\\-\\\\-data\\\\-dir' | grep -q 'does not exist' ||
    fail "the entry of --data-dir does not say that a missing folder is refused"
entry '\\\\-\\\\-settings' | grep -q 'does not exist' &&
    fail "the entry of --settings speaks of a missing folder"
[ "$failures" -eq 0 ] && echo "the manual page and packaging files are in order"
exit "$failures"
