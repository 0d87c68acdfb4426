// A download made as it is written: the engine's bytes go, through a MessagePort, to the page's
// service worker, whose answer to the download's request is a stream of them. The browser writes
// them into the user's downloads as they come, and no copy of the whole is kept anywhere.
//
//   engine (portWriter)          service worker (portStream)
//   {bytes}, {end}, {fail}  →
//                           ←    {more}: the stream wants a piece; {cancel}: the download is gone
//
// A piece goes only where the stream asked for one, so the bytes held between the two are at most
// the stream's high-water mark and a piece.

// The stream of what a portWriter writes to the other end of port.
export function portStream(port, highWaterMark = 8 << 20) {
  let ended;
  const done = new Promise((resolve) => { ended = resolve; });
  const stream = new ReadableStream({
    start(controller) {
      port.onmessage = ({data}) => {
        if (data.bytes) return controller.enqueue(data.bytes);
        // A writer that fails errs the stream: the browser marks the download failed, and does
        // not keep what came as if it were whole.
        if (data.fail) controller.error(new Error('the download was not finished'));
        else if (data.end) controller.close();
        port.close();
        ended();
      };
    },
    pull() { port.postMessage({more: true}); },
    cancel() {
      port.postMessage({cancel: true});
      port.close();
      ended();
    },
  }, new ByteLengthQueuingStrategy({highWaterMark}));
  return {stream, done};
}

// Writes a download through port, as the stream at its other end asks. begin() is called before
// the first byte goes, so that the download is asked for only once there is something to write;
// job is cancelled where job.cancelled, and its wake() is what a cancel calls.
export function portWriter(port, begin, job) {
  let asked = 0, gone = false, begun = false, wake = null;
  const start = () => {
    if (begun) return;
    begun = true;
    begin();
  };
  port.onmessage = ({data}) => {
    if (data.more) ++asked;
    if (data.cancel) gone = true;
    wake?.();
  };
  const writer = {
    bytes: 0,
    // bytes may be a view of the module's memory: a copy of them goes.
    async write(bytes) {
      start();
      while (!asked && !gone && !job.cancelled) {
        await new Promise((resolve) => { wake = job.wake = resolve; });
      }
      wake = job.wake = null;
      if (job.cancelled || gone) throw new Error('the download was cancelled');
      --asked;
      const piece = bytes.slice();
      writer.bytes += piece.byteLength;
      port.postMessage({bytes: piece}, [piece.buffer]);
    },
    // Nothing is left for the page to download: the browser has it.
    async close() {
      start();
      port.postMessage({end: true});
      port.close();
      return null;
    },
    async abandon() {
      port.postMessage({fail: true});
      port.close();
    },
  };
  return writer;
}
