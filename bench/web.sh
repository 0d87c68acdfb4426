#!/usr/bin/env bash
# Times the page splitting a page-cached 1 GiB make_archive archive in headless Chromium, into a
# zip and into the browser's origin-private folder, against two baselines run alternately with it:
# the same browser reading the same File the fastest way found (the page's floor), and vorsplit
# followed by vorloop. Then measures the tab's memory in the folder route on a 64 MB and on the
# 1 GiB archive, and while the page plays a track of 64 MB for a minute. Needs what the page's
# tests need: Debian's emscripten, chromium and Node.js.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --workflow --preset release >/dev/null
cmake --workflow --preset web >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/release/make_archive "$work/big.bin" 2622 >/dev/null     # 1 GiB
build/release/make_archive "$work/small.bin" 160 >/dev/null    # 64 MB
mkdir "$work/tool"
cp build/release/vorsplit build/release/vorloop "$work/tool/"
cat "$work/big.bin" "$work/small.bin" >/dev/null   # into the page cache

# The browser driver, as the page's tests have it.
mkdir "$work/drivers"
cp web/package.json web/package-lock.json "$work/drivers/"
(cd "$work/drivers" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
NODE_PATH="$work/drivers/node_modules" node bench/web.js "$PWD/build/web" "$work"
