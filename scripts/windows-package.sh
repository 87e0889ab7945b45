#!/usr/bin/env bash
# Makes the Windows package build-win/fudayomi-win64.zip: the four programs
# (cross-compiled, statically linked, stripped), the default voice made here
# by make_voice as Ogg Vorbis (the programs decode it themselves), a sample
# settings file and a read-me in both languages. Unpacked anywhere, the
# reader starts with its voice beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

ensure_packages run build test windows package
scripts/windows-build.sh
configure_and_build build --target make_voice

name=fudayomi-win64
stage="build-win/$name"
voice="build-win/package-voice"
# The voice is kept between runs: making it again takes minutes. A recorded
# voice put there by hand is used as it is.
build/make_voice --format ogg "$voice" || {
  status=$?
  [ "$status" -eq "$(make_voice_status RecordedVoice)" ]
}

rm -rf "$stage" "build-win/$name.zip"
mkdir -p "$stage"
for program in reader-ja reader-en memotimer-ja memotimer-en; do
  x86_64-w64-mingw32-strip -o "$stage/$program.exe" "build-win/$program.exe"
done
cp -r "$voice" "$stage/data"
# Windows reads the texts with CR LF line ends; the read-me starts with a
# UTF-8 byte-order mark, without which Notepad may read it in the ANSI code page.
sed 's/$/\r/' packaging/windows/fudayomi.ini >"$stage/fudayomi.ini"
sed 's/$/\r/' packaging/windows/README.txt >"$stage/README.txt"
(cd build-win && zip -qr "$name.zip" "$name")

check_download_size "build-win/$name.zip"
