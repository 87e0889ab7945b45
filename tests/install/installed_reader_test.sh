#!/usr/bin/env bash
# The installed reader as a new user meets it: installed into a temporary
# prefix, started with the command of its desktop entry under Xvfb, with an
# empty home folder and a programs' folder the user cannot write. The window
# opens, the default voice is made in the user's data folder, a written list
# lands there too, and a second start keeps the voice.
#   installed_reader_test.sh BUILD_DIR
set -euo pipefail
build="$1"
source "$(dirname "$0")/../support/window_test.sh"
start_scratch fuda-install
chmod 0755 "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
home="$work/home"
mkdir "$home"
# The user may not write the programs' folder: as root, the test runs the
# reader as nobody (root may write anywhere).
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod a-w "$prefix/bin"
fi

start_display

command_line="$(sed -n 's/^Exec=//p' "$prefix/share/applications/org.fudayomi.ReaderEn.desktop")"
start_reader() {
  "${as_user[@]}" env -i HOME="$home" PATH="$prefix/bin:/usr/bin:/bin" \
    DISPLAY="$display" SDL_AUDIODRIVER=dummy LANG=C.UTF-8 \
    $command_line >>"$work/reader.log" 2>&1 &
  pids+=("$!")
  reader="$!"
  # The first start makes the voice before the window opens.
  window="$(wait_window fudayomi 300 "$reader")" ||
    fail "the reader's window did not open: $(cat "$work/reader.log" "$work/xvfb.log")"
}

start_reader
data="$home/.local/share/fudayomi"
grep -q '^state=complete' "$data/data/.make_voice" || fail "no complete voice in $data/data"
[ -f "$home/.config/fudayomi/fudayomi.ini" ] || fail "no settings file in the configuration folder"
[ "$(stat -c %a "$data")" = 700 ] || fail "the data folder is not private"

# Start quickly, then List > Writing of the List: the completion message
# names the file, which lies in the data folder (unit tests check the text).
xdotool windowfocus --sync "$window"
xdotool key alt+f s
sleep 0.5
xdotool key alt+j Return
wait_window List 20 "$reader" >/dev/null || fail "no message after writing the list"
[ "$(wc -l <"$data/readlist.txt")" -eq 100 ] || fail "no list of 100 lines in $data"
[ ! -e "$prefix/bin/readlist.txt" ] || fail "the list went into the programs' folder"
kill "$reader"
wait "$reader" || true

# A second start finds the voice complete and leaves it as it is.
marked="$(stat -c %Y "$data/data/.make_voice")"
start_reader
[ "$(stat -c %Y "$data/data/.make_voice")" = "$marked" ] || fail "the voice was made again"
kill "$reader"
echo "installed reader: window, voice and list in the user's folders"
