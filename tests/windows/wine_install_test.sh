#!/usr/bin/env bash
# The installer as a club's Windows user meets it, in a fresh Wine prefix
# made for a user whose name is Japanese. Installed silently, it leaves the
# programs in the user's program folder and Start-menu entries pointing at
# them. The Japanese reader, started as its entry starts it, makes its
# settings in the user's AppData, reads a hand-written list in the user's
# folder with a voice of test tones (every pause the one set) and writes the
# list there too; its Help opens the installed read-me. A silent uninstall
# then leaves none of the installed files and keeps the user's. An install
# for every user goes to Program Files and is uninstalled as cleanly.
#   wine_install_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
wine_run="$scripts/windows-wine.sh"
source "$(dirname "$0")/../support/window_test.sh"
source "$(dirname "$0")/wine_game.sh"
start_scratch fuda-install
fail() { echo "FAIL: $*" >&2; [ -f "$work/reader.log" ] && cat "$work/reader.log" >&2; exit 1; }

# An installer of the programs built here, with the voice of test tones as
# its default voice.
stage="$work/stage"
mkdir -p "$stage"
for program in reader-ja reader-en memotimer-ja memotimer-en; do
  x86_64-w64-mingw32-strip -o "$stage/$program.exe" "$build/$program.exe"
done
make_tone_voice "$stage/data"
cp "$(dirname "$0")/../../packaging/windows/README.txt" \
  "$(dirname "$0")/../../packaging/windows/fudayomi.ini" "$stage/"
"$scripts/windows-installer.sh" "$stage" "$work/setup.exe" >/dev/null

user="山田 花子"
# The user's name and the paths under it reach Wine in UTF-8.
export LC_ALL=C.UTF-8
export FUDA_WINE_PREFIX="$work/prefix" USER="$user" FUDA_WINE_HOME="$work/home"
# The prefix's own server goes first, so its folder can be removed.
trap 'WINEPREFIX="$FUDA_WINE_PREFIX" "$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null; end_scratch' EXIT
stream="$FUDA_WINE_HOME/sound.raw"
profile="$FUDA_WINE_PREFIX/drive_c/users/$user"
installed="$profile/AppData/Local/Programs/fudayomi"
menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/fudayomi"
settings="$profile/AppData/Roaming/fudayomi/fudayomi.ini"
own="$profile/AppData/Local/fudayomi"

# The display comes first: the prefix's desktop process, started with the
# installer, serves every later window and cannot find a display afterwards.
start_display
"$wine_run" "$build" "$work/setup.exe" /S >"$work/setup.log" 2>&1 || fail "the silent install failed"
[ -d "$profile" ] || fail "the prefix has no profile for $user: $(ls "$FUDA_WINE_PREFIX/drive_c/users")"
for program in reader-ja reader-en memotimer-ja memotimer-en; do
  [ -f "$installed/$program.exe" ] || fail "$program.exe is not installed"
done
# Each entry names its program: the link holds the target's path.
for entry in "Fudayomi (Japanese):reader-ja" "Fudayomi (English):reader-en" \
    "Fudayomi Countdown (Japanese):memotimer-ja" "Fudayomi Countdown (English):memotimer-en"; do
  link="$menu/${entry%%:*}.lnk"
  [ -f "$link" ] || fail "no Start-menu entry ${entry%%:*}: $(ls "$menu")"
  grep -aq "${entry##*:}.exe" "$link" || fail "${entry%%:*} does not start ${entry##*:}.exe"
done

# The hand-written list lies in the user's folder, where the reader looks.
mkdir -p "$own"
write_list "$own/readlist.txt"

# start_entry PROGRAM LOG: starts the installed PROGRAM as its Start-menu
# entry does, in the installation folder. (Wine itself cannot follow the
# entry: it keeps the target's path in the ANSI code page, which here cannot
# spell the user's name.) The process is the last in `pids`.
start_entry() {
  (cd "$installed" && exec "$wine_run" "$build" "$installed/$1.exe") >"$2" 2>&1 &
  pids+=("$!")
}

start_entry reader-ja "$work/reader.log"
reader="${pids[-1]}"
window="$(wait_window fudayomi 120 "$reader")" || fail "the reader's window did not open"
grep -q '^;Num=1' "$settings" || fail "no settings of comments in the user's AppData"

load_list "$reader"
# Operation > Start quickly: the preface and the first card, then each right
# click on the window's background one card more. During the game, List >
# Writing of the List: its message names the file in the user's folder.
keys alt+f s
wait_heard "$stream" 3
keys alt+j Return
box="$(wait_window 読唱順リスト 20 "$reader")" || fail "no message after writing the list"
probe window_controls 読唱順リスト | grep -qF 'AppData\Local\fudayomi\readlist.txt' ||
  fail "the message does not name the list file: $(probe window_controls 読唱順リスト)"
xdotool windowfocus --sync "$box" key Return
sleep 0.5
for clips in 5 7 8; do
  next_card
  wait_heard "$stream" "$clips"
done
exit_reader "$reader"
check_heard manual
[ "$(head -c 3 "$own/readlist.txt")" = "012" ] || fail "the list was not written to the user's folder"
grep -q "012 001" "$own/readlist.txt" || fail "the list written holds no reading order"

# The memotimer, from its entry, shows the program's icon.
start_entry memotimer-ja "$work/memotimer.log"
memotimer="${pids[-1]}"
timer="$(wait_window 暗記タイマー 60 "$memotimer")" || fail "the memotimer's window did not open"
xprop -id "$timer" _NET_WM_ICON | grep -q 'Icon' || fail "the memotimer's window has no icon"
xdotool windowfocus --sync "$timer" key alt+F4
wait "$memotimer" || true

# Help > Help in a reader of its own opens the installed read-me (Wine shows
# it in Notepad). Both are then closed as their close boxes close them: with
# no window manager here, keys typed after another program's window was in
# front may not reach the reader.
start_entry reader-ja "$work/help.log"
helped="${pids[-1]}"
window="$(wait_window fudayomi 120 "$helped")" || fail "the reader's window did not open again"
keys alt+h h
help=""
for _ in $(seq 100); do
  help="$(xdotool search --onlyvisible --name 'README' 2>/dev/null | head -1)" && [ -n "$help" ] && break
  sleep 0.3
done
[ -n "$help" ] || fail "Help opened no read-me"
"$wine_run" "$build" taskkill /IM notepad.exe >/dev/null 2>&1 || true
"$wine_run" "$build" taskkill /IM reader-ja.exe >/dev/null 2>&1 || true
wait "$helped" || fail "the reader closed with status $?"

"$wine_run" "$build" "$installed/uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the silent uninstall failed"
# The uninstaller runs a copy of itself, which may still be at work.
for _ in $(seq 100); do [ -e "$installed" ] || break; sleep 0.2; done
[ ! -e "$installed" ] || fail "installed files are left: $(find "$installed")"
[ ! -e "$menu" ] || fail "Start-menu entries are left: $(ls "$menu")"
[ -f "$settings" ] || fail "the user's settings were removed"
[ -f "$own/readlist.txt" ] && [ -d "$own/data" ] || fail "the user's list or voice was removed"

# For a club's shared PC: an install for every user goes to Program Files,
# with its entries in every user's Start menu, and its uninstall takes them.
everyone="$FUDA_WINE_PREFIX/drive_c/Program Files/fudayomi"
shared_menu="$FUDA_WINE_PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/fudayomi"
"$wine_run" "$build" "$work/setup.exe" /S /ALLUSERS >"$work/setup.log" 2>&1 || fail "the install for every user failed"
[ -f "$everyone/reader-ja.exe" ] || fail "the install for every user is not in Program Files"
[ -f "$shared_menu/Fudayomi (Japanese).lnk" ] || fail "no Start-menu entry for every user"
[ ! -e "$installed" ] || fail "the install for every user went to the user's folder"
"$wine_run" "$build" "$everyone/uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the silent uninstall for every user failed"
for _ in $(seq 100); do [ -e "$everyone" ] || break; sleep 0.2; done
[ ! -e "$everyone" ] && [ ! -e "$shared_menu" ] || fail "the install for every user left files"
echo "PASS"
