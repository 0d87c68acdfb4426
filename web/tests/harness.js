// What the page's tests share: the native tools as the oracle, a server on 127.0.0.1, and
// Debian's browsers driven as a user drives the page. Everything a test makes lies
// in one temporary folder, removed at the end.
'use strict';

const assert = require('node:assert');
const {spawnSync} = require('node:child_process');
const crypto = require('node:crypto');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {after, describe} = require('node:test');
const {folderPreload, handFolder, launch, serve} = require('../../tools/browser/browser.js');

const env = (name) => process.env[name] || assert.fail(`${name} names what the tests need`);

// The engines the tests drive, each with what drives it, or why it is skipped: Chromium, Firefox,
// and WebKit (Safari's engine) through WebKitGTK's WebDriver.
const engines = [['chromium', 'CHROMIUM', 'chromium'], ['firefox', 'FIREFOX', 'firefox-esr'],
                 ['webkit', 'WEBKIT_DRIVER', 'webkit2gtk-driver xvfb']].map(([name, variable, packages]) => {
  const program = process.env[variable];
  return {name, program,
          skip: program ? false : `${name} is not installed (apt install ${packages})`};
});

const sha256 = (bytes) => crypto.createHash('sha256').update(bytes).digest('hex');

// The files of a folder by name and hash, folders left out.
function folderFiles(folder) {
  const files = {};
  for (const name of fs.readdirSync(folder).sort()) {
    const at = path.join(folder, name);
    if (fs.statSync(at).isFile()) files[name] = sha256(fs.readFileSync(at));
  }
  return files;
}

class Sandbox {
  constructor(engine = engines[0]) {
    this.engine = engine;
    this.made = null;
  }
  // Made at its first use: the suite of an engine that is skipped makes none.
  get root() {
    return this.made ??= fs.mkdtempSync(path.join(os.tmpdir(), 'vorsplit-page-test-'));
  }
  folder(...names) {
    const at = path.join(this.root, ...names);
    fs.mkdirSync(at, {recursive: true});
    return at;
  }
  // A browser's last processes may still be writing as it closes.
  remove() {
    if (this.made) fs.rmSync(this.made, {recursive: true, force: true, maxRetries: 10});
  }

  // What vorsplit and then vorloop, copied into a folder of their own with the players' files
  // and run from another, write and print for archivePath: the lines after their banners, and
  // the files beside them but the tools. prepare(folder) runs first.
  native(archivePath, prepare = () => {}) {
    const bin = this.folder(`tools-${++Sandbox.runs}`), caller = this.folder('caller');
    const players = env('VORSPLIT_PLAYER_FILES');
    for (const name of ['.adpcm.txth', '44100Hz.genh', '48000Hz.genh']) {
      fs.copyFileSync(path.join(players, name), path.join(bin, name));
    }
    const tools = [env('VORSPLIT_TOOL'), env('VORLOOP_TOOL')].map((tool) => {
      fs.copyFileSync(tool, path.join(bin, path.basename(tool)));
      fs.chmodSync(path.join(bin, path.basename(tool)), 0o755);
      return path.join(bin, path.basename(tool));
    });
    prepare(bin);
    const log = [];
    for (const tool of tools) {
      const run = spawnSync(tool, [archivePath], {cwd: caller, encoding: 'utf8', maxBuffer: 1 << 30});
      log.push(...run.stdout.split('\n').slice(2, -1));
      if (run.status !== 0) break;  // as the drop-here file does: vorloop after a split only
    }
    const files = folderFiles(bin);
    for (const tool of tools) delete files[path.basename(tool)];
    return {log, files, folder: bin};
  }

  // The page in the sandbox's browser, served from 127.0.0.1 (or, with fromDisk, opened from
  // its file). Where the browser has an origin-private folder, the page is handed it as the
  // folder a user picks, unless folder is false; with folder 'picked', the engine's workers have
  // no sync access handles, so that they write into it as into a folder a user picked, through
  // createWritable.
  async open({fromDisk = false, folder = true} = {}) {
    const pageDir = env('VORSPLIT_PAGE');
    this.server ??= await serve(pageDir);
    this.browser ??= await launch(this.engine.name, this.folder('browser'), this.engine.program);
    // One tab at a time, as a user would have it: the one before closes.
    await this.page?.close();
    const page = this.page = await this.browser.newTab();
    if (folder && this.engine.name !== 'webkit') await page.preload(folderPreload);
    const origin = fromDisk ? `file://${pageDir}` : `http://127.0.0.1:${this.server.address().port}`;
    const before = this.server.requests.length;
    await page.goto(`${origin}/index.html${folder === 'picked' ? '?picked' : ''}`);
    // Every request the page makes: for its own two files while it loads, and none after.
    if (!fromDisk) {
      assert.deepEqual(this.server.requests.slice(before).sort(), ['/index.html', '/page.js']);
    }
    page.requestsAfterLoad = () => this.server.requests.slice(before + (fromDisk ? 0 : 2));
    return page;
  }
  async close() {
    await this.browser?.close();
    this.server?.close();
    this.remove();
  }
}
Sandbox.runs = 0;

// The tests that body(engine, sandbox) declares, in a suite of each engine, with a sandbox of its
// own, removed after them.
function eachEngine(body) {
  for (const engine of engines) {
    describe(engine.name, {skip: engine.skip}, () => {
      const sandbox = new Sandbox(engine);
      after(() => sandbox.close());
      body(engine, sandbox);
    });
  }
}

// The page's log, a line a line.
async function pageLog(page) {
  return (await page.text('#log')).split('\n').slice(0, -1);
}

async function settled(page) {
  await page.waitFor(() => document.body.dataset.state !== 'working');
  return page.evaluate(() => document.body.dataset.state);
}

// Chooses the archive as a user does, and waits for the page to show what it holds.
async function choose(page, archivePath) {
  await page.choose('input[type=file]', archivePath);
  return settled(page);
}

// The files of the origin-private folder by name and hash.
async function folderFilesOf(page) {
  const files = await page.evaluate(async () => {
    const files = {};
    const hex = (digest) => [...new Uint8Array(digest)].map((b) => b.toString(16).padStart(2, '0'));
    const root = await navigator.storage.getDirectory();
    for await (const [name, handle] of root.entries()) {
      if (handle.kind !== 'file') continue;
      const bytes = await (await handle.getFile()).arrayBuffer();
      files[name] = hex(await crypto.subtle.digest('SHA-256', bytes)).join('');
    }
    return files;
  });
  return Object.fromEntries(Object.entries(files).sort());
}

// The page's folder route: the state it ends in, and the files it leaves in the folder.
async function saveToFolder(page, prepare) {
  await handFolder(page, prepare);
  await press(page, '#save-folder');
  return {state: await settled(page), files: await folderFilesOf(page)};
}

// Clicks selector as a user does, or, where the page offers it nowhere, by script, as outside
// checks do.
async function press(page, selector) {
  const shown = await page.evaluate((selector) =>
      document.querySelector(selector).getClientRects().length > 0, selector);
  if (shown) return page.click(selector);
  return page.evaluate((selector) => document.querySelector(selector).click(), selector);
}

// What clicking selector downloads: saved into the sandbox, and its name.
async function downloadOf(page, sandbox, selector) {
  const saved = path.join(sandbox.folder('downloads'), `${++Sandbox.runs}`);
  const name = await page.download(() => press(page, selector), saved);
  return {saved, name};
}

// The page's zip route (or, with selector, another zip it downloads): the download's name, the
// folder it is unzipped into, the files in it by name and hash, and the zip's size.
async function downloadZip(page, sandbox, selector = '#download-zip') {
  const {saved, name} = await downloadOf(page, sandbox, selector);
  const into = sandbox.folder(`unzipped-${Sandbox.runs}`);
  const unzip = spawnSync('unzip', ['-q', saved, '-d', into], {encoding: 'utf8'});
  assert.equal(unzip.status, 0, unzip.stderr);
  return {state: await settled(page), name, files: folderFiles(into), folder: into,
          bytes: fs.statSync(saved).size};
}

// Every control a user can reach, where the page shows it: its name, its size, and whether it is
// disabled now. Run in the page.
const controls = () => [...document.querySelectorAll('button, select, input:not([type=file]), summary, [tabindex="0"]')]
    .filter((element) => element.offsetParent !== null && !element.closest('[hidden]') &&
                         !element.closest('details:not([open]) > :not(summary)'))
    .map((element) => {
      const {width, height} = element.getBoundingClientRect();
      return {name: element.id || element.getAttribute('aria-label') || element.textContent,
              width, height, disabled: element.disabled === true};
    });
// The name controls() gives the focused element.
const focused = () => {
  const element = document.activeElement;
  if (element === document.body) return 'BODY';
  return element.id || element.getAttribute('aria-label') || element.textContent;
};

// gives the page no sound output, checks that the page says so, and resolves to false.
async function heard(page, t, engine) {
  await page.waitFor(() => document.body.dataset.state === 'failed' ||
                           Number(document.getElementById('seek').value) > 0, null, {timeout: 10000});
  if (await page.evaluate(() => document.body.dataset.state !== 'failed')) return true;
  assert.equal(await page.text('#message'),
               "Failed: Can't play: this browser gives the page no sound output.");
  t.diagnostic(`${engine.name} gives the page no sound output: its player is not driven ` +
               '(headless Firefox needs a sound server: apt install pulseaudio)');
  return false;
}

module.exports = {choose, controls, downloadOf, downloadZip, eachEngine, engines, env, focused, folderFilesOf,
                  handFolder, heard, pageLog, Sandbox, saveToFolder, settled};
