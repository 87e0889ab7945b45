#!/usr/bin/env bash
# Makes the web site in build-web/site/: the reader's core compiled to
# WebAssembly by Emscripten, the page, the icons, and the default voice made
# here by make_voice as Ogg Vorbis (fetched by the page clip by clip). The
# folder is the whole site: copy it to any static web host.
#   scripts/web-build.sh           the site
#   scripts/web-build.sh --test    the site without the voice (its test brings
#                                  a voice of its own), the core's unit tests
#                                  for Node, and the desktop's list writer the
#                                  test compares with
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

testing=false
if [ "${1:-}" = "--test" ]; then testing=true; fi
ensure_packages run build web
if $testing; then
  ensure_packages test
  configure_and_build build --target desktop_list_bytes
else
  configure_and_build build --target make_voice
fi

# Debian's Emscripten finds its own Node modules only here.
export NODE_PATH=/usr/share/nodejs
targets=(fudayomi_core)
if $testing; then targets+=(web_unit_tests); fi
# Small code for the site, and no debugging information to compile.
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DFUDA_BUILD_BENCH=OFF -DFUDA_DESKTOP_BUILD="$PWD/build" >/dev/null
cmake --build build-web -j"$(build_jobs)" --target "${targets[@]}"

site="build-web/site"
if [ -d frontends/web/page ]; then cp -r frontends/web/page/. "$site/"; fi
mkdir -p "$site/icons"
cp packaging/icons/fudayomi-128.png packaging/icons/fudayomi-256.png packaging/icons/fudayomi.svg \
  "$site/icons/"
if $testing; then exit 0; fi

voice="build-web/voice"
# The voice is kept between runs: making it again takes minutes.
build/make_voice --format ogg "$voice" || {
  status=$?
  [ "$status" -eq "$(make_voice_status RecordedVoice)" ]
}
rm -rf "$site/voice"
cp -r "$voice" "$site/voice"
# The page learns the voice's clips from this list, and fetches none ahead.
(cd "$site/voice" && find . -type f -iname '*.ogg' -printf '%P\n' | sort |
  node -e 'const names = require("fs").readFileSync(0, "utf8").split("\n").filter(Boolean);
           process.stdout.write(JSON.stringify(names));' >clips.json)
echo "The site: $PWD/$site"
