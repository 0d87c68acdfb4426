// The settings of plays and WAV files as the page's controls give them, and the choices kept for
// the next visit: no DOM, so that Node can test them.

export const kFadeMost = 30;
const kKey = 'vorsplit';

// {loops, fade} of the choices' values: loops 1 to 10, or 'for ever' (Infinity); the fade in
// whole seconds from 0 to kFadeMost, whatever was typed.
export function playSettings({loops, fade}) {
  return {loops: loops === 'for ever' ? Infinity : Number(loops),
          fade: Math.min(kFadeMost, Math.max(0, Math.round(Number(fade) || 0)))};
}

// WAV files can't last for ever: they take two loops then.
export const wavSettings = (settings) =>
  ({...settings, loops: Number.isFinite(settings.loops) ? settings.loops : 2});

// The choices kept at the last visit, {rate, loops, fade, volume} as strings; none where storage
// is refused or holds something else.
export function keptChoices(storage) {
  try {
    const kept = JSON.parse(storage.getItem(kKey) ?? '{}');
    return kept && typeof kept === 'object' ? kept : {};
  } catch {
    return {};
  }
}

// Keeps them, where the browser lets the page keep anything.
export function keepChoices(storage, choices) {
  try {
    storage.setItem(kKey, JSON.stringify(choices));
  } catch {}
}
