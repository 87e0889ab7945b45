#!/usr/bin/env bash
# The web page's own checks: the voice import's refusals under Node, axe-core
# on the page in headless Chromium in both languages, and, over a built site,
# the reader starting and reading offline, and a game that loses the network
# naming the clip it cannot fetch.
#   tests/web/page_tests.sh [SITE]
# With SITE (a folder made by scripts/web-build.sh) the page runs over the
# real core; without it, over the stand-in of tests/web/page_mock.mjs.
# axe-core comes from the npm registry, pinned by tests/web/package-lock.json.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ ! -f "$here/node_modules/axe-core/axe.min.js" ]; then
  npm ci --prefix "$here" --no-audit --no-fund
fi
node --test "$here/voice_import_test.mjs"
if [ $# -eq 0 ]; then
  node --experimental-websocket "$here/page_axe_test.mjs"
  exit
fi
site="$(cd "$1" && pwd)"
node --experimental-websocket "$here/page_axe_test.mjs" "$site"
node --experimental-websocket "$here/page_offline_test.mjs" "$site"
