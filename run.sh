#!/usr/bin/env bash
# Builds as needed, makes the default voice on first run, and starts the reader.
#   ./run.sh        Japanese build
#   ./run.sh en     English build
#   ./run.sh web    the web site (both languages), served on 127.0.0.1:8080
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

lang="${1:-ja}"
case "$lang" in
  ja|en) ;;
  web)
    scripts/web-build.sh
    echo "The reader: http://127.0.0.1:8080/"
    exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
    ;;
  *) echo "usage: ./run.sh [ja|en|web]" >&2; exit 2 ;;
esac

ensure_packages run build
configure_and_build build --target "reader-$lang" make_voice
mkdir -p work
cd work
# The default voice, made once into data/. A recorded voice already in data/
# is used as it is.
../build/make_voice data || {
  status=$?
  [ "$status" -eq "$(make_voice_status RecordedVoice)" ]
}
exec ../build/reader-"$lang"
