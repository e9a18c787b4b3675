// The inputs live in the address (after #), so a reload or a shared link opens
// the page as it was left.

export function readState(hash = location.hash) {
  return new URLSearchParams(hash.replace(/^#/, ''));
}

let pending = null;

// Writes the given values (empty ones dropped) into the address without a new history entry.
export function writeState(values) {
  const params = pending ?? readState();  // values written since the last frame count too
  for (const [key, value] of Object.entries(values)) {
    if (value === '' || value === null || value === undefined) params.delete(key);
    else params.set(key, String(value));
  }
  pending = params;
  // Typing fires an event per character: the address follows once per frame.
  requestAnimationFrame(() => {
    if (!pending) return;
    const text = pending.toString();
    pending = null;
    history.replaceState(null, '', text ? `#${text}` : location.pathname + location.search);
  });
}
