// The save prompt as a modal dialog with a labelled text field: the focus
// moves into the field, the screen reader reads what is typed, Enter gives
// the name, Escape cancels, and the focus goes back to the game.
'use strict';

const sonarchDialog = (() => {
  let dialog = null, form = null, label = null, field = null, returnTo = null;
  const NAMED = { ' ': 'space', '.': 'dot' };

  function spoken(character) {
    if (NAMED[character]) return NAMED[character];
    return /^[A-Z]$/.test(character) ? `capital ${character}` : character;
  }

  return {
    // echo(text): says a typed or erased character for players without a
    // screen reader.
    attach(elements, echo) {
      ({ dialog, form, label, field, returnTo } = elements);
      field.addEventListener('keydown', (event) => {
        if (event.key.length === 1) echo(spoken(event.key));
        if (event.key === 'Backspace') echo(field.value ? `erased ${spoken(field.value.slice(-1))}` : 'empty');
      });
    },
    // Resolves with the typed text, or null when cancelled.
    ask(prompt) {
      return new Promise((resolve) => {
        label.textContent = prompt;
        field.value = '';
        const finish = (answer) => {
          form.removeEventListener('submit', submitted);
          dialog.removeEventListener('cancel', cancelled);
          if (dialog.open) dialog.close();
          returnTo.focus();
          resolve(answer);
        };
        const submitted = (event) => { event.preventDefault(); finish(field.value); };
        const cancelled = (event) => { event.preventDefault(); finish(null); };
        form.addEventListener('submit', submitted);
        dialog.addEventListener('cancel', cancelled);
        dialog.showModal();
        field.focus();
      });
    },
  };
})();
