// Chromium and Firefox, headless through puppeteer-core, each with a profile of its own and none
// of its calls home; headless Firefox with a sound server of its own where PulseAudio is installed.
'use strict';

const {spawn, spawnSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const {sleep, Tab} = require('./tab.js');

// A tab of Chromium or Firefox, through puppeteer.
class PuppeteerTab extends Tab {
  constructor(page, browser) {
    super(browser);
    this.page = page;
  }
  async goto(url) {
    await this.page.goto(url);
    await this.loaded();
  }
  close() { return this.page.close(); }
  evaluate(fn, arg) { return this.page.evaluate(fn, arg); }
  expression(source) { return this.page.evaluate(source); }
  script(source) { return this.page.evaluate(source); }
  click(selector) { return this.page.click(selector); }
  async choose(selector, file) { await (await this.page.$(selector)).uploadFile(file); }
  press(key) { return this.page.keyboard.press(key === 'Space' ? ' ' : key); }
  size(width, height) { return this.page.setViewport({...this.page.viewport(), width, height}); }
  // The whole page, or with whole false, what the window shows.
  screenshot(file, whole = true) { return this.page.screenshot({path: file, fullPage: whole}); }
  emulatePhone() {
    return this.page.setViewport({width: 412, height: 915, isMobile: true, hasTouch: true,
                                  deviceScaleFactor: 1});
  }
  // Runs fn in each page this tab loads, before the page's own scripts.
  preload(fn) { return this.page.evaluateOnNewDocument(fn); }
  // Shows the page as a user who asked for dark pages sees it; false where the driver can't.
  async darkMode() {
    try {
      await this.page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: 'dark'}]);
      return true;
    } catch {
      return false;
    }
  }
}

const kChromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                       '--disable-background-networking', '--disable-component-update',
                       '--disable-sync'];

async function launchPuppeteer(engine, folder, executablePath, downloads) {
  const puppeteer = require('puppeteer-core');
  // Headless Firefox plays into a sound server or nowhere: one of its own, with no device.
  const sound = engine === 'firefox' ? await startSoundServer(path.join(folder, 'sound')) : null;
  let browser;
  try {
    browser = await puppeteer.launch({
      browser: engine === 'firefox' ? 'firefox' : 'chrome', executablePath, headless: true,
      userDataDir: path.join(folder, 'profile'), args: engine === 'chromium' ? kChromiumArgs : [],
      env: {...process.env, ...(sound ? {PULSE_SERVER: sound.address} : {})},
    });
  } catch (error) {
    await sound?.stop();
    throw error;
  }
  // Chromium's own context keeps its profile on disk, the origin-private folder with it.
  let context = browser.defaultBrowserContext();
  if (engine === 'chromium') {
    const session = await browser.target().createCDPSession();
    await session.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  } else {
    context = await browser.createBrowserContext({
      downloadBehavior: {policy: 'allow', downloadPath: downloads}});
  }
  const driven = {
    downloads,
    async newTab() { return new PuppeteerTab(await context.newPage(), driven); },
    async close() {
      await browser.close();
      await sound?.stop();
    },
  };
  return driven;
}

// A PulseAudio server in folder whose one output is a null sink, where Debian's pulseaudio is
// installed: {address, stop}; null where it is not.
async function startSoundServer(folder) {
  if (spawnSync('pulseaudio', ['--version']).error) return null;
  fs.mkdirSync(folder, {recursive: true, mode: 0o700});
  const socket = path.join(folder, 'native');
  const server = spawn('pulseaudio', ['-n', '--daemonize=no', '--exit-idle-time=-1',
                                      '--use-pid-file=no', '--load=module-null-sink',
                                      `--load=module-native-protocol-unix socket=${socket}`],
                       {env: {...process.env, HOME: folder, XDG_RUNTIME_DIR: folder,
                              XDG_CONFIG_HOME: folder}, stdio: 'ignore'});
  const stop = () => new Promise((resolve) => {
    if (server.exitCode !== null || server.signalCode !== null) return resolve();
    server.once('exit', resolve);
    server.kill();
  });
  for (let tries = 0; !fs.existsSync(socket); ++tries) {
    if (tries > 200 || server.exitCode !== null) {
      await stop();
      return null;
    }
    await sleep(50);
  }
  return {address: `unix:${socket}`, stop};
}

module.exports = {launchPuppeteer};
