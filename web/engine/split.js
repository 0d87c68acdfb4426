// The split, in the engine: the archive's block pairs, a chunk at a time, walked by the module
// with the tools' rules, and what its events say done in order: lines for the log, track and
// loop files for the output, written straight from the module's memory. The page hears of each
// line and track once the files before it are written, and of the bytes done.
import {Cancelled} from './failure.js';

// The module's events (split_module.cpp): seven numbers each, the first its kind.
const kLine = 1, kLoopLine = 2, kTrackBegin = 3, kTrackEnd = 4, kLoopFile = 5;
const kEventSize = 7;

function text(m, at, length) {
  return new TextDecoder().decode(m.HEAPU8.subarray(m._page_text() + at, m._page_text() + at + length));
}

// The players' files, as the tools have them beside them.
function playerFile(m, which, rate) {
  const at = m._page_player_file(which, rate);
  return m.HEAPU8.slice(at, at + m._page_player_file_size());
}

export async function split(m, job, file, rate, output, chunks) {
  for (const [which, name] of [[0, '.adpcm.txth'], [1, '44100Hz.genh'], [2, '48000Hz.genh']]) {
    await output.file(name, playerFile(m, which, rate));
  }
  const pairSize = m._page_pair_size(), chunkPairs = m._page_chunk_pairs();
  const pairs = Math.floor(file.size / pairSize);
  const loopLines = [];
  let track = null;  // the open track: its name and the bytes written to it
  let lines = [];
  const passLines = () => {
    if (lines.length) output.pass({lines});
    lines = [];
  };

  // Does what the events of the last call say, in order, then hands the rest of the output to
  // the open track.
  async function drain() {
    const events = m.HEAPF64.subarray(m._page_events() / 8,
                                      m._page_events() / 8 + m._page_event_count() * kEventSize);
    const bytes = (from, to) => m.HEAPU8.subarray(m._page_output() + from, m._page_output() + to);
    let from = 0;
    for (let e = 0; e < events.length; e += kEventSize) {
      const [kind, a, b, c, d, f, g] = events.subarray(e, e + kEventSize);
      if (kind === kLine) {
        lines.push(text(m, a, b));
      } else if (kind === kLoopLine) {
        loopLines.push(text(m, a, b));
      } else if (kind === kTrackBegin) {
        passLines();
        track = {name: text(m, a, b), bytes: 0, pair: c};
        await output.begin(track.name);
      } else if (kind === kTrackEnd) {
        passLines();
        await output.write(bytes(from, a));
        track.bytes += a - from;
        from = a;
        await output.end();
        output.pass({track: {name: track.name, pair: track.pair, bytes: track.bytes, samples: b,
                             playable: c === 1, loops: d === 1, start: f, end: g}});
        track = null;
      } else if (kind === kLoopFile) {
        await output.file(text(m, a, b), m.HEAPU8.slice(m._page_text() + c, m._page_text() + c + d));
      }
    }
    passLines();
    const fill = m._page_output_fill();
    await output.write(bytes(from, fill));
    if (track) track.bytes += fill - from;
    m._page_drained();
  }

  m._page_split_start();
  await drain();
  chunks.start(job, file, 0, pairs * pairSize, chunkPairs * pairSize);
  for (let pair = 0; pair < pairs;) {
    const bytes = await chunks.next();
    const count = bytes.length / pairSize;
    m.HEAPU8.set(bytes, m._page_input());
    chunks.handBack(bytes);
    for (let walked = 0; walked < count;) {
      walked += m._page_split_pairs(walked, count - walked);
      await drain();
    }
    pair += count;
    if (job.cancelled) throw new Cancelled();
    output.pass({progress: pair * pairSize});
  }
  m._page_split_end();
  await drain();
  if (loopLines.length) output.pass({lines: loopLines});
  output.pass({frames: {seen: m._page_frames_seen(), odd: m._page_odd_frames()}});
}
