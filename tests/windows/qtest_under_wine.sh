#!/usr/bin/env bash
# Runs a window test program under Wine and prints what it logged. Under Wine a
# test's log never reaches the pipe ctest reads (with no console, QtTest logs to
# the debugger), so it goes to a file, printed here whatever the outcome.
#   qtest_under_wine.sh WINE TEST.exe [ARGS...]
set -uo pipefail
wine=$1
program=$2
shift 2
log=$(mktemp --suffix=.txt)
trap 'rm -f "$log"' EXIT
status=0
"$wine" "$program" -o "Z:${log//\//\\},txt" "$@" || status=$?
cat "$log"
exit $status
