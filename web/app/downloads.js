// Downloads made as they are written, where the page is served in a browser that drops a download
// whose stream fails: the page's service worker (download/) answers them with what the engine
// writes. Elsewhere, opened from disk, in a private window, or in Firefox and WebKit, the engine
// writes a spool that the page downloads once it is whole: Firefox keeps a failed stream's part
// file and an empty file of the download's name, and WebKit saves its bytes under the download's
// own name, as if it were whole.

let worker = null;
let streamed = 0;  // how many downloads went as streams, for the page's tests

// Chromium's, and the browsers made from it, say so.
const dropsFailures = /Chrome\//.test(navigator.userAgent);

// Registers the service worker, as the page loads; streams go once it is active.
export function offerStreams() {
  if (!dropsFailures || !/^https?:$/.test(location.protocol) || !navigator.serviceWorker) return;
  navigator.serviceWorker.register('downloads.js').then(async (registration) => {
    const candidate = registration.installing ?? registration.waiting ?? registration.active;
    if (candidate.state !== 'activated') {
      await new Promise((resolve) => candidate.addEventListener('statechange', () => {
        if (candidate.state === 'activated') resolve();
      }));
    }
    worker = candidate;
  }).catch(() => {});
}

// A download named name, made as it is written while lasts(), or null where there can be none:
// {port}, the writer's end, for the engine; begin(), once the engine has something to write.
export function streamDownload(name, lasts) {
  if (!worker) return null;
  const id = (crypto.randomUUID?.() ?? `${Date.now()}-${Math.random()}`).replace(/[^\w-]/g, '');
  const {port1, port2} = new MessageChannel();
  try {
    worker.postMessage({download: id, name}, [port1]);
  } catch {
    return null;
  }
  // A service worker with nothing to do is stopped, a stream of its own too: it is reminded
  // while the download lasts.
  let frame = null;
  const ping = setInterval(() => {
    if (lasts()) return worker.postMessage({ping: true});
    clearInterval(ping);
    // The frame goes once the browser has surely taken the download from it.
    setTimeout(() => frame?.remove(), 60000);
  }, 10000);
  return {
    port: port2,
    begin() {
      ++streamed;
      frame = document.createElement('iframe');
      frame.hidden = true;
      frame.src = `download/${id}/${encodeURIComponent(name)}`;
      document.body.append(frame);
    },
  };
}

export const streamedDownloads = () => streamed;
