#!/usr/bin/env bash
# Both programs' windows at 150 % and 200 % display scaling (Wine's
# LogPixels 144 and 192), on an X server of their own: the caption test runs
# at each, and every window it opens is photographed into
# BUILD_DIR/dpi-screenshots as NAME-DPI.png, for a person to look at.
#   wine_dpi_test.sh BUILD_DIR TEST_PROGRAM
set -euo pipefail
build="$(cd "$1" && pwd)"
program="$2"
wine_run="$(cd "$(dirname "$0")/../../scripts" && pwd)/windows-wine.sh"
source "$(dirname "$0")/../support/window_test.sh"
start_scratch fuda-dpi
fail() { echo "FAIL: $*" >&2; exit 1; }

shots="$build/dpi-screenshots"
mkdir -p "$shots"
rm -f "$shots"/*.png
# The scaling is a setting of the prefix: a prefix of the test's own keeps
# every other test at 100 %.
export FUDA_WINE_PREFIX="$build/wine-prefix-dpi"
export FUDA_WINE_HOME="$work/home"
export WINEPREFIX="$FUDA_WINE_PREFIX"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
# Room for the card selection window at 200 %.
start_display 2400x1600

for dpi in 144 192; do
  "$wine_run" "$build" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$dpi" /f >/dev/null 2>&1
  # Wine reads the scaling when its server starts.
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w
  FUDA_SCREENSHOTS="Z:$work" "$wine_run" "$build" "$program" >"$work/test-$dpi.log" 2>&1 &
  tester="$!"
  pids+=("$tester")
  while kill -0 "$tester" 2>/dev/null; do
    for ready in "$work"/*.ready; do
      [ -e "$ready" ] || continue
      name="$(basename "$ready" .ready)"
      sleep 0.3
      import -display "$DISPLAY" -window root -trim +repage "$shots/$name-$dpi.png"
      mv "$ready" "$work/$name.done"
    done
    sleep 0.2
  done
  if ! wait "$tester"; then
    cat "$work/test-$dpi.log" >&2
    fail "the captions do not all fit at $dpi DPI"
  fi
  grep -E '^\[  (PASSED|FAILED)' "$work/test-$dpi.log" || true
  rm -f "$work"/*.done
done
echo "PASS: screenshots in $shots"
