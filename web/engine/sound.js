// Tracks' sound in the engine: played into the page's audio worklet one after the other, scanned
// for where a play may start, or rendered as WAV files into an output. Each track is played as
// vgmstream renders its loop file with the settings {loops, fade} (loops Infinity: for ever), or,
// marked, once.
import {Cancelled, Failure, failureLine} from './failure.js';
import {TrackSound} from './track_sound.js';

// Waits until job.wake() is called: by a message for the job, or its cancel.
function woken(job) {
  return new Promise((resolve) => { job.wake = resolve; });
}

// Plays tracks from sample `from` of tracks[index] on: decoded slices go, as two channels of
// floats, straight to the page's audio worklet through port, which says {took, generation} for
// each it has taken; `ahead` slices are sent before it has taken any, then one for each it takes.
// Each slice says which track it is of and where it stands in its play; {end} follows the last.
// The job's messages: {seek: {index, sample, generation}} starts the play again there, after
// {flush, generation} tells the worklet to drop what it holds; {marks: {index, marks}}, a scan's,
// lets a seek anywhere in that track start at once.
export async function play(m, job, chunks, {file, tracks, rate, ahead, settings, index = 0, from = 0,
                                             port}) {
  const known = new Map();
  let sent = 0, taken = 0, seek = null, generation = 0;
  port.onmessage = ({data}) => {
    if (data.took && data.generation === generation) ++taken;
    job.wake?.();
  };
  job.receive = (data) => {
    if (data.seek) seek = data.seek;
    if (data.marks) known.set(data.marks.index, data.marks.marks);
    job.wake?.();
  };
  job.inbox.splice(0).forEach(job.receive);
  try {
    for (let i = index; i < tracks.length;) {
      const sound = new TrackSound(m, job, file, tracks[i], rate, chunks, settings);
      const before = known.get(i);
      if (before) Object.assign(sound, before);
      for await (const {pcm, at} of sound.slices(from)) {
        const count = Math.min(pcm.length / 2, sound.samples - at);
        if (sound.samples !== Infinity) m._page_fade(count, at);
        const left = new Float32Array(count), right = new Float32Array(count);
        for (let s = 0; s < count; ++s) {
          left[s] = pcm[2 * s] / 32768;
          right[s] = pcm[2 * s + 1] / 32768;
        }
        while (sent - taken >= ahead && !seek && !job.cancelled) await woken(job);
        if (job.cancelled) throw new Cancelled();
        if (seek) break;
        port.postMessage({left, right, at: sound.position(at), played: at, index: i, generation},
                         [left.buffer, right.buffer]);
        ++sent;
        if (at + count >= sound.samples) break;
      }
      if (!known.has(i) || known.get(i).marks.length < sound.marks.length) {
        known.set(i, {marks: sound.marks, settled: sound.settled, loopStart: sound.loopStart});
      }
      if (!seek) {
        ++i;
        from = 0;
        if (i < tracks.length) continue;
        // The last slices still play: a seek meanwhile starts the play again.
        port.postMessage({end: true, generation});
        while (!seek && !job.cancelled) await woken(job);
        if (job.cancelled) throw new Cancelled();
      }
      // A seek: the worklet drops what it holds, and the play starts again there.
      ({index: i, sample: from, generation} = seek);
      port.postMessage({flush: true, generation});
      sent = taken = 0;
      seek = null;
    }
  } catch (error) {
    if (!(error instanceof Cancelled)) job.post({failed: failureLine(error)});
  } finally {
    port.onmessage = null;
    port.close();
  }
}

// Decodes a track's first two passes, as fast as it can, for where a play may start in it:
// answers {marks: {marks, settled, loopStart}}.
export async function scan(m, job, chunks, {file, track, rate, settings}) {
  const sound = new TrackSound(m, job, file, track, rate, chunks, settings);
  const {start, end} = track;
  for await (const {pcm, at} of sound.slices()) {
    const count = pcm.length / 2;
    if ((sound.looping && at + count >= end + 2 * (end - start)) || at + count >= sound.samples) {
      break;
    }
  }
  job.post({marks: {marks: sound.marks, settled: sound.settled, loopStart: sound.loopStart}});
}

// The formats a track renders into: the WAV file's samples as they are, or made into FLAC or Ogg
// Vorbis by the module's encoders, a slice at a time.
const kEncoders = {flac: 1, ogg: 2};

// Renders each track as BGM_NNN.wav, .flac or .ogg into the output, as vgmstream renders its loop
// file with settings, tagged as track n of the archive's `total`. Progress counts the WAV file's
// bytes, whatever the format, as the page's sizes do.
export async function renderTracks(m, job, chunks, {file, tracks, rate, settings, format = 'wav',
                                                    quality = 6, total}, output) {
  let done = 0, shown = 0;
  const rendered = (bytes) => {
    done += bytes;
    if (done - shown >= 1 << 22) output.pass({progress: shown = done});
  };
  const name = new TextEncoder().encode(file.name).subarray(0, m._page_archive_name_size() - 1);
  m.HEAPU8.set(name, m._page_archive_name());
  m.HEAPU8[m._page_archive_name() + name.length] = 0;
  // The encoder's bytes so far, written from the module's memory, then let go.
  const encoded = async () => {
    await output.write(m.HEAPU8.subarray(m._page_encoded(), m._page_encoded() + m._page_encoded_size()));
    m._page_encoded_drain();
  };
  try {
    for (const track of tracks) {
      const sound = new TrackSound(m, job, file, track, rate, chunks, settings);
      const named = track.name.replace(/\.adpcm$/, `.${format}`);
      m._page_tags(Number(track.name.match(/-?\d+/)[0]), total ?? tracks.length);
      // Only WAV has a size limit: FLAC and Vorbis files of any length can be made.
      if (format === 'wav') {
        const header = m._page_wav_header(rate);
        if (!header) throw new Failure(`Can't write file ${named}: it is too long for a WAV file`);
        await output.begin(named);
        await output.write(m.HEAPU8.subarray(header, header + m._page_wav_header_size()));
        rendered(m._page_wav_header_size());
      } else {
        await output.begin(named);
        if (!m._page_encode_start(kEncoders[format], quality, rate)) {
          throw new Failure(`Can't write file ${named}: the ${format === 'flac' ? 'FLAC' : 'Vorbis'} encoder can't begin`);
        }
        await encoded();
      }
      for await (const {pcm, at} of sound.slices()) {
        if (job.cancelled) throw new Cancelled();
        const count = Math.min(pcm.length / 2, sound.samples - at);
        m._page_fade(count, at);
        if (format === 'wav') {
          await output.write(new Uint8Array(pcm.buffer, pcm.byteOffset, 4 * count));
        } else {
          if (!m._page_encode(count)) throw new Failure(`Can't write file ${named}: the encoder failed`);
          await encoded();
        }
        rendered(4 * count);
        if (at + count >= sound.samples) break;
      }
      if (format !== 'wav') {
        if (!m._page_encode_finish()) throw new Failure(`Can't write file ${named}: the encoder failed`);
        await encoded();
      }
      await output.end();
      output.pass({wav: named});
    }
  } finally {
    m._page_encode_abandon();
    m._page_encoded_drain();
  }
}
