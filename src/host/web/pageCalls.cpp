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
EM_ASYNC_JS(void, waitForEvent, (), { await sonarchPage.events.arrival(); });
EM_JS(int, pageTakeEvent, (), { return sonarchPage.events.take(); });

EM_ASYNC_JS(char*, askText, (const char* prompt), {
    const answer = await sonarchPage.askText(UTF8ToString(prompt));
    if (answer === null) return 0;
    const size = lengthBytesUTF8(answer) + 1;
    const copy = _malloc(size);
    stringToUTF8(answer, copy, size);
    return copy;
});
EM_ASYNC_JS(int, storeFile, (const char* path), {
    return (await sonarchPage.storage.store(UTF8ToString(path))) ? 1 : 0;
});
EM_JS(void, pageEnded, (), { sonarchPage.ended(); });
EM_JS(double, pageSeed, (), { return sonarchPage.seed(); });

// The waiting calls are wrapped, since other files cannot declare them by
// their own names.
void pageWaitForEvent() { waitForEvent(); }
char* pageAskText(const char* prompt) { return askText(prompt); }
bool pageStoreFile(const char* path) { return storeFile(path) != 0; }
