// How the game's sentences are heard: added to a live region, which the
// player's own screen reader reads in order; or spoken by the browser's own
// voice; or both; or neither. The choice comes from the address (?voice=),
// else from the last visit, else the screen reader. The game's speech switch
// (F12) turns only the built-in voice on and off: the screen reader is the
// player's own, and silencing it would leave them with no word at all.
'use strict';

const sonarchVoice = (() => {
  const CHOICES = ['screen-reader', 'built-in', 'both', 'none'];
  const REMEMBERED = 'sonarch.voice';
  const synth = 'speechSynthesis' in window ? window.speechSynthesis : null;
  let region = null;
  let choice = 'screen-reader';
  let rate = 1;
  let volume = 1;
  let audio = null;

  function rememberedChoice() {
    const asked = new URLSearchParams(location.search).get('voice');
    if (CHOICES.includes(asked)) return asked;
    try {
      const kept = localStorage.getItem(REMEMBERED);
      if (CHOICES.includes(kept)) return kept;
    } catch (refused) { /* storage off: the default it is */ }
    return 'screen-reader';
  }

  // Each sentence is a new element at the end of the region, never a
  // change of the one before: a screen reader reads additions one after the
  // other, where a text replaced at once by the next is never read at all
  // (a computer player's turn, then its first move). The region is polite,
  // so that sentences queue rather than cut each other off; the screen
  // reader's own key for silence, Ctrl, is the game's too. Old sentences go
  // once they have had time to be read.
  const KEPT = 50;
  const READ_WITHIN = 2000;
  function announce(text) {
    if (text === '') return;
    const line = document.createElement('p');
    line.textContent = text;
    line.dataset.added = String(Date.now());
    region.append(line);
    const now = Date.now();
    while (region.children.length > KEPT &&
           now - Number(region.firstElementChild.dataset.added) > READ_WITHIN) {
      region.firstElementChild.remove();
    }
  }

  function speakAloud(text) {
    synth.cancel();
    if (text === '') return;
    const utterance = new SpeechSynthesisUtterance(text);
    utterance.rate = rate;
    utterance.volume = volume;
    utterance.lang = 'en';
    synth.speak(utterance);
  }

  return {
    CHOICES,
    attach(liveRegion, control) {
      region = liveRegion;
      const remember = () => {
        try { localStorage.setItem(REMEMBERED, choice); } catch (refused) { /* kept for this visit */ }
      };
      choice = rememberedChoice();
      control.value = choice;
      remember();
      control.addEventListener('change', () => {
        choice = control.value;
        if (synth && choice !== 'built-in' && choice !== 'both') synth.cancel();
        remember();
      });
    },
    setRate(speedFactor) { rate = speedFactor; },
    // 0: the game sets the rate (the browser's voice speaks); 1: the screen
    // reader keeps the player's own; 2: nothing is spoken.
    rateSetBy() {
      if (choice === 'none') return 2;
      return choice === 'screen-reader' || synth === null ? 1 : 0;
    },
    setVolume(level) { volume = level; },
    // A cue's sound over the speech, whatever the voice. Browsers let a page
    // sound only after the player's first key or click, which comes first.
    playSound(samples, sampleRate) {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      audio = audio || new Context();
      const buffer = audio.createBuffer(1, samples.length, sampleRate);
      const channel = buffer.getChannelData(0);
      for (let i = 0; i < samples.length; ++i) channel[i] = samples[i] / 32768;
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      source.start();
    },
    // Typing in the save dialog: a screen reader reads it by itself, so only
    // the built-in voice alone has to say it.
    echo(text) {
      if (choice === 'built-in' && synth !== null) speakAloud(text);
    },
    // Every sentence the game puts out, whether its speech is on or off.
    tell(text) {
      const toReader = choice === 'screen-reader' || choice === 'both' ||
        (choice === 'built-in' && synth === null);
      if (toReader) announce(text);
    },
    // The game's voice, while its speech is on: the browser's own alone.
    speak(text) {
      if ((choice === 'built-in' || choice === 'both') && synth !== null) speakAloud(text);
    },
  };
})();
