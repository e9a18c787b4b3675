// A refused box, as the library refused it: its words beside the box (in the
// box's note, named "<box id>-refusal"), the box marked invalid and described
// by them. One box of a tab is refused at a time; the others are cleared.
export function refusalsOf(boxes) {
  const entries = Object.entries(boxes).map(([key, input]) => ({
    key,
    input,
    note: document.getElementById(`${input.id}-refusal`),
    described: input.getAttribute('aria-describedby') ?? '',  // its own hints
  }));
  function show(refusedKey, words) {
    for (const { key, input, note, described } of entries) {
      const refused = key === refusedKey;
      note.textContent = refused ? words : '';
      if (refused) {
        input.setAttribute('aria-invalid', 'true');
        input.setAttribute('aria-describedby', described ? `${note.id} ${described}` : note.id);
      } else {
        input.removeAttribute('aria-invalid');
        if (described) input.setAttribute('aria-describedby', described);
        else input.removeAttribute('aria-describedby');
      }
    }
  }
  return { show, clear: () => show('', '') };
}
