#!/usr/bin/env bash
# Builds the program and starts it under Wine. Arguments go to the program; one that names an
# existing Linux path is handed over as its Windows path (Z:\...).
#   scripts/run.sh                 the window, to drop folders onto
#   scripts/run.sh ~/Work          lock ~/Work (or unlock ~/Work. when it is locked)
# Without a usable DISPLAY the program runs on a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh >&2
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target FolderLocker >&2
done

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
folderlocker_start_display
folderlocker_prepare_prefix
trap folderlocker_stop EXIT
trap 'exit 130' INT TERM

arguments=()
for argument in "$@"; do
  if [ -e "$argument" ]; then
    arguments+=("$("$WINE64" winepath -w "$argument" 2>/dev/null)")
  else
    arguments+=("$argument")
  fi
done
echo "Starting build/win64/FolderLocker.exe on DISPLAY=$DISPLAY (the 32-bit build is build/win32/FolderLocker.exe)" >&2
set +e
"$WINE64" build/win64/FolderLocker.exe "${arguments[@]}"
code=$?
echo "FolderLocker ended with exit code $code" >&2
exit "$code"
