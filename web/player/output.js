// The page's sound output: one audio context at the chosen rate, with its volume; its suspends
// and resumes, one at a time; and its suspend once nothing has played for a while, which spares
// a phone's battery. soundOutput is a test hook too.
export const soundOutput = {context: null, gain: null, suspendAfterSeconds: 10};

// Where sound can't start (no output device, or a browser that refuses it), the page says so
// within this many seconds of the click.
export const kSoundStartSeconds = 4;

// The context at `rate`, made anew where the rate changed.
export function contextAt(rate, volume) {
  if (soundOutput.context?.sampleRate !== rate) {
    soundOutput.context?.close();
    const context = soundOutput.context = new AudioContext({sampleRate: rate});
    soundOutput.gain = context.createGain();
    soundOutput.gain.connect(context.destination);
    soundOutput.gain.gain.value = volume;
  }
  return soundOutput.context;
}

export function setVolume(volume) {
  if (soundOutput.gain) soundOutput.gain.gain.value = volume;
}

// Each context's last suspend or resume. WebKitGTK waits on its sound output for each on the
// page's own thread, and with no sound device was seen waiting there for ever, in a resume that
// came right after a suspend: so one change at a time, each after the one before, none that
// would change nothing, and none for a short pause (the worklet holds those). One that has not
// ended within seconds (a context the browser does not let start, or no sound output) holds up
// no other, so that a later click can still start the sound.
const contextChanges = new WeakMap();
export function runContext(running) {
  const context = soundOutput.context, before = contextChanges.get(context);
  const change = () => {
    if (context.state === 'closed' || (context.state === 'running') === running) return;
    return running ? context.resume() : context.suspend();
  };
  // Where none is under way, asked for at once: within the click, which some browsers ask of a
  // sound's start.
  const changed = before ?
      Promise.race([before, new Promise((resolve) => setTimeout(resolve, kSoundStartSeconds * 1000))])
          .then(change) :
      Promise.resolve(change());
  const mine = changed.catch(() => {}).finally(() => {
    if (contextChanges.get(context) === mine) contextChanges.delete(context);
  });
  contextChanges.set(context, mine);
  return changed;
}

// Suspends the context once silent() has stayed true for suspendAfterSeconds.
let silentTimer;
export function suspendWhenSilent(silent) {
  clearTimeout(silentTimer);
  silentTimer = setTimeout(() => {
    if (soundOutput.context && silent()) runContext(false).catch(() => {});
  }, soundOutput.suspendAfterSeconds * 1000);
}
