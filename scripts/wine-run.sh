#!/bin/sh
# Runs a Windows program under wine64 for CTest (the cross build's emulator). The program's output
# goes through a file: a Wine service or the desktop process that the program happens to start
# would otherwise inherit CTest's pipe and keep the test open long after the program has ended.
out=$(mktemp) || exit 125
/usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
if [ "$status" -ne 0 ] && [ ! -s "$out" ]; then
  echo "wine-run.sh: wine64 ended with exit code $status and printed nothing" >&2
fi
rm -f "$out"
exit "$status"
