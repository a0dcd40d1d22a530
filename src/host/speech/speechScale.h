// The game's voice settings on each engine's own scale. The game's rate runs
// from -10 to 10 with 0 the engine's normal speed, and each step makes speech
// faster by the tenth root of 3 (so 10 is three times, -10 a third of normal
// speed); its volume runs from 0 to 100, the loudest.
#pragma once

namespace sonarch::speech {

// How many times faster than normal a rate of the game's scale speaks.
double speedFactor(int rate);
// espeak-ng counts speed in words a minute, 175 being its normal speed.
int espeakWordsPerMinute(int rate);
// espeak-ng's volume: 100 is its full undistorted level (above it clips).
int espeakVolume(int volume);
// Speech Dispatcher's rate runs from -100 to 100, 0 being the user's own
// speed; its synthesisers spread the steps evenly, so the game's rate is
// carried over in proportion.
int speechdRate(int rate);
// Speech Dispatcher's volume runs from -100 to 100, 100 the loudest.
int speechdVolume(int volume);

}  // namespace sonarch::speech
