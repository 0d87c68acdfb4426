// How the page writes sizes, times, counts and names: in words a reader expects, with no DOM.

// 32.3 MB: three figures, in the units of 1000 that people read sizes in.
export function size(bytes) {
  const units = ['bytes', 'kB', 'MB', 'GB', 'TB'];
  let unit = 0;
  for (; bytes >= 1000 && unit < units.length - 1; ++unit) bytes /= 1000;
  if (unit === 0) return `${bytes} ${bytes === 1 ? 'byte' : 'bytes'}`;
  return `${bytes.toFixed(bytes < 10 ? 2 : bytes < 100 ? 1 : 0)} ${units[unit]}`;
}

export const plural = (n, word) => `${n} ${word}${n === 1 ? '' : 's'}`;

// m:ss of `samples` at `rate`, or with exact, m:ss.sss, cut, not rounded: a time never says a
// sample has played before it has.
export function time(samples, rate, exact = false) {
  const seconds = samples / rate, minutes = Math.floor(seconds / 60);
  const rest = exact ? (Math.floor((seconds - minutes * 60) * 1000) / 1000).toFixed(3).padStart(6, '0')
                     : String(Math.floor(seconds - minutes * 60)).padStart(2, '0');
  return `${minutes}:${rest}`;
}

// A file's name without its extension: the archive's, in the names of what the page saves.
export const baseName = (name) => name.replace(/\.[^.]*$/, '');
// A track's name as the page shows it, BGM_NNN.
export const trackName = (track) => track.name.replace(/\.adpcm$/, '');
// Its number in the archive, NNN, from 0.
export const trackNumber = (track) => Number(trackName(track).match(/-?\d+$/)[0]);

// The formats of sound files, by their extension, as the page names them.
export const formatNames = {wav: 'WAV', flac: 'FLAC', ogg: 'Ogg Vorbis'};

// A file's size before it is made: exact for WAV, which the page knows to the byte, and about so
// much for FLAC and Vorbis, which only their encoding tells.
export const sizeBefore = (format, bytes) => (format === 'wav' ? size(bytes) : `about ${size(bytes)}`);
