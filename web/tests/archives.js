// The synthetic archives the page's tests share: each frame's bytes tell where it came from, and
// a table of archives that carry every rule of the walk and of the loops.
'use strict';

const kFrame = 16, kBlock = 204800, kPair = 409600;
const H = 0x4c, F = 0x00;  // a header that is not filler (filter 4, shift 12), and filler's

// A synthetic archive whose frames tell where they came from: the sample bytes hold the pair,
// the channel and the position. Every frame is plain, with a header that is not filler, but
// where marks give [pair, channel, position, header, flag].
// Bytes of noise, the same at every run.
function noise(length) {
  const bytes = Buffer.alloc(length);
  for (let i = 0, x = 1; i < length; ++i) bytes[i] = (x = (x * 1103515245 + 12345) >>> 0) >>> 24;
  return bytes;
}

function archive(pairs, marks = [], trailingBytes = 0) {
  const bytes = Buffer.alloc(pairs * kPair + trailingBytes, 0xee);
  for (let at = 0; at + kFrame <= bytes.length; at += kFrame) {
    const p = Math.floor(at / kPair), c = Math.floor((at % kPair) / kBlock);
    const k = (at % kBlock) / kFrame;
    bytes.set([H, 0, p & 0xff, p >> 8, c, k & 0xff, k >> 8], at);
  }
  for (const [p, c, k, header, flag] of marks) bytes.set([header, flag], p * kPair + c * kBlock + k * kFrame);
  return bytes;
}

const rows = [
  ['every rule of the walk, a pair for each way a track ends, and an unfinished pair',
   archive(6, [[0, 1, 0, H, 0x06], [0, 0, 5, H, 0x06], [0, 0, 2, F, 0x00], [0, 1, 2, F, 0x06],
               [0, 0, 3, F, 0x02], [0, 1, 7, H, 0x01], [0, 0, 100, H, 0x04],
               [0, 0, 12799, H, 0xff], [0, 1, 12799, H, 0x05], [1, 0, 9, F, 0x03],
               [2, 1, 5, H, 0x07], [3, 0, 0, H, 0x03], [4, 1, 3, F, 0x07],
               [5, 1, 12799, H, 0x03]], kPair / 2 + 16)],
  // One track a case: filler before the loop start, more in channel 0; a loop start on filler;
  // two loop starts; one in channel 1 only; none; a loop end in channel 1; an end of stream; a
  // loop that spans pairs; tracks too short to play, or to loop; the archive's last track.
  ['the loop rules, a track a case',
   archive(13, [[0, 0, 0, F, 0], [0, 0, 1, F, 0], [0, 1, 0, F, 0], [0, 0, 5, H, 0x06],
                [0, 1, 5, H, 0x06], [0, 0, 100, H, 0x03], [1, 0, 5, F, 0x06],
                [1, 0, 10, H, 0x03], [2, 0, 3, H, 0x06], [2, 0, 10, H, 0x06], [2, 0, 20, H, 0x03],
                [3, 1, 1, F, 0], [3, 1, 7, H, 0x06], [3, 0, 20, H, 0x03], [4, 0, 20, H, 0x03],
                [5, 0, 1, H, 0x06], [5, 1, 20, H, 0x03], [6, 0, 1, H, 0x06], [6, 0, 20, H, 0x07],
                [7, 0, 12790, H, 0x06], [8, 0, 5, H, 0x03], [9, 0, 0, H, 0x07],
                [10, 0, 0, H, 0x03], [11, 0, 1, H, 0x06], [11, 0, 3, H, 0x03],
                [12, 0, 2, H, 0x06]])],
  // The page reads 10 pairs at a time: a track across chunks, one that ends at the last frame of
  // a chunk, markers at a chunk's first frame, an unfinished pair after the last; one track.
  ['tracks across the chunks the page reads',
   archive(45, [[3, 0, 7, H, 0x06], [20, 0, 0, H, 0x04], [25, 1, 40, H, 0x03],
                [39, 1, 12799, H, 0x03], [40, 1, 0, H, 0x06], [44, 0, 2, F, 0x07]],
           kPair - 16)],
  ['one track', archive(2, [[1, 0, 7, H, 0x06]])],
  // A marker for every frame: more lines than the module has room for in one call.
  ['pairs whose every frame is reported',
   archive(3).map((byte, at) => (at % 16 === 1 ? 0x01 : byte))],
  ['a file too small to hold a pair', archive(0, [], kPair - 1)],
  // Five pairs of noise, as a file that is no archive at all gives: a filter above 4 or a shift
  // above 12 in three frames of four.
  ['noise', noise(5 * kPair)],
];

module.exports = {archive, F, H, kFrame, kPair, rows};
