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
}
