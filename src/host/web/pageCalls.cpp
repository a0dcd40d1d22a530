// The bodies of the page calls: each hands its arguments to the page's
// script object, sonarchPage.
#include "host/web/pageCalls.h"

#include <emscripten/emscripten.h>

EM_JS(void, pageSpeak, (const char* text), { sonarchPage.speak(UTF8ToString(text)); });
EM_JS(void, pageSetVoiceRate, (double speedFactor), { sonarchPage.setVoiceRate(speedFactor); });
EM_JS(void, pageSetVoiceVolume, (double volume), { sonarchPage.setVoiceVolume(volume); });
EM_JS(int, pageVoiceRateSetBy, (), { return sonarchPage.voiceRateSetBy(); });
EM_JS(void, pageSetCaption, (const char* text), { sonarchPage.setCaption(UTF8ToString(text)); });
EM_JS(void, pageSentence, (const char* text, int recorded, int spoken), {
    sonarchPage.sentence(UTF8ToString(text), recorded != 0, spoken != 0);
});

EM_JS(void, pagePlaySound, (const short* samples, int count, int sampleRate), {
    sonarchPage.playSound(HEAP16.subarray(samples >> 1, (samples >> 1) + count), sampleRate);
});

EM_JS(void, pageClear, (), { sonarchPage.board.clear(); });
EM_JS(void, pageColour, (int red, int green, int blue), { sonarchPage.board.colour(red, green, blue); });
EM_JS(void, pageCircle, (int x, int y, int radius), { sonarchPage.board.circle(x, y, radius); });
EM_JS(void, pageTextPosition, (int x, int y), { sonarchPage.board.textPosition(x, y); });
EM_JS(void, pageFontSize, (int points), { sonarchPage.board.fontSize(points); });
EM_JS(void, pageWrite, (const char* text), { sonarchPage.board.write(UTF8ToString(text)); });

EM_JS(void, pageStartTimer, (int milliseconds, int round), { sonarchPage.events.startTimer(milliseconds, round); });
EM_JS(void, pageStopTimer, (), { sonarchPage.events.stopTimer(); });
EM_JS(void, pageAskText, (const char* prompt), { sonarchPage.askText(UTF8ToString(prompt)); });
EM_JS(void, pageStoreFile, (const char* path), { sonarchPage.storeFile(UTF8ToString(path)); });
EM_JS(void, pageEnded, (), { sonarchPage.ended(); });
EM_JS(double, pageSeed, (), { return sonarchPage.seed(); });

EM_JS(void, pageInboxWaiting, (), { sonarchEvents.inbox(); });
EM_JS(char*, pageOrigin, (), { return sonarchPage.newText(location.origin); });
EM_JS(char*, pageRoomAsked, (), { return sonarchPage.newText(location.hash.slice(1)); });
EM_JS(char*, pageKept, (const char* key), { return sonarchPage.newText(sonarchStorage.kept(UTF8ToString(key))); });
EM_JS(void, pageKeep, (const char* key, const char* value), {
    sonarchStorage.keep(UTF8ToString(key), UTF8ToString(value));
});
EM_JS(void, pageShowRoom, (const char* room), { sonarchPage.showRoom(UTF8ToString(room)); });
