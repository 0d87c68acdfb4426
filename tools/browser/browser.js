// How the page's tests and its bench drive the page: its folder served on 127.0.0.1 only, and the
// browsers of Debian's packages, each with a profile of its own and none of its calls home, which
// this machine refuses: Chromium and Firefox headless through puppeteer-core, WebKit's MiniBrowser
// through its WebDriver under a virtual X display. The tests see any of them through the few calls
// of a tab below, the same in every engine.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const {launchPuppeteer} = require('./puppeteer.js');
const {sleep} = require('./tab.js');
const {launchWebKit} = require('./webkit.js');

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

// Run in the page before its own scripts, where the engine has an origin-private folder: that
// folder is the one a user picks; at ?picked (a page load of its own, which a fragment is not) the
// engine's workers have no sync access handles, so that they write into it as into a folder a
// user picked, through createWritable.
function folderPreload() {
  window.showDirectoryPicker = async () => navigator.storage.getDirectory();
  if (location.search !== '?picked') return;
  const Original = window.Worker;
  window.Worker = class extends Original {
    constructor(url, options) {
      const text = 'delete FileSystemFileHandle.prototype.createSyncAccessHandle;' +
                   `importScripts(${JSON.stringify(String(url))});`;
      super(URL.createObjectURL(new Blob([text])), options);
    }
  };
}

module.exports = {folderPreload, handFolder, launch, serve, sleep};
