// The page's side of the browser host: each call goes to the page's script
// (page/*.js), which owns the document, the browser's voice and storage.
// Those marked as waiting suspend the game, not the page, until the page
// answers; the page keeps handling its events meanwhile.
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

// Events: keys and the pause timer's tick, queued by the page.
void pageStartTimer(int milliseconds, int round);
void pageStopTimer();
int pageTakeEvent();       // the next queued event, packed; 0 when none
void pageEnded();
// The seed the page's address asks for, or -1.
double pageSeed();
}

// Waiting: until at least one event is queued.
void pageWaitForEvent();
// Waiting: the save dialog; the typed text (malloc'd) or null when cancelled.
char* pageAskText(const char* prompt);
// Waiting: copies the file at path, a save, into the browser's lasting
// storage, and nothing else; false when the browser refused.
bool pageStoreFile(const char* path);
