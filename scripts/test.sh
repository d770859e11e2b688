#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the native, 64-bit and 32-bit configurations,
# runs the native tests (the check of the built program files among them), the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets for 20 seconds each, then the
# Windows tests under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs=$(nproc)
for preset in native native-sanitize win64 win32; do
  echo "== Building $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

status=0
echo "== Native tests"
ctest --preset native -j "$jobs" || status=1

echo "== Native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --preset native-sanitize -j "$jobs" || status=1

echo "== Fuzz targets"
scripts/fuzz.sh "${FOLDERLOCKER_FUZZ_SECONDS:-20}" || status=1

echo "== Windows tests under Wine"
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
trap folderlocker_stop EXIT
trap 'exit 130' INT TERM
folderlocker_start_display
folderlocker_prepare_prefix
folderlocker_start_wineserver
rm -f "$FOLDERLOCKER_BROWSER_LOG"
ctest --preset win64 -j "$jobs" || status=1

if [ "$status" -eq 0 ]; then
  echo "== All tests passed"
else
  echo "== Some tests failed"
fi
exit "$status"
