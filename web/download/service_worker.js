// The page's service worker, where the page is served: it answers the page's own download
// requests, download/ID/NAME, with the stream the engine writes for ID (download/port_stream.js),
// as an attachment named NAME. Every other request goes to the network as if it were not here.
import {portStream} from './port_stream.js';

// The downloads the page has announced, by id, until their request comes.
const announced = new Map();
const waiting = new Map();

self.addEventListener('install', () => self.skipWaiting());
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('message', (event) => {
  const {download, name} = event.data ?? {};
  if (!download) return;  // a ping, which keeps this worker alive while a download lasts
  announced.set(download, {name, port: event.ports[0]});
  waiting.get(download)?.();
});

// The page announces a download, then asks for it: the two may come in either order.
function announcement(id) {
  if (announced.has(id)) return Promise.resolve(announced.get(id));
  return new Promise((resolve) => {
    const timer = setTimeout(() => resolve(null), 10000);
    waiting.set(id, () => {
      clearTimeout(timer);
      resolve(announced.get(id));
    });
  }).finally(() => waiting.delete(id));
}

// A name as a header gives it: in full as UTF-8, and plainly for a browser that reads no other.
function disposition(name) {
  const plain = name.replace(/[^\x20-\x7e]|["\\%]/g, '_');
  return `attachment; filename="${plain}"; filename*=UTF-8''${encodeURIComponent(name)}`;
}

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  const match = /\/download\/([\w-]+)\/[^/]*$/.exec(url.pathname);
  if (!match || url.origin !== self.location.origin) return;
  const id = match[1];
  // This worker lives on until the stream ends.
  let ended;
  event.waitUntil(new Promise((resolve) => { ended = resolve; }));
  event.respondWith(announcement(id).then((entry) => {
    announced.delete(id);
    if (!entry) {
      ended();
      return new Response('This download is no longer there.', {status: 404});
    }
    const {stream, done} = portStream(entry.port);
    done.then(ended);
    return new Response(stream, {headers: {
      'content-type': entry.name.endsWith('.zip') ? 'application/zip' : 'application/octet-stream',
      'content-disposition': disposition(entry.name),
      'x-content-type-options': 'nosniff',
    }});
  }));
});
