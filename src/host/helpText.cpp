// What --help prints, and what a wrong option is answered with.
#include "host/RunOptions.h"

namespace sonarch {

std::string helpText(const std::string& folders) {
    return std::string(usageText) +
           "\n"
           "Sonarch is a turn-based territory-conquest game played by ear and keyboard.\n"
           "\n"
           "  --text           play in this terminal instead of a window\n"
           "  --speech VOICE   auto (Speech Dispatcher, else espeak-ng), speechd, espeak or none\n"
           "  --rate N         the voice's rate at start, -10 to 10 (3 unless given)\n"
           "  --data-dir DIR   read maps from DIR/Maps and keep saved games in DIR/Saves\n"
           "  --settings FILE  remember the rate, the sounds, the strength and the wording\n"
           "                   in FILE (headless: none unless given)\n"
           "  --headless       play the key script on standard input, print every sentence\n"
           "  --seed N         seed the random source with N instead of the clock\n"
           "  --random FILE    draw the numbers in FILE (one a line) before the seeded ones\n"
           "  --draw-log       print the window picture's drawing calls (headless)\n"
           "  --sound-log      print every sound cue as it plays (headless)\n"
           "  --voice-log      print how each sentence meets the voice (headless)\n"
           "  --check-map FILE tell what makes the map in FILE hard or impossible to play\n"
           "  --simulate N FILE  play N games with a computer player on every seat and\n"
           "                   tell how often each starting zone wins (--players K, --seed S);\n"
           "                   --seats S1,S2,... gives each seat a strength, gentle, standard\n"
           "                   or strong, and tells how often each seat wins\n"
           "  --make-map FILE  write a new map of 30 zones to FILE (--zones N, 4 to 100;\n"
           "                   --seed S gives the same map again)\n"
           "  --help           show this help\n"
           "  --version        show the version\n"
           "\n" +
           folders + "\nThe keys, the map and save formats and the files are told in the manual page sonarch(6).\n";
}

}  // namespace sonarch
