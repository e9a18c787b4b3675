// A refused box, as the library refused it: its words beside the box (in the
// box's note, named "<box id>-refusal"), the box marked invalid and described
// by them. One box of a tab is refused at a time (the workbench: one of its
// design and one of its converter); the others are cleared.
export function refusalsOf(boxes) {
  const entries = Object.entries(boxes).map(([key, input]) => ({
    key,
    input,
    note: document.getElementById(`${input.id}-refusal`),
    described: input.getAttribute('aria-describedby') ?? '',  // its own hints
  }));
  // `words` by box key; the boxes not named are cleared.
  function showAll(words) {
    for (const { key, input, note, described } of entries) {
      const refusal = words[key] ?? '';
      if (note.textContent !== refusal) note.textContent = refusal;
      if (refusal) {
        input.setAttribute('aria-invalid', 'true');
        input.setAttribute('aria-describedby', described ? `${note.id} ${described}` : note.id);
      } else {
        input.removeAttribute('aria-invalid');
        if (described) input.setAttribute('aria-describedby', described);
        else input.removeAttribute('aria-describedby');
      }
    }
  }
  return {
    show: (refusedKey, words) => showAll(refusedKey ? { [refusedKey]: words } : {}),
    showAll,
    clear: () => showAll({}),
  };
}
