// The page's choices: the sample rate, the loop count, the fade and the volume, as their controls
// hold them, and kept for the next visit.
import {keepChoices, keptChoices, playSettings, wavSettings} from './settings.js';

const rateChoice = document.getElementById('rate'), loopsChoice = document.getElementById('loops');
const fadeChoice = document.getElementById('fade'), volume = document.getElementById('volume');

export const rate = () => Number(rateChoice.value);
export const settings = () => playSettings({loops: loopsChoice.value, fade: fadeChoice.value});
export const wavChoice = () => wavSettings(settings());
export const volumeLevel = () => Number(volume.value);

// A fade typed out of bounds, or not a number, shows what it counts as.
export function showFade() {
  fadeChoice.value = settings().fade;
}

export function keep() {
  keepChoices(localStorage, {rate: rateChoice.value, loops: loopsChoice.value,
                             fade: fadeChoice.value, volume: volume.value});
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
  if (kept.fade !== undefined) fadeChoice.value = kept.fade;
  if (kept.volume !== undefined) volume.value = kept.volume;
}
