#!/usr/bin/env bash
# The Windows reader as a player meets it, under Wine on an X server of its
# own. Started in a folder whose name has a blank and Japanese in it, with a
# voice of test tones and automatic reading set, it opens its window with
# every control, loads a hand-written list from its menu, reads the game on
# its own, and exits from its menu. In the stream Wine played, the clips come
# in the listed order and every pause is the one set.
#   wine_reader_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
wine_run="$(cd "$(dirname "$0")/../../scripts" && pwd)/windows-wine.sh"
source "$(dirname "$0")/../support/window_test.sh"
source "$(dirname "$0")/wine_game.sh"
start_scratch fuda-wine
fail() { echo "FAIL: $*" >&2; [ -f "$work/reader.log" ] && cat "$work/reader.log" >&2; exit 1; }

folder="$work/読手 の部屋"
mkdir -p "$folder/voice"
cp "$build/reader-ja.exe" "$folder/"
cat >"$folder/fudayomi.ini" <<'INI'
[Path]
Data1=voice
[Auto]
Auto=1
Itvl=0.5
INI
write_list "$folder/readlist.txt"
make_tone_voice "$folder/voice"

start_display
export FUDA_WINE_HOME="$work/home"
stream="$FUDA_WINE_HOME/sound.raw"

(cd "$folder" && exec "$wine_run" "$build" "$folder/reader-ja.exe") >"$work/reader.log" 2>&1 &
reader="$!"
pids+=("$reader")

window="$(wait_window fudayomi 120 "$reader")" || fail "the reader's window did not open"
controls="$(probe window_controls fudayomi)"
for id in 70 $(seq 1000 1015); do
  grep -q "^$id\\b" <<<"$controls" || fail "control $id is not shown: $controls"
done

load_list "$reader"

# Operation > Start quickly: the preface, then the three cards on their own.
keys alt+f s
wait_heard "$stream" "$expected"

exit_reader "$reader"

check_heard auto
echo "PASS"
