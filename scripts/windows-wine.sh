#!/usr/bin/env bash
# Runs a Windows program under Wine in the build folder's own Wine prefix,
# making the prefix first if it is not there yet, with font substitutes for
# the Japanese faces. Its sound goes through ALSA
# into BUILD_DIR/wine-home/sound.raw (44.1 kHz, 16-bit, as the program plays
# it), so tests can read what would have been heard; a test that needs a
# stream of its own names another home folder in FUDA_WINE_HOME, and one that
# changes the prefix's settings names a prefix of its own in
# FUDA_WINE_PREFIX.
#   scripts/windows-wine.sh BUILD_DIR                 only make the prefix
#   scripts/windows-wine.sh BUILD_DIR PROGRAM [ARGS]  run PROGRAM in it
set -euo pipefail
build_dir="$(cd "$1" && pwd)"; shift
export WINEPREFIX="${FUDA_WINE_PREFIX:-$build_dir/wine-prefix}"
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or a web view, and without them
# Wine would ask to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# ALSA reads its configuration from the home folder: one of our own sends
# the default device into a file through a device that plays nothing.
export HOME="${FUDA_WINE_HOME:-$build_dir/wine-home}"
mkdir -p "$HOME"
cat >"$HOME/.asoundrc" <<ALSA
pcm.!default {
  type file
  slave.pcm "null"
  file "$HOME/sound.raw"
  format "raw"
}
ALSA
# Debian's wine64 package keeps its loader outside PATH.
wine="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Two runs at once must not both make it: the second waits for the first.
  mkdir -p "$build_dir"
  exec 9>"$build_dir/wine-prefix.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d alsa /f >/dev/null 2>&1
    "$wineserver" -w
  fi
  flock -u 9
fi

# The faces the programs ask for are Windows' own; here Debian's Ume fonts,
# drawn to the same widths as Windows' gothic faces (so captions fit their
# controls as on Windows), and the Liberation fonts stand in for them, and
# Wine's own interface font (menus, captions, message boxes) borrows its
# Japanese glyphs from Ume UI Gothic.
if [ ! -f "$WINEPREFIX/fonts-substituted" ]; then
  exec 9>"$build_dir/wine-prefix.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/fonts-substituted" ]; then
    export LC_ALL=C.UTF-8
    replacements='HKCU\Software\Wine\Fonts\Replacements'
    "$wine" reg add "$replacements" /v 'ＭＳ Ｐゴシック' /d 'Ume P Gothic' /f >/dev/null 2>&1
    "$wine" reg add "$replacements" /v 'ＭＳ ゴシック' /d 'Ume Gothic' /f >/dev/null 2>&1
    "$wine" reg add "$replacements" /v 'MS UI Gothic' /d 'Ume UI Gothic' /f >/dev/null 2>&1
    "$wine" reg add "$replacements" /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
    links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Segoe UI'; do
      "$wine" reg add "$links" /v "$face" /t REG_MULTI_SZ /d 'ume-ugo4.ttf,Ume UI Gothic' /f >/dev/null 2>&1
    done
    "$wineserver" -w
    touch "$WINEPREFIX/fonts-substituted"
  fi
  flock -u 9
fi

if [ "$#" -gt 0 ]; then
  exec "$wine" "$@"
fi
