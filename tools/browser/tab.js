// What a tab of any engine does for the page's tests, given how its driver evaluates a function
// in the page: waiting, reading, selecting, and downloads saved whole.
'use strict';

const fs = require('node:fs');
const path = require('node:path');

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

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

module.exports = {sleep, Tab};
