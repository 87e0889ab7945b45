#!/usr/bin/env bash
# Builds as needed, makes the default voice on first run, and starts the reader.
#   ./run.sh        Japanese build
#   ./run.sh en     English build
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

lang="${1:-ja}"
case "$lang" in
  ja|en) ;;
  *) echo "usage: ./run.sh [ja|en]" >&2; exit 2 ;;
esac

ensure_packages run build
configure_and_build build --target "reader-$lang" make_voice
mkdir -p work
cd work
# The default voice, made once into data/. Status 3: data/ holds a recorded
# voice, which the reader uses as it is.
../build/make_voice data || [ $? -eq 3 ]
exec ../build/reader-"$lang"
