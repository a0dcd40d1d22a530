// The queue of events the game takes: key presses, key releases and the
// pause timer's tick. The game waits on arrival() whenever it has nothing
// to do, so a pause sleeps until a key or its tick instead of spinning.
'use strict';

const sonarchEvents = (() => {
  const KEY_DOWN = 1, KEY_UP = 2, TICK = 3;
  const queue = [];
  let wake = null;
  let timer = null;
  let open = true;

  function push(packed) {
    if (!open) return;
    queue.push(packed);
    if (wake) {
      const resume = wake;
      wake = null;
      resume();
    }
  }

  return {
    key(down, code, shift) {
      push(((down ? KEY_DOWN : KEY_UP) << 24) | (shift << 16) | code);
    },
    startTimer(milliseconds, round) {
      clearTimeout(timer);
      timer = setTimeout(() => { timer = null; push((TICK << 24) | round); }, milliseconds);
    },
    stopTimer() {
      clearTimeout(timer);
      timer = null;
    },
    arrival() {
      return queue.length ? Promise.resolve() : new Promise((resolve) => { wake = resolve; });
    },
    take() {
      return queue.length ? queue.shift() : 0;
    },
    // The game has taken every event and waits for a key, with or without
    // a pause running. Also what the page's tests wait for.
    waitingForKey() { return wake !== null && queue.length === 0 && timer === null; },
    pausing() { return wake !== null && queue.length === 0 && timer !== null; },
    // After the game has ended no further event reaches it.
    close() {
      open = false;
      queue.length = 0;
      this.stopTimer();
    },
  };
})();
