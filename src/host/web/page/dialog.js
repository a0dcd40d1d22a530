// The save prompt as a modal dialog with a labelled text field: the focus
// moves into the field, the screen reader reads what is typed, Enter gives
// the name, Escape cancels, and the focus goes back to the game.
'use strict';

const sonarchDialog = (() => {
  let dialog = null, form = null, label = null, field = null, returnTo = null;

  return {
    attach(elements) {
      ({ dialog, form, label, field, returnTo } = elements);
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
