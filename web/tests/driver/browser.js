// How the page's tests and its bench drive the page: its folder served on 127.0.0.1 only, and the
// browsers of Debian's packages, each with a profile of its own and none of its calls home, which
// this machine refuses: Chromium and Firefox headless through puppeteer-core, WebKit's MiniBrowser
// through its WebDriver under a virtual X display. The tests see any of them through the few calls
// of a tab below, the same in every engine.
'use strict';

const {spawn, spawnSync} = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const net = require('node:net');
const path = require('node:path');

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Serves the files of folder; resolves to the server, listening on a free port. server.requests
// lists the path of every request it has had.
function serve(folder) {
  const types = {'.html': 'text/html', '.js': 'text/javascript'};
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, 'http://x').pathname;
    server.requests.push(name);
    const file = path.join(folder, path.basename(name));
    if (!fs.existsSync(file)) return response.writeHead(404).end();
    response.writeHead(200, {'content-type': types[path.extname(file)] ?? 'text/plain'});
    response.end(fs.readFileSync(file));
  });
  server.requests = [];
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// A browser writes a download under a name of its own until it is whole.
const kPartial = /\.(crdownload|part|wkdownload|download)$/;

// What a tab of any engine does, given how it evaluates a function in the page.
class Tab {
  constructor(browser) {
    this.browser = browser;
  }
  // Resolves once fn(arg), run in the page, is true.
  async waitFor(fn, arg, {timeout = 120000, polling = 50} = {}) {
    for (const until = Date.now() + (timeout || Infinity); ; await sleep(polling)) {
      if (await this.evaluate(fn, arg)) return;
      if (Date.now() > until) throw new Error(`timed out waiting for ${fn}`);
    }
  }
  text(selector) {
    return this.evaluate((selector) => document.querySelector(selector).textContent, selector);
  }
  attribute(selector, name) {
    return this.evaluate(([selector, name]) => document.querySelector(selector).getAttribute(name),
                         [selector, name]);
  }
  select(selector, value) {
    return this.evaluate(([selector, value]) => {
      const element = document.querySelector(selector);
      element.value = value;
      element.dispatchEvent(new Event('change', {bubbles: true}));
    }, [selector, value]);
  }
  focus(selector) {
    return this.evaluate((selector) => document.querySelector(selector).focus(), selector);
  }
  // The errors the page has not caught since it loaded.
  errors() { return this.evaluate(() => window.uncaught ?? []); }
  // Listens for the page's errors, once it has loaded.
  async loaded() {
    await this.evaluate(() => {
      window.uncaught = [];
      addEventListener('error', (event) => window.uncaught.push(event.message));
      addEventListener('unhandledrejection', (event) => window.uncaught.push(`${event.reason}`));
    });
  }
  // What click() downloads: resolves to the name the page gave it, once it is saved whole in the
  // browser's downloads folder, and moves it to file.
  async download(click, file) {
    const folder = this.browser.downloads;
    const before = new Set(fs.readdirSync(folder));
    await click();
    let last = null;
    for (const until = Date.now() + 300000; Date.now() < until; await sleep(100)) {
      const names = fs.readdirSync(folder).filter((name) => !before.has(name));
      const whole = names.filter((name) => !kPartial.test(name));
      if (whole.length !== 1 || names.length !== 1) continue;
      // Some write the whole file under its own name: it is whole once it stops growing. Firefox
      // may write under a name of its own first, and rename it as it ends, even between two looks.
      try {
        const seen = `${whole[0]} ${fs.statSync(path.join(folder, whole[0])).size}`;
        if (seen !== last) {
          last = seen;
          continue;
        }
        fs.renameSync(path.join(folder, whole[0]), file);
        return whole[0];
      } catch (error) {
        if (error.code !== 'ENOENT') throw error;
        last = null;
      }
    }
    throw new Error('no download came');
  }
}

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

// WebKit's tab: the one window of a WebDriver session. Functions run in the page as scripts
// WebDriver runs, which the page's Content-Security-Policy does not govern.
class WebDriverTab extends Tab {
  constructor(driver, browser) {
    super(browser);
    this.driver = driver;
  }
  async goto(url) {
    await this.driver.get(url);
    await this.loaded();
  }
  // The session's one window goes with the session.
  async close() {}
  evaluate(fn, arg) { return this.expression(`(${fn})(arguments[0])`, arg); }
  async expression(source, arg) {
    const result = await this.driver.executeAsyncScript(
        `const done = arguments[arguments.length - 1];
         Promise.resolve().then(() => ${source})
             .then((value) => done({value}),
                   (error) => done({error: String(error) + ' at ' + error?.stack}));`,
        arg);
    if (result && 'error' in result) throw new Error(result.error);
    return result?.value;
  }
  script(source) { return this.driver.executeScript(source); }
  // Brought to the window's middle first, as puppeteer does: WebDriver scrolls it just into view,
  // where the page's player bar may cover it. WebKit's driver now and then found a row's button
  // covered even so, late in the bench: the failure names what lies over the button.
  async click(selector) {
    const {By} = require('selenium-webdriver');
    const element = await this.driver.findElement(By.css(selector));
    await this.driver.executeScript('arguments[0].scrollIntoView({block: "center"})', element);
    try {
      await element.click();
    } catch (error) {
      if (error.name !== 'ElementClickInterceptedError') throw error;
      const over = await this.driver.executeScript(`
        const box = arguments[0].getBoundingClientRect();
        const over = document.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2);
        return over?.outerHTML.slice(0, 300) + ' at ' + JSON.stringify(box) + ' in ' +
               innerWidth + 'x' + innerHeight;`, element);
      throw new Error(`${selector} can't be clicked: ${over} lies over it`);
    }
  }
  async choose(selector, file) {
    const {By} = require('selenium-webdriver');
    await (await this.driver.findElement(By.css(selector))).sendKeys(file);
  }
  async press(key) {
    const {Key} = require('selenium-webdriver');
    const keys = {Enter: Key.ENTER, Space: ' ', Tab: Key.TAB, Escape: Key.ESCAPE,
                  ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, ArrowUp: Key.ARROW_UP,
                  ArrowDown: Key.ARROW_DOWN};
    await this.driver.actions().sendKeys(keys[key] ?? key).perform();
  }
  // The page's viewport made width × height: the window is that much larger than its viewport.
  async size(width, height) {
    const window = this.driver.manage().window();
    const [innerWidth, innerHeight] = await this.evaluate(() => [innerWidth, innerHeight]);
    const outer = await window.getRect();
    await window.setRect({width: width + outer.width - innerWidth,
                          height: height + outer.height - innerHeight});
  }
  emulatePhone() { return this.size(412, 915); }
  async screenshot(file) {
    fs.writeFileSync(file, Buffer.from(await this.driver.takeScreenshot(), 'base64'));
  }
}

function freePort() {
  return new Promise((resolve) => {
    const server = net.createServer().listen(0, '127.0.0.1', () => {
      const {port} = server.address();
      server.close(() => resolve(port));
    });
  });
}

// WebKit's MiniBrowser under Xvfb, driven by WebKitWebDriver; it saves downloads into $HOME.
async function launchWebKit(folder, driverPath, downloads) {
  const {Builder} = require('selenium-webdriver');
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
                     {stdio: ['ignore', 'ignore', 'ignore', 'pipe']});
  const display = await new Promise((resolve, reject) => {
    xvfb.stdio[3].once('data', (data) => resolve(`:${String(data).trim()}`));
    xvfb.once('exit', () => reject(new Error('Xvfb did not start')));
  });
  const port = await freePort();
  // Its own files go elsewhere, so that the downloads folder holds only what the page saves.
  const own = path.join(folder, 'xdg');
  const environment = {...process.env, DISPLAY: display, HOME: downloads, XDG_RUNTIME_DIR: own,
                       XDG_CACHE_HOME: own, XDG_CONFIG_HOME: own, XDG_DATA_HOME: own,
                       MESA_SHADER_CACHE_DISABLE: 'true'};
  fs.mkdirSync(own, {recursive: true, mode: 0o700});
  const webDriver = spawn(driverPath, [`--port=${port}`], {env: environment, stdio: 'ignore'});
  const exited = (child) => new Promise((resolve) => {
    if (child.exitCode !== null || child.signalCode !== null) resolve();
    else child.once('exit', resolve);
  });
  const stop = async () => {
    webDriver.kill();
    xvfb.kill();
    await Promise.all([exited(webDriver), exited(xvfb)]);
  };
  try {
    for (let tries = 0; ; ++tries) {
      const up = await new Promise((resolve) => {
        const socket = net.connect(port, '127.0.0.1', () => {
          socket.end();
          resolve(true);
        });
        socket.on('error', () => resolve(false));
      });
      if (up) break;
      if (tries > 200) throw new Error('WebKitWebDriver did not start');
      await sleep(50);
    }
    // The browser of the engine that the driver is built for, where Debian puts it.
    const miniBrowser = fs.readdirSync('/usr/lib').flatMap((folder) =>
        ['webkit2gtk-4.1', 'webkitgtk-6.0'].map((version) => `${folder}/${version}/MiniBrowser`))
        .find((name) => fs.existsSync(`/usr/lib/${name}`));
    const driver = await new Builder().usingServer(`http://127.0.0.1:${port}/`).withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': {binary: `/usr/lib/${miniBrowser}`, args: ['--automation']},
    }).build();
    await driver.manage().setTimeouts({script: 600000});
    const tab = new WebDriverTab(driver, null);
    const driven = {
      downloads,
      async newTab() { return tab; },
      async close() {
        await driver.quit().catch(() => {});
        await stop();
      },
    };
    tab.browser = driven;
    return driven;
  } catch (error) {
    await stop();
    throw error;
  }
}

// engine, the program that drives it, and where its profile and downloads go.
async function launch(engine, folder, executablePath) {
  const downloads = path.join(folder, 'downloads');
  fs.mkdirSync(downloads, {recursive: true});
  if (engine === 'webkit') return launchWebKit(folder, executablePath, downloads);
  return launchPuppeteer(engine, folder, executablePath, downloads);
}

// Empties the browser's origin-private folder, which the tests hand the page as the folder a user
// picks; prepare(root) runs in the page next.
async function handFolder(tab, prepare = () => {}) {
  await tab.expression(`(async () => {
    const root = await navigator.storage.getDirectory();
    for await (const name of root.keys()) await root.removeEntry(name, {recursive: true});
    await (${prepare})(root);
  })()`);
}

module.exports = {handFolder, launch, serve, sleep};
