// How the page's tests and its bench drive the page: its folder served on 127.0.0.1 only, and a
// browser from Debian's packages, headless, with a profile of its own, as a user's is (the
// origin-private folder then lies on disk), and with none of its calls home, which this machine
// refuses. The tests see a browser through the few calls of Tab below, the same in every engine.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

// Serves the files of folder; resolves to the server, listening on a free port.
function serve(folder) {
  const types = {'.html': 'text/html', '.js': 'text/javascript'};
  const server = http.createServer((request, response) => {
    const file = path.join(folder, path.basename(new URL(request.url, 'http://x').pathname));
    if (!fs.existsSync(file)) return response.writeHead(404).end();
    response.writeHead(200, {'content-type': types[path.extname(file)] ?? 'text/plain'});
    response.end(fs.readFileSync(file));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A tab of the page, driven as a user drives it. Functions given to evaluate and waitFor run in
// the page, with one argument; what they return comes back as JSON.
class Tab {
  constructor(page, browser) {
    this.page = page;
    this.browser = browser;
    this.errors = [];
    this.requests = [];
    page.on('pageerror', (error) => this.errors.push(error.message));
    page.on('request', (request) => this.requests.push(request.url()));
  }
  goto(url) { return this.page.goto(url); }
  evaluate(fn, arg) { return this.page.evaluate(fn, arg); }
  // Resolves once fn(arg) is true in the page.
  async waitFor(fn, arg, {timeout = 120000, polling = 50} = {}) {
    await this.page.waitForFunction(fn, {timeout, polling}, arg);
  }
  click(selector) { return this.page.click(selector); }
  text(selector) { return this.page.$eval(selector, (element) => element.textContent); }
  attribute(selector, name) {
    return this.page.$eval(selector, (element, name) => element.getAttribute(name), name);
  }
  async choose(selector, file) {
    await (await this.page.$(selector)).uploadFile(file);
  }
  select(selector, value) { return this.page.select(selector, value); }
  focus(selector) { return this.page.focus(selector); }
  press(key) { return this.page.keyboard.press(key); }
  size(width, height) { return this.page.setViewport({width, height}); }
  screenshot(file) { return this.page.screenshot({path: file, fullPage: true}); }
  // What click() downloads: resolves to the name the page gave it, once it is saved whole in
  // the browser's downloads folder, and moves it to file.
  async download(click, file) {
    const folder = this.browser.downloads;
    const before = new Set(fs.readdirSync(folder));
    await click();
    for (const until = Date.now() + 300000; Date.now() < until; await sleep(50)) {
      const names = fs.readdirSync(folder).filter((name) => !before.has(name));
      // A browser writes a download under a name of its own until it is whole.
      const whole = names.filter((name) => !/\.(crdownload|part)$/.test(name));
      if (whole.length && whole.length === names.length) {
        fs.renameSync(path.join(folder, whole[0]), file);
        return whole[0];
      }
    }
    throw new Error('no download came');
  }
}

const kChromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                       '--disable-background-networking', '--disable-component-update',
                       '--disable-sync'];

// Debian's Chromium, with its profile in folder/profile and its downloads in folder/downloads.
async function launch(folder, executablePath) {
  const downloads = path.join(folder, 'downloads');
  fs.mkdirSync(downloads, {recursive: true});
  const browser = await puppeteer.launch({
    executablePath, headless: true, userDataDir: path.join(folder, 'profile'),
    args: kChromiumArgs,
  });
  const session = await browser.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  const driven = {
    downloads,
    puppeteer: browser,
    async newTab() { return new Tab(await browser.newPage(), driven); },
    close: () => browser.close(),
  };
  return driven;
}

// Hands the page the browser's origin-private folder, emptied, in place of the folder a user
// picks; prepare(root), the text of a function, runs in the page first.
async function handFolder(tab, prepare = 'root => {}') {
  await tab.evaluate(async (prepare) => {
    const root = await navigator.storage.getDirectory();
    for await (const name of root.keys()) await root.removeEntry(name, {recursive: true});
    await eval(prepare)(root);
    window.showDirectoryPicker = async () => root;
  }, prepare);
}

module.exports = {handFolder, launch, serve, sleep};
