#!/usr/bin/env bash
# Measures the program and prints a Markdown table, also written to build/benchmark.md:
#   - lock plus unlock through the real file layer under Wine, for folders of 0, 1,000 and 100,000
#     files (tests/bench/lock_bench.cpp): the number of file operations per cycle must be the same
#     for every size, and the 100,000-file cycle may take at most 1.2 times the empty one, else
#     the command fails. Under Wine each lookup of the absent password file reads the whole folder
#     (a lock makes two), which the table shows beside the cycle;
#   - start-up to the visible main window and the peak working set at rest, beside a minimal
#     window program built the same way (tests/bench/startup_bench.cpp, minimal_window.cpp);
#   - the size and the DLL imports of the 32-bit program.
# Builds the win64 and win32 presets first (only the programs it runs). Uses the project's Wine
# prefix, or FOLDERLOCKER_WINEPREFIX; a test run in the same prefix at the same time disturbs the
# numbers, and one that stops its wineserver ends this run.
#   BENCH_CYCLES   lock and unlock cycles per folder size (default 15)
#   BENCH_RUNS     timed starts per program (default 15)
#   BENCH_MEMORY_RUNS  starts per program for the working set (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
started_at=$(date +%s)
load_at_start=$(cut -d ' ' -f 1 /proc/loadavg)

cycles=${BENCH_CYCLES:-15}
runs=${BENCH_RUNS:-15}
memory_runs=${BENCH_MEMORY_RUNS:-3}
lock_bound=1.2
startup_aim=1.3
size_aim_kib=300

win64=build/win64
win32=build/win32
lock_bench=$win64/tests/bench/FolderLockerLockBench.exe
startup_bench=$win64/tests/bench/FolderLockerStartupBench.exe
minimal_window=$win64/tests/bench/FolderLockerMinimalWindow.exe
program64=$win64/FolderLocker.exe
program32=$win32/FolderLocker.exe

# Another build in the same tree can race with this one; a second try then succeeds.
build() {
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target "$@" ||
    cmake --build --preset "$preset" --target "$@"
}

echo "== Building win64 and win32" >&2
if ! build win64 FolderLocker FolderLockerLockBench FolderLockerMinimalWindow \
  FolderLockerStartupBench >&2; then
  echo "The win64 build failed (are the bench programs in tests/CMakeLists.txt?)" >&2
  exit 2
fi
build win32 FolderLocker >&2

echo "== Preparing Wine" >&2
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
# Only the display is ours to stop: the wineserver may serve other runs in the same prefix, and
# ends by itself a minute after its last program.
trap '[ -n "${FOLDERLOCKER_XVFB_PID:-}" ] && kill "$FOLDERLOCKER_XVFB_PID" 2>/dev/null || true' EXIT
folderlocker_start_display
folderlocker_prepare_prefix
(setsid /usr/lib/wine/wineserver64 -p60 </dev/null >/dev/null 2>&1 &)

# The DOS path of a file under the tree (Wine maps / to Z:).
dos_path() {
  local full
  full=$(realpath "$1")
  printf 'Z:%s' "${full//\//\\}"
}

# Wine's C runtime writes CR LF. The output goes through a file: a Wine service that the program
# starts would inherit a pipe and hold it open after the program has ended.
run_wine() {
  local output status=0
  output=$(mktemp)
  "$WINE64" "$@" >"$output" || status=$?
  tr -d '\r' <"$output"
  rm -f "$output"
  return "$status"
}

# field NAME LINE: the value of NAME=value in a line of the bench programs' output.
field() { sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p" <<<"$2"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
at_most() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a <= b) }'; }

echo "== Lock and unlock, $cycles cycles each for 0, 1,000 and 100,000 files" >&2
lock_output=$(run_wine "$lock_bench" "$cycles" 0 1000 100000) || {
  echo "The lock benchmark failed" >&2
  exit 1
}
lock_line() { grep "^files=$1 " <<<"$lock_output"; }
for files in 0 1000 100000; do
  line=$(lock_line "$files")
  printf -v "median_$files" '%s' "$(field median_ms "$line")"
  printf -v "lookup_$files" '%s' "$(field lookup_ms "$line")"
  printf -v "operations_$files" '%s' "$(field operations "$line")"
  # What a cycle costs besides its two lookups of the absent password file.
  printf -v "rest_$files" '%s' "$(awk -v c="$(field median_ms "$line")" -v l="$(field lookup_ms "$line")" \
    'BEGIN { printf "%.3f", c - 2 * l }')"
done
lock_ratio=$(ratio "$median_100000" "$median_0")
thousand_ratio=$(ratio "$median_1000" "$median_0")
rest_ratio=$(ratio "$rest_100000" "$rest_0")
lookup_ratio=$(ratio "$lookup_100000" "$lookup_0")
if [ "$operations_0" = "$operations_1000" ] && [ "$operations_0" = "$operations_100000" ]; then
  operations_result=PASS
else
  operations_result=FAIL
fi
if at_most "$lock_ratio" "$lock_bound"; then lock_result=PASS; else lock_result=FAIL; fi

echo "== Start-up, $runs runs each, and the working set, $memory_runs runs each" >&2
startup_output=$(run_wine "$startup_bench" "$runs" "$memory_runs" \
  FolderLocker "$(dos_path "$program64")" FolderLockerMainWindow \
  Minimal "$(dos_path "$minimal_window")" FolderLockerMinimalWindow) || {
  echo "The start-up benchmark failed" >&2
  exit 1
}
startup_of() { grep "^startup label=$1 " <<<"$startup_output"; }
memory_of() { grep "^memory label=$1 " <<<"$startup_output"; }
startup_program=$(field median_ms "$(startup_of FolderLocker)")
startup_minimal=$(field median_ms "$(startup_of Minimal)")
startup_ratio=$(ratio "$startup_program" "$startup_minimal")
if at_most "$startup_ratio" "$startup_aim"; then startup_note="within aim"; else startup_note="above aim"; fi
memory_program=$(field peak_working_set_kib "$(memory_of FolderLocker)")
memory_minimal=$(field peak_working_set_kib "$(memory_of Minimal)")
memory_ratio=$(ratio "$memory_program" "$memory_minimal")

size_bytes=$(stat -c %s "$program32")
size_kib=$(awk -v b="$size_bytes" 'BEGIN { printf "%.1f", b / 1024 }')
if at_most "$size_kib" "$size_aim_kib"; then size_note="within aim"; else size_note="above aim"; fi
windows_dlls=" kernel32.dll user32.dll gdi32.dll shell32.dll ole32.dll oleaut32.dll advapi32.dll \
comctl32.dll comdlg32.dll msvcrt.dll shlwapi.dll "
imports=$(i686-w64-mingw32-objdump -p "$program32" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f)
imports_note="yes"
for dll in $imports; do
  lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
  [[ $windows_dlls == *" $lower "* ]] || imports_note="no: $dll"
done
[ -n "$imports" ] || imports_note="no imports found"

cpu=$(sed -n 's/^model name[[:space:]]*:[[:space:]]*//p' /proc/cpuinfo | head -n 1)
cores=$(grep -c '^processor' /proc/cpuinfo)
wine_version=$("$WINE64" --version | tr -d '\r')
load_at_end=$(cut -d ' ' -f 1 /proc/loadavg)
when=$(date '+%Y-%m-%d %H:%M %Z')

table=$(
  cat <<EOF
| FolderLocker benchmark | |
|---|---|
| Date | $when |
| Machine | $cpu, $cores cores (1-minute load average $load_at_start at the start, $load_at_end at the end) |
| Wine | $wine_version |

| Lock + unlock through the real file layer, median of $cycles | 0 files | 1,000 files | 100,000 files | 100,000 / 0 | Bound | Result |
|---|---|---|---|---|---|---|
| File operations asked for per cycle | $operations_0 | $operations_1000 | $operations_100000 | | the same | $operations_result |
| Cycle (ms) | $median_0 | $median_1000 | $median_100000 | $lock_ratio (1,000 / 0: $thousand_ratio) | ≤ $lock_bound | $lock_result |
| One lookup of the absent password file (ms) | $lookup_0 | $lookup_1000 | $lookup_100000 | $lookup_ratio | | two per cycle |
| Cycle less those two lookups (ms) | $rest_0 | $rest_1000 | $rest_100000 | $rest_ratio | | |

| Program | FolderLocker | Minimal window | Ratio | Aim | |
|---|---|---|---|---|---|
| Start-up to visible main window, win64, median of $runs (ms) | $startup_program | $startup_minimal | $startup_ratio | ≤ $startup_aim | $startup_note |
| Peak working set 1 s after visible, win64, median of $memory_runs (KiB) | $memory_program | $memory_minimal | $memory_ratio | | |
| Size of $program32 | $size_bytes bytes ($size_kib KiB) | | | ≤ $size_aim_kib KiB | $size_note |
| DLL imports of $program32 | $(tr '\n' ' ' <<<"$imports" | sed 's/ $//; s/ /, /g') | | | Windows' own only | $imports_note |
EOF
)

printf '%s\n' "$table" >build/benchmark.md
printf '%s\n' "$table"
echo "Written to build/benchmark.md in $(($(date +%s) - started_at)) s." >&2
if [ "$operations_result" = FAIL ]; then
  echo "FAIL: the number of file operations per cycle depends on the folder's size."
  exit 1
fi
if [ "$lock_result" = FAIL ]; then
  echo "FAIL: the 100,000-file cycle took $lock_ratio times the empty one (bound $lock_bound);"
  echo "      one lookup of the absent password file took $lookup_ratio times as long there."
  exit 1
fi
echo "PASS: $operations_0 file operations per cycle for every size; the 100,000-file cycle took $lock_ratio times the empty one (bound $lock_bound)."
