# Shared by the shell tests that drive a program's windows: a scratch folder
# and processes ended when the test ends, an X server of the test's own, and
# waiting for a window.

# start_scratch NAME: makes the scratch folder `work` under /tmp; whatever
# the test adds to `pids` is ended on exit, and the folder removed.
start_scratch() {
  work="$(mktemp -d "/tmp/$1-XXXXXX")"
  pids=()
  trap end_scratch EXIT
}
end_scratch() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}

# start_display [WIDTHxHEIGHT]: starts Xvfb (1024x768 unless told) and
# exports DISPLAY (also kept in `display`).
start_display() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=("$!")
  exec 3>&-
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  display=":$(cat "$work/display")"
  export DISPLAY="$display"
}

# wait_window TITLE SECONDS PID: the id of the shown window titled exactly
# TITLE (xdotool matches titles without regard to case); fails once process
# PID has ended or the time is up.
wait_window() {
  local deadline=$((SECONDS + $2)) id
  while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$3" 2>/dev/null || return 1
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      if [ "$(xdotool getwindowname "$id")" = "$1" ]; then echo "$id"; return 0; fi
    done
    sleep 0.2
  done
  return 1
}
