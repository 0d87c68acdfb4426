// The player's keys, wherever the focus is but in a field: Space plays and pauses, the arrows go
// 5 s back and on (on the seek bar too, where a step of one sample is too small for a key), N and
// P to the next track and the one before.
export function listenForKeys({playOrPause, seekBy, next, previous, seekBar}) {
  document.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    const field = event.target.closest?.('input, select, textarea, button');
    const typing = event.target.closest?.('input, select, textarea');
    const key = event.key;
    if (key === ' ' && !field) {
      event.preventDefault();
      playOrPause();
    } else if ((key === 'ArrowLeft' || key === 'ArrowRight') && (!field || event.target === seekBar)) {
      if (seekBy(key === 'ArrowLeft' ? -5 : 5)) event.preventDefault();
    } else if ((key === 'n' || key === 'N') && !typing) {
      next();
    } else if ((key === 'p' || key === 'P') && !typing) {
      previous();
    }
  });
}
