#!/usr/bin/env bash
# Times the page in the engines found (Chromium, Firefox, WebKit), on page-cached make_archive
# archives, against floors and baselines run alternately with it. The floors are the browser's own
# copies of the same File, each its fastest way of those tried (4 or 16 MiB at a time, a pipe):
# its bare read (read); the read written into one origin-private file by a sync access handle
# (opfs); that, then downloaded as the page downloads a zip, until saved (spool); the read written
# through createWritable (writable). The baselines: vorsplit followed by vorloop, and vgmstream's
# command line rendering the tools' loop files (found on the PATH or as VGMSTREAM_CLI; said where
# missing). It times the look (a split that keeps nothing), the origin-private folder against opfs,
# the zip until the download is saved against spool, a folder written through createWritable as a
# picked one is (an origin-private one stands for it) against writable, and the WAV zip of a
# 300-pair archive and of one of short loops; then the tab's memory in each route. Each timed run
# that writes starts right after the bench has written and removed as many bytes (docs/design.md
# says why). Needs what the page's tests need.
# ONLY=play times a Play until it sounds, and, with BASELINE_PAGE=FOLDER, the page built there
# alternately with it; ONLY=reads a GiB reaching a worker by its own read, across a MessageChannel
# and relayed through the page; ONLY=formats the WAV, FLAC and Ogg Vorbis zips of the 300-pair
# archive against flac -5 and oggenc -q 6 (Debian's flac and vorbis-tools; said where missing)
# encoding the same WAV files. RUNS=5, ENGINES=chromium,firefox,webkit by default.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --workflow --preset release >/dev/null
cmake --workflow --preset web >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/release/make_archive "$work/big.bin" 2622 >/dev/null     # 1 GiB
build/release/make_archive "$work/small.bin" 160 >/dev/null    # 64 MB
build/release/make_archive "$work/wav.bin" 300 >/dev/null      # 120 MB, 598 MB of WAV files
mkdir "$work/tool"
cp build/release/vorsplit build/release/vorloop build/release/.adpcm.txth build/release/*.genh \
  "$work/tool/"
cat "$work"/*.bin >/dev/null   # into the page cache

# The browser drivers, as the page's tests have them.
mkdir "$work/drivers"
cp tools/browser/package.json tools/browser/package-lock.json "$work/drivers/"
(cd "$work/drivers" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
NODE_PATH="$work/drivers/node_modules" node bench/web.js "$PWD/build/web" "$work"
