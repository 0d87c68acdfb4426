// The page's bench, run by web.sh: node web.js PAGE_FOLDER WORK_FOLDER. WORK_FOLDER holds big.bin
// (1 GiB), small.bin (64 MB), wav.bin (300 pairs), loops.bin (loops of 1, 2, 5 and 100 frames),
// and tool/ (vorsplit and vorloop with the players' files). In each engine found (ENGINES, by
// default chromium, firefox and webkit), runs of every measure alternate, RUNS of them (5); the
// medians print as ratios to the baselines of the same run, with the tab's memory.
'use strict';

const {execFileSync, spawnSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const {folderPreload, handFolder, launch, serve, sleep} = require('../tools/browser/browser.js');

const [pageFolder, work] = process.argv.slice(2);
const runs = Number(process.env.RUNS || 5);
const programs = {chromium: '/usr/bin/chromium', firefox: '/usr/bin/firefox-esr',
                  webkit: '/usr/bin/WebKitWebDriver'};
const engines = (process.env.ENGINES || 'chromium,firefox,webkit').split(',')
                    .filter((engine) => fs.existsSync(programs[engine]));
const vgmstream = process.env.VGMSTREAM_CLI || 'vgmstream-cli';
const hasVgmstream = !spawnSync(vgmstream, ['-V']).error;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const seconds = (start) => Number(process.hrtime.bigint() - start) / 1e9;

// Seconds that dd takes to write `bytes` of zeros, 4 MiB at a time, into a new file of the page
// cache, which it then removes.
function ddWrite(bytes) {
  const scratch = path.join(work, 'scratch'), start = process.hrtime.bigint();
  execFileSync('dd', ['if=/dev/zero', `of=${scratch}`, 'bs=4M',
                      `count=${Math.ceil(bytes / (4 << 20))}`, 'status=none']);
  const time = seconds(start);
  fs.rmSync(scratch);
  return time;
}

// This machine's memory, once its system has freed it, goes back within seconds to the host that
// runs it, and a program taking new page cache then waits for the host: a GiB written to a new
// file took 2.7 s so, and 0.25 s right after a GiB of dd's writing was removed, whatever the
// program. So each timed run that writes starts as bench/run.sh's runs do, with some GiB of
// writes just removed: this one's, as many bytes as the run writes, with those before it synced.
function fresh(bytes) {
  execFileSync('sync');
  ddWrite(bytes);
}

// dd's 1 GiB after fresh(), and after five seconds with nothing written.
function nativeWrites() {
  fresh(1 << 30);
  const warm = ddWrite(1 << 30);
  execFileSync('sync');
  execFileSync('sleep', ['5']);
  return {warm, cold: ddWrite(1 << 30)};
}

// The tools' files of an archive, made by vorsplit and vorloop in tool/, then moved to a folder
// of its own: the TXTP files that vgmstream renders.
function nativeFiles(archive) {
  const tool = path.join(work, 'tool'), folder = path.join(work, `files-${archive}`);
  if (fs.existsSync(folder)) return folder;
  for (const name of fs.readdirSync(tool)) {
    if (name.startsWith('BGM_')) fs.rmSync(path.join(tool, name));
  }
  for (const program of ['vorsplit', 'vorloop']) {
    execFileSync(path.join(tool, program), [path.join(work, archive)], {stdio: 'ignore'});
  }
  fs.mkdirSync(folder);
  for (const name of fs.readdirSync(tool)) {
    if (name.startsWith('BGM_')) fs.renameSync(path.join(tool, name), path.join(folder, name));
    else if (!/^vor/.test(name)) fs.copyFileSync(path.join(tool, name), path.join(folder, name));
  }
  return folder;
}

// vorsplit, then vorloop, from a clean folder, as bench/run.sh times them.
function nativePair() {
  for (const name of fs.readdirSync(path.join(work, 'tool'))) {
    if (name.startsWith('BGM_')) fs.rmSync(path.join(work, 'tool', name));
  }
  fresh(fs.statSync(path.join(work, 'big.bin')).size);
  const start = process.hrtime.bigint();
  for (const tool of ['vorsplit', 'vorloop']) {
    execFileSync(path.join(work, 'tool', tool), [path.join(work, 'big.bin')], {stdio: 'ignore'});
  }
  return seconds(start);
}

// vgmstream's command line rendering each TXTP file of an archive as a WAV file: seconds, and
// the samples rendered of each channel.
function vgmstreamRender(archive) {
  const folder = nativeFiles(archive), out = path.join(work, 'vgmstream.wav');
  let samples = 0;
  fresh(1 << 30);  // its WAV files, each written over the one before, are smaller
  const start = process.hrtime.bigint();
  for (const name of fs.readdirSync(folder).filter((name) => name.endsWith('.txtp'))) {
    execFileSync(vgmstream, ['-o', out, name], {cwd: folder, stdio: 'ignore'});
    samples += (fs.statSync(out).size - 44) / 4;
  }
  return {time: seconds(start), samples};
}

// The floors: a worker reads the chosen File in one byte stream, `chunk` bytes at a time into a
// buffer used again and again (where the stream is no byte stream, its chunks copied in), and
// does nothing with the bytes ('read', the floor of every route), or writes each chunk into one
// file of the origin-private folder: by a sync access handle, closed unflushed ('opfs', and
// 'spool', whose file the page then downloads as it downloads a zip; where there is no such
// folder, Blobs of 16 MiB, as the page's own spool is there), or through createWritable
// ('writable', the route of a folder the user picks); 'pipe' pipes the File's stream into
// createWritable. Seconds, from before the file is opened until it is closed, and for 'spool'
// the file.
function copyInPage([to, chunk, folders = true]) {
  const source = `onmessage = async ({data: {file, to, chunk, folders}}) => {
    // WebKit's automated session has no origin-private folder (no getDirectory(), and a worker
    // failing on it would never answer): the bare read needs none, and the spool is made of
    // Blobs there, as the page's is.
    const root = to === 'read' || !folders ? null : await navigator.storage.getDirectory();
    const blobs = to === 'spool' && !root ? [] : null;
    let parts = [], gathered = 0;
    await root?.removeEntry('copy', {recursive: true}).catch(() => {});
    const start = performance.now();
    const handle = await (await root?.getDirectoryHandle('copy', {create: true}))
        ?.getFileHandle('copy.bin', {create: true});
    if (to === 'pipe') {
      await file.stream().pipeTo(await handle.createWritable());
      return postMessage({time: (performance.now() - start) / 1000});
    }
    const sync = to !== 'writable';
    const out = !handle ? null : sync ? await handle.createSyncAccessHandle() : await handle.createWritable();
    if (out && sync) out.truncate(0);
    let buffer = new ArrayBuffer(chunk), reader, byob = true, pending = null;
    try { reader = file.stream().getReader({mode: 'byob'}); } catch { reader = file.stream().getReader(); byob = false; }
    for (let at = 0; at < file.size; at += chunk) {
      const length = Math.min(chunk, file.size - at);
      for (let filled = 0; filled < length;) {
        if (byob) {
          const {value} = await reader.read(new Uint8Array(buffer, filled, length - filled));
          buffer = value.buffer;
          filled += value.byteLength;
          continue;
        }
        if (!pending) pending = (await reader.read()).value;
        const taken = Math.min(pending.byteLength, length - filled);
        new Uint8Array(buffer, filled, taken).set(pending.subarray(0, taken));
        filled += taken;
        pending = taken < pending.byteLength ? pending.subarray(taken) : null;
      }
      const bytes = new Uint8Array(buffer, 0, length);
      if (blobs) {
        parts.push(bytes.slice());
        gathered += length;
        if (gathered >= 16 << 20) {
          blobs.push(new Blob(parts));
          parts = [];
          gathered = 0;
        }
      }
      if (!out) continue;
      if (sync) out.write(bytes, {at});
      else await out.write(bytes);
    }
    await out?.close();
    const time = (performance.now() - start) / 1000;
    if (blobs) return postMessage({time, file: new Blob([...blobs, new Blob(parts)])});
    postMessage({time, file: to === 'spool' ? await handle.getFile() : null});
  }`;
  const worker = new Worker(URL.createObjectURL(new Blob([source])));
  return new Promise((resolve) => {
    worker.onmessage = ({data}) => {
      worker.terminate();
      if (!data.file) return resolve(data.time);
      // Downloaded as the page downloads a zip.
      const link = document.createElement('a');
      link.href = URL.createObjectURL(data.file);
      link.download = 'copy.zip';
      document.body.append(link);
      link.click();
      link.remove();
      resolve(data.time);
    };
    worker.postMessage({file: window.benchFile, to, chunk, folders});
  });
}

// Seconds from a click on the button to the end of the run; 'look' chooses the archive again.
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

// Arms the timing of a click on the Play of `row`: from the click until the page shows it playing
// past its first sample (the worklet has played and said so), in window.playTimed, milliseconds,
// or null where it failed. The click itself is the driver's, a user's gesture, which WebKit asks
// of a sound's start.
function armPlayTimer(row) {
  const seek = document.getElementById('seek'), button = document.querySelector(`${row} button.play`);
  window.playTimed = undefined;
  button.addEventListener('click', () => {
    const start = performance.now();
    const look = () => {
      if (document.body.dataset.state === 'failed') return (window.playTimed = null);
      if (Number(seek.value) === 0) return setTimeout(look, 1);
      window.playTimed = performance.now() - start;
    };
    setTimeout(look, 0);
  }, {capture: true, once: true});
}

// Seconds that the chosen File takes to reach a worker that does nothing with it, 4 MB at a
// time, read by `how`: 'own', the worker itself; 'port', a reader worker sending it across a
// MessageChannel; 'relay', a reader worker sending it to the page, which posts it on, as the
// page once did. Each buffer goes back the way it came, two in flight.
function readByInPage(how) {
  const read = `const read = async (file, at) =>
    new Uint8Array(await file.slice(at, at + 4096000).arrayBuffer());`;
  const readerSource = `${read}
    let file, at = 0, out = self;
    const next = async (buffer) => {
      if (at >= file.size) return out.postMessage({end: true});
      const from = at;
      at += 4096000;
      new Uint8Array(buffer).set(await read(file, from));
      out.postMessage({buffer}, [buffer]);
    };
    const take = ({data}) => {
      if (data.port) { out = data.port; out.onmessage = take; return; }
      if (data.file) { file = data.file; next(new ArrayBuffer(4096000)); return next(new ArrayBuffer(4096000)); }
      next(data.buffer);
    };
    onmessage = take;`;
  const takerSource = `${read}
    let back = self, ended = false;
    const take = async ({data}) => {
      if (data.port) { back = data.port; back.onmessage = take; return; }
      if (data.own) {
        // Two reads in flight, as the reader keeps them.
        let at = 0;
        const next = () => (at < data.own.size ? read(data.own, (at += 4096000) - 4096000) : null);
        const buffer = new Uint8Array(4096000);
        for (let a = next(), b = next(); a; a = b, b = next()) buffer.set(await a);
        return postMessage('done');
      }
      if (data.end) return ended || (ended = true, postMessage('done'));
      back.postMessage({buffer: data.buffer}, [data.buffer]);
    };
    onmessage = take;`;
  const worker = (source) => new Worker(URL.createObjectURL(new Blob([source])));
  const taker = worker(takerSource), reader = how === 'own' ? null : worker(readerSource);
  return new Promise((resolve) => {
    const start = performance.now();
    taker.onmessage = ({data}) => {
      if (data === 'done') {
        taker.terminate();
        reader?.terminate();
        return resolve((performance.now() - start) / 1000);
      }
      reader.postMessage(data, [data.buffer]);
    };
    if (how === 'own') return taker.postMessage({own: window.benchFile});
    if (how === 'port') {
      const channel = new MessageChannel();
      reader.postMessage({port: channel.port1}, [channel.port1]);
      taker.postMessage({port: channel.port2}, [channel.port2]);
    } else {
      reader.onmessage = ({data}) => taker.postMessage(data, data.buffer ? [data.buffer] : []);
    }
    reader.postMessage({file: window.benchFile});
  });
}

// The processes that hold the tab's page and its workers (the bench's browser is the only one
// running), and a figure of each of their status, in KiB.
function tabProcesses(engine, field) {
  const kinds = {chromium: /--type=renderer/, firefox: /-contentproc/, webkit: /WebKitWebProcess/};
  const found = new Map();
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      if (!kinds[engine].test(fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8'))) continue;
      const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
      found.set(pid, Number(new RegExp(`${field}:\\s+(\\d+)`).exec(status)[1]));
    } catch {}
  }
  return found;
}

const sum = (map) => [...map.values()].reduce((a, b) => a + b, 0);

// The tab's peak resident memory while fn runs, against before, in MiB: from each process's
// VmHWM, reset before (as root may), or else sampled every 20 ms.
async function peakMemory(engine, fn) {
  const idle = tabProcesses(engine, 'VmRSS');
  let reset = true;
  for (const pid of idle.keys()) {
    try {
      fs.writeFileSync(`/proc/${pid}/clear_refs`, '5');
    } catch {
      reset = false;
    }
  }
  let peak = sum(idle);
  const sampler = setInterval(() => { peak = Math.max(peak, sum(tabProcesses(engine, 'VmRSS'))); }, 20);
  await fn();
  clearInterval(sampler);
  if (reset) peak = Math.max(peak, sum(tabProcesses(engine, 'VmHWM')));
  return {idle: sum(idle) / 1024, more: (peak - sum(idle)) / 1024, how: reset ? 'VmHWM' : 'sampled'};
}

const kReads = ['own', 'port', 'relay'];
function showReads(m) {
  console.log(`  1 GiB to a worker 4 MB at a time: read by the worker itself ${m.own.toFixed(2)} s, ` +
              `by another across a MessageChannel ${(m.port / m.own).toFixed(2)} x that, relayed ` +
              `through the page ${(m.relay / m.own).toFixed(2)} x`);
}

// The reads alone (ONLY=reads), RUNS times in turn.
async function reads(engine, url) {
  const folder = fs.mkdtempSync(path.join(work, `${engine}-reads-`));
  const browser = await launch(engine, folder, programs[engine]);
  const page = await browser.newTab();
  await page.goto(url);
  await page.evaluate(() => document.addEventListener('change', (event) => {
    window.benchFile = event.target.files[0];
  }, true));
  await page.choose('input[type=file]', path.join(work, 'big.bin'));
  await page.waitFor(() => document.body.dataset.state === 'done', null, {timeout: 0});
  const times = Object.fromEntries(kReads.map((how) => [how, []]));
  for (let i = 0; i < runs; ++i) {
    for (const how of kReads) times[how].push(await page.evaluate(readByInPage, how));
  }
  for (const how of kReads) console.log(`  ${how.padEnd(6)} ${times[how].map((v) => v.toFixed(2)).join(' ')} s`);
  showReads(Object.fromEntries(kReads.map((how) => [how, median(times[how])])));
  await browser.close();
}

// Milliseconds from a click on a row's Play until it sounds, on the page at each of urls in turn,
// RUNS times: the first Play of a page after its look, and a second, of another row.
async function playToSound(engine, urls) {
  const folder = fs.mkdtempSync(path.join(work, `${engine}-play-`));
  const browser = await launch(engine, folder, programs[engine]);
  const page = await browser.newTab();
  const times = Object.fromEntries(Object.keys(urls).map((name) => [name, {first: [], second: []}]));
  for (let i = 0; i < runs; ++i) {
    for (const [name, url] of Object.entries(urls)) {
      await page.goto(url);
      await page.choose('input[type=file]', path.join(work, 'wav.bin'));
      await page.waitFor(() => document.body.dataset.state === 'done', null, {timeout: 0});
      const timed = async (row) => {
        await page.evaluate(armPlayTimer, row);
        await page.click(`${row} button.play`);
        await page.waitFor(() => window.playTimed !== undefined);
        return page.evaluate(() => window.playTimed);
      };
      const first = await timed('tr[data-track=BGM_000]');
      if (first === null) {
        console.log(`  playing: ${await page.text('#message')} (headless Firefox needs pulseaudio)`);
        return browser.close();
      }
      times[name].first.push(first);
      times[name].second.push(await timed('tr[data-track=BGM_001]'));
    }
  }
  for (const [name, {first, second}] of Object.entries(times)) {
    console.log(`  a Play sounds, ${name}: the first of a page in ${median(first).toFixed(0)} ms ` +
                `(${first.map((t) => t.toFixed(0)).join(' ')}), the next in ${median(second).toFixed(0)} ms ` +
                `(${second.map((t) => t.toFixed(0)).join(' ')})`);
  }
  await browser.close();
}

// The samples of each channel in the WAV files of a stored zip, read from their data chunks.
function zipSamples(file) {
  const zip = fs.readFileSync(file);
  const end = zip.lastIndexOf(Buffer.from('PK\x05\x06', 'latin1'));
  let at = zip.readUInt32LE(end + 16), samples = 0;
  for (let n = zip.readUInt16LE(end + 10); n--;) {
    const name = zip.toString('utf8', at + 46, at + 46 + zip.readUInt16LE(at + 28));
    const local = zip.readUInt32LE(at + 42);
    at += 46 + zip.readUInt16LE(at + 28) + zip.readUInt16LE(at + 30) + zip.readUInt16LE(at + 32);
    if (!name.endsWith('.wav')) continue;
    let chunk = local + 30 + zip.readUInt16LE(local + 26) + zip.readUInt16LE(local + 28) + 12;
    while (zip.toString('latin1', chunk, chunk + 4) !== 'data') chunk += 8 + zip.readUInt32LE(chunk + 4);
    samples += zip.readUInt32LE(chunk + 4) / 4;
  }
  return samples;
}

// The tab's memory in each route, on a 64 MB and on the 1 GiB archive.
async function routeMemory(engine, page, url, choose, downloaded) {
  const routes = engine === 'webkit' ? ['zip'] : ['folder', 'zip', 'picked'];
  for (const route of routes) {
    for (const archive of ['small.bin', 'big.bin']) {
      await page.goto(route === 'picked' ? `${url}?picked` : url);
      await choose(archive);
      if (engine !== 'webkit') await handFolder(page);
      await sleep(1000);
      const memory = await peakMemory(engine, async () => {
        if (route === 'zip') await downloaded(() => page.click('#download-zip'));
        else await page.evaluate(routeInPage, 'save-folder');
      });
      console.log(`  tab memory, ${route} route, ${archive}: idle ${memory.idle.toFixed(0)} MiB, ` +
                  `${memory.more.toFixed(0)} MiB more (${memory.how})`);
    }
  }
  if (engine !== 'webkit') await handFolder(page);
}

async function bench(engine, server) {
  const folder = fs.mkdtempSync(path.join(work, `${engine}-`));
  const browser = await launch(engine, folder, programs[engine]);
  const page = await browser.newTab();
  const folders = engine !== 'webkit';
  if (folders) await page.preload(folderPreload);
  const url = `http://127.0.0.1:${server.address().port}/index.html`;
  const choose = async (archive) => {
    await page.evaluate(() => document.addEventListener('change', (event) => {
      window.benchFile = event.target.files[0];
    }, true));
    await page.choose('input[type=file]', path.join(work, archive));
    await page.waitFor(() => document.body.dataset.state === 'done', null, {timeout: 0});
  };
  // Seconds from the action until its download is whole in the browser's folder, and the file.
  const download = path.join(work, 'download');
  const downloaded = async (action) => {
    const start = process.hrtime.bigint();
    await page.download(action, download);
    return seconds(start);
  };
  // A floor's fastest way, of those of the engine.
  const fastest = async (ways) => {
    let best = Infinity;
    for (const way of ways) best = Math.min(best, await way());
    return best;
  };
  const chunks = [4 << 20, 16 << 20];

  // Opened from disk, Chromium gives the page no origin-private folder: its zip is spooled in
  // Blobs ('diskZip').
  const fromDisk = engine === 'chromium';
  const times = {read: [], opfs: [], spool: [], writable: [], look: [], folder: [], zip: [], diskZip: [],
                 picked: [], native: [], wav: [], vgmstream: [], loopsWav: [], loopsVgmstream: []};
  let wavSamples = 0, loopSamples = 0, vgmstreamSamples = 0, loopsVgmstreamSamples = 0;
  const gib = fs.statSync(path.join(work, 'big.bin')).size;
  const folderRoute = async (timesOf) => {
    await handFolder(page);
    fresh(gib);
    const [time, state] = await page.evaluate(routeInPage, 'save-folder');
    if (state !== 'done') throw new Error(`the folder route ended ${state}`);
    timesOf.push(time);
    await handFolder(page);
  };
  for (let i = 0; i < runs; ++i) {
    await page.goto(url);
    await choose('big.bin');
    execFileSync('sync');
    times.read.push(await page.evaluate(copyInPage, ['read', 16 << 20]));
    if (folders) {
      times.opfs.push(await fastest(chunks.map((chunk) => async () => {
        fresh(gib);
        return page.evaluate(copyInPage, ['opfs', chunk]);
      })));
      times.writable.push(await fastest([...chunks, 0].map((chunk) => async () => {
        fresh(gib);
        return page.evaluate(copyInPage, [chunk ? 'writable' : 'pipe', chunk]);
      })));
    }
    times.spool.push(await fastest(chunks.map((chunk) => async () => {
      fresh(2 * gib);
      const time = await downloaded(() => page.evaluate(copyInPage, ['spool', chunk, folders]));
      fs.rmSync(download);
      return time;
    })));
    if (folders) await handFolder(page);
    times.look.push((await page.evaluate(routeInPage, 'look'))[0]);
    if (folders) await folderRoute(times.folder);
    // The zip, and the browser's copy of it in its downloads folder.
    fresh(2 * gib);
    times.zip.push(await downloaded(() => page.click('#download-zip')));
    fs.rmSync(download);
    if (folders) {
      await page.goto(`${url}?picked`);
      await choose('big.bin');
      await folderRoute(times.picked);
      await page.goto(url);
    }
    times.native.push(nativePair());

    await choose('wav.bin');
    fresh(2 * 600e6);
    times.wav.push(await downloaded(() => page.click('#save-wav-zip')));
    wavSamples = zipSamples(download);
    fs.rmSync(download);
    await choose('loops.bin');
    fresh(2 * 200e6);
    times.loopsWav.push(await downloaded(() => page.click('#save-wav-zip')));
    loopSamples = zipSamples(download);
    fs.rmSync(download);
    if (fromDisk) {
      await page.goto(`file://${path.resolve(pageFolder)}/index.html`);
      await choose('big.bin');
      fresh(2 * gib);
      times.diskZip.push(await downloaded(() => page.click('#download-zip')));
      fs.rmSync(download);
      await page.goto(url);
    }
    if (hasVgmstream) {
      const wav = vgmstreamRender('wav.bin'), loops = vgmstreamRender('loops.bin');
      times.vgmstream.push(wav.time);
      times.loopsVgmstream.push(loops.time);
      vgmstreamSamples = wav.samples;
      loopsVgmstreamSamples = loops.samples;
    }
  }
  const m = Object.fromEntries(Object.entries(times).filter(([, v]) => v.length)
                                   .map(([k, v]) => [k, median(v)]));
  const x = (a, b) => (m[a] / m[b]).toFixed(2);
  console.log(`\n${engine}: 1 GiB archive, medians of ${runs} alternating runs:`);
  for (const [name, values] of Object.entries(times).filter(([, v]) => v.length)) {
    console.log(`  ${name.padEnd(14)} ${m[name].toFixed(2)} s   (${values.map((v) => v.toFixed(2)).join(' ')})`);
  }
  const routes = folders ? [['folder', 'opfs'], ['zip', 'spool'], ['picked', 'writable']] : [['zip', 'spool']];
  const share = (part, whole) => `${(part / whole * 100).toFixed(0)}%`;
  for (const [route, floor] of routes) {
    console.log(`  ${route}: ${x(route, floor)} x its floor (${floor}), ${x(route, 'native')} x the native pair; ` +
                `of its time, reading ${share(m.read, m[route])}, walking ${share(m.look - m.read, m[route])}, ` +
                `writing ${share(m[floor] - m.read, m[route])}, CRC and the rest ` +
                `${share(m[route] - m.look - (m[floor] - m.read), m[route])}`);
  }
  if (fromDisk) console.log(`  zip from disk, spooled in Blobs: ${x('diskZip', 'spool')} x the spool floor`);
  if (folders) console.log('  (picked: a folder the page writes through createWritable, as a picked one; an ' +
                           'origin-private folder stands for it, as a headless browser can\'t pick one)');
  console.log(`  look: ${x('look', 'read')} x the read`);
  const perSecond = (time, samples) => time / (samples / 44100);
  const longCost = perSecond(m.wav, wavSamples), shortCost = perSecond(m.loopsWav, loopSamples);
  console.log(`  WAV zip of wav.bin: ${(wavSamples / 44100).toFixed(0)} s of sound, ` +
              `${(longCost * 1000).toFixed(2)} ms a second of it` +
              (m.vgmstream ? `, ${x('wav', 'vgmstream')} x vgmstream-cli (${vgmstreamSamples === wavSamples ? 'the same samples' : `${vgmstreamSamples} samples against ${wavSamples}`})` : ''));
  console.log(`  WAV zip of loops.bin: ${(loopSamples / 44100).toFixed(0)} s of sound, ` +
              `${(shortCost * 1000).toFixed(2)} ms a second, ${(shortCost / longCost).toFixed(2)} x ` +
              'a second of long loops' + (m.loopsVgmstream
                  ? `; vgmstream-cli ${(perSecond(m.loopsVgmstream, loopsVgmstreamSamples) /
                                        perSecond(m.vgmstream, vgmstreamSamples)).toFixed(2)} x`
                  : ''));
  if (!hasVgmstream) console.log('  (vgmstream-cli not found: no comparison with it)');
  await routeMemory(engine, page, url, choose, async (action) => {
    await downloaded(action);
    fs.rmSync(download);
  });
  await browser.close();
}

// A native encoder, where it is installed: its name, or null.
const found = (tool) => (spawnSync(tool, ['--version']).error ? null : tool);

// The page's WAV, FLAC and Ogg Vorbis zips of wav.bin (ONLY=formats), RUNS times in turn, each
// against the reference encoders' own command lines, flac -5 and oggenc -q 6, encoding the page's
// WAV files one after the other, as the page does; the three formats' sizes; and the tab's
// memory while it encodes.
async function formats(engine, url) {
  const tools = {flac: found('flac'), oggenc: found('oggenc')};
  const folder = fs.mkdtempSync(path.join(work, `${engine}-formats-`));
  const browser = await launch(engine, folder, programs[engine]);
  const page = await browser.newTab();
  await page.goto(url);
  await page.choose('input[type=file]', path.join(work, 'wav.bin'));
  await page.waitFor(() => document.body.dataset.state === 'done', null, {timeout: 0});
  const zip = path.join(work, 'formats.zip');
  const downloaded = async (button) => {
    const start = process.hrtime.bigint();
    await page.download(() => page.click(button), zip);
    return {time: seconds(start), size: fs.statSync(zip).size};
  };
  const times = {wav: [], flac: [], ogg: [], nativeFlac: [], nativeOgg: []}, sizes = {};
  const wavs = path.join(work, 'formats-wav');
  const encode = (tool, args) => {
    const names = fs.readdirSync(wavs).filter((name) => name.endsWith('.wav'));
    const start = process.hrtime.bigint();
    for (const name of names) execFileSync(tool, [...args, path.join(wavs, name)], {stdio: 'ignore'});
    return seconds(start);
  };
  const encoded = (extension) => fs.readdirSync(wavs).filter((name) => name.endsWith(extension))
                                      .reduce((sum, name) => sum + fs.statSync(path.join(wavs, name)).size, 0);
  for (let i = 0; i < runs; ++i) {
    for (const format of ['wav', 'flac', 'ogg']) {
      // Sets each format, as a user does, and its zip's button.
      await page.select('#format', format);
      fresh(600e6);
      const {time, size} = await downloaded(`#save-${format}-zip`);
      times[format].push(time);
      sizes[format] = size;
      if (format === 'wav' && !fs.existsSync(wavs)) execFileSync('unzip', ['-q', zip, '-d', wavs]);
      fs.rmSync(zip);
    }
    if (tools.flac) times.nativeFlac.push(encode('flac', ['-5', '-f', '-s']));
    if (tools.oggenc) times.nativeOgg.push(encode('oggenc', ['-q', '6', '-Q']));
  }
  const m = Object.fromEntries(Object.entries(times).filter(([, v]) => v.length)
                                   .map(([k, v]) => [k, median(v)]));
  console.log(`  wav.bin, ${(encoded('.wav') / 1e6).toFixed(0)} MB of WAV files, medians of ${runs} alternating runs:`);
  for (const [name, values] of Object.entries(times).filter(([, v]) => v.length)) {
    console.log(`  ${name.padEnd(11)} ${m[name].toFixed(2)} s   (${values.map((v) => v.toFixed(2)).join(' ')})`);
  }
  console.log(`  FLAC zip: ${m.nativeFlac ? `${(m.flac / m.nativeFlac).toFixed(2)} x flac -5` : 'flac not found (apt install flac)'}; ` +
              `Vorbis zip: ${m.nativeOgg ? `${(m.ogg / m.nativeOgg).toFixed(2)} x oggenc -q 6` : 'oggenc not found (apt install vorbis-tools)'}`);
  console.log(`  sizes: WAV zip ${(sizes.wav / 1e6).toFixed(1)} MB, FLAC zip ${(sizes.flac / 1e6).toFixed(1)} MB ` +
              `(${(sizes.flac / sizes.wav * 100).toFixed(0)} %${tools.flac ? `; flac -5's files ${(encoded('.flac') / 1e6).toFixed(1)} MB` : ''}), ` +
              `Vorbis zip ${(sizes.ogg / 1e6).toFixed(1)} MB (${(sizes.ogg / sizes.wav * 100).toFixed(0)} %` +
              `${tools.oggenc ? `; oggenc's files ${(encoded('.ogg') / 1e6).toFixed(1)} MB` : ''})`);
  for (const format of ['flac', 'ogg']) {
    await page.select('#format', format);
    const memory = await peakMemory(engine, async () => {
      await downloaded(`#save-${format}-zip`);
      fs.rmSync(zip);
    });
    console.log(`  tab memory, ${format} zip: idle ${memory.idle.toFixed(0)} MiB, ${memory.more.toFixed(0)} MiB more`);
  }
  // The FLAC zip of the 1 GiB archive, 5.3 GB of sound: the tab's memory, from a fresh page.
  await page.goto(url);
  await page.choose('input[type=file]', path.join(work, 'big.bin'));
  await page.waitFor(() => document.body.dataset.state === 'done', null, {timeout: 0});
  await page.select('#format', 'flac');
  await sleep(1000);
  let took = 0;
  const memory = await peakMemory(engine, async () => {
    took = (await downloaded('#save-flac-zip')).time;
    fs.rmSync(zip);
  });
  console.log(`  tab memory, flac zip of big.bin (${took.toFixed(0)} s): idle ${memory.idle.toFixed(0)} MiB, ` +
              `${memory.more.toFixed(0)} MiB more`);
  await browser.close();
}

// loops.bin: loops of 1, 2, 5 and 100 frames of channel 0, a track each, in pairs of the body of
// small.bin's first track, as the page's sound test makes them; 25 times over, so that its WAV
// files hold some 1000 s of sound, as wav.bin's some 3500 s.
function makeLoops() {
  const small = fs.readFileSync(path.join(work, 'small.bin'));
  const tracks = [1, 2, 5, 100].map((frames) => {
    const body = Buffer.from(small.subarray(409600, 819200));
    body[100 * 16 + 1] = 0x06;
    body[(100 + frames) * 16 + 1] = 0x03;
    return body;
  });
  fs.writeFileSync(path.join(work, 'loops.bin'), Buffer.concat(Array(25).fill(tracks).flat()));
}

async function main() {
  makeLoops();
  const writes = nativeWrites();
  console.log(`dd writing 1 GiB into new page cache: ${writes.warm.toFixed(2)} s right after ` +
              `a GiB written was removed, ${writes.cold.toFixed(2)} s five seconds later`);
  const server = await serve(pageFolder);
  // The page built from another commit, where BASELINE_PAGE names its folder, for Play's time.
  const baseline = process.env.BASELINE_PAGE ? await serve(process.env.BASELINE_PAGE) : null;
  const url = (s) => `http://127.0.0.1:${s.address().port}/index.html`;
  const only = process.env.ONLY;
  for (const engine of engines) {
    if (only) console.log(`\n${engine}:`);
    if (!only) await bench(engine, server);
    if (only === 'reads') await reads(engine, url(server));
    if (only === 'formats') await formats(engine, url(server));
    if (only !== 'reads' && only !== 'formats') {
      await playToSound(engine, {this: url(server), ...(baseline ? {baseline: url(baseline)} : {})});
    }
  }
  server.close();
  baseline?.close();
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
