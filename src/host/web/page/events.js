// The game's events: key presses, key releases, the pause timer's tick,
// the save dialog's answer and a game server's messages. Each is handed to the game as it comes, in the
// order it came; the game answers at once and never waits, so a pause is
// only a timer here and the page stays free between events. Events that
// come before the game has started, or while it is handling one, wait
// their turn.
'use strict';

const sonarchEvents = (() => {
  const KEY_DOWN = 1, KEY_UP = 2, TICK = 3, SERVER_WAITING = 4;
  const queue = [];
  let game = null;
  let handing = false;
  let timer = null;
  let asking = false;
  let open = true;
  let serverWaiting = false;

  function handOver() {
    if (!game || handing) return;
    handing = true;
    try {
      while (open && queue.length) queue.shift()(game);
    } finally {
      handing = false;
    }
  }

  function push(call) {
    if (!open) return;
    queue.push(call);
    handOver();
  }

  function event(packed) {
    push((module) => module._sonarchEvent(packed));
  }

  return {
    // The game has started and takes events from now on.
    start(module) {
      game = module;
      handOver();
    },
    key(down, code, shift) {
      event(((down ? KEY_DOWN : KEY_UP) << 24) | (shift << 16) | code);
    },
    startTimer(milliseconds, round) {
      clearTimeout(timer);
      timer = setTimeout(() => { timer = null; event((TICK << 24) | round); }, milliseconds);
    },
    stopTimer() {
      clearTimeout(timer);
      timer = null;
    },
    // The connection to a game server has messages, or one of its timers
    // is up. It says so from inside the game, so the event is queued once
    // that call is over; one event hands over everything that came.
    inbox() {
      if (serverWaiting) return;
      serverWaiting = true;
      queueMicrotask(() => push((module) => {
        serverWaiting = false;
        module._sonarchEvent(SERVER_WAITING << 24);
      }));
    },
    // The save dialog is open until answer() brings its text (null: cancelled).
    asked() { asking = true; },
    answer(text) {
      asking = false;
      push((module) => {
        if (text === null) {
          module._sonarchTextEntered(0);
          return;
        }
        const size = module.lengthBytesUTF8(text) + 1;
        const copy = module._malloc(size);
        module.stringToUTF8(text, copy, size);
        module._sonarchTextEntered(copy);
        module._free(copy);
      });
    },
    // The game has had every event and waits for a key, with no pause
    // running and no dialog open. Also what the page's tests wait for.
    waitingForKey() { return open && game !== null && queue.length === 0 && timer === null && !asking; },
    pausing() { return open && game !== null && queue.length === 0 && timer !== null; },
    // After the game has ended no further event reaches it.
    close() {
      open = false;
      queue.length = 0;
      this.stopTimer();
    },
  };
})();
