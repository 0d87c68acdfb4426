// A play of tracks into an audio context: the engine decodes them, and the worklet's 'track'
// processor plays the slices as they come, so that one track follows the other with no gap. The
// worklet is loaded from a data: URL, which every engine takes, opened from disk too (a Blob URL
// is cross-origin there in Chromium and WebKit).
import workletScript from 'bundles/track_processor.txt';

const workletUrl = `data:text/javascript,${encodeURIComponent(workletScript)}`;
const contextsWithWorklet = new WeakMap();

// Plays tracks from file into context, with `ahead` slices decoded before it plays: tracks[index]
// from sample `from` of its play on, then the rest, each as vgmstream renders it with settings.
// Resolves to {node, ready, stop, seek(index, sample), scan(index), pause(paused)}, and calls its
// onposition, onended and onfailed; node, once ready, goes to the speakers.
export async function startPlay(engine, file, context, {tracks, settings, index = 0, from = 0, ahead = 4}) {
  if (!contextsWithWorklet.has(context)) {
    contextsWithWorklet.set(context, context.audioWorklet.addModule(workletUrl));
  }
  await contextsWithWorklet.get(context);
  const node = new AudioWorkletNode(context, 'track', {numberOfInputs: 0, outputChannelCount: [2]});
  const channel = new MessageChannel();
  // The scans of this play: one at a time, the last asked for, and none of a track scanned.
  const scans = [], scanned = new Set();
  const failed = (line) => sound.onfailed?.(line);
  const play = engine.start({type: 'play', file, tracks, rate: context.sampleRate, ahead, settings,
                             index, from, port: channel.port2}, [channel.port2],
                            (data) => data.failed && failed(data.failed));
  const sound = {
    node,
    stop: () => {
      play.cancel();
      for (const scan of scans) scan.cancel();
      node.port.postMessage({stop: true});
      node.disconnect();
      node.port.onmessage = null;
    },
    pause: (paused) => node.port.postMessage({paused}),
  };
  // A seek resolves once the worklet holds what plays from there.
  let seeks = 0, seeking = null;
  sound.seek = (index, sample) => new Promise((resolve) => {
    seeking = {generation: ++seeks, resolve};
    play.post({seek: {index, sample, generation: seeks}});
  });
  sound.ready = new Promise((resolve) => {
    node.port.onmessage = ({data}) => {
      // The first play is ready, or a seek's that came before it was.
      if ('ready' in data) resolve();
      if ('ready' in data && data.ready === seeking?.generation) seeking.resolve();
      // Where the play before the last seek stood is no news.
      if (data.at !== undefined && data.generation === seeks) sound.onposition?.(data);
      if (data.ended && data.generation === seeks) sound.onended?.();
    };
  });
  // Where a play may start in tracks[index], found ahead, beside the play: a seek there starts at
  // once. Resolves once the play has what the scan found.
  sound.scan = (index) => new Promise((resolve) => {
    if (scanned.has(index)) return resolve();
    for (const scan of scans.splice(0)) scan.cancel();
    scans.push(engine.start({type: 'scan', file, track: tracks[index], rate: context.sampleRate,
                             settings}, [], (data) => {
      if (data.marks) {
        scanned.add(index);
        play.post({marks: {index, marks: data.marks}});
      }
      if (data.marks || data.failed) resolve();
    }));
  });
  node.port.postMessage({enginePort: channel.port1, ahead}, [channel.port1]);
  return sound;
}
