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
# The list in the order it is to be read, numbers only, as a player would
# type it; the positions after the third stay empty.
{
  printf '012\r\n077\r\n005\r\n'
  for _ in $(seq 97); do printf '\r\n'; done
} >"$folder/readlist.txt"

# Every clip a quarter of a second of square wave, told apart by its level:
# the preface's and the listed cards' each their own, every other card's the
# same quiet one (it must never be heard).
tone() { sox -D -n -r 44100 -c 2 -b 16 "$1" synth 0.25 square 441 vol "$2"; }
tone "$work/quiet.wav" 0.05
for n in $(seq -w 0 100); do
  for verse in A B; do cp "$work/quiet.wav" "$folder/voice/I-$n$verse.wav"; done
done
levels=(I-000A 0.10 I-000B 0.15 I-012A 0.20 I-012B 0.25
        I-077A 0.30 I-077B 0.35 I-005A 0.40 I-005B 0.45)
for ((i = 0; i < ${#levels[@]}; i += 2)); do
  tone "$folder/voice/${levels[i]}.wav" "${levels[i + 1]}"
done

start_display
export FUDA_WINE_HOME="$work/home"
stream="$FUDA_WINE_HOME/sound.raw"

probe() { "$wine_run" "$build" "$build/tests/windows/$1.exe" "${@:2}" 2>/dev/null | tr -d '\r'; }

(cd "$folder" && exec "$wine_run" "$build" "$folder/reader-ja.exe") >"$work/reader.log" 2>&1 &
reader="$!"
pids+=("$reader")

keys() { xdotool windowfocus --sync "$window" key --delay 200 "$@"; sleep 0.5; }

window="$(wait_window fudayomi 120 "$reader")" || fail "the reader's window did not open"
controls="$(probe window_controls fudayomi)"
for id in 70 $(seq 1000 1015); do
  grep -q "^$id\\b" <<<"$controls" || fail "control $id is not shown: $controls"
done

# List > Reading of the List, then the message box that confirms it.
keys alt+j Down Return
box="$(wait_window 読唱順リスト 20 "$reader")" || fail "no message after loading the list"
xdotool windowfocus --sync "$box" key Return
sleep 0.5

# Operation > Start quickly: the preface, then the three cards on their own.
keys alt+f s
expected=8
deadline=$((SECONDS + 60))
while :; do
  heard="$(probe heard_stretches "Z:$stream" 1000 || true)"
  [ "$(grep -c . <<<"$heard")" -ge "$expected" ] && break
  [ "$SECONDS" -lt "$deadline" ] || fail "the game was not heard whole: $heard"
  sleep 1
done

keys alt+f x
for _ in $(seq 100); do kill -0 "$reader" 2>/dev/null || break; sleep 0.2; done
kill -0 "$reader" 2>/dev/null && fail "the reader did not exit from its menu"
wait "$reader" || fail "the reader exited with status $?"

echo "heard (start ms, end ms, peak):"
echo "$heard"
[ "$(grep -c . <<<"$heard")" -eq "$expected" ] || fail "more was heard than the game"
# The levels in reading order: each clip's peak against the first's as its
# level is against the first's (sox's square wave is louder than its volume).
awk -v levels="${levels[*]}" '
  BEGIN { n = split(levels, pairs, " "); for (i = 2; i <= n; i += 2) want[i / 2] = pairs[i] / pairs[2] }
  NR == 1 { first = $3 }
  { ratio = $3 / first
    if (ratio < want[NR] * 0.97 || ratio > want[NR] * 1.03) { print "clip " NR " is at " ratio " of the first, not " want[NR]; bad = 1 } }
  END { exit bad }' <<<"$heard" || fail "the clips were not read in the listed order"
# The pauses: 2 s between the preface's verses, then the timing pause of
# 1000 ms from each lower verse to the next upper verse; after each upper
# verse the interval, a second more and the time to make the step ready.
awk '
  function check(gap, want) { if (gap < want - 1 || gap > want + 1) { print "pause " NR - 1 " is " gap " ms, not " want; bad = 1 } }
  NR > 1 { gap = $1 - end
           if (NR == 2) check(gap, 2000)
           else if (NR % 2 == 1) check(gap, 1000)
           else if (gap < 1500 || gap > 5000) { print "the wait " NR - 1 " is " gap " ms"; bad = 1 } }
  { end = $2 }
  END { exit bad }' <<<"$heard" || fail "a pause was not the one set"
echo "PASS"
