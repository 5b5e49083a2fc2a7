#!/bin/sh
# Runs one test program under Wine. Its output goes through a file: Wine's
# helper processes, which outlive the test with a persistent wineserver,
# would otherwise keep CTest's output pipe open until the timeout.
log=$(mktemp)
wine "$@" >"$log" 2>&1
rc=$?
cat "$log"
rm -f "$log"
exit $rc
