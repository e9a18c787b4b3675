// The number boxes take the keys the windows' boxes take: integer boxes digits,
// decimal boxes digits and the point (any number of them: the commands check
// the text). Pasted text goes in whole, as in the windows.

const allowed = {
  integer: /^[0-9]*$/,
  decimal: /^[0-9.]*$/,
};

export function installKeyFilters(root) {
  for (const input of root.querySelectorAll('input[data-keys]')) {
    const rule = allowed[input.dataset.keys];
    input.addEventListener('beforeinput', (event) => {
      if (event.inputType === 'insertText' && event.data !== null && !rule.test(event.data)) {
        event.preventDefault();
      }
    });
  }
}
