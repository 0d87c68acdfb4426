// How the page's tests and its bench drive the page: its folder served on 127.0.0.1 only, and
// Debian's Chromium, headless, with a profile of its own, as a user's is (the origin-private
// folder then lies on disk), and with none of its calls home, which this machine refuses.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const {chromium} = require('playwright-core');

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

function launch(profile, executablePath) {
  return chromium.launchPersistentContext(profile, {
    executablePath,
    acceptDownloads: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// Hands the page the browser's origin-private folder, emptied, in place of the folder a user
// picks; prepare(root), the text of a function, runs in the page first.
async function handFolder(page, prepare = 'root => {}') {
  await page.evaluate(async (prepare) => {
    const root = await navigator.storage.getDirectory();
    for await (const name of root.keys()) await root.removeEntry(name, {recursive: true});
    await eval(prepare)(root);
    window.showDirectoryPicker = async () => root;
  }, prepare);
}

module.exports = {handFolder, launch, serve};
