// WebKit's MiniBrowser, through WebKitGTK's WebDriver and selenium-webdriver, under a virtual X
// display.
'use strict';

const {spawn} = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const path = require('node:path');
const {sleep, Tab} = require('./tab.js');

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
    let used = false;
    const driven = {
      downloads,
      // The window's tab, in a new window after the first: MiniBrowser lists each download in
      // its window, above the page, which leaves the page less room with each.
      async newTab() {
        if (used) {
          const old = await driver.getWindowHandle();
          await driver.switchTo().newWindow('window');
          const fresh = await driver.getWindowHandle();
          await driver.switchTo().window(old);
          await driver.close();
          await driver.switchTo().window(fresh);
        }
        used = true;
        return tab;
      },
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

module.exports = {launchWebKit};
