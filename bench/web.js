// The page's bench, run by web.sh: node web.js PAGE_FOLDER WORK_FOLDER, with big.bin, small.bin
// and tool/ (vorsplit and vorloop) in WORK_FOLDER. Prints medians of alternating runs, the ratios
// and the tab's memory.
'use strict';

const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const {handFolder, launch, serve} = require('../web/browser.js');

const [pageFolder, work] = process.argv.slice(2);
const runs = Number(process.env.RUNS || 5);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// vorsplit, then vorloop, from a clean folder, as bench/run.sh times them.
function nativePair() {
  for (const name of fs.readdirSync(path.join(work, 'tool'))) {
    if (name.startsWith('BGM_')) fs.rmSync(path.join(work, 'tool', name));
  }
  execFileSync('sync');
  const start = process.hrtime.bigint();
  for (const tool of ['vorsplit', 'vorloop']) {
    execFileSync(path.join(work, 'tool', tool), [path.join(work, 'big.bin')], {stdio: 'ignore'});
  }
  return Number(process.hrtime.bigint() - start) / 1e9;
}

// The floor: a worker reads the chosen File the fastest way found, one byte stream over it all
// into a buffer used again and again, and does nothing with the bytes; for comparison, with
// whole = false, a stream for each 8 MB, as FileReaderSync and the like read it.
function floorInPage(whole) {
  const file = window.benchFile;
  const source = `onmessage = async ({data: [file, whole]}) => {
    const chunk = 8192000;
    let buffer = new ArrayBuffer(chunk), reader;
    const start = performance.now();
    for (let at = 0; at < file.size; at += chunk) {
      const length = Math.min(chunk, file.size - at);
      if (!whole || !reader) reader = (whole ? file : file.slice(at, at + length)).stream().getReader({mode: 'byob'});
      for (let filled = 0; filled < length;) {
        const {value} = await reader.read(new Uint8Array(buffer, filled, length - filled));
        buffer = value.buffer;
        filled += value.byteLength;
      }
    }
    postMessage((performance.now() - start) / 1000);
  }`;
  const worker = new Worker(URL.createObjectURL(new Blob([source])));
  return new Promise((resolve) => {
    worker.onmessage = ({data}) => { worker.terminate(); resolve(data); };
    worker.postMessage([file, whole]);
  });
}

// Seconds from a click on the button to the end of the split; 'look' chooses the archive again.
function routeInPage(button) {
  return new Promise((resolve) => {
    const start = performance.now();
    const observer = new MutationObserver(() => {
      if (document.body.dataset.state === 'working') return;
      observer.disconnect();
      resolve([(performance.now() - start) / 1000, document.body.dataset.state]);
    });
    observer.observe(document.body, {attributes: true});
    if (button !== 'look') return document.getElementById(button).click();
    const input = document.querySelector('input[type=file]'), chosen = new DataTransfer();
    chosen.items.add(window.benchFile);
    input.files = chosen.files;
    input.dispatchEvent(new Event('change'));
  });
}

// The renderers' resident memory in KiB: the tab's page and its workers.
function rendererMemory(profile) {
  let total = 0;
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const command = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
      if (!command.includes('--type=renderer') || !command.includes(profile)) continue;
      total += Number(/VmRSS:\s+(\d+)/.exec(fs.readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);
    } catch {}
  }
  return total;
}

async function main() {
  const server = await serve(pageFolder);
  const folder = fs.mkdtempSync(path.join(work, 'browser-')), profile = path.join(folder, 'profile');
  const browser = await launch('chromium', folder, '/usr/bin/chromium');
  const page = await browser.newTab();
  // The browser's origin-private folder stands for the folder a user picks.
  await page.preload(() => {
    window.showDirectoryPicker = async () => navigator.storage.getDirectory();
  });
  const url = `http://127.0.0.1:${server.address().port}/index.html`;
  const choose = async (archive) => {
    await page.evaluate(() => document.addEventListener('change', (event) => {
      window.benchFile = event.target.files[0];
    }, true));
    await page.choose('input[type=file]', path.join(work, archive));
    await page.waitFor(() => document.body.dataset.state === 'done', null, {timeout: 0});
  };
  await page.goto(url);
  await choose('big.bin');

  const times = {floor: [], slices: [], look: [], folder: [], zip: [], native: []};
  for (let i = 0; i < runs; ++i) {
    times.floor.push(await page.evaluate(floorInPage, true));
    times.slices.push(await page.evaluate(floorInPage, false));
    times.look.push((await page.evaluate(routeInPage, 'look'))[0]);
    await handFolder(page);
    const [folder, folderState] = await page.evaluate(routeInPage, 'save-folder');
    times.folder.push(folder);
    const [zip, zipState] = await page.evaluate(routeInPage, 'download-zip');
    times.zip.push(zip);
    if (folderState !== 'done' || zipState !== 'done') throw new Error('a split failed');
    await handFolder(page);
    times.native.push(nativePair());
  }
  const gib = fs.statSync(path.join(work, 'big.bin')).size / 2 ** 30;
  const m = Object.fromEntries(Object.entries(times).map(([k, v]) => [k, median(v)]));
  console.log(`1 GiB archive (${gib.toFixed(3)} GiB), medians of ${runs} alternating runs:`);
  for (const [name, values] of Object.entries(times)) {
    console.log(`  ${name.padEnd(7)} ${m[name].toFixed(2)} s   (${values.map((v) => v.toFixed(2)).join(' ')})`);
  }
  for (const route of ['folder', 'zip']) {
    console.log(`  ${route}: ${(m[route] / m.floor).toFixed(2)} x the floor, ` +
                `${(m[route] / m.native).toFixed(2)} x the native pair; of its time, reading ` +
                `${(m.floor / m[route] * 100).toFixed(0)}%, walking ` +
                `${((m.look - m.floor) / m[route] * 100).toFixed(0)}%, writing ` +
                `${((m[route] - m.look) / m[route] * 100).toFixed(0)}%`);
  }

  // The tab's memory in the folder route: its peak against the idle page.
  for (const archive of ['small.bin', 'big.bin']) {
    await page.goto(url);
    await new Promise((resolve) => setTimeout(resolve, 1000));
    const idle = rendererMemory(profile);
    let peak = idle;
    const sampler = setInterval(() => { peak = Math.max(peak, rendererMemory(profile)); }, 20);
    await choose(archive);
    await handFolder(page);
    await page.evaluate(routeInPage, 'save-folder');
    clearInterval(sampler);
    console.log(`  tab memory, folder route, ${archive}: idle ${(idle / 1024).toFixed(0)} MiB, ` +
                `peak ${(peak / 1024).toFixed(0)} MiB, ${((peak - idle) / 1024).toFixed(0)} MiB more`);
  }
  // The tab's memory while it plays a track of 64 MB, which loops: its peak over a minute against
  // the idle page. The track is small.bin's first, its body made 160 pairs long.
  const pair = (bytes, p) => bytes.subarray(p * 409600, (p + 1) * 409600);
  const small = fs.readFileSync(path.join(work, 'small.bin'));
  fs.writeFileSync(path.join(work, 'long.bin'), Buffer.concat(
      [pair(small, 0), ...Array(158).fill(pair(small, 1)), pair(small, 78)]));
  await page.goto(url);
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const idle = rendererMemory(profile);
  let peak = idle;
  const sampler = setInterval(() => { peak = Math.max(peak, rendererMemory(profile)); }, 20);
  await choose('long.bin');
  const row = 'tr[data-track=BGM_000]';
  const bytes = await page.text(`${row} td:nth-child(2)`);
  await page.click(`${row} button.play`);
  await new Promise((resolve) => setTimeout(resolve, 60000));
  const position = await page.text(`${row} .position`);
  await page.click(`${row} button.play`);
  clearInterval(sampler);
  console.log(`  tab memory, playing a track of ${bytes} for a minute (at ${position}): ` +
              `idle ${(idle / 1024).toFixed(0)} MiB, peak ${(peak / 1024).toFixed(0)} MiB, ` +
              `${((peak - idle) / 1024).toFixed(0)} MiB more`);
  await browser.close();
  server.close();
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
