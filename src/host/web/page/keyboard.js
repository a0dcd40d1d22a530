// Keys for the game: while the game area has the focus, every key the game
// has a code for goes to it, and the browser's own use of that key (moving
// focus, scrolling, find, reload) is prevented. Combinations with Ctrl, Alt
// or the Command key stay the browser's, so its shortcuts still work.
'use strict';

const sonarchKeyboard = (() => {
  const MODIFIERS = new Set(['ShiftLeft', 'ShiftRight', 'ControlLeft', 'ControlRight',
    'AltLeft', 'AltRight']);
  function shiftMask(event) {
    return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
  }

  function gameKey(event, virtualKey) {
    if (event.isComposing || event.metaKey) return 0;
    if ((event.ctrlKey || event.altKey) && !MODIFIERS.has(event.code)) return 0;
    return virtualKey(event.code, event.key);
  }

  return {
    // virtualKey(code, key): the game's code for a key, 0 for none.
    attach(area, events, virtualKey, isOpen) {
      area.addEventListener('keydown', (event) => {
        const code = gameKey(event, virtualKey);
        if (!code || !isOpen()) return;
        event.preventDefault();
        events.key(true, code, shiftMask(event));
      });
      // Releases count wherever the focus is, so that a Ctrl let go inside
      // the save dialog does not leave the next pause cut short.
      document.addEventListener('keyup', (event) => {
        const code = gameKey(event, virtualKey);
        if (!code) return;
        if (event.target === area) event.preventDefault();
        events.key(false, code, shiftMask(event));
      });
    },
  };
})();
