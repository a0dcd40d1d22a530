// Starts the page: joins the parts of the page to the game's calls
// (sonarchPage), prepares the storage and loads the game. The address may
// ask for a seed (?seed=N), so that a scripted game can be replayed, and
// for a voice (?voice=screen-reader, built-in, both or none); after a #, a
// room on the game server the page came from, which the game joins.
'use strict';

(() => {
  const $ = (id) => document.getElementById(id);
  const area = $('game');
  const captionLine = $('caption');
  const log = $('log');
  const status = $('page-status');
  const LOG_LENGTH = 50;
  let running = false;

  function addToLog(text) {
    const entry = document.createElement('li');
    entry.textContent = text;
    log.prepend(entry);
    while (log.children.length > LOG_LENGTH) log.lastElementChild.remove();
  }

  function askedSeed() {
    const seed = new URLSearchParams(location.search).get('seed');
    return seed !== null && /^\d{1,15}$/.test(seed) ? Number(seed) : -1;
  }

  function tell(sentence) { status.textContent = sentence; }

  // A sentence of the page's own, heard and logged like the game's.
  function say(sentence) {
    sonarchVoice.tell(sentence);
    sonarchVoice.speak(sentence);
    addToLog(sentence);
  }

  // The saved games to export, read afresh from the storage: when the page
  // opens, after each save or import, and when the player goes to the list.
  function listExports() {
    const chooser = $('export-choice');
    const chosen = chooser.value;
    chooser.replaceChildren(...sonarchStorage.saves().map((name) => new Option(name, name)));
    if (chooser.options.length === 0) chooser.append(new Option('No saved games yet', ''));
    chooser.value = chosen;
    if (chooser.selectedIndex < 0) chooser.selectedIndex = 0;
  }

  const PLAY_AGAIN = 'Reload the page to play again.';

  window.sonarchPage = {
    speak: (text) => sonarchVoice.speak(text),
    setVoiceRate: (factor) => sonarchVoice.setRate(factor),
    setVoiceVolume: (level) => sonarchVoice.setVolume(level),
    voiceRateSetBy: () => sonarchVoice.rateSetBy(),
    playSound: (samples, sampleRate) => sonarchVoice.playSound(samples, sampleRate),
    setCaption(text) {
      document.title = text === '' ? 'Sonarch' : text;
      captionLine.textContent = text;
    },
    // Every sentence the game puts out, spoken or shown, goes to the log
    // and to the screen reader, whether the game's speech is on or off.
    sentence(text) {
      if (text === '') return;
      addToLog(text);
      sonarchVoice.tell(text);
    },
    board: sonarchBoard,
    events: sonarchEvents,
    storage: sonarchStorage,
    askText(prompt) {
      sonarchEvents.asked();
      sonarchDialog.ask(prompt).then((answer) => sonarchEvents.answer(answer));
    },
    // The game has written a save; the browser keeps it in the background.
    storeFile(path) {
      sonarchStorage.store(path).then((kept) => {
        listExports();
        if (kept) return;
        const sentence = 'The browser would not keep the saved game in its storage.';
        say(sentence);
        tell(sentence);
      });
    },
    // The game said goodbye; a page cannot start it again by itself, so
    // the player hears how, and hears it again at any key.
    ended() {
      running = false;
      sonarchEvents.close();
      area.setAttribute('aria-label', `Sonarch has ended. ${PLAY_AGAIN}`);
      tell(`The game has ended. ${PLAY_AGAIN}`);
      say(PLAY_AGAIN);
      area.addEventListener('keydown', (event) => {
        if (!['Shift', 'Control', 'Alt', 'Meta'].includes(event.key)) say(PLAY_AGAIN);
      });
    },
    seed: askedSeed,
    // A text for the game, in its memory; the game frees it. Short, so an
    // address stuffed with text costs nothing.
    newText(text) {
      const game = window.Module;
      const kept = String(text).slice(0, 200);
      const size = game.lengthBytesUTF8(kept) + 1;
      const copy = game._malloc(size);
      game.stringToUTF8(kept, copy, size);
      return copy;
    },
    // The address names the room the player sits in: a reload comes back.
    showRoom(room) {
      if (/^[A-Z]{4}$/.test(room) && location.hash !== `#${room}`) history.replaceState(null, '', `#${room}`);
    },
  };

  sonarchVoice.attach($('speech'), $('voice-choice'));
  sonarchBoard.attach($('board'));
  sonarchDialog.attach({ dialog: $('save-dialog'), form: $('save-form'),
    label: $('save-label'), field: $('save-name'), returnTo: area }, (text) => sonarchVoice.echo(text));

  function readFile(input, take) {
    input.addEventListener('change', async () => {
      const file = input.files[0];
      if (!file) return;
      tell(await take(file.name, new Uint8Array(await file.arrayBuffer())));
      input.value = '';
    });
  }
  readFile($('add-map'), (name, bytes) => sonarchStorage.addMap(name, bytes));
  readFile($('import-save'), async (name, bytes) => {
    const said = await sonarchStorage.importSave(name, bytes);
    listExports();
    return said;
  });

  $('export-save').addEventListener('click', () => {
    const saves = sonarchStorage.saves();
    const chooser = $('export-choice');
    const name = chooser.value;
    if (!saves.includes(name)) {
      tell('Choose a saved game to export.');
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([sonarchStorage.saveBytes(name)]));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    tell(`${name} was exported.`);
  });
  $('export-choice').addEventListener('focus', listExports);

  window.Module = {
    preRun: [() => sonarchStorage.prepare(window.Module)],
    onRuntimeInitialized() {
      running = true;
      area.removeAttribute('aria-busy');
      area.focus();
    },
    // The game has started (main has returned): its events may come in.
    postRun: [() => {
      listExports();
      sonarchEvents.start(window.Module);
    }],
    onAbort(what) {
      running = false;
      tell(`The game stopped with an error: ${what}. Reload the page to start again.`);
    },
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
  };

  // Called directly: a plain call with two strings in the game's memory.
  function virtualKey(code, key) {
    const game = window.Module;
    const copies = [code, key].map((text) => {
      const size = game.lengthBytesUTF8(text) + 1;
      const copy = game._malloc(size);
      game.stringToUTF8(text, copy, size);
      return copy;
    });
    const found = game._sonarchVirtualKey(...copies);
    copies.forEach((copy) => game._free(copy));
    return found;
  }
  sonarchKeyboard.attach(area, sonarchEvents, virtualKey, () => running);
})();
