// The page's side of the browser host: each call goes to the page's script
// (page/*.js), which owns the document, the browser's voice and storage.
// None of them waits: what the page answers later (a key, the timer's tick,
// the save dialog's text) comes back as an event of its own.
#pragma once

extern "C" {
// Speech and the caption.
void pageSpeak(const char* text);
void pageSetVoiceRate(double speedFactor);
void pageSetVoiceVolume(double volume);
// Whose rate the chosen voice speaks at: 0 the game's, 1 the player's own
// (a screen reader), 2 nobody's (no voice).
int pageVoiceRateSetBy();
void pageSetCaption(const char* text);
void pageSentence(const char* text, int recorded, int spoken);
// A cue's sound, 16-bit mono samples, played at once over any speech.
void pagePlaySound(const short* samples, int count, int sampleRate);

// The picture of the board.
void pageClear();
void pageColour(int red, int green, int blue);
void pageCircle(int x, int y, int radius);
void pageTextPosition(int x, int y);
void pageFontSize(int points);
void pageWrite(const char* text);

// The pause timer: its tick comes back as an event with the round.
void pageStartTimer(int milliseconds, int round);
void pageStopTimer();
// Opens the save dialog; its text comes back through sonarchTextEntered.
void pageAskText(const char* prompt);
// Copies the file at path, a save, into the browser's lasting storage, and
// nothing else; the page tells the player if the browser refuses.
void pageStoreFile(const char* path);
void pageEnded();
// The seed the page's address asks for, or -1.
double pageSeed();

// A game server's messages wait to be handed over: the page queues an
// event for them behind the others.
void pageInboxWaiting();
// Texts the page gives the game, made with malloc for the caller to free:
// where the page was loaded from ("http://HOST:PORT"), and what its
// address names after the #, both as the browser gives them.
char* pageOrigin();
char* pageRoomAsked();
// The browser's small lasting store of texts (localStorage), by key; an
// empty text takes the key out. Any page of the same origin could have
// written there, so what comes back is checked like any outside input.
char* pageKept(const char* key);
void pageKeep(const char* key, const char* value);
// The page's address names the room the player is in, so that a reload
// comes back to it.
void pageShowRoom(const char* room);
}
