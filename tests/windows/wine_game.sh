# Shared by the tests that play a game in the Windows reader under Wine and
# listen to it: the voice of test tones, the hand-written list, the probes,
# the keys, and the checks of what was heard. Expects `build` (the build
# folder), `work` and `wine_run` (scripts/windows-wine.sh) to be set.

# The cards of the hand-written list in the order they are to be read, and
# the level of every clip that must be heard, in reading order.
levels=(I-000A 0.10 I-000B 0.15 I-012A 0.20 I-012B 0.25
        I-077A 0.30 I-077B 0.35 I-005A 0.40 I-005B 0.45)
expected=$((${#levels[@]} / 2))

# make_tone_voice DIR: every clip a quarter of a second of square wave, told
# apart by its level: the preface's and the listed cards' each their own,
# every other card's the same quiet one (it must never be heard).
make_tone_voice() {
  local voice="$1" n verse i
  mkdir -p "$voice"
  tone() { sox -D -n -r 44100 -c 2 -b 16 "$1" synth 0.25 square 441 vol "$2"; }
  tone "$work/quiet.wav" 0.05
  for n in $(seq -w 0 100); do
    for verse in A B; do cp "$work/quiet.wav" "$voice/I-$n$verse.wav"; done
  done
  for ((i = 0; i < ${#levels[@]}; i += 2)); do
    tone "$voice/${levels[i]}.wav" "${levels[i + 1]}"
  done
}

# write_list FILE: the list as a player would type it, numbers only; the
# positions after the third stay empty.
write_list() {
  {
    printf '012\r\n077\r\n005\r\n'
    for _ in $(seq 97); do printf '\r\n'; done
  } >"$1"
}

probe() { "$wine_run" "$build" "$build/tests/windows/$1.exe" "${@:2}" 2>/dev/null | tr -d '\r'; }

# keys KEY...: typed into the reader's window `window`.
keys() { xdotool windowfocus --sync "$window" key --delay 200 "$@"; sleep 0.5; }

# load_list PID: List > Reading of the List, then the message that confirms it.
load_list() {
  keys alt+j Down Return
  local box
  box="$(wait_window 読唱順リスト 20 "$1")" || fail "no message after loading the list"
  xdotool windowfocus --sync "$box" key Return
  sleep 0.5
}

# wait_heard STREAM COUNT: waits until COUNT clips were heard in STREAM
# (a minute at most) and leaves them in `heard`.
wait_heard() {
  local deadline=$((SECONDS + 60))
  while :; do
    heard="$(probe heard_stretches "Z:$1" 1000 || true)"
    [ "$(grep -c . <<<"$heard")" -ge "$2" ] && return 0
    [ "$SECONDS" -lt "$deadline" ] || fail "the game was not heard whole: $heard"
    sleep 1
  done
}

# next_card: the player's right click on the window's background, once the
# reader waits for it ("Next" enabled): a click while a verse still plays is
# not the player's turn and is rightly ignored, and a busy machine stretches
# that time.
next_card() {
  local deadline=$((SECONDS + 60))
  until probe window_controls fudayomi | grep -q '^1005 +'; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the reader did not wait for the next card"
    sleep 0.5
  done
  xdotool mousemove --window "$window" 510 150 click 3
}

# check_heard auto|manual: the clips of `heard` came in the listed order with
# the pauses set: 2 s between the preface's verses, then the timing pause of
# 1000 ms from each lower verse to the next upper verse; read automatically,
# after each upper verse the interval, a second more and the time to make the
# step ready (read by hand, that wait is the player's).
check_heard() {
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
  awk -v mode="$1" '
    function check(gap, want) { if (gap < want - 1 || gap > want + 1) { print "pause " NR - 1 " is " gap " ms, not " want; bad = 1 } }
    NR > 1 { gap = $1 - end
             if (NR == 2) check(gap, 2000)
             else if (NR % 2 == 1) check(gap, 1000)
             else if (mode == "auto" && (gap < 1500 || gap > 5000)) { print "the wait " NR - 1 " is " gap " ms"; bad = 1 } }
    { end = $2 }
    END { exit bad }' <<<"$heard" || fail "a pause was not the one set"
}

# exit_reader PID: Operation > Exit, then the reader's end.
exit_reader() {
  keys alt+f x
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.2; done
  kill -0 "$1" 2>/dev/null && fail "the reader did not exit from its menu"
  wait "$1" || fail "the reader exited with status $?"
}
