// The page's choices: the sample rate, the loop count, the fade, the volume, and the format and
// Vorbis quality of sound files, as their controls hold them, and kept for the next visit.
import {kFadeMost, keepChoices, keptChoices, playSettings, wavSettings} from './settings.js';

const rateChoice = document.getElementById('rate'), loopsChoice = document.getElementById('loops');
const fadeChoice = document.getElementById('fade'), volume = document.getElementById('volume');
const formatChoice = document.getElementById('format');
const qualityChoice = document.getElementById('quality');

// The last fade typed that is allowed: one that is not stays in its field, refused.
let allowedFade = fadeChoice.value;

export const rate = () => Number(rateChoice.value);
export const settings = () => playSettings({loops: loopsChoice.value, fade: allowedFade});
export const wavChoice = () => wavSettings(settings());
export const volumeLevel = () => Number(volume.value);
// 'wav', 'flac' or 'ogg', the files' extension; Vorbis's quality, 3 to 9.
export const format = () => formatChoice.value;
export const quality = () => Number(qualityChoice.value);

// Takes the fade typed, where it is a whole number of seconds within bounds, or refuses it,
// saying what is allowed; whether it took it.
export function takeFade() {
  const typed = fadeChoice.value.trim();
  const allowed = /^\d+$/.test(typed) && Number(typed) <= kFadeMost;
  fadeChoice.setAttribute('aria-invalid', String(!allowed));
  document.getElementById('fade-error').textContent = allowed ? '' :
      `The fade is a whole number of seconds from 0 to ${kFadeMost}: it stays ${allowedFade} s.`;
  if (allowed) allowedFade = String(Number(typed));
  return allowed;
}

export function keep() {
  keepChoices(localStorage, {rate: rateChoice.value, loops: loopsChoice.value,
                             fade: allowedFade, volume: volume.value, format: formatChoice.value,
                             quality: qualityChoice.value});
}

// The choices of the last visit, where they are choices the page still offers.
export function restore() {
  let kept = {};
  try {
    kept = keptChoices(localStorage);
  } catch {}  // a page whose storage is refused
  const offered = (choice, value) => [...choice.options].some((option) => option.value === value);
  if (offered(rateChoice, kept.rate)) rateChoice.value = kept.rate;
  if (offered(loopsChoice, kept.loops)) loopsChoice.value = kept.loops;
  if (offered(formatChoice, kept.format)) formatChoice.value = kept.format;
  if (offered(qualityChoice, kept.quality)) qualityChoice.value = kept.quality;
  if (/^\d+$/.test(kept.fade) && Number(kept.fade) <= kFadeMost) fadeChoice.value = allowedFade = kept.fade;
  if (kept.volume !== undefined) volume.value = kept.volume;
}
